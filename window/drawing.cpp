#include "window/drawing.h"

#include "core/guidance.h"
#include "core/piece_names.h"
#include "settings/handicap.h"

namespace kumora {

namespace {

const char* const FULL_WIDTH_DIGITS[10] = {"０", "１", "２", "３", "４",
                                           "５", "６", "７", "８", "９"};
const char* const KANJI_NUMERALS[10] = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

double cell_left(double x) { return BOARD_X0 + x * CELL_W; }
double cell_top(double y) { return BOARD_Y0 + y * CELL_H; }

}  // namespace

Drawing::Drawing(Canvas& canvas, const Game& game, const Appearance& appearance,
                 const MenuTicks& ticks, Host& host, ProgramExit& program_exit)
    : canvas_(canvas),
      game_(game),
      appearance_(appearance),
      ticks_(ticks),
      host_(host),
      program_exit_(program_exit) {}

std::string Drawing::value_text(int n) {
  if (n >= 1 && n <= 9) return FULL_WIDTH_DIGITS[n];
  if (n >= 1001 && n <= 1009) return KANJI_NUMERALS[n - 1000];
  if (const char* name = piece_name(n)) return name;
  return std::to_string(n);
}

void Drawing::paint_cell(int code, double x, double y) {
  canvas_.paint_picture(code, cell_left(x), cell_top(y));
}

void Drawing::frame_cell(int colour, double x, double y) {
  canvas_.frame_rect(colour, cell_left(x), cell_top(y), cell_left(x + 1), cell_top(y + 1));
}

void Drawing::clear_marks() {
  clear_numbers();
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) frame_cell(PLAIN_CELL_COLOUR, x, y);
  }
}

void Drawing::print_at(double x, double y, const PrintValue& value, int colour, int mode,
                       int size) {
  std::string text = value.text;
  if (value.is_number) {
    const int n = value.number;
    text = (mode != 0 && n >= 1 && n <= 9) ? KANJI_NUMERALS[n] : std::to_string(n);
  }
  canvas_.print_text(cell_left(x), cell_top(y), text, colour, size, font_bold_);
}

void Drawing::print_small(double x, double y, const std::string& text, int colour) {
  print_at(x, y, text, colour, 0, 12);
}

void Drawing::print_text_at_twips(double x, double y, const std::string& text, int colour,
                                  int size) {
  canvas_.print_text(x, y, text, colour, size, font_bold_);
}

void Drawing::print_caption(int code, double x, double y, int colour, int size) {
  const std::string text = caption_text(code);
  if (!text.empty()) print_at(x, y, text, colour, 0, size);
}

void Drawing::paint_background(int code) {
  for (int x = -3; x <= 28; ++x) {
    for (int y = -2; y <= 17; ++y) {
      if (!Board::on_board(x, y)) paint_cell(code, x, y);
    }
  }
}

void Drawing::draw_board_pieces() {
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      paint_cell(game_.state.board(x, y), x, y);
      frame_cell(WINDOW_COLOUR, x, y);
    }
  }
}

void Drawing::draw_coordinates() {
  const int background = appearance_.background;
  font_bold_ = true;
  for (int i = 1; i <= 9; ++i) {
    paint_cell(background, i, 0);
    print_at(i + 0.2, 0.5, value_text(10 - i), SHADOW_COLOUR, 0, 16);
    print_at(i + 0.1, 0.4, value_text(10 - i), LABEL_COLOUR, 0, 16);
    paint_cell(background, 10, i);
    print_at(10.2, i + 0.4, i, SHADOW_COLOUR, 1, 12);
    print_at(10.1, i + 0.3, i, LABEL_COLOUR, 1, 12);
    frame_cell(WINDOW_COLOUR, 9, i);
  }
}

void Drawing::draw_lower_hand() {
  const GameState& state = game_.state;
  for (int i = 1; i <= 7; ++i) {
    const int r = i + 2;
    paint_cell(EMPTY, 11, r);
    paint_cell(appearance_.background, 12, r);
    frame_cell(WINDOW_COLOUR, 11, r);
    if (state.lower_hand[i] > 0) {
      paint_cell(-HAND_SLOT_CODES[i], 11, r);
      frame_cell(WINDOW_COLOUR, 11, r);
      print_at(12.1, r + 0.3, state.lower_hand[i], SHADOW_COLOUR, 0, 14);
      print_at(12, r + 0.2, state.lower_hand[i], HAND_COUNT_COLOUR, 0, 14);
    }
  }
}

