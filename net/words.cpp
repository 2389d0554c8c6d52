#include "net/words.h"

#include <cstdio>

namespace kumora {

namespace {

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool split_words(std::string_view line, std::string_view* words, int capacity, int& count) {
  count = 0;
  size_t start = 0;
  for (size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && (line[i] < 0x20 || line[i] > 0x7e)) return false;
    if (i < line.size() && line[i] != ' ') continue;
    if (i == start || count == capacity) return false;
    words[count++] = line.substr(start, i - start);
    start = i + 1;
  }
  return true;
}

bool parse_number(std::string_view word, int low, int high, int& value) {
  const bool negative = !word.empty() && word[0] == '-';
  const std::string_view digits = negative ? word.substr(1) : word;
  if (digits.empty() || digits.size() > 9 || (digits[0] == '0' && digits.size() > 1)) return false;
  if (negative && digits == "0") return false;
  long long magnitude = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
  }
  const long long signed_value = negative ? -magnitude : magnitude;
  if (signed_value < low || signed_value > high) return false;
  value = static_cast<int>(signed_value);
  return true;
}

bool parse_key(std::string_view word, std::uint64_t& key) {
  if (!is_hex_of_length(word, 16)) return false;
  key = 0;
  for (char c : word) key = key << 4 | static_cast<std::uint64_t>(hex_value(c));
  return true;
}

std::string format_key(std::uint64_t key) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(key));
  return text;
}

bool is_hex_of_length(std::string_view word, size_t digits) {
  if (word.size() != digits) return false;
  for (char c : word) {
    if (hex_value(c) < 0) return false;
  }
  return true;
}

}  // namespace kumora
