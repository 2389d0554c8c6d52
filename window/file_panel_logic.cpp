#include "window/file_panel_logic.h"

#include <filesystem>

#include "archive/kept_game.h"
#include "archive/played_order.h"
#include "core/translation.h"
#include "kifu/record_file.h"
#include "settings/user_folders.h"
#include "window/archive_keeper.h"
#include "window/drawing.h"
#include "window/header_layout.h"
#include "window/messages.h"

namespace kumora {

void FilePanel::show_file_panel(bool drive_visible, bool dir_visible, bool file_visible) {
  panel_.drive_visible = drive_visible;
  panel_.dir_visible = dir_visible;
  panel_.file_visible = file_visible;
}

void FilePanel::show_save_fields(int mode) {
  if (mode == 0) {
    panel_.save_fields_visible = true;
    return;
  }
  for (int i = 1; i <= 4; ++i) panel_.text[i].clear();
  panel_.save_fields_visible = false;
}

void FilePanel::hide() {
  show_file_panel(false, false, false);
  show_save_fields(1);
}

void FilePanel::open_read_panel() {
  show_file_panel(true, true, true);
  show_save_fields(1);
  refresh_file_list();
}

void FilePanel::open_write_panel() {
  const GameState& state = game_.state;
  if (state.reversed) {
    messages_.tell(tr_text("Game", "反転後は書き込みできません"), tr_text("Game", "棋譜書込"));
    return;
  }
  if (state.handicap_set) {
    messages_.tell(tr_text("Game", "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"),
                   tr_text("Game", "棋譜書込"));
    return;
  }
  show_file_panel(true, true, false);
  show_save_fields(0);
}

void FilePanel::open_recent_games() {
  const std::string& folder = archive_.archive().folder();
  std::string error;
  make_folder(folder, error);
  show_file_panel(true, true, true);
  show_save_fields(1);
  open_folder(folder);
}

void FilePanel::refresh_file_list() {
  panel_.files = list_record_files(panel_.file_path);
  // Kept games: the most recently played first.
  if (panel_.file_path == archive_.archive().folder()) {
    panel_.files = newest_played_first(panel_.file_path, std::move(panel_.files),
                                       timestamp_time(host_.timestamp()));
  }
}

void FilePanel::choose_drive(const std::string& drive) {
  std::error_code error;
  std::filesystem::directory_iterator probe(drive, error);
  if (error) {
    messages_.tell(tr_text("Game", "ﾃﾞﾊﾞｲｽが準備できていません"), tr_text("Game", "ｴﾗｰ"));
    return;
  }
  panel_.drive = drive;
  open_folder(drive);
}

void FilePanel::open_folder(const std::string& path) {
  panel_.dir_path = path;
  panel_.file_path = path;
  refresh_file_list();
}

void FilePanel::confirm_file() {
  if (panel_.text[TEXT_FILE_NAME].empty()) {
    messages_.tell(tr_text("Game", "ﾌｧｲﾙ名が入力されていません"), "  ");
    return;
  }
  const MoveRecord& record = game_.record;
  const GameState& state = game_.state;
  if (record.shown < 1) {
    messages_.tell(tr_text("Game", "保存するデータがありません"), tr_text("Game", "棋譜保存"));
    return;
  }
  const RecordHeaderTexts texts{panel_.text[TEXT_TITLE], panel_.text[TEXT_SENTE],
                                panel_.text[TEXT_GOTE]};
  if (!keep_file_replaced(texts)) return;
  const SaveOutcome saved = save_record_file(panel_.file_path, panel_.text[TEXT_FILE_NAME], texts,
                                             state.sente == state.lower_side, record);
  if (!saved.ok) {
    // The panel stays open with what was typed, so the person can mend it.
    messages_.refuse(saved.message, tr_text("Game", "棋譜保存"));
    return;
  }
  hide();
  refresh_file_list();
  messages_.tell(tr_text("Game", "棋譜を書き込みました"), "  ");
}

bool FilePanel::keep_file_replaced(const RecordHeaderTexts& texts) {
  const std::string& name = panel_.text[TEXT_FILE_NAME];
  // A save that will be refused for its name or texts replaces nothing.
  if (!record_file_name_problem(name).empty() || !record_header_problem(texts).empty()) {
    return true;
  }
  const std::string path = record_file_path(panel_.file_path, name);
  std::string error;
  if (archive_.keep_replaced(path, error)) return true;
  messages_.refuse(
      fill_in(tr_text("Game", "上書きする前の棋譜を保管できないので、書き込みませんでした\r%1\r%2"),
              {path, error}),
      tr_text("Game", "棋譜保存"));
  return false;
}

void FilePanel::print_headers() {
  const HeaderPlaces places =
      place_headers(headers_.title, headers_.top_name, headers_.bottom_name);
  Drawing& d = drawing_;
  d.print_text_at_twips(places.title.x, places.title.y, headers_.title, HAND_COUNT_COLOUR, 12);
  d.print_text_at_twips(places.top_name.x, places.top_name.y, headers_.top_name, TEXT_COLOUR, 12);
  d.print_text_at_twips(places.bottom_name.x, places.bottom_name.y, headers_.bottom_name,
                        TEXT_COLOUR, 12);
}

void FilePanel::pick_file(const std::string& file_name) {
  show_file_panel(false, false, false);
  // The file is read and checked before anything of the game changes.
  const std::string path = panel_.file_path + "/" + file_name;
  RecordFileContents contents;
  // A kept game says how it started: a handicap game plays from its grade's
  // position. Any other record plays from the initial position.
  ArchivedGameKind kind;
  LoadOutcome loaded;
  if (!read_kept_game(path, contents, kind, loaded)) {
    kind = ArchivedGameKind{};
    loaded = load_record_file(path, contents);
  }
  if (!loaded.ok) {
    messages_.refuse(loaded.message, tr_text("Game", "棋譜"));
    return;
  }
  const int n = contents.record.length;
  if (n == 0) {
    // Nothing to replay: the game on the board stays as it is.
    messages_.refuse(tr_text("Game", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"), tr_text("Game", "棋譜"));
    return;
  }
  const GameState& state = game_.state;
  MoveRecord& record = game_.record;
  lifecycle_.reset_game();
  if (kind.handicap) {
    game_.set_up_handicap(kind.handicap_grade, kept_game_start(kind));
    screen_.redraw_all();
  }
  game_.set_record_mode(true);
  headers_ = {contents.title, contents.top_name, contents.bottom_name};
  print_headers();
  reporter_.set_status(tr_noop("Status", "棋譜は「進」と「戻」で見ます"));
  for (int i = 1; i <= n; ++i) record.entry[i] = contents.record.entry[i];
  record.shown = 0;
  game_.set_move_count(0);
  record.length = n;
  messages_.tell(tr_text("Game", " 読み込みました"), tr_text("Game", "棋譜"));
  messages_.tell(tr_text("Game", "棋譜を '進 'で進めて下さい"), tr_text("Game", "棋譜"));
  // A record the computer opened is replayed as against the computer, with
  // 先手 on the upper half.
  const bool upper_moved_first = record.entry[1].moved >= 10;
  game_.play_against(upper_moved_first ? MODE_COM : MODE_MAN);
  game_.name_first_mover(upper_moved_first ? state.upper_side() : state.lower_side);
  game_.give_turn_to(state.sente);
}

}  // namespace kumora