void Drawing::draw_upper_hand() {
  const GameState& state = game_.state;
  for (int i = 1; i <= 7; ++i) {
    const int r = upper_hand_row_of_slot(i);
    paint_cell(EMPTY, -1, r);
    paint_cell(appearance_.background, 0, r);
    frame_cell(WINDOW_COLOUR, -1, r);
    if (state.upper_hand[i] > 0) {
      paint_cell(HAND_SLOT_CODES[i], -1, r);
      frame_cell(WINDOW_COLOUR, -1, r);
      print_at(0.1, r + 0.3, state.upper_hand[i], SHADOW_COLOUR, 0, 14);
      print_at(0, r + 0.2, state.upper_hand[i], HAND_COUNT_COLOUR, 0, 14);
    }
    frame_cell(WINDOW_COLOUR, 1, r);
  }
}

void Drawing::show_last_move(Side side, int x, int y, int piece, int colour) {
  clear_last_move(side);
  const std::string parts[3] = {value_text(10 - x), value_text(1000 + y), value_text(piece)};
  // The upper player's move is shown left of the board, the lower player's right of it.
  const bool upper = side == game_.state.upper_side();
  const double left = upper ? -1.5 : 13.4;
  const double top = upper ? 8.5 : 3.5;
  const double step = 0.5;
  for (int i = 0; i < 3; ++i) {
    print_small(left + step * i, top, parts[i], SHADOW_COLOUR);
    print_small(left + step * i - 0.1, top - 0.1, parts[i], colour);
  }
}

void Drawing::clear_last_move(Side side) {
  const int background = appearance_.background;
  if (side == game_.state.upper_side()) {
    paint_cell(background, -2, 8);
    paint_cell(background, -1, 8);
    paint_cell(background, 0, 8);
    frame_cell(WINDOW_COLOUR, -1, 7);
    frame_cell(WINDOW_COLOUR, 1, 8);
  } else {
    paint_cell(background, 13, 3);
    paint_cell(background, 14, 3);
    paint_cell(background, 15, 3);
  }
}

void Drawing::show_move_number(int n) {
  paint_cell(appearance_.background, 13, 4);
  paint_cell(appearance_.background, 14, 4);
  frame_cell(WINDOW_COLOUR, 11, 4);
  double x = 13.1;
  if (n < 10) {
    x = 13.3;
  } else if (n < 100) {
    x = 13.2;
  }
  print_at(x, 4.4, n, SHADOW_COLOUR, 0, 12);
  print_at(x - 0.1, 4.3, n, TEXT_COLOUR, 0, 12);
  print_caption(99, 13.9, 4.2, SHADOW_COLOUR, 10);
  print_caption(99, 13.8, 4.1, TEXT_COLOUR, 10);
}

void Drawing::prepare_board_display() {
  draw_coordinates();
  const int background = appearance_.background;
  paint_cell(background, -1, 10);
  paint_cell(background, 0, 10);
  for (int i = 1; i <= 9; ++i) {
    paint_cell(background, i, 10);
    frame_cell(WINDOW_COLOUR, i, 9);
  }
}

void Drawing::show_guidance(int from_x, int from_y, int colour, int piece, int chain_count) {
  clear_marks();
  if (!appearance_.guidance_on) return;
  const SquareMarks squares =
      guidance_squares(game_.state.board, from_x, from_y, piece, chain_count);
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      if (squares(x, y)) frame_cell(colour, x, y);
    }
  }
}

void Drawing::wait(double seconds) {
  if (!host_.wait(seconds)) program_exit_.end_program();
}

void Drawing::blink_cell(int x, int y, int times, double pause) {
  const bool upper_hand_cell = x == UPPER_HAND_COLUMN;
  const int shown_row = upper_hand_cell ? upper_hand_row_of_slot(y) : y;
  for (int i = 0; i < times; ++i) {
    paint_cell(EMPTY, x, shown_row);
    frame_cell(WINDOW_COLOUR, x, shown_row);
    canvas_.refresh();
    wait(pause);
    if (upper_hand_cell) {
      draw_upper_hand();
    } else if (Board::on_board(x, y)) {
      paint_cell(game_.state.board(x, y), x, y);
    }
    frame_cell(WINDOW_COLOUR, x, shown_row);
    canvas_.refresh();
    wait(pause);
  }
}

void Drawing::draw_chain_path(int cells) {
  const ReachState& reach = game_.reach;
  constexpr int BLINKS = 2;
  constexpr double QUICK_SECONDS = 0.5;
  const double pause =
      ticks_.is_checked(MenuId::QUICK_COM_MOVES) ? QUICK_SECONDS / (cells * BLINKS * 2) : 0.2;
  for (int i = 1; i <= cells; ++i) blink_cell(reach.path_x[i], reach.path_y[i], BLINKS, pause);
}

void Drawing::refresh() { canvas_.refresh(); }

}  // namespace kumora
