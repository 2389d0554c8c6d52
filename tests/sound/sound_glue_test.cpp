// The sound glue: SdlSoundPort and find_sound_file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/sound_synth.h"
#include "sound/kumora_sound.h"
#include "sound/sound_glue.h"

namespace fs = std::filesystem;

namespace {

void write_file(const fs::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

const std::vector<unsigned char>& click_image() {
  static const std::vector<unsigned char> image =
      kumora::synth::encode_wav(kumora::synth::make_click());
  return image;
}

// Runs each test in a fresh, empty current directory.
class SoundGlue : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    old_dir_ = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "kumora-sound-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    fs::current_path(dir_);
  }
  void TearDown() override {
    port_.terminate();
    fs::current_path(old_dir_);
    fs::remove_all(dir_);
  }
  fs::path old_dir_, dir_;
  kumora::SdlSoundPort port_;
};

}  // namespace

TEST_F(SoundGlue, WithoutADeviceNothingLoads) {
  write_file(kumora::SOUND_FILE_CLICK, click_image());
  std::string error = "old";
  EXPECT_EQ(port_.load_wave(kumora::SOUND_FILE_CLICK, 3, error), 0);
  EXPECT_EQ(error, "");
  // Zero buffers are harmless, and so is terminate without a device.
  port_.play(0);
  port_.play_looping(0);
  port_.stop(0);
  port_.free(0);
  port_.terminate();
  EXPECT_EQ(port_.device(), 0);
}

TEST_F(SoundGlue, LoadsAndPlaysASoundOfTheCurrentDirectory) {
  ASSERT_TRUE(port_.initialize());
  EXPECT_NE(port_.device(), 0);
  write_file(kumora::SOUND_FILE_CLICK, click_image());
  std::string error;
  int click = port_.load_wave(kumora::SOUND_FILE_CLICK, kumora::SOUND_FLAGS_EFFECT, error);
  EXPECT_NE(click, 0);
  EXPECT_EQ(error, "");
  port_.play(click);
  EXPECT_EQ(kumora_buffer_playing(click), 1);
  port_.stop(click);
  EXPECT_EQ(kumora_buffer_playing(click), 0);
  port_.play_looping(click);
  EXPECT_EQ(kumora_buffer_playing(click), 1);
  port_.free(click);
  EXPECT_EQ(kumora_buffer_playing(click), 0);
  EXPECT_EQ(dsPlay(click), 0);
}

TEST_F(SoundGlue, AMissingFileGivesZeroSilently) {
  ASSERT_TRUE(port_.initialize());
  std::string error;
  EXPECT_EQ(port_.load_wave(kumora::SOUND_FILE_BGM, kumora::SOUND_FLAGS_MUSIC, error), 0);
  EXPECT_EQ(error, "");
  EXPECT_EQ(port_.load_wave("no-such-folder/x.wav", 3, error), 0);
  EXPECT_EQ(error, "");
}

// The warning says in Japanese what failed, names the file, then says why.
TEST_F(SoundGlue, AFileThatCannotBeReadIsNamedInTheWarning) {
  ASSERT_TRUE(port_.initialize());
  fs::create_directory(kumora::SOUND_FILE_FORBID);  // exists, but cannot be read as a file
  std::string error;
  EXPECT_EQ(port_.load_wave(kumora::SOUND_FILE_FORBID, 3, error), 0);
  EXPECT_EQ(error, "ｻｳﾝﾄﾞﾌｧｲﾙを読み込めませんでした\r禁止.wav\r通常のﾌｧｲﾙではありません");
}

