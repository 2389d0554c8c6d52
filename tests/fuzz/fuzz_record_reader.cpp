// libFuzzer target: any bytes as a record file.
// A file the reader accepts must be one whose moves format and read back to
// the same entries and replay from the initial position. And the first lines
// taken as the texts of the save panel: the writer either refuses them or
// writes headers that read back unchanged.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/code_page.h"
#include "core/game_state.h"
#include "core/text_file.h"
#include "kifu/record.h"
#include "kifu/record_file.h"
#include "kifu/record_line.h"
#include "kifu/replay_check.h"

namespace {

using namespace kumora;

void require(bool condition) {
  if (!condition) std::abort();
}

bool same_entry(const RecordEntry& a, const RecordEntry& b) {
  return a.from_x == b.from_x && a.from_y == b.from_y && a.to_x == b.to_x && a.to_y == b.to_y &&
         a.placed == b.placed && a.moved == b.moved && a.taken == b.taken &&
         a.lower_clock_before == b.lower_clock_before &&
         a.lower_clock_after == b.lower_clock_after &&
         a.upper_clock_before == b.upper_clock_before && a.upper_clock_after == b.upper_clock_after;
}

void check_accepted(const RecordFileContents& read) {
  const MoveRecord& record = read.record;
  require(record.shown == 0 && record.length >= 0 && record.length <= RECORD_LIMIT);
  for (const std::string* header : {&read.title, &read.top_name, &read.bottom_name}) {
    require(is_valid_utf8(*header));
    require(std::isfinite(title_x(*header)));
  }
  GameState state;
  set_initial_position(state);
  int mover = 0;
  for (int i = 1; i <= record.length; ++i) {
    const RecordEntry& entry = record.entry[i];
    RecordEntry again;
    require(!parse_move_line(format_move_line(entry), again).found());
    require(same_entry(entry, again));
    require(replay_problem(state, entry, mover).empty());
    redo_entry(state, entry);
    mover = -mover_of(entry);
  }
  for (int slot = 1; slot <= 7; ++slot) {
    require(state.lower_hand[slot] >= 0 && state.upper_hand[slot] >= 0);
  }
}

// The first bytes read as an entry of any values: its line is always 37
// columns and reads back.
void check_any_entry_formats(const uint8_t* data, size_t size) {
  int integers[7];
  double clocks[4];
  if (size < sizeof integers + sizeof clocks) return;
  std::memcpy(integers, data, sizeof integers);
  std::memcpy(clocks, data + sizeof integers, sizeof clocks);
  const RecordEntry entry{integers[0], integers[1], integers[2], integers[3],
                          integers[4], integers[5], integers[6], clocks[0],
                          clocks[1],   clocks[2],   clocks[3]};
  const std::string line = format_move_line(entry);
  require(line.size() == MOVE_LINE_WIDTH);
  RecordEntry read;
  require(!parse_move_line(line, read).found());
}

// The texts of the save panel from the input's first three lines: UTF-8 as
// it is, anything else as code page 932.
RecordHeaderTexts panel_texts(const std::string& bytes) {
  size_t end = 0;  // past the third line feed
  for (int line = 0; line < 3 && end != std::string::npos; ++line) {
    end = bytes.find('\n', end);
    if (end != std::string::npos) ++end;
  }
  const std::vector<std::string> lines = split_lines(bytes.substr(0, end));
  RecordHeaderTexts texts;
  std::string* fields[] = {&texts.title, &texts.sente_name, &texts.gote_name};
  for (size_t i = 0; i < 3 && i < lines.size(); ++i) {
    *fields[i] = is_valid_utf8(lines[i]) ? lines[i] : cp932_to_utf8_replacing(lines[i]);
  }
  return texts;
}

void check_headers_read_back(const std::string& bytes) {
  const RecordHeaderTexts texts = panel_texts(bytes);
  if (!record_header_problem(texts).empty()) return;
  for (const bool sente_is_lower : {true, false}) {
    std::string file;
    require(cp932_text(record_header_lines(texts, sente_is_lower), file));
    static RecordFileContents read;
    require(load_record_text(file, read).ok);
    const std::string& top = sente_is_lower ? texts.gote_name : texts.sente_name;
    const std::string& bottom = sente_is_lower ? texts.sente_name : texts.gote_name;
    require(read.title == texts.title && read.top_name == top && read.bottom_name == bottom);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  static RecordFileContents read;
  read.record.length = -1;
  const LoadOutcome outcome = load_record_text(bytes, read);
  if (outcome.ok) {
    check_accepted(read);
  } else {
    require(!outcome.message.empty() && outcome.line_number >= 4);
    require(read.record.length == -1);  // a refused file leaves the contents alone
  }
  check_any_entry_formats(data, size);
  check_headers_read_back(bytes);
  return 0;
}
