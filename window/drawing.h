// The drawing operations of the window: pictures, frames and texts on the
// cell grid around the board, in cell units of the board grid.
#pragma once

#include <string>
#include <utility>

#include "window/appearance.h"
#include "window/chain_numbers.h"
#include "window/game.h"
#include "window/menu_ticks.h"
#include "window/port/ports.h"
#include "window/program_exit.h"

namespace kumora {

// A value for print_at: a number or a text.
struct PrintValue {
  PrintValue(int n) : is_number(true), number(n) {}
  PrintValue(const char* s) : text(s) {}
  PrintValue(std::string s) : text(std::move(s)) {}
  bool is_number = false;
  int number = 0;
  std::string text;
};

class Drawing {
 public:
  Drawing(Canvas& canvas, const Game& game, const Appearance& appearance, const MenuTicks& ticks,
          Host& host, ProgramExit& program_exit);

  void paint_cell(int code, double x, double y);
  void frame_cell(int colour, double x, double y);
  // Every board square back to its plain frame; the chain's numbers go too.
  void clear_marks();
  // Writes the click order over the frames of a chain (until clear_marks).
  void show_numbers(ChainNumbers numbers) { numbers_ = std::move(numbers); }
  void clear_numbers() { numbers_ = ChainNumbers{}; }
  const ChainNumbers& numbers() const { return numbers_; }
  void print_at(double x, double y, const PrintValue& value, int colour, int mode, int size);
  void print_small(double x, double y, const std::string& text, int colour);
  // Prints a text at a position in twips (the header lines of a record file).
  void print_text_at_twips(double x, double y, const std::string& text, int colour, int size);
  // Full-width digits for 1..9, kanji numerals for 1001..1009, piece names.
  static std::string value_text(int n);
  // The caption of a level, handicap grade or the move number's label (99).
  void print_caption(int code, double x, double y, int colour, int size);

  void paint_background(int code);
  void draw_board_pieces();
  void draw_coordinates();
  void draw_lower_hand();
  void draw_upper_hand();
  void show_last_move(Side side, int x, int y, int piece, int colour);
  void clear_last_move(Side side);
  void show_move_number(int n);
  void prepare_board_display();
  // Frames every square the next link of a move can use.
  void show_guidance(int from_x, int from_y, int colour, int piece, int chain_count);

  // Blinks a cell `times` times, each half of a blink lasting `pause` seconds.
  void blink_cell(int x, int y, int times, double pause = 0.2);
  void wait(double seconds);
  // Blinks the first `cells` cells of the chain path (the computer's move from
  // its origin to its destination): 0.8 seconds a cell, or half a second in
  // all when HAYAI is ticked.
  void draw_chain_path(int cells);
  void refresh();

 private:
  Canvas& canvas_;
  const Game& game_;
  const Appearance& appearance_;
  const MenuTicks& ticks_;
  Host& host_;
  ProgramExit& program_exit_;
  bool font_bold_ = false;
  ChainNumbers numbers_;
};

}  // namespace kumora
