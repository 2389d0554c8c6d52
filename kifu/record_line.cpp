#include "kifu/record_line.h"

#include <cmath>

#include "core/translation.h"

namespace kumora {

namespace {

struct Column {
  int first;  // 0-based
  int width;
};

constexpr Column FROM_X{0, 2};
constexpr Column FROM_Y{2, 1};
constexpr Column TO_X{3, 1};
constexpr Column TO_Y{4, 1};
constexpr Column PLACED{5, 4};
constexpr Column MOVED{9, 4};
constexpr Column TAKEN{13, 4};
constexpr Column LOWER_BEFORE{17, 5};
constexpr Column LOWER_AFTER{22, 5};
constexpr Column UPPER_BEFORE{27, 5};
constexpr Column UPPER_AFTER{32, 5};

int largest_fitting(int width) {
  int value = 1;
  for (int i = 0; i < width; ++i) value *= 10;
  return value - 1;
}

// One place goes to the "-", so a single column holds no negative at all.
int smallest_fitting(int width) { return -largest_fitting(width - 1); }

std::string right_aligned(long long value, int width) {
  std::string digits = std::to_string(value);
  return std::string(width - static_cast<int>(digits.size()), ' ') + digits;
}

std::string integer_field(int value, Column column) {
  long long clamped = value;
  if (clamped > largest_fitting(column.width)) clamped = largest_fitting(column.width);
  if (clamped < smallest_fitting(column.width)) clamped = smallest_fitting(column.width);
  return right_aligned(clamped, column.width);
}

// Whole seconds with the fraction dropped, kept within 0..CLOCK_FIELD_MAX.
std::string clock_field(double seconds, Column column) {
  long long whole = 0;
  if (std::isnan(seconds) || seconds < 0) {
    whole = 0;
  } else if (seconds >= CLOCK_FIELD_MAX) {
    whole = CLOCK_FIELD_MAX;
  } else {
    whole = static_cast<long long>(seconds);
  }
  return right_aligned(whole, column.width);
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string column_text(Column column) {
  const int first = column.first + 1;
  const int last = column.first + column.width;
  if (first == last) return fill_in(tr_text("Record", "%1桁目"), {std::to_string(first)});
  return fill_in(tr_text("Record", "%1-%2桁目"), {std::to_string(first), std::to_string(last)});
}

// The value of the columns with blanks ignored; false when what remains is
// neither empty nor an optional "-" followed by digits.
bool field_value(const std::string& line, Column column, int& value) {
  std::string text;
  for (int i = column.first; i < column.first + column.width; ++i) {
    if (i >= static_cast<int>(line.size())) break;
    if (line[i] != ' ') text += line[i];
  }
  value = 0;
  if (text.empty()) return true;
  const bool negative = text[0] == '-';
  const size_t first_digit = negative ? 1 : 0;
  if (first_digit == text.size()) return false;
  for (size_t i = first_digit; i < text.size(); ++i) {
    if (!is_digit(text[i])) return false;
    value = value * 10 + (text[i] - '0');
  }
  if (negative) value = -value;
  return true;
}

}  // namespace

std::string format_move_line(const RecordEntry& e) {
  return integer_field(e.from_x, FROM_X) + integer_field(e.from_y, FROM_Y) +
         integer_field(e.to_x, TO_X) + integer_field(e.to_y, TO_Y) +
         integer_field(e.placed, PLACED) + integer_field(e.moved, MOVED) +
         integer_field(e.taken, TAKEN) + clock_field(e.lower_clock_before, LOWER_BEFORE) +
         clock_field(e.lower_clock_after, LOWER_AFTER) +
         clock_field(e.upper_clock_before, UPPER_BEFORE) +
         clock_field(e.upper_clock_after, UPPER_AFTER);
}

MoveLineProblem parse_move_line(const std::string& line, RecordEntry& entry) {
  for (const char c : line) {
    if (static_cast<unsigned char>(c) > 0x7F)
      return {tr_text("Record", "半角でない文字があります")};
  }
  if (static_cast<int>(line.size()) > MOVE_LINE_WIDTH)
    return {tr_text("Record", "37文字より長い行です")};
  struct Target {
    Column column;
    int* value;
  };
  int clocks[4] = {};
  RecordEntry read;
  const Target targets[] = {
      {FROM_X, &read.from_x},     {FROM_Y, &read.from_y},     {TO_X, &read.to_x},
      {TO_Y, &read.to_y},         {PLACED, &read.placed},     {MOVED, &read.moved},
      {TAKEN, &read.taken},       {LOWER_BEFORE, &clocks[0]}, {LOWER_AFTER, &clocks[1]},
      {UPPER_BEFORE, &clocks[2]}, {UPPER_AFTER, &clocks[3]},
  };
  for (const Target& target : targets) {
    if (!field_value(line, target.column, *target.value)) {
      return {
          fill_in(tr_text("Record", "%1に数字でない文字があります"), {column_text(target.column)})};
    }
  }
  read.lower_clock_before = clocks[0];
  read.lower_clock_after = clocks[1];
  read.upper_clock_before = clocks[2];
  read.upper_clock_after = clocks[3];
  entry = read;
  return {};
}

}  // namespace kumora
