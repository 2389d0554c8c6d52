// One move line of a record file: 37 fixed columns.
#pragma once

#include <string>

#include "kifu/move_record.h"

namespace kumora {

constexpr int MOVE_LINE_WIDTH = 37;

// The largest whole-second clock a 5-column field holds. A longer clock is
// written as this value so that every later column stays in place.
constexpr int CLOCK_FIELD_MAX = 99999;

// The entry's line: from_x (2 columns), from_y, to_x, to_y (1 each), placed,
// moved, taken (4 each), then the four clocks (5 each) as whole seconds with
// the fraction dropped; right-aligned with blanks, "-" for negatives.
// A value that cannot fit its columns is written as the nearest value that
// does (a negative clock as 0), so the line is always 37 characters.
std::string format_move_line(const RecordEntry& entry);

// Why a move line could not be read; empty when it could.
struct MoveLineProblem {
  std::string reason;
  bool found() const { return !reason.empty(); }
};

// Reads a line written by format_move_line. Each field is the decimal value
// of its columns with blanks ignored; an empty field, or one past the end of
// a short line, is 0. Refuses a line longer than 37 characters, a byte that
// is not ASCII and a field that is not an optional "-" followed by digits.
MoveLineProblem parse_move_line(const std::string& line, RecordEntry& entry);

}  // namespace kumora
