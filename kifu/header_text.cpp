#include "kifu/header_text.h"

#include <iconv.h>

#include <cerrno>

#include "core/text_file.h"

namespace kumora {

namespace {

constexpr const char* REPLACEMENT_CHARACTER = "\xEF\xBF\xBD";

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the UTF-8 sequence starting at bytes[i], or 0 when it is malformed.
size_t utf8_sequence_length(const std::string& bytes, size_t i) {
  const unsigned char lead = static_cast<unsigned char>(bytes[i]);
  size_t length = 0;
  unsigned int low = 0;  // smallest code point the length may encode
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    low = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = 0x10000;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  unsigned int code = lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    const unsigned char byte = static_cast<unsigned char>(bytes[i + k]);
    if (!is_continuation(byte)) return 0;
    code = (code << 6) | (byte & 0x3F);
  }
  if (code < low || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

// Code page 932 to UTF-8, replacing what cannot be decoded byte by byte.
std::string cp932_to_utf8_replacing(const std::string& bytes) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return bytes;
  std::string out;
  char buffer[256];
  char* src = const_cast<char*>(bytes.data());
  size_t src_left = bytes.size();
  while (src_left > 0) {
    char* dst = buffer;
    size_t dst_left = sizeof buffer;
    const size_t result = iconv(cd, &src, &src_left, &dst, &dst_left);
    const int error = errno;
    out.append(buffer, sizeof buffer - dst_left);
    if (result != static_cast<size_t>(-1) || error == E2BIG) continue;
    out += REPLACEMENT_CHARACTER;
    ++src;
    --src_left;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

bool is_valid_utf8(const std::string& bytes) {
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = utf8_sequence_length(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string decode_header_line(const std::string& bytes) {
  if (is_valid_utf8(bytes)) return bytes;  // plain ASCII reads the same either way
  std::string utf8;
  if (cp932_to_utf8(bytes, utf8)) return utf8;
  return cp932_to_utf8_replacing(bytes);
}

int utf8_length(const std::string& text) {
  int count = 0;
  for (const char c : text) {
    if (!is_continuation(static_cast<unsigned char>(c))) ++count;
  }
  return count;
}

}  // namespace kumora
