// How the computer's move is shown: link by link (0.8 seconds a cell), or in
// about half a second in all with ｵﾌﾟｼｮﾝ → COMの手を速く表示, which the
// window keeps out of "Kumora.ini"; and the record gains the move only once
// the board shows it, so that the side panel's move list never runs ahead.
// A display option chosen meanwhile (the real window runs it during the
// wait) redraws the window with the thinking caption still on it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <sstream>
#include <utility>

#include "com/level_computer_player.h"
#include "core/text_file.h"
#include "settings/settings_file.h"
#include "tests/temporary_folder.h"
#include "tests/window/gui_app.h"
#include "tools/scenario/recording_ports.h"
#include "window/main_window.h"

namespace kumora {
namespace {

// Keeps the texts printed, and notes a picture painted where the computer's
// thinking caption and last move are printed (left of the board, row 8).
class TextCanvas : public Canvas {
 public:
  void paint_picture(int, double x, double y) override {
    if (y == BOARD_Y0 + 8 * CELL_H && x < BOARD_X0 + CELL_W) texts.push_back(PAINTED_OVER);
  }
  void frame_rect(int, double, double, double, double) override {}
  void print_text(double, double, const std::string& text, int, int, bool) override {
    texts.push_back(text);
  }
  void refresh() override {}
  std::vector<std::string> texts;
  static constexpr const char* PAINTED_OVER = "(painted over)";
};

// Notes every wait, with the length of the record at the time.
class WaitingHost : public FakeHost {
 public:
  bool wait(double seconds) override {
    waits.push_back(seconds);
    record_lengths.push_back(window == nullptr ? -1 : window->game().record.length);
    if (during_wait) std::exchange(during_wait, nullptr)();
    return true;
  }
  MainWindow* window = nullptr;
  // Runs once, within the next wait.
  std::function<void()> during_wait;
  std::vector<double> waits;
  std::vector<int> record_lengths;
};

class ComputerMoveShowing : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_gui_app();
    folder_.enter();
    setenv("XDG_DATA_HOME", folder_.path().c_str(), 1);
    host_.window = &window_;
    window_.on_window_opened();
    window_.run_menu(MenuId::VS_COM_AS_SENTE);
  }

  void click(int x, int y) {
    window_.on_mouse_down(1, 0, BOARD_X0 + CELL_W * x + CELL_W / 2.0,
                          BOARD_Y0 + CELL_H * y + CELL_H / 2.0);
  }

  // The person's rook through its pawn to ２六; the computer answers within
  // the same press. Answers the waits of the computer's showing.
  std::vector<double> computer_reply() {
    click(8, 8);
    click(8, 7);
    host_.waits.clear();
    host_.record_lengths.clear();
    click(8, 6);
    return host_.waits;
  }

  testing::TemporaryFolder folder_;
  TextCanvas canvas_;
  std::ostringstream boxes_;
  RecordingDialogs dialogs_{boxes_};
  RecordingSound sound_{boxes_};
  WaitingHost host_;
  LevelComputerPlayer computer_;
  MainWindow window_{canvas_, dialogs_, sound_, host_, computer_};
};

double total(const std::vector<double>& waits) {
  return std::accumulate(waits.begin(), waits.end(), 0.0);
}

TEST_F(ComputerMoveShowing, LinkByLinkUnlessQuickIsTicked) {
  const std::vector<double> normal = computer_reply();
  ASSERT_EQ(window_.game().record.length, 2);
  // Two blinks of two halves for each cell of the chain, origin to destination.
  ASSERT_GE(normal.size(), 8u);
  ASSERT_EQ(normal.size() % 4, 0u);
  EXPECT_NEAR(total(normal), 0.2 * normal.size(), 1e-9);

  window_.run_menu(MenuId::QUICK_COM_MOVES);
  EXPECT_TRUE(window_.is_checked(MenuId::QUICK_COM_MOVES));
  window_.run_menu(MenuId::RESET_GAME);
  window_.run_menu(MenuId::VS_COM_AS_SENTE);
  const std::vector<double> quick = computer_reply();
  EXPECT_EQ(quick.size(), normal.size()) << "every cell still blinks";
  EXPECT_NEAR(total(quick), 0.5, 1e-9);

  window_.run_menu(MenuId::QUICK_COM_MOVES);
  EXPECT_FALSE(window_.is_checked(MenuId::QUICK_COM_MOVES));
}

TEST_F(ComputerMoveShowing, TheRecordGainsTheMoveWhenTheBoardShowsIt) {
  computer_reply();
  ASSERT_FALSE(host_.record_lengths.empty());
  for (const int length : host_.record_lengths) EXPECT_EQ(length, 1) << "while showing";
  EXPECT_EQ(window_.game().record.length, 2);
}

// The last thing drawn where the caption stands is the caption.
bool caption_shown(const std::vector<std::string>& drawn) {
  const auto last = std::find_if(drawn.rbegin(), drawn.rend(), [](const std::string& text) {
    return text == TextCanvas::PAINTED_OVER || text == "思考中";
  });
  return last != drawn.rend() && *last == "思考中";
}

TEST_F(ComputerMoveShowing, ABackgroundChosenWhileShowingKeepsTheThinkingCaption) {
  // The second reply, so that the computer's last move is printed again too.
  computer_reply();
  click(9, 9);
  click(9, 7);
  std::vector<std::string> redrawn;
  host_.during_wait = [&] {
    canvas_.texts.clear();
    window_.run_menu(MenuId::BACKGROUND_TATAMI);
    redrawn = canvas_.texts;
  };
  click(9, 6);
  ASSERT_EQ(window_.game().record.length, 4);
  EXPECT_TRUE(caption_shown(redrawn));
  // Once the move is shown, a redraw leaves the caption out.
  canvas_.texts.clear();
  window_.run_menu(MenuId::BACKGROUND_GREEN);
  EXPECT_FALSE(caption_shown(canvas_.texts));
}

TEST_F(ComputerMoveShowing, TheQuickOptionStaysOutOfTheSettingsFile) {
  TextFileLines before;
  ASSERT_TRUE(read_text_file(SETTINGS_FILE_NAME, before));
  window_.run_menu(MenuId::QUICK_COM_MOVES);
  TextFileLines after;
  ASSERT_TRUE(read_text_file(SETTINGS_FILE_NAME, after));
  EXPECT_EQ(after.lines, before.lines);
}

}  // namespace
}  // namespace kumora
