#include "kifu/record_file.h"

#include <algorithm>
#include <memory>

#include "core/code_page.h"
#include "core/file_read.h"
#include "core/game_state.h"
#include "core/text_file.h"
#include "core/translation.h"
#include "kifu/record.h"
#include "kifu/record_line.h"
#include "kifu/replay_check.h"

namespace kumora {

namespace {

constexpr int HEADER_LINES = 3;
// Room for ".棋譜" and the temporary file's suffix within the 255 bytes a
// file name may have.
constexpr size_t MAX_FILE_NAME_BYTES = 200;

bool is_control_byte(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool has_control_character(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (is_control_byte(c)) return true;
    // U+0080..U+009F in UTF-8
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      return true;
    }
  }
  return false;
}

// The first character of a UTF-8 text that code page 932 cannot hold; empty
// when there is none to point at.
std::string first_unwritable_character(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    size_t end = i + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    const std::string character = text.substr(i, end - i);
    std::string cp932;
    if (!utf8_to_cp932(character, cp932)) return character;
    i = end;
  }
  return {};
}

// A header line's bytes as text to show. A file that starts with a UTF-8
// byte order mark holds UTF-8; otherwise the encoding is guessed.
std::string shown_header(const std::string& bytes, bool utf8_file) {
  if (utf8_file && is_valid_utf8(bytes)) return bytes;
  return decode_japanese_text(bytes);
}

std::string header_text_problem(const std::string& label, const std::string& text) {
  if (has_control_character(text)) {
    return fill_in(tr_text("Record", "%1に改行などの制御文字は使えません"), {label});
  }
  std::string cp932;
  if (utf8_to_cp932(text, cp932)) {
    // A few rare sequences of code page 932 would read back as other
    // characters of UTF-8; such a header is refused rather than changed.
    if (shown_header(cp932, false) == text) return {};
    return fill_in(tr_text("Record", "%1の「%2」は棋譜ﾌｧｲﾙに正しく書き込めません"), {label, text});
  }
  const std::string character = first_unwritable_character(text);
  if (character.empty() || !is_valid_utf8(character)) {
    return fill_in(tr_text("Record", "%1に棋譜ﾌｧｲﾙに書き込めない文字があります"), {label});
  }
  return fill_in(tr_text("Record", "%1の「%2」は棋譜ﾌｧｲﾙに書き込めません"), {label, character});
}

LoadOutcome refused_line(int line_number, const std::string& reason) {
  LoadOutcome outcome;
  outcome.line_number = line_number;
  outcome.message = fill_in(tr_text("Record", "棋譜ﾌｧｲﾙの%1行目が正しくありません\r%2"),
                            {std::to_string(line_number), reason});
  return outcome;
}

LoadOutcome empty_line(int line_number) {
  LoadOutcome outcome;
  outcome.line_number = line_number;
  outcome.message =
      fill_in(tr_text("Record", "棋譜ﾌｧｲﾙの%1行目が空です"), {std::to_string(line_number)});
  return outcome;
}

bool is_blank(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

// Reads, checks and replays the move lines from lines[3] up to `end`.
LoadOutcome read_moves(const std::vector<std::string>& lines, size_t end, MoveRecord& record,
                       const Board* start) {
  GameState state;
  set_initial_position(state);
  if (start != nullptr) state.board = *start;
  int mover = 0;
  int n = 0;
  bool king_taken = false;
  for (size_t i = HEADER_LINES; i < end; ++i) {
    const int line_number = static_cast<int>(i) + 1;
    if (is_blank(lines[i])) return empty_line(line_number);
    if (n == RECORD_LIMIT) {
      return refused_line(line_number, tr_text("Record", "500手を超える棋譜は読み込めません"));
    }
    if (king_taken)
      return refused_line(line_number, tr_text("Record", "王が取られた後の指し手です"));
    RecordEntry entry;
    if (const MoveLineProblem problem = parse_move_line(lines[i], entry); problem.found()) {
      return refused_line(line_number, problem.reason);
    }
    if (const std::string problem = replay_problem(state, entry, mover); !problem.empty()) {
      return refused_line(line_number, problem);
    }
    redo_entry(state, entry);
    king_taken = entry.taken == KING || entry.taken == -KING;
    mover = -mover_of(entry);
    record.entry[++n] = entry;
  }
  record.length = n;
  record.shown = 0;
  LoadOutcome outcome;
  outcome.ok = true;
  return outcome;
}

}  // namespace

std::vector<std::string> record_header_lines(const RecordHeaderTexts& texts, bool sente_is_lower) {
  if (sente_is_lower) return {texts.title, texts.gote_name, texts.sente_name};
  return {texts.title, texts.sente_name, texts.gote_name};
}

