// A part of the window built alone, with the window's own actions (the
// game's lifecycle, what the person left open) replaced by fakes that note
// each call: resigning and running out of time end the game through the
// lifecycle, naming the right winner, after putting away what was open.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/scenario/recording_ports.h"
#include "window/clocks.h"
#include "window/drawing.h"
#include "window/messages.h"
#include "window/resignation.h"

namespace kumora {
namespace {

class BlankCanvas : public Canvas {
 public:
  void paint_picture(int, double, double) override {}
  void frame_rect(int, double, double, double, double) override {}
  void print_text(double, double, const std::string&, int, int, bool) override {}
  void refresh() override {}
};

std::string winner_name(Winner winner) {
  switch (winner) {
    case Winner::PERSON:
      return "person";
    case Winner::COMPUTER:
      return "computer";
    case Winner::SENTE:
      return "sente";
    case Winner::GOTE:
      return "gote";
  }
  return "?";
}

// Notes every call the part makes back into the window, in order.
class WindowCalls : public GameLifecycle, public PendingInput, public ProgramExit {
 public:
  void reset_game() override { calls.push_back("reset_game"); }
  void com_ban() override { calls.push_back("com_ban"); }
  void game_over_prompt(Winner winner) override {
    calls.push_back("game_over_prompt " + winner_name(winner));
  }
  void end_game_early(GameEnd how, Winner winner) override {
    calls.push_back(std::string(how == GameEnd::RESIGNED ? "resigned " : "time ran out ") +
                    winner_name(winner));
  }
  bool end_if_person_cannot_move() override { return false; }
  void drop_selection() override { calls.push_back("drop_selection"); }
  void hide_file_panel() override { calls.push_back("hide_file_panel"); }
  [[noreturn]] void end_program() override { throw ProgramEnded{}; }

  std::vector<std::string> calls;
};

class PartCallbacks : public ::testing::Test {
 protected:
  void SetUp() override { game_.open_afresh(); }

  // A game under way against the computer (MODE_COM) or a person, with
  // `side` to move.
  void play(Opponent opponent, Side side) {
    game_.play_against(opponent);
    game_.give_turn_to(side);
  }

  Game game_;
  Appearance appearance_;
  MenuTicks ticks_;
  Reporter reporter_;
  std::ostringstream boxes_;
  RecordingDialogs dialogs_{boxes_};
  RecordingSound sound_{boxes_};
  Messages messages_{dialogs_, sound_};
  BlankCanvas canvas_;
  FakeHost host_;
  WindowCalls window_;
  Drawing drawing_{canvas_, game_, appearance_, ticks_, host_, window_};
  Resignation resignation_{game_, drawing_, messages_, reporter_, window_, window_};
  Clocks clocks_{game_, appearance_, ticks_, drawing_, messages_, reporter_, host_, window_};
};

TEST_F(PartCallbacks, ResigningWithNoGameOnlyClosesThePanelAndSaysHowToStart) {
  resignation_.resign();
  EXPECT_EQ(window_.calls, std::vector<std::string>{"hide_file_panel"});
  EXPECT_EQ(reporter_.status(), "「対局」で対局を始めて下さい");
  EXPECT_NE(boxes_.str().find("「対局」で始めて下さい"), std::string::npos) << boxes_.str();
}

TEST_F(PartCallbacks, ResigningEndsTheGameForTheOtherSide) {
  const GameState& state = game_.state;
  const std::vector<std::pair<Side, std::string>> cases = {{state.sente, "resigned gote"},
                                                           {state.gote(), "resigned sente"}};
  for (const auto& [side, ended] : cases) {
    window_.calls.clear();
    play(MODE_MAN, side);
    resignation_.resign();
    EXPECT_EQ(window_.calls,
              (std::vector<std::string>{"hide_file_panel", "drop_selection", ended}));
    EXPECT_EQ(reporter_.status(), "投了しました");
  }
  window_.calls.clear();
  play(MODE_COM, state.lower_side);
  resignation_.resign();
  EXPECT_EQ(window_.calls.back(), "resigned computer");
}

TEST_F(PartCallbacks, RunningOutOfTimeLosesForTheSideWhoseClockRan) {
  const GameState& state = game_.state;
  play(MODE_COM, state.lower_side);
  clocks_.set_clock_timer(true);
  clocks_.lose_on_time(state.lower_side);
  clocks_.lose_on_time(state.upper_side());
  play(MODE_MAN, state.sente);
  clocks_.lose_on_time(state.sente);
  clocks_.lose_on_time(state.gote());
  EXPECT_EQ(window_.calls, (std::vector<std::string>{"time ran out computer", "time ran out person",
                                                     "time ran out gote", "time ran out sente"}));
  EXPECT_EQ(reporter_.status(), "時間切れです");
  EXPECT_FALSE(clocks_.clock_timer_enabled()) << "the clock stops at once";
  EXPECT_NE(boxes_.str().find("後手の時間が切れました"), std::string::npos) << boxes_.str();
}

}  // namespace
}  // namespace kumora
