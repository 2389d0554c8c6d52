// The main window's logic: its state, its event handlers and its drawing
// operations. It knows nothing of Qt; it draws, asks, plays sounds and reads
// the time through the ports of view/ports.h.
#pragma once

#include <string>

#include "analysis/attack_tables.h"
#include "com/reach_state.h"
#include "com/search_context.h"
#include "core/game_state.h"
#include "kifu/kifu.h"
#include "settings/menu_tree.h"
#include "view/file_panel.h"
#include "view/ports.h"

namespace kumora {

struct ComMove;

// A value for print_at: a number or a text.
struct PrintValue {
  PrintValue(int n) : is_number(true), number(n) {}
  PrintValue(const char* s) : text(s) {}
  PrintValue(std::string s) : text(std::move(s)) {}
  bool is_number = false;
  int number = 0;
  std::string text;
};

// Thrown when the program ends, so that no handler goes on after the end;
// whoever delivers window events catches it and closes the program.
struct ProgramEnded {};

constexpr int MOUSE_LEFT = 1;
constexpr int MOUSE_RIGHT = 2;
constexpr int KEY_ESCAPE = 27;

// Receives what a transcript of the window's run reports beyond sounds and boxes.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void clock_printed(bool lower, const std::string& text) { (void)lower; (void)text; }
  virtual void move_made(int fx, int fy, int tx, int ty, int moved, int placed, int taken) {
    (void)fx; (void)fy; (void)tx; (void)ty; (void)moved; (void)placed; (void)taken;
  }
  virtual void path_shown(const int* xs, const int* ys, int count) { (void)xs; (void)ys; (void)count; }
};

class MainWindow {
 public:
  MainWindow(Canvas& canvas, Dialogs& dialogs, SoundPort& sound, Host& host);

  // Window events.
  void Form_Load(bool maximised = false);
  void Form_MouseDown(int button, int shift, double x, double y);
  void Form_KeyPress(int key_code);
  void Form_Unload();
  void Timer1_Timer();

  // Runs the handler of a menu item, as choosing it (or opening its menu) does.
  void run_menu(MenuId id);
  bool is_checked(MenuId id) const { return menu_checked_[static_cast<int>(id)]; }
  bool timer1_enabled() const { return timer1_enabled_; }
  bool program_ended() const { return program_ended_; }
  void set_observer(WindowObserver* observer) { observer_ = observer; }

  // Window placement in twips, as the load event leaves it.
  int window_left = 0, window_top = 0, window_width = 9000, window_height = 8000;

  GameState state;
  Kifu kifu;
  float turn_start_time = 0;
  int shown_seconds = 0;

  // Menu handlers.
  void OWARI_Click();
  void TAIKYOKU_Click();
  void STOP_Click();
  void OPTION_Click();
  void START_Click();
  void REVERSE_Click();
  void CANCEL_Click();
  void REPLAY_Click();
  void AFTER_Click();

  void SENTE_Click();
  void GOTE_Click();
  void LEVEL1_Click() { choose_level(1); }
  void LEVEL2_Click() { choose_level(2); }
  void LEVEL3_Click() { choose_level(3); }
  void set_level(int n);
  void LBEL_UP_Click();
  void LEBEL_DOWN_Click();
  void handicap_refusal(int code);

  // The record-file panel.
  FilePanelState file_panel;
  void KIFU_READ_Click();
  void KIFU_WRITE_Click();
  void Drive1_Change(const std::string& drive);
  void Dir1_Change(const std::string& path);
  void Command1_Click();
  void File1_Click(const std::string& file_name);
  void show_file_panel(bool drive_visible, bool dir_visible, bool file_visible);
  void show_save_fields(int mode);
  void refresh_file_list();
  // Hides the record-file panel and empties its save fields.
  void hide_file_panel();

  // The end of a game: announces the winner and asks for another game.
  void game_over_prompt(const std::string& name);
  // The computer's whole turn.
  void com_ban();
  // Rebuilds the attack tables from the board.
  void analyze_position();
  // Frames every square the next link of a move can use.
  void show_guidance(int from_x, int from_y, int colour, int piece, int chain_count);

