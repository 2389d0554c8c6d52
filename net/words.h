// The words of a protocol line: split at single blanks, and numbers that
// have one way of being written (no sign on zero, no leading zeros, hex in
// lower case), so that a line that reads also writes back the same.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kumora {

// Splits `line` at single blanks into at most `capacity` words; false for
// an empty line, an empty word (two blanks, a blank at an end), a byte that
// is not printable ASCII, or more words than `capacity`.
bool split_words(std::string_view line, std::string_view* words, int capacity, int& count);

// A decimal number in [low, high] written as format writes it.
bool parse_number(std::string_view word, int low, int high, int& value);

// Exactly 16 lower-case hex digits.
bool parse_key(std::string_view word, std::uint64_t& key);
std::string format_key(std::uint64_t key);

// Exactly `digits` lower-case hex digits.
bool is_hex_of_length(std::string_view word, size_t digits);

}  // namespace kumora
