// Record files (".棋譜"): three header lines and one 37-column line per move,
// in code page 932 with CR LF line ends.
#pragma once

#include <string>
#include <vector>

#include "kifu/move_record.h"
#include "rules/board.h"

namespace kumora {

inline constexpr const char* RECORD_FILE_EXTENSION = ".棋譜";

// The save panel's texts, UTF-8: Text2, Text3, Text4.
struct RecordHeaderTexts {
  std::string title;
  std::string sente_name;
  std::string gote_name;
};

// Line 1 the title, line 2 the player shown at the top (the second player
// when the lower player moved first, else the first player), line 3 the other.
std::vector<std::string> record_header_lines(const RecordHeaderTexts& texts, bool sente_is_lower);

// Every line of the record file: the header lines, then entries 1..shown.
std::vector<std::string> record_file_lines(const RecordHeaderTexts& texts, bool sente_is_lower,
                                           const MoveRecord& record);

// Why `file_name` (without folder and extension) cannot name a record file:
// empty, a folder separator, "..", a control character, not UTF-8, too long.
// Empty when it can.
std::string record_file_name_problem(const std::string& file_name);

// Why a header text cannot be written, naming the field: a control
// character, a character code page 932 cannot hold, or a text that would not
// read back as it is. Empty when all three can be written.
std::string record_header_problem(const RecordHeaderTexts& texts);

// folder + "/" + file_name + ".棋譜"
std::string record_file_path(const std::string& folder, const std::string& file_name);

struct SaveOutcome {
  bool ok = false;
  std::string message;  // why it was not saved; empty when saved
  std::string path;     // the file written or meant
};

// Writes entries 1..shown after the header lines, atomically: either the
// whole new file is there or the old one is left as it was. Nothing is
// written when the name or a header text is refused.
SaveOutcome save_record_file(const std::string& folder, const std::string& file_name,
                             const RecordHeaderTexts& texts, bool sente_is_lower,
                             const MoveRecord& record);

// What a record file holds: the header lines as UTF-8 text to show, and its
// moves as entries 1..length with `shown` = 0.
struct RecordFileContents {
  std::string title;
  std::string top_name;
  std::string bottom_name;
  MoveRecord record;
};

struct LoadOutcome {
  bool ok = false;
  std::string message;  // why the file was refused; empty when read
  int line_number = 0;  // the refused line, counting the header lines; 0 for the whole file
};

// Reads and checks a record file. Every move line must be well formed, the
// moves must replay from the initial position by the rules a person's moves
// obey (replay_problem), and no move may follow the capture of a king;
// otherwise the file is refused and `out` is left untouched. Blank lines
// after the moves are ignored, a blank line between them is refused. A file
// with no move lines is read with length = 0.
// `start` is the position the moves are played on, the initial position
// when null (a kept handicap game starts from its grade's position).
LoadOutcome load_record_file(const std::string& path, RecordFileContents& out,
                             const Board* start = nullptr);

// The same for the file's bytes.
LoadOutcome load_record_text(const std::string& bytes, RecordFileContents& out,
                             const Board* start = nullptr);

// Horizontal print position in twips of a header line on the window:
// 1050 + 495 × (3 + (characters − 13) / 5).
double title_x(const std::string& utf8_text);

}  // namespace kumora
