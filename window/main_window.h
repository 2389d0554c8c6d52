// The main window's logic: the game it holds and its event handlers. It knows
// nothing of Qt; it draws, asks, plays sounds and reads the time through the
// ports of window/port/ports.h. Each concern is a part of its own (the drawing,
// the clocks, the mouse, the computer's turn, the record, the file panel,
// levels and handicap, the options); this class owns them and delivers the
// window's events to them.
#pragma once

#include <string>

#include "settings/menu_tree.h"
#include "window/archive_keeper.h"
#include "window/clocks.h"
#include "window/computer_turn.h"
#include "window/drawing.h"
#include "window/file_panel_logic.h"
#include "window/game_lifecycle.h"
#include "window/game_start.h"
#include "window/hint.h"
#include "window/levels_handicap.h"
#include "window/messages.h"
#include "window/mouse_input.h"
#include "window/net_play.h"
#include "window/options.h"
#include "window/pending_input.h"
#include "window/program_exit.h"
#include "window/record_listener.h"
#include "window/record_stepping.h"
#include "window/reporter.h"
#include "window/resignation.h"
#include "window/screen.h"
#include "window/strong_search.h"
#include "window/whole_game.h"

namespace kumora {

constexpr int KEY_ESCAPE = 27;

// The window's position and size in twips, as the load event leaves them.
struct WindowPlacement {
  int left = 0, top = 0, width = 9000, height = 8000;
};

class MainWindow : private GameLifecycle,
                   private Screen,
                   private RecordListener,
                   private PendingInput,
                   private ProgramExit {
 public:
  // `level_computer` plays LEVEL1-3; the strong levels are the engine's.
  MainWindow(Canvas& canvas, Dialogs& dialogs, SoundPort& sound, Host& host,
             LevelComputer& level_computer);

  // Window events.
  void on_window_opened(bool maximised = false);
  void on_mouse_down(int button, int shift, double x, double y);
  void on_key_press(int key_code);
  void on_window_closed();
  // The clock timer's tick; on time, a person whose time ran out loses.
  void on_clock_tick();
  // The running clock brought up to date and nothing else: what the window
  // does with a tick that comes while a handler is still running.
  void show_running_clock() { clocks_.on_clock_tick(); }
  // Runs the handler of a menu item, as choosing it (or opening its menu) does.
  void run_menu(MenuId id);

  // The controls of the record-file panel.
  const FilePanelState& file_panel() const { return file_panel_.state(); }
  void set_panel_text(int index, const std::string& text) { file_panel_.set_text(index, text); }
  void choose_drive(const std::string& drive) { file_panel_.choose_drive(drive); }
  void open_folder(const std::string& path) { file_panel_.open_folder(path); }
  void pick_file(const std::string& name) { file_panel_.pick_file(name); }
  void confirm_file() { file_panel_.confirm_file(); }
  // Closes the record-file panel (Esc while it is open).
  void close_file_panel() { file_panel_.hide(); }
  bool file_panel_open() const {
    const FilePanelState& panel = file_panel_.state();
    return panel.drive_visible || panel.dir_visible || panel.file_visible ||
           panel.save_fields_visible;
  }

  // Shows the position after `position` moves of the whole game (the move
  // list's), as stepping with 戻/進 does; a position from before the board
  // was turned round is refused as 戻 refuses at the record's start.
  void step_to(int position) { stepping_.step_to(position - moves_before_record(game_)); }
  // The click order written over the frames of a chain (a hint's move, or
  // the person's move under construction).
  const ChainNumbers& chain_numbers() const { return drawing_.numbers(); }
  // The status line: why a click was refused or what to do next.
  std::string status_text() const { return reporter_.status(); }

  // The strong search plays by a node budget instead of time (0: by time).
  void set_engine_nodes(std::int64_t nodes) { strong_.set_node_budget(nodes); }
  std::int64_t engine_nodes() const { return strong_.node_budget(); }

  // The time control of games started from now on (対局 → 持ち時間).
  void set_time_control(const TimeControl& control) { start_.set_next_time_control(control); }
  const TimeControl& time_control() const { return start_.next_time_control(); }
  // A game is being played that 投了 can give up.
  bool can_resign() const { return resignation_.possible(); }

  // The game against a person at another computer; the window's host gives
  // it its port.
  NetPlay& net_play() { return net_; }
  const NetPlay& net_play() const { return net_; }

  bool is_checked(MenuId id) const { return ticks_.is_checked(id); }
  bool clock_timer_enabled() const { return clocks_.clock_timer_enabled(); }
  bool program_ended() const { return program_ended_; }
  void set_observer(WindowObserver* observer) { reporter_.set_observer(observer); }
  WindowPlacement placement() const { return placement_; }

  const Game& game() const { return game_; }
  const Selection& selection() const { return mouse_.selection(); }
  // For tools that set up positions and query tables.
  Game& game() { return game_; }
  const Appearance& appearance() const { return appearance_; }
  // The folder of kept games.
  const std::string& archive_folder() const { return archive_.archive().folder(); }

  // The game reset: the whole game state back to the initial position.
  void reset_game() override;
  // Repaints the whole window.
  void redraw_all() override;
  void redraw_game_texts() override;

 private:
  void com_ban() override { computer_.play_turn(); }
  void game_over_prompt(Winner winner) override;
  void end_game_early(GameEnd how, Winner winner) override;
  bool end_if_person_cannot_move() override { return start_.end_if_person_cannot_move(); }
  void drop_selection() override { mouse_.drop_selection(); }
  void hide_file_panel() override { file_panel_.hide(); }
  void move_recorded() override {
    // The other side sees the move before the game is written to disk.
    net_.move_recorded();
    archive_.move_recorded();
  }
  // This window as each of the interfaces its parts call back through.
  GameLifecycle& lifecycle() { return *this; }
  Screen& screen() { return *this; }
  RecordListener& record_listener() { return *this; }
  PendingInput& pending_input() { return *this; }
  ProgramExit& program_exit() { return *this; }

  // A menu item that would leave a network game; true when it is refused.
  bool net_game_refuses(MenuId id);
  [[noreturn]] void end_program() override;

  Game game_;
  Appearance appearance_;
  MenuTicks ticks_;
  Reporter reporter_;
  Messages messages_;
  Host& host_;
  Drawing drawing_;
  Clocks clocks_;
  LevelsHandicap levels_;
  ArchiveKeeper archive_;
  FilePanel file_panel_;
  Options options_;
  RecordStepping stepping_;
  StrongSearch strong_;
  ComputerTurn computer_;
  Hint hint_;
  MouseInput mouse_;
  GameStart start_;
  Resignation resignation_;
  NetPlay net_;
  WindowPlacement placement_;
  bool program_ended_ = false;
};

}  // namespace kumora
