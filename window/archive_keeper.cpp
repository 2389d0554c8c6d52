#include "window/archive_keeper.h"

#include <filesystem>

#include "archive/archive_title.h"
#include "archive/kept_game.h"
#include "archive/replayed_game.h"
#include "core/translation.h"
#include "kifu/record.h"
#include "settings/user_folders.h"
#include "window/clocks.h"
#include "window/drawing.h"
#include "window/levels_handicap.h"
#include "window/messages.h"

namespace kumora {

namespace {
const char* const RESUME_TITLE = tr_noop("Game", "前回の続き");
// The names written into the kept game's record file, the same in both languages.
const char* const PERSON_NAME = "あなた";
const char* const COMPUTER_NAME = "ＣＯＭ";
}  // namespace

bool ArchiveKeeper::representable() const { return s_.game.state.reversed == OFF; }

RecordHeaderTexts ArchiveKeeper::header_texts() const {
  const GameState& state = s_.game.state;
  ArchivedGameKind kind;
  kind.vs_com = state.vs_com == MODE_COM;
  kind.level = state.level;
  kind.handicap = state.handicap_set == ON;
  kind.handicap_grade = state.handicap_grade;
  RecordHeaderTexts texts;
  texts.title = archive_title(kind);
  if (kind.vs_com) {
    // The person is always the lower player against the computer.
    const bool person_first = state.SENTE == state.lower_side;
    texts.sente_name = person_first ? PERSON_NAME : COMPUTER_NAME;
    texts.gote_name = person_first ? COMPUTER_NAME : PERSON_NAME;
  } else {
    texts.sente_name = "先手";
    texts.gote_name = "後手";
  }
  return texts;
}

void ArchiveKeeper::move_recorded() {
  if (!representable() || s_.game.kifu.kifu_len == 0) return;
  if (file_name_.empty()) file_name_ = archive_.new_game_name(s_.host.timestamp());
  const GameState& state = s_.game.state;
  std::string error;
  if (!archive_.write_game(file_name_, header_texts(), state.SENTE == state.lower_side,
                           s_.game.kifu, error)) {
    report_failure(error);
  }
}

void ArchiveKeeper::keep_replaced(const std::string& path) {
  std::error_code code;
  if (!std::filesystem::is_regular_file(path, code)) return;
  std::string error;
  if (!archive_.keep_replaced(path, s_.host.timestamp(), error)) report_failure(error);
}

void ArchiveKeeper::report_failure(const std::string& error) {
  // Play goes on; the person is told once in a run.
  if (failure_reported_) return;
  failure_reported_ = true;
  s_.messages.tell(
      fill_in(
          tr_text("Game", "対局を記録できませんでした。この後も記録できないことがあります\r%1\r%2"),
          {shown_path(archive_.folder()), error}),
      tr_text("Game", "対局の記録"));
}

bool ArchiveKeeper::find_unfinished(std::string& name, RecordFileContents& contents) const {
  for (const std::string& file : archive_.games_newest_first()) {
    RecordFileContents read;
    ArchivedGameKind kind;
    LoadOutcome outcome;
    if (!read_kept_game(archive_.folder() + "/" + file, read, kind, outcome)) continue;
    const Board start = kept_game_start(kind);
    if (read.kifu.kifu_len == 0 || replay_game(read.kifu, &start).ended) continue;
    name = file.substr(0, file.size() - std::string(RECORD_FILE_EXTENSION).size());
    contents = std::move(read);
    return true;
  }
  return false;
}

void ArchiveKeeper::ZENKAI_Click() {
  s_.flow.hide_file_panel();
  std::string name;
  RecordFileContents contents;
  if (!find_unfinished(name, contents)) {
    s_.messages.refuse(tr_text("Game", "続けられる対局がありません"),
                       tr_text("Game", RESUME_TITLE));
    return;
  }
  resume(name, contents);
}

void ArchiveKeeper::resume(const std::string& name, const RecordFileContents& contents) {
  ArchivedGameKind kind;
  parse_archive_title(contents.title, kind);
  s_.flow.reset_game();
  file_name_ = name;

  GameState& state = s_.game.state;
  if (kind.handicap) {
    state.handicap_set = ON;
    state.handicap_grade = kind.handicap_grade;
    state.board = kept_game_start(kind);
  }
  Kifu& kifu = s_.game.kifu;
  const int n = contents.kifu.kifu_len;
  for (int i = 1; i <= n; ++i) {
    kifu.entry[i] = contents.kifu.entry[i];
    redo_entry(state, kifu.entry[i]);
  }
  kifu.kifu_pos = kifu.kifu_len = n;
  state.move_count = n;
  state.SENTE = 1;
  state.GOTE = -1;
  state.lower_side = kifu.entry[1].moved < 0 ? state.SENTE : state.GOTE;
  state.upper_side = -state.lower_side;
  state.turn = kifu.entry[n].moved < 0 ? state.upper_side : state.lower_side;
  state.vs_com = kind.vs_com ? MODE_COM : MODE_MAN;
  if (kind.vs_com) levels_.set_level(kind.level);

  s_.flow.redraw_all();
  s_.flow.redraw_game_texts();
  s_.messages.tell(tr_text("Game", "前回の対局を再開します"), tr_text("Game", RESUME_TITLE));
  if (!kind.vs_com) {
    s_.clocks.restart_turn_clock();
    s_.messages.tell(state.turn == state.SENTE ? tr_text("Game", "先手の番です")
                                               : tr_text("Game", "後手の番です"),
                     tr_text("Game", "対局"));
    return;
  }
  s_.clocks.start_turn();
  s_.clocks.set_timer1(true);
  if (state.turn == state.upper_side) {
    s_.flow.com_ban();
  } else {
    s_.messages.tell(tr_text("Game", "MANの番です"), tr_text("Game", "対局"));
  }
}

}  // namespace kumora