std::vector<std::string> record_file_lines(const RecordHeaderTexts& texts, bool sente_is_lower,
                                           const MoveRecord& record) {
  std::vector<std::string> lines = record_header_lines(texts, sente_is_lower);
  const int last = std::min(record.shown, RECORD_LIMIT);
  for (int i = 1; i <= last; ++i) lines.push_back(format_move_line(record.entry[i]));
  return lines;
}

std::string record_file_name_problem(const std::string& file_name) {
  if (file_name.empty()) return tr_text("Record", "ﾌｧｲﾙ名が入力されていません");
  if (!is_valid_utf8(file_name)) return tr_text("Record", "ﾌｧｲﾙ名に使えない文字があります");
  if (file_name.find_first_of("/\\") != std::string::npos) {
    return tr_text("Record", "ﾌｧｲﾙ名に「/」や「\\」は使えません");
  }
  if (file_name.find("..") != std::string::npos) {
    return tr_text("Record", "ﾌｧｲﾙ名に「..」は使えません");
  }
  if (has_control_character(file_name)) return tr_text("Record", "ﾌｧｲﾙ名に制御文字は使えません");
  if (file_name.size() > MAX_FILE_NAME_BYTES) return tr_text("Record", "ﾌｧｲﾙ名が長すぎます");
  return {};
}

std::string record_file_path(const std::string& folder, const std::string& file_name) {
  const std::string name = file_name + RECORD_FILE_EXTENSION;
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::string record_header_problem(const RecordHeaderTexts& texts) {
  const std::pair<const char*, const std::string*> fields[] = {
      {tr_noop("Record", "対局名"), &texts.title},
      {tr_noop("Record", "先手"), &texts.sente_name},
      {tr_noop("Record", "後手"), &texts.gote_name}};
  for (const auto& [label, text] : fields) {
    const std::string problem = header_text_problem(tr_text("Record", label), *text);
    if (!problem.empty()) return problem;
  }
  return {};
}

SaveOutcome save_record_file(const std::string& folder, const std::string& file_name,
                             const RecordHeaderTexts& texts, bool sente_is_lower,
                             const MoveRecord& record) {
  SaveOutcome outcome;
  outcome.path = record_file_path(folder, file_name);
  outcome.message = record_file_name_problem(file_name);
  if (!outcome.message.empty()) return outcome;
  outcome.message = record_header_problem(texts);
  if (!outcome.message.empty()) return outcome;
  const std::vector<std::string> lines = record_file_lines(texts, sente_is_lower, record);
  std::string error;
  if (!write_text_file_atomic(outcome.path, lines, error)) {
    outcome.message =
        fill_in(tr_text("Record", "棋譜ﾌｧｲﾙを書き込めませんでした\r%1\r%2"), {outcome.path, error});
    return outcome;
  }
  outcome.ok = true;
  return outcome;
}

LoadOutcome load_record_file(const std::string& path, RecordFileContents& out, const Board* start) {
  std::string bytes;
  const FileRead read = read_regular_file(path, RECORD_FILE_MAX_BYTES, bytes);
  if (!read.ok()) {
    LoadOutcome outcome;
    outcome.message = fill_in(tr_text("Record", "棋譜ﾌｧｲﾙを読み込めませんでした\r%1\r%2"),
                              {path, read_failure_reason(read, tr_text("File", "棋譜ﾌｧｲﾙ"))});
    return outcome;
  }
  return load_record_text(bytes, out, start);
}

LoadOutcome load_record_text(const std::string& bytes, RecordFileContents& out,
                             const Board* start) {
  // Editors that save UTF-8 may put a byte order mark before the title.
  const bool has_bom = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
  const std::vector<std::string> lines = split_lines(has_bom ? bytes.substr(3) : bytes);
  size_t end = lines.size();
  while (end > HEADER_LINES && is_blank(lines[end - 1])) --end;
  auto read = std::make_unique<RecordFileContents>();
  const LoadOutcome outcome = read_moves(lines, end, read->record, start);
  if (!outcome.ok) return outcome;
  std::string* headers[HEADER_LINES] = {&read->title, &read->top_name, &read->bottom_name};
  for (size_t i = 0; i < HEADER_LINES && i < lines.size(); ++i) {
    *headers[i] = shown_header(lines[i], has_bom);
  }
  out = std::move(*read);
  return outcome;
}

double title_x(const std::string& utf8_text) {
  const double length = utf8_length(utf8_text);
  return BOARD_X0 + CELL_W * (3 + (length - 13) / 5);
}

}  // namespace kumora
