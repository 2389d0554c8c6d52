// The sound library's C interface: handles, the dummy device, playing.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "assets/sound_synth.h"
#include "sound/kumora_sound.h"
#include "tests/sound/wav_images.h"

namespace {

const std::vector<unsigned char>& click_image() {
  static const std::vector<unsigned char> image =
      kumora::synth::encode_wav(kumora::synth::make_click());
  return image;
}

// Waits (at most `limit` seconds) until `done` holds.
template <typename F>
bool eventually(F done, double limit = 10.0) {
  auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(limit);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// Opens the device on SDL's dummy driver; closes it after each test.
class SoundDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    device_ = dsInitialize(nullptr);
    ASSERT_NE(device_, 0) << "the dummy sound device did not open";
  }
  void TearDown() override {
    if (device_ != 0) dsTerminate(device_);
  }
  int load(int flags) {
    return dsCreateDSB(device_, click_image().data(), click_image().size(), flags);
  }
  int device_ = 0;
};

}  // namespace

TEST(SoundLibrary, ZeroAndUnknownHandlesDoNothing) {
  for (int handle : {0, 1, 7, -1, 123456}) {
    EXPECT_EQ(dsPlay(handle), 0);
    EXPECT_EQ(dsPlayLooping(handle), 0);
    EXPECT_EQ(dsStop(handle), 0);
    EXPECT_EQ(dsFree(handle), 0);
    EXPECT_EQ(dsTerminate(handle), 0);
    EXPECT_EQ(kumora_buffer_playing(handle), 0);
    EXPECT_EQ(dsCreateDSB(handle, click_image().data(), click_image().size(), 3), 0);
  }
}

TEST(SoundLibrary, NoDeviceWhenTheDriverIsMissing) {
  setenv("SDL_AUDIODRIVER", "kumora-no-such-driver", 1);
  int device = dsInitialize(nullptr);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_EQ(device, 0);
  EXPECT_EQ(dsCreateDSB(device, click_image().data(), click_image().size(), 3), 0);
  EXPECT_EQ(dsTerminate(device), 0);
  // The failure leaves nothing behind: the dummy device opens afterwards.
  int dummy = dsInitialize(nullptr);
  EXPECT_NE(dummy, 0);
  EXPECT_EQ(dsTerminate(dummy), 1);
}

TEST_F(SoundDevice, OpensOnceAndReopensWithANewHandle) {
  EXPECT_EQ(dsInitialize(nullptr), device_);
  EXPECT_EQ(dsTerminate(device_), 1);
  EXPECT_EQ(dsTerminate(device_), 0);
  int again = dsInitialize(nullptr);
  EXPECT_NE(again, 0);
  EXPECT_NE(again, device_);
  device_ = again;
}

TEST_F(SoundDevice, LoadsValidImagesOnly) {
  int buffer = load(3);
  EXPECT_NE(buffer, 0);
  EXPECT_NE(buffer, device_);
  int second = load(3);
  EXPECT_NE(second, 0);
  EXPECT_NE(second, buffer);

  std::vector<unsigned char> bad = click_image();
  bad[8] = 'X';  // not WAVE
  EXPECT_EQ(dsCreateDSB(device_, bad.data(), bad.size(), 3), 0);
  EXPECT_EQ(dsCreateDSB(device_, click_image().data(), click_image().size() - 1, 3), 0);
  EXPECT_EQ(dsCreateDSB(device_, nullptr, 0, 3), 0);
  EXPECT_EQ(dsCreateDSB(device_ + 1, click_image().data(), click_image().size(), 3), 0);
}

TEST_F(SoundDevice, SoundsOfUpToTenMinutesAreLoaded) {
  using namespace kumora::wav_images;
  // Stereo 16-bit at the lowest rate: four bytes a frame, a thousand frames
  // a second.
  const Fmt slow{.channels = 2, .rate = 1000};
  const Bytes long_enough = wav(slow, 200 * 1000 * 4);
  EXPECT_NE(dsCreateDSB(device_, long_enough.data(), long_enough.size(), 3), 0);
  const Bytes too_long = wav(slow, 601 * 1000 * 4);
  EXPECT_EQ(dsCreateDSB(device_, too_long.data(), too_long.size(), 3), 0);
}

