#include "core/code_page.h"

#include <iconv.h>

#include <cerrno>

namespace kumora {

namespace {

constexpr const char* REPLACEMENT_CHARACTER = "\xEF\xBF\xBD";

bool convert(const char* to, const char* from, const std::string& in, std::string& out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out.clear();
  std::string buffer(in.size() * 4 + 16, '\0');
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  char* dst = buffer.data();
  size_t dst_left = buffer.size();
  const size_t result = iconv(cd, &src, &src_left, &dst, &dst_left);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1) || src_left != 0) return false;
  out.assign(buffer.data(), buffer.size() - dst_left);
  return true;
}

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the UTF-8 sequence starting at bytes[i], or 0 when it is
// malformed; its code point goes to `code`.
size_t utf8_sequence(const std::string& bytes, size_t i, char32_t& code) {
  const unsigned char lead = static_cast<unsigned char>(bytes[i]);
  size_t length = 0;
  char32_t low = 0;  // smallest code point the length may encode
  code = lead;
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
  code = lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    const unsigned char byte = static_cast<unsigned char>(bytes[i + k]);
    if (!is_continuation(byte)) return 0;
    code = (code << 6) | (byte & 0x3F);
  }
  if (code < low || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

bool within(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

// How unusual a character is in a Japanese title or name: 0 for ASCII, kana
// and full-width forms; 1 for kanji, half-width katakana and the common
// symbols; 2 for Greek and Cyrillic letters; 3 for everything else (other
// scripts, Latin-1 letters and signs, controls, private use). A pair of
// half-width katakana, two bytes, must never weigh more than the one
// character the same bytes make in UTF-8.
int oddness(char32_t c) {
  if (within(c, 0x20, 0x7E) || within(c, 0x3000, 0x30FF) || within(c, 0xFF01, 0xFF5E)) return 0;
  if (within(c, 0x4E00, 0x9FFF) || within(c, 0xFF61, 0xFF9F) || within(c, 0x2010, 0x266F) ||
      within(c, 0x3200, 0x33FF) || within(c, 0xFFE0, 0xFFE5)) {
    return 1;
  }
  if (within(c, 0x391, 0x3C9) || within(c, 0x401, 0x451)) return 2;
  return 3;
}

// The code page 932 character at bytes[i], two bytes or one, as UTF-8 in
// `character`; its length, or 0 when no character starts there.
size_t cp932_character(const std::string& bytes, size_t i, std::string& character) {
  for (size_t length = 2; length >= 1; --length) {
    if (i + length <= bytes.size() &&
        convert("UTF-8", "CP932", bytes.substr(i, length), character)) {
      return length;
    }
  }
  return 0;
}

// The summed oddness of a well-formed UTF-8 text.
int oddness_of(const std::string& utf8) {
  int sum = 0;
  char32_t code = 0;
  for (size_t i = 0; i < utf8.size();) {
    i += utf8_sequence(utf8, i, code);
    sum += oddness(code);
  }
  return sum;
}

}  // namespace

bool cp932_to_utf8(const std::string& cp932, std::string& utf8) {
  return convert("UTF-8", "CP932", cp932, utf8);
}

bool utf8_to_cp932(const std::string& utf8, std::string& cp932) {
  if (!convert("CP932", "UTF-8", utf8, cp932)) return false;
  // iconv maps a few characters silently (a yen sign, a wave dash, an
  // overline); only a text that comes back unchanged really fits.
  std::string round_trip;
  return cp932_to_utf8(cp932, round_trip) && round_trip == utf8;
}

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

bool is_valid_utf8(const std::string& bytes) {
  char32_t code = 0;
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = utf8_sequence(bytes, i, code);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

int utf8_length(const std::string& text) {
  int count = 0;
  for (const char c : text) {
    if (!is_continuation(static_cast<unsigned char>(c))) ++count;
  }
  return count;
}

std::u32string utf8_code_points(const std::string& utf8) {
  std::u32string out;
  char32_t code = 0;
  for (size_t i = 0; i < utf8.size();) {
    const size_t length = utf8_sequence(utf8, i, code);
    out.push_back(length > 0 ? code : U'\uFFFD');
    i += length > 0 ? length : 1;
  }
  return out;
}

std::string file_name_text(const std::string& bytes) {
  if (is_valid_utf8(bytes)) return bytes;
  std::string text;
  char32_t code = 0;
  for (size_t i = 0; i < bytes.size();) {
    if (const size_t length = utf8_sequence(bytes, i, code); length > 0) {
      text.append(bytes, i, length);
      i += length;
      continue;
    }
    std::string character;
    const size_t length = cp932_character(bytes, i, character);
    text += length > 0 ? character : REPLACEMENT_CHARACTER;
    i += length > 0 ? length : 1;
  }
  return text;
}

std::string decode_japanese_text(const std::string& bytes) {
  std::string from_cp932;
  const bool is_cp932 = cp932_to_utf8(bytes, from_cp932);
  if (!is_valid_utf8(bytes)) return is_cp932 ? from_cp932 : cp932_to_utf8_replacing(bytes);
  if (!is_cp932) return bytes;
  return oddness_of(bytes) < oddness_of(from_cp932) ? bytes : from_cp932;
}

}  // namespace kumora
