#include "archive/kept_game.h"

#include "core/code_page.h"
#include "core/file_read.h"
#include "core/game_state.h"
#include "core/text_file.h"
#include "settings/handicap.h"

namespace kumora {

Board kept_game_start(const ArchivedGameKind& kind) {
  GameState state;
  set_initial_position(state);
  if (kind.handicap) set_handicap_position(state.board, kind.handicap_grade);
  return state.board;
}

namespace {

bool read_kept_game_text(const std::string& bytes, RecordFileContents& contents,
                         ArchivedGameKind& kind, LoadOutcome& outcome) {
  const std::vector<std::string> lines = split_lines(bytes);
  if (lines.empty() || !parse_archive_title(decode_japanese_text(lines[0]), kind)) return false;
  const Board start = kept_game_start(kind);
  outcome = load_record_text(bytes, contents, &start);
  return outcome.ok;
}

}  // namespace

bool read_kept_game(const std::string& path, RecordFileContents& contents, ArchivedGameKind& kind,
                    LoadOutcome& outcome) {
  std::string bytes;
  if (!read_regular_file(path, RECORD_FILE_MAX_BYTES, bytes).ok()) return false;
  return read_kept_game_text(bytes, contents, kind, outcome);
}

bool reads_as_written_record(const std::string& bytes) {
  size_t line_feeds = 0;
  for (size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1)) {
    if (at == 0 || bytes[at - 1] != '\r') return false;
    ++line_feeds;
  }
  if (bytes.empty() || bytes.back() != '\n' || line_feeds < 4) return false;
  RecordFileContents contents;
  ArchivedGameKind kind;
  LoadOutcome outcome;
  const bool read =
      read_kept_game_text(bytes, contents, kind, outcome) || load_record_text(bytes, contents).ok;
  return read && contents.record.length >= 1;
}

}  // namespace kumora
