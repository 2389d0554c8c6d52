// The sound library on SDL2_mixer: one device, buffers as Mix_Chunks, handles
// as 32-bit ints looked up in a table.
#include "sound/kumora_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// WAV images

constexpr int MAX_CHANNELS = 8;
constexpr std::uint32_t MIN_RATE = 1000;
constexpr std::uint32_t MAX_RATE = 192000;
constexpr std::uint64_t MAX_SECONDS = 600;

constexpr std::uint16_t FORMAT_PCM = 1;
constexpr std::uint16_t FORMAT_EXTENSIBLE = 0xFFFE;
// KSDATAFORMAT_SUBTYPE_PCM after its first two bytes (which hold the format tag 1).
constexpr unsigned char PCM_GUID_TAIL[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                             0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint16_t read_u16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t read_u32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void write_u16(unsigned char* p, std::uint32_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}

void write_u32(unsigned char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

// What a valid image holds.
struct WavInfo {
  std::uint16_t channels = 0;
  std::uint32_t rate = 0;
  std::uint16_t bits = 0;
  std::uint16_t block_align = 0;
  const unsigned char* data = nullptr;
  std::uint32_t data_size = 0;  // whole frames only
};

// Reads the fmt chunk's body (`size` bytes, all within the image).
bool parse_fmt(const unsigned char* p, std::uint32_t size, WavInfo& info) {
  if (size < 16) return false;
  std::uint16_t format = read_u16(p);
  std::uint16_t channels = read_u16(p + 2);
  std::uint32_t rate = read_u32(p + 4);
  std::uint32_t byte_rate = read_u32(p + 8);
  std::uint16_t block_align = read_u16(p + 12);
  std::uint16_t bits = read_u16(p + 14);

  if (format == FORMAT_EXTENSIBLE) {
    // cbSize (2), valid bits (2), channel mask (4), sub-format GUID (16).
    if (size < 40 || read_u16(p + 16) < 22) return false;
    std::uint16_t valid_bits = read_u16(p + 18);
    if (valid_bits == 0 || valid_bits > bits) return false;
    if (read_u16(p + 24) != FORMAT_PCM || std::memcmp(p + 26, PCM_GUID_TAIL, 14) != 0) {
      return false;
    }
  } else if (format != FORMAT_PCM) {
    return false;
  }
  if (channels < 1 || channels > MAX_CHANNELS) return false;
  if (rate < MIN_RATE || rate > MAX_RATE) return false;
  if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  if (block_align != channels * (bits / 8)) return false;
  if (byte_rate != rate * block_align) return false;

  info.channels = channels;
  info.rate = rate;
  info.bits = bits;
  info.block_align = block_align;
  return true;
}

// Walks the image's chunks; every size is checked before anything it covers is read.
bool parse_wav(const void* image, std::size_t length, WavInfo& info) {
  if (image == nullptr || length < 12) return false;
  const auto* p = static_cast<const unsigned char*>(image);
  if (std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) return false;
  std::uint64_t riff_size = read_u32(p + 4);
  if (riff_size < 4 || riff_size > length - 8) return false;
  const std::uint64_t end = 8 + riff_size;  // <= length

  bool have_fmt = false;
  const unsigned char* data = nullptr;
  std::uint32_t data_size = 0;
  std::uint64_t pos = 12;
  while (end - pos >= 8) {
    const unsigned char* header = p + pos;
    std::uint32_t size = read_u32(header + 4);
    pos += 8;
    if (size > end - pos) return false;  // the chunk runs past the end
    const unsigned char* body = p + pos;
    if (std::memcmp(header, "fmt ", 4) == 0) {
      if (have_fmt || !parse_fmt(body, size, info)) return false;
      have_fmt = true;
    } else if (std::memcmp(header, "data", 4) == 0) {
      if (data != nullptr) return false;
      data = body;
      data_size = size;
    }
    pos += size;
    if ((size & 1) != 0 && pos < end) ++pos;  // pad byte (may be missing at the very end)
  }

  if (!have_fmt || data == nullptr) return false;
  info.data = data;
  info.data_size = data_size - data_size % info.block_align;
  return info.data_size > 0;
}

// A minimal image of the same sound (PCM format tag, fmt and data only), so
// that SDL's loader only ever sees input of the simplest shape.
std::vector<unsigned char> canonical_image(const WavInfo& info) {
  std::vector<unsigned char> out(44 + static_cast<std::size_t>(info.data_size));
  unsigned char* h = out.data();
  std::memcpy(h, "RIFF", 4);
  write_u32(h + 4, 36 + info.data_size);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  write_u32(h + 16, 16);
  write_u16(h + 20, FORMAT_PCM);
  write_u16(h + 22, info.channels);
  write_u32(h + 24, info.rate);
  write_u32(h + 28, info.rate * info.block_align);
  write_u16(h + 32, info.block_align);
  write_u16(h + 34, info.bits);
  std::memcpy(h + 36, "data", 4);
  write_u32(h + 40, info.data_size);
  std::memcpy(h + 44, info.data, info.data_size);
  return out;
}

// ---------------------------------------------------------------------------
// Device and buffers

constexpr int FIRST_CHANNELS = 16;
constexpr int MAX_MIX_CHANNELS = 64;

struct Buffer {
  Mix_Chunk* chunk = nullptr;
  int flags = 0;
  int loop_channel = -1;  // the channel it loops on, -1 when not looping
};

int g_device = 0;       // the open device's handle, 0 when none
int g_last_device = 0;  // handles are never reused within a process
int g_last_buffer = 0;
int g_channels = 0;
std::unordered_map<int, Buffer> g_buffers;

int next_handle(int& last) {
  do {
    last = last == INT32_MAX ? 1 : last + 1;
  } while (last == g_device || g_buffers.count(last) != 0);
  return last;
}

Buffer* find_buffer(int buffer) {
  if (buffer == 0 || g_device == 0) return nullptr;
  auto it = g_buffers.find(buffer);
  return it == g_buffers.end() ? nullptr : &it->second;
}

bool plays_on(const Buffer& b, int channel) {
  return Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == b.chunk;
}

int count_playing(const Buffer& b) {
  int n = 0;
  for (int c = 0; c < g_channels; ++c) n += plays_on(b, c) ? 1 : 0;
  return n;
}

bool is_looping(const Buffer& b) { return b.loop_channel >= 0 && plays_on(b, b.loop_channel); }

void halt(Buffer& b) {
  for (int c = 0; c < g_channels; ++c) {
    if (plays_on(b, c)) Mix_HaltChannel(c);
  }
  b.loop_channel = -1;
}

// Starts the chunk on a free channel, adding channels when all are busy.
int start(Buffer& b, int loops) {
  int channel = Mix_PlayChannel(-1, b.chunk, loops);
  if (channel < 0 && g_channels < MAX_MIX_CHANNELS) {
    g_channels = Mix_AllocateChannels(g_channels + 8);
    channel = Mix_PlayChannel(-1, b.chunk, loops);
  }
  return channel;
}

}  // namespace

extern "C" {

int kumora_wav_is_valid(const void* image, size_t length) {
  WavInfo info;
  return parse_wav(image, length, info) ? 1 : 0;
}

int dsInitialize(void* /*window*/) {
  if (g_device != 0) return g_device;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetMainReady();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  g_channels = Mix_AllocateChannels(FIRST_CHANNELS);
  g_device = next_handle(g_last_device);
  return g_device;
}

int dsCreateDSB(int device, const void* image, size_t length, int flags) {
  if (device == 0 || device != g_device) return 0;
  WavInfo info;
  if (!parse_wav(image, length, info)) return 0;
  if (info.data_size / info.block_align > MAX_SECONDS * info.rate) return 0;
  if (info.data_size > static_cast<std::uint32_t>(INT32_MAX - 44)) return 0;

  std::vector<unsigned char> clean = canonical_image(info);
  SDL_RWops* rw = SDL_RWFromConstMem(clean.data(), static_cast<int>(clean.size()));
  if (rw == nullptr) return 0;
  Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);  // copies and converts to the device format
  if (chunk == nullptr) return 0;

  int handle = next_handle(g_last_buffer);
  g_buffers[handle] = Buffer{chunk, flags, -1};
  return handle;
}

int dsPlay(int buffer) {
  Buffer* b = find_buffer(buffer);
  if (b == nullptr) return 0;
  if ((b->flags & KUMORA_DSB_OVERLAP) == 0 && count_playing(*b) > 0) return 1;
  return start(*b, 0) >= 0 ? 1 : 0;
}

int dsPlayLooping(int buffer) {
  Buffer* b = find_buffer(buffer);
  if (b == nullptr) return 0;
  if (is_looping(*b)) return 1;
  if ((b->flags & KUMORA_DSB_OVERLAP) == 0) halt(*b);
  b->loop_channel = start(*b, -1);
  return b->loop_channel >= 0 ? 1 : 0;
}

int dsStop(int buffer) {
  Buffer* b = find_buffer(buffer);
  if (b == nullptr) return 0;
  halt(*b);
  return 1;
}

int dsFree(int buffer) {
  Buffer* b = find_buffer(buffer);
  if (b == nullptr) return 0;
  halt(*b);
  Mix_FreeChunk(b->chunk);
  g_buffers.erase(buffer);
  return 1;
}

int dsTerminate(int device) {
  if (device == 0 || device != g_device) return 0;
  Mix_HaltChannel(-1);
  for (auto& [handle, b] : g_buffers) Mix_FreeChunk(b.chunk);
  g_buffers.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  g_device = 0;
  g_channels = 0;
  return 1;
}

int kumora_buffer_playing(int buffer) {
  Buffer* b = find_buffer(buffer);
  return b == nullptr ? 0 : count_playing(*b);
}

}  // extern "C"
