// The sound library's check of .wav images (kumora_wav_is_valid). Needs no device.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "assets/sound_synth.h"
#include "sound/kumora_sound.h"
#include "tests/sound/wav_images.h"

namespace {

using namespace kumora::wav_images;

Bytes simple_wav() { return wav(Fmt{}, 200); }

// Checks an image held in an allocation of exactly `length` bytes, so that a
// sanitizer build catches any read past the end.
int valid(const Bytes& b, std::size_t length) {
  if (length == 0) return kumora_wav_is_valid(b.data(), 0);
  std::unique_ptr<unsigned char[]> exact(new unsigned char[length]);
  std::memcpy(exact.get(), b.data(), length);
  return kumora_wav_is_valid(exact.get(), length);
}
int valid(const Bytes& b) { return valid(b, b.size()); }

void set_u32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

}  // namespace

TEST(WavValidation, AcceptsPlainPcm) {
  EXPECT_EQ(valid(simple_wav()), 1);
  EXPECT_EQ(valid(wav(Fmt{.channels = 2}, 400)), 1);
  EXPECT_EQ(valid(wav(Fmt{.rate = 22050, .bits = 8}, 101)), 1);
  EXPECT_EQ(valid(wav(Fmt{.channels = 2, .rate = 48000, .bits = 24}, 600)), 1);
  EXPECT_EQ(valid(wav(Fmt{.bits = 32}, 64)), 1);
  EXPECT_EQ(valid(wav(Fmt{.channels = 8}, 160)), 1);  // the most channels taken
}

TEST(WavValidation, AcceptsGeneratedSounds) {
  kumora::synth::Audio click = kumora::synth::make_click();
  EXPECT_EQ(valid(kumora::synth::encode_wav(click)), 1);
}

TEST(WavValidation, AcceptsOtherChunksAndPadding) {
  Bytes chunks;
  put_chunk(chunks, "LIST", Bytes(13, 'x'));  // odd size, padded
  put_chunk(chunks, "fmt ", fmt_body(Fmt{}));
  put_chunk(chunks, "fact", Bytes(4, 0));
  put_chunk(chunks, "data", Bytes(99, 1));  // odd size: the last pad byte is present
  EXPECT_EQ(valid(riff(chunks)), 1);

  // The pad byte after an odd data chunk at the very end may be missing.
  Bytes no_pad;
  put_chunk(no_pad, "fmt ", fmt_body(Fmt{.bits = 8}));
  put_tag(no_pad, "data");
  put_u32(no_pad, 5);
  no_pad.insert(no_pad.end(), 5, 0x80);
  EXPECT_EQ(valid(riff(no_pad)), 1);

  // Bytes after the RIFF chunk are not part of the sound.
  Bytes trailing = simple_wav();
  trailing.insert(trailing.end(), 10, 0xEE);
  EXPECT_EQ(valid(trailing), 1);

  // An 18-byte fmt chunk (with cbSize).
  Bytes fmt18 = fmt_body(Fmt{});
  put_u16(fmt18, 0);
  Bytes c18;
  put_chunk(c18, "fmt ", fmt18);
  put_chunk(c18, "data", Bytes(8, 0));
  EXPECT_EQ(valid(riff(c18)), 1);
}

