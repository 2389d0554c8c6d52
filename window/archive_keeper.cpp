#include "window/archive_keeper.h"

#include <filesystem>
#include <set>
#include <utility>

#include "archive/kept_game.h"
#include "archive/played_order.h"
#include "archive/replayed_game.h"
#include "core/translation.h"
#include "kifu/record.h"
#include "settings/user_folders.h"
#include "window/clocks.h"
#include "window/drawing.h"
#include "window/levels_handicap.h"
#include "window/messages.h"
#include "window/whole_game.h"

namespace kumora {

namespace {
const char* const RESUME_TITLE = tr_noop("Game", "前回の続き");
// The names written into the kept game's record file, the same in both languages.
const char* const PERSON_NAME = "あなた";
const char* const COMPUTER_NAME = "ＣＯＭ";

// Every move of `kept` is a move of `game`, in the same place.
bool continues(const MoveRecord& kept, const MoveRecord& game) {
  if (kept.length > game.length) return false;
  for (int i = 1; i <= kept.length; ++i) {
    if (!same_move(kept.entry[i], game.entry[i])) return false;
  }
  return true;
}
}  // namespace

ArchivedGameKind ArchiveKeeper::game_kind() const {
  const GameState& state = game_.state;
  ArchivedGameKind kind;
  kind.vs_com = state.vs_com == MODE_COM;
  kind.level = state.level;
  kind.handicap = state.handicap_set;
  kind.turned = game_.history.turned;
  // Turning the board negates the grade; the game began with the other.
  kind.handicap_grade = kind.turned ? -state.handicap_grade : state.handicap_grade;
  kind.time_control = game_.time_control;
  kind.ended = ended_;
  return kind;
}

RecordHeaderTexts ArchiveKeeper::header_texts(const ArchivedGameKind& kind) const {
  const GameState& state = game_.state;
  RecordHeaderTexts texts;
  texts.title = archive_title(kind);
  if (kind.vs_com) {
    // The person plays the lower army on the board as shown: on the board as
    // the game began, the upper one while it is turned.
    const bool sente_is_lower = state.sente == state.lower_side;
    const bool person_first = sente_is_lower != kind.turned;
    texts.sente_name = person_first ? PERSON_NAME : COMPUTER_NAME;
    texts.gote_name = person_first ? COMPUTER_NAME : PERSON_NAME;
  } else {
    texts.sente_name = "先手";
    texts.gote_name = "後手";
  }
  return texts;
}

std::string ArchiveKeeper::claim_new_name(const std::string& timestamp) {
  std::string error;
  make_folder(archive_.folder(), error);  // where the locks are kept
  return archive_.new_game_name(timestamp, [this](const std::string& name) {
    return lock_.take(archive_.folder(), name) == GameLock::Outcome::HELD;
  });
}

void ArchiveKeeper::move_recorded() {
  const MoveRecord whole = whole_game(game_);
  if (whole.length == 0) return;
  // The file holds moves this game no longer has: it stays as it is.
  if (!file_name_.empty() && !continues(kept_, whole)) file_name_.clear();
  if (file_name_.empty()) {
    if (started_.empty()) started_ = host_.timestamp();
    file_name_ = claim_new_name(started_);
  }
  // What the file holds, or would hold had the write not failed: a failed
  // write leaves an older part of the same game, never another line.
  kept_ = whole;
  std::string error;
  if (!archive_.write_game(file_name_, header_texts(game_kind()), sente_below_as_begun(game_),
                           whole, timestamp_time(host_.timestamp()), error)) {
    report_failure(error);
  }
}

void ArchiveKeeper::game_ended(GameEnd how) {
  ended_ = how;
  // A game given up before its first move leaves nothing to keep; the moves
  // an earlier game left in the record are not this game's.
  if (file_name_.empty() && game_.record.shown == 0) return;
  move_recorded();
}

void ArchiveKeeper::game_closed() {
  ended_ = GameEnd::NONE;
  lock_.release();
  file_name_.clear();
  started_.clear();
  kept_.length = 0;
}

bool ArchiveKeeper::keep_replaced(const std::string& path, std::string& error) {
  std::error_code code;
  if (!std::filesystem::is_regular_file(path, code)) return true;
  return archive_.keep_replaced(path, host_.timestamp(), error);
}

void ArchiveKeeper::report_failure(const std::string& error) {
  // Play goes on; the person is told once in a run.
  if (failure_reported_) return;
  failure_reported_ = true;
  messages_.tell(
      fill_in(
          tr_text("Game", "対局を記録できませんでした。この後も記録できないことがあります\r%1\r%2"),
          {shown_path(archive_.folder()), error}),
      tr_text("Game", "対局の記録"));
}

bool ArchiveKeeper::find_unfinished(std::string& name, RecordFileContents& contents) {
  // The files of one game share its start: a line it left (taking a move
  // back, going on from an earlier position) is no game to go on with once
  // a later file of the game was played.
  std::set<std::string> games_seen;
  for (const std::string& file : archive_.games_newest_first(timestamp_time(host_.timestamp()))) {
    if (!games_seen.insert(archive_name_timestamp(file)).second) continue;
    RecordFileContents read;
    ArchivedGameKind kind;
    LoadOutcome outcome;
    if (!read_kept_game(archive_.folder() + "/" + file, read, kind, outcome)) continue;
    if (kind.ended != GameEnd::NONE) continue;
    const Board start = kept_game_start(kind);
    if (read.record.length == 0 || replay_game(read.record, &start).ended) continue;
    name = file.substr(0, file.size() - std::string(RECORD_FILE_EXTENSION).size());
    contents = std::move(read);
    return true;
  }
  return false;
}

void ArchiveKeeper::resume_last_game() {
  pending_input_.hide_file_panel();
  std::string name;
  RecordFileContents contents;
  if (!find_unfinished(name, contents)) {
    messages_.refuse(tr_text("Game", "続けられる対局がありません"), tr_text("Game", RESUME_TITLE));
    return;
  }
  resume(name, contents);
}

void ArchiveKeeper::go_on_with(const std::string& name, const MoveRecord& kept) {
  started_ = archive_name_timestamp(name);
  kept_ = kept;
  const bool held_elsewhere = lock_.take(archive_.folder(), name) == GameLock::Outcome::HELD;
  file_name_ = held_elsewhere ? std::string() : name;
}

void ArchiveKeeper::turn_as_left() {
  keep_moves_before_turn(game_);
  game_.turn_round();
  // The clocks stay with the sides as shown, as the last move left them.
  clocks_.swap_totals();
  game_.turn_handicap_round();
  game_.record.shown = 0;
  game_.record.length = 0;
}

void ArchiveKeeper::resume(const std::string& name, const RecordFileContents& contents) {
  ArchivedGameKind kind;
  parse_archive_title(contents.title, kind);
  lifecycle_.reset_game();

  const GameState& state = game_.state;
  if (kind.handicap) game_.set_up_handicap(kind.handicap_grade, kept_game_start(kind));
  MoveRecord& record = game_.record;
  const int n = contents.record.length;
  for (int i = 1; i <= n; ++i) {
    record.entry[i] = contents.record.entry[i];
    game_.redo(record.entry[i]);
  }
  record.shown = record.length = n;
  game_.set_move_count(n);
  game_.name_first_mover(Side::ONE);
  game_.seat(record.entry[1].moved < 0 ? state.sente : state.gote());
  game_.give_turn_to(record.entry[n].moved < 0 ? state.upper_side() : state.lower_side);
  game_.time_control = kind.time_control;
  game_.play_against(kind.vs_com ? MODE_COM : MODE_MAN);
  if (kind.vs_com) levels_.set_level(kind.level);
  if (kind.turned) turn_as_left();
  go_on_with(name, contents.record);

  screen_.redraw_all();
  screen_.redraw_game_texts();
  messages_.tell(tr_text("Game", "前回の対局を再開します"), tr_text("Game", RESUME_TITLE));
  if (!kind.vs_com) {
    clocks_.restart_turn_clock();
    messages_.tell(state.turn == state.sente ? tr_text("Game", "先手の番です")
                                             : tr_text("Game", "後手の番です"),
                   tr_text("Game", "対局"));
    return;
  }
  clocks_.start_turn();
  clocks_.set_clock_timer(true);
  if (state.turn == state.upper_side()) {
    lifecycle_.com_ban();
  } else {
    messages_.tell(tr_text("Game", "MANの番です"), tr_text("Game", "対局"));
  }
}

}  // namespace kumora
