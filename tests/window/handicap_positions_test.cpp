// A handicap game kept in the archive is resumed from the position its grade
// names; that position must be the one the ▽ and △ steps reach on the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "settings/handicap.h"
#include "tests/window/gui_app.h"
#include "tools/scenario/scenario_runner.h"

namespace kumora {
namespace {

struct Stepped {
  int grade = 0;
  int board[10][10] = {};
};

// The grade and the board after `steps` presses of the menu item `item`, as
// the runner's dump shows them.
Stepped step_on_window(const std::string& item, int steps) {
  std::string script;
  for (int i = 0; i < steps; ++i) script += "menu " + item + "\n";
  std::istringstream in(script + "dump\n");
  std::ostringstream out, err;
  EXPECT_EQ(run_scenario(in, out, err), 0) << err.str();
  std::vector<std::string> lines;
  std::istringstream transcript(out.str());
  for (std::string line; std::getline(transcript, line);) lines.push_back(line);
  Stepped stepped;
  const size_t state_line = lines.size() - 1;
  const size_t grade_at = lines[state_line].find("handicap_grade=");
  EXPECT_NE(grade_at, std::string::npos);
  stepped.grade = std::stoi(lines[state_line].substr(grade_at + 15));
  for (int y = 1; y <= 9; ++y) {
    std::istringstream row(lines[state_line - 12 + y]);
    for (int x = 1; x <= 9; ++x) row >> stepped.board[x][y];
  }
  return stepped;
}

TEST(HandicapPositions, EveryGradeIsThePositionItsStepsReach) {
  ensure_gui_app();
  std::vector<int> grades_seen;
  for (const char* item : {"LEBEL_DOWN", "LBEL_UP"}) {
    for (int steps = 1; steps <= HIGHEST_GRADE + 1; ++steps) {
      const Stepped stepped = step_on_window(item, steps);
      GameState expected;
      set_initial_position(expected);
      set_handicap_position(expected.board, stepped.grade);
      for (int y = 1; y <= 9; ++y) {
        for (int x = 1; x <= 9; ++x) {
          EXPECT_EQ(stepped.board[x][y], expected.board(x, y))
              << item << " x" << steps << " (grade " << stepped.grade << ") at " << x << "," << y;
        }
      }
      grades_seen.push_back(stepped.grade);
    }
  }
  // Both ends of the scale were reached.
  EXPECT_NE(std::find(grades_seen.begin(), grades_seen.end(), LOWEST_GRADE), grades_seen.end());
  EXPECT_NE(std::find(grades_seen.begin(), grades_seen.end(), HIGHEST_GRADE), grades_seen.end());
}

}  // namespace
}  // namespace kumora