// A pipe or a huge file in place of a sound neither blocks the start nor
// fills the memory.
TEST_F(SoundGlue, APipeOrAHugeFileIsRefused) {
  ASSERT_TRUE(port_.initialize());
  alarm(20);
  ASSERT_EQ(mkfifo(kumora::SOUND_FILE_BGM, 0600), 0);
  std::string error;
  EXPECT_EQ(port_.load_wave(kumora::SOUND_FILE_BGM, kumora::SOUND_FLAGS_MUSIC, error), 0);
  EXPECT_EQ(error, "ｻｳﾝﾄﾞﾌｧｲﾙを読み込めませんでした\rBGM.wav\r通常のﾌｧｲﾙではありません");
  write_file(kumora::SOUND_FILE_CLICK, click_image());
  fs::resize_file(kumora::SOUND_FILE_CLICK, 115u * 1024 * 1024);
  EXPECT_EQ(port_.load_wave(kumora::SOUND_FILE_CLICK, 3, error), 0);
  EXPECT_EQ(error, "ｻｳﾝﾄﾞﾌｧｲﾙを読み込めませんでした\r駒打音.wav\rｻｳﾝﾄﾞﾌｧｲﾙとしては大きすぎます");
  alarm(0);
}

TEST_F(SoundGlue, ABadFileGivesZeroWithoutError) {
  ASSERT_TRUE(port_.initialize());
  write_file(kumora::SOUND_FILE_OTHER, {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v'});
  write_file("empty.wav", {});
  std::vector<unsigned char> cut(click_image().begin(), click_image().begin() + 100);
  write_file("cut.wav", cut);
  std::string error;
  EXPECT_EQ(port_.load_wave(kumora::SOUND_FILE_OTHER, 3, error), 0);
  EXPECT_EQ(port_.load_wave("empty.wav", 3, error), 0);
  EXPECT_EQ(port_.load_wave("cut.wav", 3, error), 0);
  EXPECT_EQ(error, "");
}

TEST_F(SoundGlue, TerminateClosesTheDevice) {
  ASSERT_TRUE(port_.initialize());
  int device = port_.device();
  port_.terminate();
  EXPECT_EQ(port_.device(), 0);
  EXPECT_EQ(dsTerminate(device), 0);  // already closed
  std::string error;
  write_file(kumora::SOUND_FILE_CLICK, click_image());
  EXPECT_EQ(port_.load_wave(kumora::SOUND_FILE_CLICK, 3, error), 0);
}

TEST_F(SoundGlue, NoDeviceIsReported) {
  setenv("SDL_AUDIODRIVER", "kumora-no-such-driver", 1);
  bool opened = port_.initialize();
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_FALSE(opened);
  EXPECT_EQ(port_.device(), 0);
}

TEST_F(SoundGlue, FindsSoundFilesInTheCurrentDirectoryFirst) {
  fs::create_directories("a");
  fs::create_directories("b");
  write_file("b/" + std::string(kumora::SOUND_FILE_CLICK), click_image());
  EXPECT_EQ(kumora::find_sound_file(kumora::SOUND_FILE_CLICK), "");
  EXPECT_EQ(kumora::find_sound_file(kumora::SOUND_FILE_CLICK, {"a", "b/"}),
            "b/" + std::string(kumora::SOUND_FILE_CLICK));
  write_file(kumora::SOUND_FILE_CLICK, click_image());
  EXPECT_EQ(kumora::find_sound_file(kumora::SOUND_FILE_CLICK, {"a", "b"}),
            kumora::SOUND_FILE_CLICK);
  // A folder of that name is not a sound file.
  fs::create_directories(std::string("a/") + kumora::SOUND_FILE_BGM);
  EXPECT_EQ(kumora::find_sound_file(kumora::SOUND_FILE_BGM, {"a"}), "");
}

TEST(SoundNames, TheGlueAndTheGeneratorAgree) {
  const auto& files = kumora::synth::sound_files();
  EXPECT_STREQ(files[0].name, kumora::SOUND_FILE_OTHER);
  EXPECT_STREQ(files[1].name, kumora::SOUND_FILE_FORBID);
  EXPECT_STREQ(files[2].name, kumora::SOUND_FILE_CLICK);
  EXPECT_STREQ(files[3].name, kumora::SOUND_FILE_BGM);
  EXPECT_STREQ(kumora::SOUND_FILE_OTHER, "その他.wav");
  EXPECT_STREQ(kumora::SOUND_FILE_FORBID, "禁止.wav");
  EXPECT_STREQ(kumora::SOUND_FILE_CLICK, "駒打音.wav");
  EXPECT_STREQ(kumora::SOUND_FILE_BGM, "BGM.wav");
}
