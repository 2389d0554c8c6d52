// The record holds 500 moves: the 501st move is refused with a message and
// nothing is written past the record.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/window/gui_app.h"
#include "tests/window/occurrences.h"
#include "tools/scenario/scenario_runner.h"

namespace kumora {
namespace {

// Kings shuttle through their golds: four moves per round.
std::string shuttle_rounds(int rounds) {
  std::string script = "menu START\n";
  for (int i = 0; i < rounds; ++i) {
    script += "click 5 9\nclick 6 9\nclick 6 8\n";  // lower king up to (6, 8)
    script += "click 5 1\nclick 4 1\nclick 4 2\n";  // upper king down to (4, 2)
    script += "click 6 8\nclick 6 9\nclick 5 9\n";  // lower king back
    script += "click 4 2\nclick 4 1\nclick 5 1\n";  // upper king back
  }
  return script;
}

TEST(RecordCapacity, TheFiveHundredAndFirstMoveIsRefused) {
  ensure_gui_app();
  std::istringstream script(shuttle_rounds(125) +
                            "click 5 9\nclick 6 9\nclick 6 8\ndump\nmenu REPLAY\ndump\n");
  std::ostringstream out, err;
  ASSERT_EQ(run_scenario(script, out, err), 0) << err.str();
  const std::string transcript = out.str();
  EXPECT_EQ(count_of(transcript, "\nmove "), 500);
  EXPECT_NE(transcript.find("box \"警告\" \"棋譜が一杯です（５００手）。これ以上は指せません\" ok"),
            std::string::npos);
  EXPECT_NE(transcript.find("move_count=500 kifu_pos=500 kifu_len=500"), std::string::npos);
  EXPECT_NE(transcript.find("move_count=499 kifu_pos=499 kifu_len=500"), std::string::npos);
}

}  // namespace
}  // namespace kumora