TEST(WavValidation, AcceptsExtensiblePcm) {
  auto extensible = [](unsigned char sub0) {
    Bytes body = fmt_body(Fmt{.format = 0xFFFE, .channels = 2, .bits = 24});
    put_u16(body, 22);  // cbSize
    put_u16(body, 24);  // valid bits
    put_u32(body, 3);   // channel mask
    const unsigned char guid[16] = {sub0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                    0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    body.insert(body.end(), guid, guid + 16);
    Bytes chunks;
    put_chunk(chunks, "fmt ", body);
    put_chunk(chunks, "data", Bytes(60, 0));
    return riff(chunks);
  };
  EXPECT_EQ(valid(extensible(0x01)), 1);  // KSDATAFORMAT_SUBTYPE_PCM
  EXPECT_EQ(valid(extensible(0x03)), 0);  // ..._IEEE_FLOAT
}

TEST(WavValidation, RejectsNullAndEmpty) {
  EXPECT_EQ(kumora_wav_is_valid(nullptr, 0), 0);
  EXPECT_EQ(kumora_wav_is_valid(nullptr, 1000), 0);
  Bytes b = simple_wav();
  EXPECT_EQ(kumora_wav_is_valid(b.data(), 0), 0);
}

TEST(WavValidation, RejectsEveryTruncation) {
  Bytes b = simple_wav();
  for (std::size_t length = 0; length < b.size(); ++length) {
    EXPECT_EQ(valid(b, length), 0) << "length " << length;
  }
  EXPECT_EQ(valid(b, b.size()), 1);
}

TEST(WavValidation, RejectsWrongMagic) {
  Bytes b = simple_wav();
  std::memcpy(b.data(), "RIFX", 4);
  EXPECT_EQ(valid(b), 0);
  b = simple_wav();
  std::memcpy(b.data() + 8, "AVI ", 4);
  EXPECT_EQ(valid(b), 0);
  Bytes text(100, 'a');
  EXPECT_EQ(valid(text), 0);
}

TEST(WavValidation, RejectsSizesPastTheEnd) {
  const std::size_t data_size_at = 12 + 8 + 16 + 4;
  Bytes b = simple_wav();
  set_u32(b, 4, static_cast<std::uint32_t>(b.size() - 8 + 1));  // RIFF one byte too long
  EXPECT_EQ(valid(b), 0);
  b = simple_wav();
  set_u32(b, 4, 0xFFFFFFFF);
  EXPECT_EQ(valid(b), 0);
  b = simple_wav();
  set_u32(b, data_size_at, 201);  // data one byte past the end
  EXPECT_EQ(valid(b), 0);
  b = simple_wav();
  set_u32(b, data_size_at, 0xFFFFFFFF);
  EXPECT_EQ(valid(b), 0);
  b = simple_wav();
  set_u32(b, 16, 0xFFFFFFF0);  // fmt size
  EXPECT_EQ(valid(b), 0);
  b = simple_wav();
  set_u32(b, 16, 400);
  EXPECT_EQ(valid(b), 0);
  b = simple_wav();
  set_u32(b, 4, 3);  // RIFF size smaller than "WAVE"
  EXPECT_EQ(valid(b), 0);

  // A RIFF size that ends before the data chunk does.
  b = simple_wav();
  set_u32(b, 4, static_cast<std::uint32_t>(b.size() - 8 - 10));
  EXPECT_EQ(valid(b), 0);
}

TEST(WavValidation, RejectsBadFormats) {
  EXPECT_EQ(valid(wav(Fmt{.channels = 0}, 200)), 0);
  EXPECT_EQ(valid(wav(Fmt{.channels = 9}, 180)), 0);
  EXPECT_EQ(valid(wav(Fmt{.rate = 0}, 200)), 0);
  EXPECT_EQ(valid(wav(Fmt{.rate = 999}, 200)), 0);
  EXPECT_EQ(valid(wav(Fmt{.rate = 400000}, 200)), 0);
  EXPECT_EQ(valid(wav(Fmt{.bits = 0}, 200)), 0);
  EXPECT_EQ(valid(wav(Fmt{.bits = 12}, 200)), 0);
  EXPECT_EQ(valid(wav(Fmt{.bits = 64}, 200)), 0);
  EXPECT_EQ(valid(wav(Fmt{.block_align = 4}, 200)), 0);
  EXPECT_EQ(valid(wav(Fmt{.byte_rate = 1234}, 200)), 0);
}

TEST(WavValidation, RejectsNonPcm) {
  EXPECT_EQ(valid(wav(Fmt{.format = 3, .bits = 32}, 200)), 0);                        // IEEE float
  EXPECT_EQ(valid(wav(Fmt{.format = 0x11, .bits = 4, .block_align = 256}, 512)), 0);  // IMA ADPCM
  EXPECT_EQ(valid(wav(Fmt{.format = 0x55}, 200)), 0);                                 // MP3
  EXPECT_EQ(valid(wav(Fmt{.format = 0}, 200)), 0);
  // Extensible without its extension.
  EXPECT_EQ(valid(wav(Fmt{.format = 0xFFFE}, 200)), 0);
}

TEST(WavValidation, RejectsMissingOrRepeatedChunks) {
  Bytes only_fmt;
  put_chunk(only_fmt, "fmt ", fmt_body(Fmt{}));
  EXPECT_EQ(valid(riff(only_fmt)), 0);

  Bytes only_data;
  put_chunk(only_data, "data", Bytes(100, 0));
  EXPECT_EQ(valid(riff(only_data)), 0);

  Bytes two_fmt;
  put_chunk(two_fmt, "fmt ", fmt_body(Fmt{}));
  put_chunk(two_fmt, "fmt ", fmt_body(Fmt{}));
  put_chunk(two_fmt, "data", Bytes(100, 0));
  EXPECT_EQ(valid(riff(two_fmt)), 0);

  Bytes two_data;
  put_chunk(two_data, "fmt ", fmt_body(Fmt{}));
  put_chunk(two_data, "data", Bytes(100, 0));
  put_chunk(two_data, "data", Bytes(100, 0));
  EXPECT_EQ(valid(riff(two_data)), 0);

  Bytes short_fmt;
  Bytes body = fmt_body(Fmt{});
  body.resize(14);
  put_chunk(short_fmt, "fmt ", body);
  put_chunk(short_fmt, "data", Bytes(100, 0));
  EXPECT_EQ(valid(riff(short_fmt)), 0);

  EXPECT_EQ(valid(wav(Fmt{}, 0)), 0);               // no sample at all
  EXPECT_EQ(valid(wav(Fmt{.channels = 2}, 3)), 0);  // not one whole frame
  EXPECT_EQ(valid(riff(Bytes{})), 0);               // no chunk
}

TEST(WavValidation, SurvivesRandomDamage) {
  // Damaged images may be accepted or not, but are never read past their end
  // (a sanitizer build checks the reads).
  kumora::synth::Rng rng(12345);
  const Bytes base = wav(Fmt{.channels = 2}, 64);
  for (int round = 0; round < 20000; ++round) {
    Bytes b = base;
    int edits = 1 + static_cast<int>(rng.next() % 4);
    for (int e = 0; e < edits; ++e) {
      std::size_t at = rng.next() % b.size();
      b[at] = static_cast<unsigned char>(rng.next());
    }
    std::size_t length = rng.next() % 3 == 0 ? rng.next() % (b.size() + 1) : b.size();
    int result = valid(b, length);
    EXPECT_TRUE(result == 0 || result == 1);
  }
}
