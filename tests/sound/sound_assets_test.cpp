// The four generated sounds, checked as numbers: format, length, level, no
// clipping, no DC, quiet ends, and the music's seamless loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "assets/sound_synth.h"
#include "sound/kumora_sound.h"

namespace {

using kumora::synth::Audio;

const Audio& sound(const std::string& name) {
  static std::vector<std::pair<std::string, Audio>> made;
  for (const auto& [n, a] : made) {
    if (n == name) return a;
  }
  for (const kumora::synth::SoundFile& f : kumora::synth::sound_files()) {
    if (name == f.name) {
      made.emplace_back(name, f.make());
      return made.back().second;
    }
  }
  ADD_FAILURE() << "no sound " << name;
  static const Audio none;
  return none;
}

struct Levels {
  double peak = 0, rms = 0, mean = 0;  // of full scale (32768)
  int extreme = 0;                     // samples at the limits of 16 bits
};

Levels levels(const Audio& a, int channel) {
  Levels l;
  double sum = 0, squares = 0;
  for (std::size_t i = 0; i < a.frames(); ++i) {
    int v = a.at(i, channel);
    l.peak = std::max(l.peak, std::abs(v) / 32768.0);
    sum += v;
    squares += static_cast<double>(v) * v;
    if (v >= 32767 || v <= -32768) ++l.extreme;
  }
  double n = static_cast<double>(a.frames());
  l.mean = sum / n / 32768.0;
  l.rms = std::sqrt(squares / n) / 32768.0;
  return l;
}

double db(double x) { return 20 * std::log10(x); }

}  // namespace

TEST(SoundAssets, FormatsAndLengths) {
  struct Expect {
    const char* name;
    int channels;
    double min_s, max_s;
  };
  const Expect expects[] = {
      {"駒打音.wav", 1, 0.15, 0.25},
      {"禁止.wav", 1, 0.20, 0.30},
      {"その他.wav", 1, 0.8, 1.2},
      {"BGM.wav", 2, 20.0, 60.0},
  };
  for (const Expect& e : expects) {
    const Audio& a = sound(e.name);
    EXPECT_EQ(a.rate, 44100) << e.name;
    EXPECT_EQ(a.channels, e.channels) << e.name;
    EXPECT_GE(a.seconds(), e.min_s) << e.name;
    EXPECT_LE(a.seconds(), e.max_s) << e.name;
    std::vector<unsigned char> image = kumora::synth::encode_wav(a);
    EXPECT_EQ(image.size(), 44 + a.samples.size() * 2) << e.name;
    EXPECT_EQ(kumora_wav_is_valid(image.data(), image.size()), 1) << e.name;
  }
}

TEST(SoundAssets, LevelsAreSensibleWithoutClippingOrDc) {
  for (const kumora::synth::SoundFile& f : kumora::synth::sound_files()) {
    const Audio& a = sound(f.name);
    for (int c = 0; c < a.channels; ++c) {
      Levels l = levels(a, c);
      EXPECT_EQ(l.extreme, 0) << f.name;
      EXPECT_LE(db(l.peak), -1.0) << f.name;
      EXPECT_GE(db(l.peak), -9.0) << f.name;
      EXPECT_GE(db(l.rms), -30.0) << f.name;
      EXPECT_LE(db(l.rms), -8.0) << f.name;
      EXPECT_LT(std::abs(l.mean), 0.002) << f.name;
    }
  }
}

TEST(SoundAssets, EffectsStartAndEndInSilence) {
  for (const char* name : {"駒打音.wav", "禁止.wav", "その他.wav"}) {
    const Audio& a = sound(name);
    EXPECT_LE(std::abs(a.samples.front()), 1) << name;
    EXPECT_EQ(a.samples.back(), 0) << name;
    // The sound is at its loudest early: a sharp attack.
    std::size_t loudest = 0;
    for (std::size_t i = 0; i < a.samples.size(); ++i) {
      if (std::abs(a.samples[i]) > std::abs(a.samples[loudest])) loudest = i;
    }
    EXPECT_LT(static_cast<double>(loudest) / a.rate, 0.2) << name;
  }
  // The click is short: a tenth of a second in, it has died down by 20 dB.
  const Audio& click = sound("駒打音.wav");
  double early = 0, late = 0;
  for (std::size_t i = 0; i < 441; ++i) early = std::max(early, std::abs(click.samples[i]) * 1.0);
  for (std::size_t i = 4410; i < click.frames(); ++i) {
    late = std::max(late, std::abs(click.samples[i]) * 1.0);
  }
  EXPECT_LT(late, early / 10);
}

TEST(SoundAssets, MusicLoopsSeamlessly) {
  const Audio& a = sound("BGM.wav");
  const std::size_t n = a.frames();
  ASSERT_GT(n, 3u);
  for (int c = 0; c < a.channels; ++c) {
    // How far apart neighbouring samples are inside the loop...
    double squares = 0;
    double second_squares = 0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
      double d = a.at(i + 1, c) - a.at(i, c);
      squares += d * d;
      if (i + 2 < n) {
        double s = a.at(i + 2, c) - 2.0 * a.at(i + 1, c) + a.at(i, c);
        second_squares += s * s;
      }
    }
    double rms_step = std::sqrt(squares / static_cast<double>(n - 1));
    double rms_curve = std::sqrt(second_squares / static_cast<double>(n - 2));
    // ... and across the join from the last sample to the first.
    double step = std::abs(a.at(0, c) - a.at(n - 1, c));
    double curve = std::abs(a.at(0, c) - 2.0 * a.at(n - 1, c) + a.at(n - 2, c));
    double curve_after = std::abs(a.at(1, c) - 2.0 * a.at(0, c) + a.at(n - 1, c));
    EXPECT_LE(step, 3 * rms_step) << "channel " << c;
    EXPECT_LE(curve, 3 * rms_curve) << "channel " << c;
    EXPECT_LE(curve_after, 3 * rms_curve) << "channel " << c;
    // The loop starts close to a zero crossing (a quiet first start).
    EXPECT_LE(std::abs(a.at(0, c)), 0.01 * 32768) << "channel " << c;
  }
}

TEST(SoundAssets, OutputIsDeterministic) {
  for (const kumora::synth::SoundFile& f : kumora::synth::sound_files()) {
    EXPECT_EQ(f.make().samples, sound(f.name).samples) << f.name;
  }
}
