// WAV images built field by field, for the tests of the sound library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kumora::wav_images {

using Bytes = std::vector<unsigned char>;

inline void put_u16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}
inline void put_u32(Bytes& b, std::uint32_t v) {
  put_u16(b, v & 0xFFFF);
  put_u16(b, v >> 16);
}
inline void put_tag(Bytes& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(tag[i]));
}
inline void put_chunk(Bytes& b, const char* tag, const Bytes& body) {
  put_tag(b, tag);
  put_u32(b, static_cast<std::uint32_t>(body.size()));
  b.insert(b.end(), body.begin(), body.end());
  if (body.size() % 2 == 1) b.push_back(0);
}

struct Fmt {
  std::uint32_t format = 1, channels = 1, rate = 44100, bits = 16;
  std::uint32_t block_align = 0, byte_rate = 0;  // 0: computed
};

inline Bytes fmt_body(const Fmt& f) {
  Bytes b;
  std::uint32_t align = f.block_align ? f.block_align : f.channels * (f.bits / 8);
  put_u16(b, f.format);
  put_u16(b, f.channels);
  put_u32(b, f.rate);
  put_u32(b, f.byte_rate ? f.byte_rate : f.rate * align);
  put_u16(b, align);
  put_u16(b, f.bits);
  return b;
}

// A RIFF/WAVE image of the given chunks (each already "tag size body").
inline Bytes riff(const Bytes& chunks) {
  Bytes b;
  put_tag(b, "RIFF");
  put_u32(b, static_cast<std::uint32_t>(4 + chunks.size()));
  put_tag(b, "WAVE");
  b.insert(b.end(), chunks.begin(), chunks.end());
  return b;
}

inline Bytes wav(const Fmt& f, std::size_t data_bytes) {
  Bytes chunks;
  put_chunk(chunks, "fmt ", fmt_body(f));
  Bytes data(data_bytes);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i * 37);
  put_chunk(chunks, "data", data);
  return riff(chunks);
}

}  // namespace kumora::wav_images
