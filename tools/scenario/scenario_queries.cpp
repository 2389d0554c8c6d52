#include "tools/scenario/scenario_queries.h"

#include <cstdio>

#include "com/reach_map.h"

namespace kumora {

namespace {

std::string padded(int value, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%*d", width, value);
  return text;
}

std::string one_decimal(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

void print_hand(std::ostream& out, const char* name, const int* hand, int total) {
  out << name;
  for (int slot = 1; slot <= 7; ++slot) out << " " << hand[slot];
  out << " total " << total << "\n";
}

}  // namespace

void print_dump(std::ostream& out, const MainWindow& window) {
  const GameState& s = window.state;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) out << padded(s.board(x, y), 5);
    out << "\n";
  }
  print_hand(out, "lower_hand", s.lower_hand, s.lower_hand_total);
  print_hand(out, "upper_hand", s.upper_hand, s.upper_hand_total);
  out << "state turn=" << s.turn << " lower_side=" << s.lower_side
      << " upper_side=" << s.upper_side << " move_count=" << s.move_count
      << " kifu_pos=" << window.kifu.kifu_pos << " kifu_len=" << window.kifu.kifu_len
      << " winner=" << s.winner << " vs_com=" << s.vs_com << " kifu_mode=" << s.kifu_mode
      << " reversed=" << s.reversed << " stepped=" << s.stepped
      << " select_state=" << s.select_state << " chain_count=" << s.chain_count
      << " level=" << s.level << " handicap_grade=" << s.handicap_grade
      << " handicap_set=" << s.handicap_set << " lower_clock=" << one_decimal(s.lower_clock)
      << " upper_clock=" << one_decimal(s.upper_clock) << "\n";
}

void print_marks(std::ostream& out, const RecordingCanvas& canvas) {
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) out << padded(canvas.mark(x, y), 3);
    out << "\n";
  }
  out << "upper_hand_marks";
  for (int y = 1; y <= 7; ++y) out << " " << canvas.mark(-1, y);
  out << "\nlower_hand_marks";
  for (int y = 3; y <= 9; ++y) out << " " << canvas.mark(11, y);
  out << "\n";
}

void print_reach(std::ostream& out, MainWindow& window, int x, int y, int mode) {
  ReachState& reach = window.reach;
  build_reach_map(reach, window.state.board, x, y, mode);
  for (int row = 1; row <= 9; ++row) {
    for (int column = 1; column <= 9; ++column) {
      out << (column > 1 ? " " : "") << reach.reach_map(column, row);
    }
    out << "\n";
  }
}

bool run_extra_command(const std::vector<std::string>&, const std::string&, MainWindow&,
                       std::ostream&) {
  return false;
}

}  // namespace kumora
