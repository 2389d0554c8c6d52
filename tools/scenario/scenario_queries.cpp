#include "tools/scenario/scenario_queries.h"

#include <cstdio>

#include "analysis/analyze_board.h"
#include "com/com_search.h"
#include "com/com_turn.h"
#include "com/score.h"
#include "rules/candidates.h"
#include "rules/reach_map.h"
#include "settings/menu_tree.h"
#include "window/game_summary.h"
#include "window/move_clicks.h"

namespace kumora {

namespace {

std::string padded(int value, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%*d", width, value);
  return text;
}

void print_hand(std::ostream& out, const char* name, const int* hand, int total) {
  out << name;
  for (int slot = 1; slot <= 7; ++slot) out << " " << hand[slot];
  out << " total " << total << "\n";
}

void print_window_state(std::ostream& out, const MainWindow& window) {
  out << "ticks";
  for (const MenuItemInfo& item : MENU_TREE) {
    if (window.is_checked(item.id)) out << " " << item.name;
  }
  const Appearance& look = window.appearance();
  out << "\nlook background=" << look.background << " guidance=" << look.guidance_on
      << " guide_colour=" << look.guide_colour << " timer=" << window.clock_timer_enabled() << "\n";
  const FilePanelState& panel = window.file_panel();
  out << "panel drive=" << panel.drive_visible << " dir=" << panel.dir_visible
      << " file=" << panel.file_visible << " save=" << panel.save_fields_visible << " path "
      << quoted(panel.file_path) << "\n";
  out << "texts";
  for (int i = 1; i <= 4; ++i) out << " " << quoted(panel.text[i]);
  out << "\nfiles";
  for (const std::string& name : panel.files) out << " " << quoted(name);
  out << "\n";
  const TimeControl& game_control = window.game().time_control;
  if (!window.time_control().none() || !game_control.none()) {
    out << "timecontrol next " << time_control_numbers(window.time_control()) << " game "
        << time_control_numbers(game_control) << "\n";
  }
}

}  // namespace

void print_dump(std::ostream& out, const MainWindow& window) {
  const GameState& s = window.game().state;
  const Selection& selection = window.selection();
  const MoveRecord& record = window.game().record;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) out << padded(s.board(x, y), 5);
    out << "\n";
  }
  print_hand(out, "lower_hand", s.lower_hand, s.lower_hand_total);
  print_hand(out, "upper_hand", s.upper_hand, s.upper_hand_total);
  out << "state turn=" << side_code(s.turn) << " lower_side=" << side_code(s.lower_side)
      << " upper_side=" << side_code(s.upper_side()) << " move_count=" << s.move_count
      << " kifu_pos=" << record.shown << " kifu_len=" << record.length
      << " winner=" << side_code(s.winner) << " vs_com=" << static_cast<int>(s.vs_com)
      << " kifu_mode=" << s.record_mode << " reversed=" << s.reversed << " stepped=" << s.stepped
      << " select_state=" << selection.piece_picked << " chain_count=" << selection.chain_count
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

void print_reach(std::ostream& out, MainWindow& window, int x, int y, ReachMode mode) {
  ReachState& reach = window.game().reach;
  build_reach_map(reach, window.game().state.board, x, y, mode);
  for (int row = 1; row <= 9; ++row) {
    for (int column = 1; column <= 9; ++column) {
      out << (column > 1 ? " " : "") << (reach.reach_map(column, row) ? 1 : 0);
    }
    out << "\n";
  }
}

void print_table(std::ostream& out, const char* name, const BoardTable& table) {
  out << name << "\n";
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) out << padded(table(x, y), 5);
    out << "\n";
  }
}