  // The game reset: the whole game state back to the initial position.
  void reset_game();
  void release_sounds();

  // The settings file.
  void load_settings();
  void save_settings();
  void check_background(int code);
  void choose_background(MenuId item, int code);
  void SIDOU_Click();
  void KEIKA_Click();
  void BGM_Click();
  void VER_Click();
  // The text of the about box.
  static std::string about_text();

  // Drawing operations, in cell units of the board grid.
  void paint_cell(int code, double x, double y);
  void frame_cell(int colour, double x, double y);
  void clear_marks();
  void print_at(double x, double y, const PrintValue& value, int colour, int mode, int size);
  void print_small(double x, double y, const std::string& text, int colour);
  static std::string value_text(int n);
  void paint_background(int code);
  void draw_board_pieces();
  void draw_coordinates();
  void draw_lower_hand();
  void draw_upper_hand();
  void show_last_move(int side, int x, int y, int piece, int colour);
  void clear_last_move(int side);
  void show_move_number(int n);
  void blink_cell(int x, int y, int times);
  void wait(double seconds);
  void draw_chain_path(int to_x, int to_y);
  void redraw_all();
  void prepare_board_display();
  void show_clock(int side, double seconds);
  void clear_clock(int side);
  void show_level(int n);
  void show_handicap_caption(int grade);
  void print_caption(int code, double x, double y, int colour, int size);

  // The computer's reach tables and the chain path of its last move.
  ReachState reach;
  // The attack tables and what the computer's turn keeps between its steps.
  AttackTables tables;
  ComContext com_context;

 private:
  void set_checked(MenuId id, bool checked) { menu_checked_[static_cast<int>(id)] = checked; }
  void set_timer1(bool enabled);
  void restart_turn_clock();

  // The steps of a mouse press on the board or the hands.
  bool resume_stepped_game();
  void click_board_square(int button, int x, int y);
  void select_board_piece(int x, int y);
  void end_move_at(int button, int x, int y);
  void refusal_tail(int x, int y);
  void click_off_board(int x, int y);
  void select_hand_piece(int x, int y, int code);
  void play_move(int button, int to_x, int to_y);
  void after_person_move_vs_com(int captured);
  void after_person_move_two_persons(bool upper_moved);
  // Repaints what make_move changed.
  void draw_move(int from_x, int from_y, int to_x, int to_y, int piece, int capture_hand,
                 int drop_hand);
  void report_move(const KifuEntry& entry);
  // The guards of "△" and "▽"; false (after the refusal) when they refuse.
  bool handicap_allowed();
  void choose_level(int n);
  void start_vs_com_display();
  // Prints a header line of a record file at a position in twips.
  void print_header_line(double x, double y, const std::string& text, int colour);
  void show_thinking();
  void show_com_path(const ComMove& best);
  void play_com_move(const ComMove& best);
  void after_com_move(const ComMove& best);
  void hand_turn_back();
  void set_handicap_square(int grade, int contents);
  void sound_init();
  int load_wave(const std::string& file, int flags);
  void load_sounds();
  void warn(const std::string& text);
  // An OK box with the exclamation-less look of the program's messages.
  void tell(const std::string& text, const std::string& title);
  bool ask_yes_no(const std::string& text, const std::string& title);
  // The refusal sound followed by a message.
  void refuse(const std::string& text, const std::string& title);
  // Tells the observer that a clock was printed (the scenario runner logs it).
  void clock_shown(int side, const std::string& text);
  void end_program();
  void apply_default_settings(bool repaint);
  void write_default_settings();

  Canvas& canvas_;
  Dialogs& dialogs_;
  SoundPort& sound_;
  Host& host_;
  WindowObserver* observer_ = nullptr;

  bool menu_checked_[MENU_COUNT] = {};
  bool timer1_enabled_ = false;
  bool program_ended_ = false;
  bool font_bold_ = false;
  bool sound_device_ = false;

 public:
  int snd_other = 0, snd_forbid = 0, snd_click = 0, snd_bgm = 0;
};

}  // namespace kumora
