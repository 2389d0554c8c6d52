#include "window/main_window.h"

#include <filesystem>

#include "core/translation.h"
#include "settings/user_folders.h"

namespace kumora {

MainWindow::MainWindow(Canvas& canvas, Dialogs& dialogs, SoundPort& sound, Host& host,
                       LevelComputer& level_computer)
    : messages_(dialogs, sound),
      host_(host),
      drawing_(canvas, game_, appearance_, ticks_, host, program_exit()),
      clocks_(game_, appearance_, ticks_, drawing_, messages_, reporter_, host, lifecycle()),
      levels_(game_, appearance_, ticks_, drawing_, messages_, pending_input()),
      archive_(game_, messages_, clocks_, host, lifecycle(), screen(), pending_input(), levels_),
      file_panel_(game_, drawing_, messages_, reporter_, host, lifecycle(), screen(), archive_),
      options_(game_, appearance_, ticks_, drawing_, messages_, clocks_, screen(), pending_input()),
      stepping_(game_, drawing_, messages_, clocks_, reporter_, lifecycle(), record_listener(),
                pending_input()),
      strong_(game_, host, program_exit()),
      computer_(game_, appearance_, ticks_, drawing_, messages_, clocks_, reporter_, lifecycle(),
                record_listener(), strong_, level_computer),
      hint_(game_, drawing_, messages_, reporter_, pending_input(), strong_),
      mouse_(game_, appearance_, drawing_, messages_, clocks_, reporter_, lifecycle(),
             record_listener(), pending_input()),
      start_(game_, appearance_, drawing_, messages_, clocks_, reporter_, lifecycle(), screen(),
             record_listener(), pending_input(), program_exit(), levels_),
      resignation_(game_, drawing_, messages_, reporter_, lifecycle(), pending_input()),
      net_(game_, drawing_, messages_, clocks_, reporter_, lifecycle(), screen(), record_listener(),
           mouse_, stepping_, start_) {}

void MainWindow::on_window_opened(bool maximised) {
  messages_.load_sounds();

  game_.open_afresh();
  // No background item is ticked before the settings file names one: a first
  // line naming none leaves them all unticked.
  appearance_ = Appearance{};
  levels_.set_level(3);
  game_.record.length = 0;

  archive_.set_folder(user_data_folder() + "/games");
  std::error_code error;
  file_panel_.open_folder(std::filesystem::current_path(error).string());
  options_.load_settings();
  reset_game();

  if (!maximised) placement_ = WindowPlacement{};
}

void MainWindow::reset_game() {
  game_.clear_course();
  game_.record.shown = 0;
  clocks_.reset();
  game_.record.entry[0].placed = 10;
  mouse_.drop_selection();
  reporter_.set_status(tr_noop("Status", "「対局」で対局を始めて下さい"));

  game_.place_initial_position();
  game_.history = TurnedHistory{};
  game_.time_control = TimeControl{};
  archive_.game_closed();
  redraw_all();
}

void MainWindow::redraw_all() {
  const GameState& state = game_.state;
  drawing_.clear_numbers();
  drawing_.paint_background(appearance_.background);
  drawing_.draw_coordinates();
  drawing_.draw_lower_hand();
  drawing_.draw_upper_hand();
  drawing_.draw_board_pieces();
  clocks_.show_both();
  if (state.vs_com == MODE_COM) levels_.show_level(state.level);
  if (state.handicap_set) levels_.show_handicap_caption(state.handicap_grade);
  drawing_.paint_cell(1, 11.2, 0);
  computer_.show_thinking_again();
  drawing_.refresh();
}

void MainWindow::redraw_game_texts() {
  const GameState& state = game_.state;
  const MoveRecord& record = game_.record;
  if (state.move_count > 0 || record.shown > 0) drawing_.show_move_number(state.move_count);
  // Each side's last move among those applied to the board.
  bool shown[2] = {false, false};
  for (int i = record.shown; i >= 1 && !(shown[0] && shown[1]); --i) {
    const RecordEntry& e = record.entry[i];
    const bool upper = e.placed > 0;
    if (shown[upper]) continue;
    shown[upper] = true;
    drawing_.show_last_move(upper ? state.upper_side() : state.lower_side, e.to_x, e.to_y, e.placed,
                            TEXT_COLOUR);
  }
  if (state.record_mode) file_panel_.print_headers();
  computer_.show_thinking_again();
  drawing_.refresh();
}

void MainWindow::on_clock_tick() {
  clocks_.on_clock_tick();
  // The other person's time is theirs to watch: their window says when it ran out.
  if (!net_.peer_to_move()) clocks_.end_if_out_of_time();
}

void MainWindow::on_mouse_down(int button, int shift, double x, double y) {
  if (net_.refuses_press()) return;
  // On time, the clock is read first: a click after the time ran out loses.
  if (clocks_.countdown().active() && clocks_.clock_timer_enabled()) {
    clocks_.on_clock_tick();
    if (clocks_.end_if_out_of_time()) return;
  }
  mouse_.on_mouse_down(button, shift, x, y);
  net_.after_press();
}

void MainWindow::end_game_early(GameEnd how, Winner winner) {
  if (net_.in_game()) net_.ended_early(winner);
  clocks_.set_clock_timer(false);
  archive_.game_ended(how);
  game_over_prompt(winner);
}

void MainWindow::game_over_prompt(Winner winner) {
  if (net_.in_game()) {
    net_.game_over(winner);
  } else {
    start_.game_over_prompt(winner);
  }
}

bool MainWindow::net_game_refuses(MenuId id) {
  switch (id) {
    case MenuId::TWO_PERSON_START:
    case MenuId::VS_COM_AS_SENTE:
    case MenuId::VS_COM_AS_GOTE:
    case MenuId::RESUME_LAST_GAME:
    case MenuId::RESET_GAME:
    case MenuId::TURN_BOARD:
    case MenuId::STEP_BACK:
    case MenuId::STEP_FORWARD:
    case MenuId::READ_RECORD:
      return net_.refuses_leaving();
    default:
      return false;
  }
}

void MainWindow::end_program() {
  if (!program_ended_) {
    net_.leave();
    messages_.release_sounds();
    program_ended_ = true;
    host_.quit();
  }
  throw ProgramEnded{};
}

void MainWindow::on_key_press(int key_code) {
  if (key_code == KEY_ESCAPE) end_program();
}

void MainWindow::on_window_closed() { end_program(); }

void MainWindow::run_menu(MenuId id) {
  if (const int level = item_level(id); level != 0) {
    levels_.choose_level(level);
    return;
  }
  if (net_game_refuses(id)) return;
  if (net_.in_game() && (id == MenuId::RESIGN || id == MenuId::TAKE_BACK)) {
    id == MenuId::RESIGN ? net_.resign() : net_.request_takeback();
    return;
  }
  switch (id) {
    case MenuId::GAME_MENU:
      hide_file_panel();
      break;
    case MenuId::TWO_PERSON_START:
      start_.start_two_person_game();
      break;
    case MenuId::VS_COM_AS_SENTE:
      start_.start_vs_com_as_sente();
      break;
    case MenuId::VS_COM_AS_GOTE:
      start_.start_vs_com_as_gote();
      break;
    case MenuId::HINT:
      hint_.show_hint();
      break;
    case MenuId::HANDICAP_UP:
      levels_.raise_handicap();
      break;
    case MenuId::HANDICAP_DOWN:
      levels_.lower_handicap();
      break;
    case MenuId::QUIT:
      end_program();
      break;
    case MenuId::POSITION_MENU:
      hide_file_panel();
      break;
    case MenuId::RESET_GAME:
      stepping_.start_over();
      break;
    case MenuId::TURN_BOARD:
      start_.turn_board();
      break;
    case MenuId::TAKE_BACK:
      stepping_.take_back_last_move();
      break;
    case MenuId::STEP_BACK:
      stepping_.step_back();
      break;
    case MenuId::STEP_FORWARD:
      stepping_.step_forward();
      break;
    case MenuId::OPTIONS_MENU:
      hide_file_panel();
      break;
    case MenuId::OTHER_MENU:
      hide_file_panel();
      break;
    case MenuId::READ_RECORD:
      file_panel_.open_read_panel();
      break;
    case MenuId::WRITE_RECORD:
      file_panel_.open_write_panel();
      break;
    case MenuId::RECENT_GAMES:
      file_panel_.open_recent_games();
      break;
    case MenuId::RESUME_LAST_GAME:
      archive_.resume_last_game();
      break;
    case MenuId::RESIGN:
      resignation_.resign();
      break;
    case MenuId::BACKGROUND_GREEN:
      options_.choose_background(id, BACKGROUND_MIDORI);
      break;
    case MenuId::BACKGROUND_TATAMI:
      options_.choose_background(id, BACKGROUND_TATAMI);
      break;
    case MenuId::BACKGROUND_BAMBOO:
      options_.choose_background(id, BACKGROUND_TAKE);
      break;
    case MenuId::BACKGROUND_SPACE:
      options_.choose_background(id, BACKGROUND_UCHU);
      break;
    case MenuId::BACKGROUND_BRICK:
      options_.choose_background(id, BACKGROUND_RENGA);
      break;
    case MenuId::MOVE_GUIDANCE:
      options_.toggle_move_guidance();
      break;
    case MenuId::ELAPSED_TIME:
      options_.toggle_elapsed_time();
      break;
    case MenuId::MUSIC:
      options_.toggle_music();
      break;
    case MenuId::QUICK_COM_MOVES:
      options_.toggle_quick_com_moves();
      break;
    case MenuId::ABOUT:
      options_.show_version();
      break;
    default:
      break;
  }
}

}  // namespace kumora