void print_analysis(std::ostream& out, MainWindow& window) {
  Game& game = window.game();
  analyze_board(game.state, game.tables);
  const AttackTables& t = game.tables;
  print_table(out, "lower_attack_count", t.lower_attack_count);
  print_table(out, "upper_attack_count", t.upper_attack_count);
  print_table(out, "lower_defender", t.lower_defender);
  print_table(out, "lower_attacker", t.lower_attacker);
  print_table(out, "lower_attacker_x", t.lower_attacker_x);
  print_table(out, "lower_attacker_y", t.lower_attacker_y);
  print_table(out, "upper_defender", t.upper_defender);
  print_table(out, "upper_defender_x", t.upper_defender_x);
  print_table(out, "upper_defender_y", t.upper_defender_y);
  print_table(out, "upper_attacker", t.upper_attacker);
  print_table(out, "upper_attacker_x", t.upper_attacker_x);
  print_table(out, "upper_attacker_y", t.upper_attacker_y);
  const GameState& s = game.state;
  out << "kings " << s.lower_king_x << " " << s.lower_king_y << " " << s.upper_king_x << " "
      << s.upper_king_y << "\n";
}

namespace {

class PrintingSink : public CandidateSink {
 public:
  explicit PrintingSink(std::ostream& out) : out_(out) {}
  void scored(int fx, int fy, int tx, int ty, int placed, Score score) override {
    out_ << "cand " << fx << " " << fy << " " << tx << " " << ty << " " << placed << " "
         << score_text(score) << "\n";
  }

 private:
  std::ostream& out_;
};

}  // namespace

void print_scores(std::ostream& out, const MainWindow& window, const ComContext& computer_context) {
  // The search runs on copies: the real position, tables and maps stay as they are.
  const Game& game = window.game();
  GameState state = game.state;
  AttackTables tables = game.tables;
  ComContext context = computer_context;
  ReachState reach = game.reach;
  ComWorld world{state, tables, context, reach};
  PrintingSink sink(out);
  const ComMove best = com_turn(world, &sink);
  if (!best.found) {
    out << "best none\n";
    return;
  }
  out << "best " << best.from_x << " " << best.from_y << " " << best.to_x << " " << best.to_y << " "
      << best.moved << " " << best.placed << " " << score_text(best.score) << "\n";
}

// Every move the side to move may make, each as the cells a person clicks:
// the origin (an upper-hand drop by its cell), the links, the destination.
void print_moves(std::ostream& out, const MainWindow& window) {
  const GameState& state = window.game().state;
  if (state.turn == NO_GAME) return;
  const auto list = moves_of_side_to_move(state);
  for (int i = 0; i < list->count; ++i) {
    const Candidate& move = list->move[i];
    out << "legal " << move.moved << " " << move.placed;
    for (const Cell& cell : move_clicks(state.board, move)) out << " " << cell.x << "," << cell.y;
    out << "\n";
  }
}

void print_move_list(std::ostream& out, const MainWindow& window) {
  const GameSummary summary = summarize(window.game());
  out << "movelist at " << summary.position << "\n";
  for (const std::string& move : summary.moves) out << "| " << move << "\n";
}

bool run_extra_command(const std::vector<std::string>& words, const std::string& line,
                       MainWindow& window, const ComContext& computer_context, std::ostream& out) {
  if (words[0] == "analyze" && words.size() == 1) {
    print_analysis(out, window);
    return true;
  }
  if (words[0] == "scores" && words.size() == 1) {
    print_scores(out, window, computer_context);
    return true;
  }
  if (words[0] == "checked" && words.size() == 2) {
    MenuId id;
    if (!find_menu_item(words[1], id)) return false;
    out << "checked " << words[1] << (window.is_checked(id) ? " on" : " off") << "\n";
    return true;
  }
  if (words[0] == "moves" && words.size() == 1) {
    print_moves(out, window);
    return true;
  }
  if (words[0] == "window" && words.size() == 1) {
    print_window_state(out, window);
    return true;
  }
  if (words[0] == "numbers" && words.size() == 1) {
    out << "numbers " << describe_numbers(window.chain_numbers()) << "\n";
    return true;
  }
  if (words[0] == "movelist" && words.size() == 1) {
    print_move_list(out, window);
    return true;
  }
  return run_panel_command(words, line, window, out) || run_file_command(words, line, out);
}

}  // namespace kumora