TEST_F(SoundDevice, LoadsAllFourGeneratedSounds) {
  for (const kumora::synth::SoundFile& file : kumora::synth::sound_files()) {
    std::vector<unsigned char> image = kumora::synth::encode_wav(file.make());
    int flags = std::string(file.name) == "BGM.wav" ? KUMORA_DSB_MUSIC : KUMORA_DSB_EFFECT;
    int buffer = dsCreateDSB(device_, image.data(), image.size(), flags);
    EXPECT_NE(buffer, 0) << file.name;
    EXPECT_EQ(dsPlay(buffer), 1) << file.name;
    EXPECT_EQ(dsFree(buffer), 1) << file.name;
  }
}

TEST_F(SoundDevice, EffectsOverlapAndEnd) {
  int click = load(KUMORA_DSB_EFFECT);
  ASSERT_NE(click, 0);
  EXPECT_EQ(dsPlay(click), 1);
  EXPECT_EQ(dsPlay(click), 1);
  EXPECT_EQ(kumora_buffer_playing(click), 2);
  // Played once, an effect ends by itself (0.2 s of sound).
  EXPECT_TRUE(eventually([&] { return kumora_buffer_playing(click) == 0; }));
}

TEST_F(SoundDevice, ManyEffectsAtOnceFindChannels) {
  int click = load(KUMORA_DSB_EFFECT);
  ASSERT_NE(click, 0);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(dsPlay(click), 1) << i;
  EXPECT_EQ(kumora_buffer_playing(click), 40);
  EXPECT_EQ(dsStop(click), 1);
  EXPECT_EQ(kumora_buffer_playing(click), 0);
}

TEST_F(SoundDevice, MusicLoopsUntilStopped) {
  int music = load(KUMORA_DSB_MUSIC);
  int click = load(KUMORA_DSB_EFFECT);
  ASSERT_NE(music, 0);
  EXPECT_EQ(dsPlayLooping(music), 1);
  EXPECT_EQ(dsPlayLooping(music), 1);  // already looping: one copy still
  EXPECT_EQ(dsPlay(music), 1);         // music never doubles
  EXPECT_EQ(kumora_buffer_playing(music), 1);

  // While an effect plays once and ends, the loop (of the same 0.2 s) goes on.
  EXPECT_EQ(dsPlay(click), 1);
  EXPECT_TRUE(eventually([&] { return kumora_buffer_playing(click) == 0; }));
  EXPECT_EQ(kumora_buffer_playing(music), 1);

  EXPECT_EQ(dsStop(music), 1);
  EXPECT_EQ(kumora_buffer_playing(music), 0);
  EXPECT_EQ(dsStop(music), 1);  // stopping a stopped buffer is harmless
  EXPECT_EQ(dsPlayLooping(music), 1);
  EXPECT_EQ(kumora_buffer_playing(music), 1);
}

TEST_F(SoundDevice, FreedBuffersAreUnknown) {
  int click = load(KUMORA_DSB_EFFECT);
  ASSERT_NE(click, 0);
  EXPECT_EQ(dsPlayLooping(click), 1);
  EXPECT_EQ(dsFree(click), 1);
  EXPECT_EQ(dsFree(click), 0);
  EXPECT_EQ(dsPlay(click), 0);
  EXPECT_EQ(dsPlayLooping(click), 0);
  EXPECT_EQ(dsStop(click), 0);
  EXPECT_EQ(kumora_buffer_playing(click), 0);
}

TEST_F(SoundDevice, TerminateFreesEverything) {
  int click = load(KUMORA_DSB_EFFECT);
  int music = load(KUMORA_DSB_MUSIC);
  EXPECT_EQ(dsPlayLooping(music), 1);
  EXPECT_EQ(dsPlay(click), 1);
  EXPECT_EQ(dsTerminate(device_), 1);
  EXPECT_EQ(dsPlay(click), 0);
  EXPECT_EQ(dsStop(music), 0);
  EXPECT_EQ(dsFree(music), 0);
  EXPECT_EQ(dsCreateDSB(device_, click_image().data(), click_image().size(), 3), 0);
  // A new device does not know the old buffers either.
  device_ = dsInitialize(nullptr);
  ASSERT_NE(device_, 0);
  EXPECT_EQ(dsPlay(click), 0);
  EXPECT_EQ(dsFree(music), 0);
}
