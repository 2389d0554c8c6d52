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

bool read_kept_game(const std::string& path, RecordFileContents& contents,
                    ArchivedGameKind& kind, LoadOutcome& outcome) {
  std::string bytes;
  if (!read_regular_file(path, RECORD_FILE_MAX_BYTES, bytes).ok()) return false;
  const std::vector<std::string> lines = split_lines(bytes);
  if (lines.empty() || !parse_archive_title(decode_japanese_text(lines[0]), kind)) return false;
  const Board start = kept_game_start(kind);
  outcome = load_record_text(bytes, contents, &start);
  return outcome.ok;
}

}  // namespace kumora
