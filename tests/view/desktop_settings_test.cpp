// What the window remembers between runs: a first run shows the side panel
// in Japanese, a later run finds the choices made, and the window's place is
// fitted to the screen whatever the file says.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <climits>
#include <filesystem>
#include <fstream>

#include "tests/temporary_folder.h"
#include "view/desktop_settings.h"
#include "view/window_fit.h"

namespace kumora {
namespace {

TEST(DesktopSettings, AFirstRunShowsTheSidePanelInJapaneseAndLaterRunsRemember) {
  testing::TemporaryFolder config;
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  {
    const DesktopSettings first;
    EXPECT_TRUE(first.side_panel_shown());
    EXPECT_EQ(first.language(), Language::JAPANESE);
    EXPECT_FALSE(first.window_place());
    EXPECT_EQ(start_language(std::nullopt), Language::JAPANESE);
  }
  DesktopSettings().set_side_panel_shown(false);
  DesktopSettings().set_language(Language::ENGLISH);
  DesktopSettings().set_window_place({40, -30, 700, 560, true});
  const DesktopSettings later;
  EXPECT_FALSE(later.side_panel_shown());
  EXPECT_EQ(later.language(), Language::ENGLISH);
  ASSERT_TRUE(later.window_place());
  const WindowPlace place = *later.window_place();
  EXPECT_EQ(QRect(place.x, place.y, place.width, place.height), QRect(40, -30, 700, 560));
  EXPECT_TRUE(place.maximized);
  EXPECT_EQ(start_language(std::nullopt), Language::ENGLISH);
  EXPECT_EQ(start_language(Language::JAPANESE), Language::JAPANESE);
  EXPECT_TRUE(std::filesystem::exists(config.file("kumora-shogi/window.ini")));
}

TEST(DesktopSettings, TheLevelAndTheTimeControlAreRememberedWhenValid) {
  testing::TemporaryFolder config;
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  EXPECT_FALSE(DesktopSettings().level());
  EXPECT_TRUE(DesktopSettings().time_control().none());
  DesktopSettings().set_level(34);  // LEVEL3.4
  DesktopSettings().set_time_control({300, 10, 0});
  EXPECT_EQ(DesktopSettings().level(), 34);
  EXPECT_EQ(DesktopSettings().time_control(), (TimeControl{300, 10, 0}));
  DesktopSettings().set_level(6);  // no such level: the last one stays
  EXPECT_EQ(DesktopSettings().level(), 34);
  for (const char* line : {"level=6\ntime_control=0 0 5", "level=3.0\ntime_control=300 10",
                           "level=\ntime_control=-300 10 0"}) {
    std::ofstream(config.file("kumora-shogi/window.ini")) << "[General]\n" << line << "\n";
    EXPECT_FALSE(DesktopSettings().level()) << line;
    EXPECT_TRUE(DesktopSettings().time_control().none()) << line;
  }
}

TEST(DesktopSettings, APlaceThatIsNoNumbersIsNoPlace) {
  testing::TemporaryFolder config;
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  std::filesystem::create_directory(config.file("kumora-shogi"));
  for (const char* width : {"wide", "99999999999", "", "-", "12x"}) {
    std::ofstream(config.file("kumora-shogi/window.ini"))
        << "[General]\nx=0\ny=0\nheight=500\nwidth=" << width << "\n";
    EXPECT_FALSE(DesktopSettings().window_place()) << width;
  }
  std::ofstream(config.file("kumora-shogi/window.ini"))
      << "x=-2147483648\ny=2147483647\nwidth=2147483647\nheight=0\n";
  ASSERT_TRUE(DesktopSettings().window_place());
  EXPECT_EQ(DesktopSettings().window_place()->x, INT_MIN);
}

TEST(WindowFit, ASizeLargerThanTheScreenIsCutToItAndMovedOntoIt) {
  const QRect screen(0, 30, 1280, 994);
  const QSize smallest(480, 360);
  EXPECT_EQ(fit_to_screen({100, 100, 700, 560, false}, screen, smallest),
            QRect(100, 100, 700, 560));
  EXPECT_EQ(fit_to_screen({100, 100, 100000, 100000, false}, screen, smallest), screen);
  EXPECT_EQ(fit_to_screen({INT_MAX, INT_MAX, INT_MAX, INT_MAX, false}, screen, smallest), screen);
  EXPECT_EQ(fit_to_screen({INT_MIN, INT_MIN, INT_MIN, INT_MIN, false}, screen, smallest),
            QRect(0, 30, 480, 360));
  // Off the screen's right edge: moved back just far enough.
  EXPECT_EQ(fit_to_screen({1000, 500, 700, 560, false}, screen, smallest),
            QRect(580, 464, 700, 560));
  // A screen smaller than the smallest window: the screen's size.
  EXPECT_EQ(fit_to_screen({0, 0, 10, 10, false}, QRect(0, 0, 320, 200), smallest),
            QRect(0, 0, 320, 200));
}

}  // namespace
}  // namespace kumora

namespace kumora {
namespace {

TEST(DesktopSettings, TheQuickShowingOfTheComputersMoveIsOffUntilChosen) {
  testing::TemporaryFolder config;
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  EXPECT_FALSE(DesktopSettings().quick_com_moves());
  DesktopSettings().set_quick_com_moves(true);
  EXPECT_TRUE(DesktopSettings().quick_com_moves());
  DesktopSettings().set_quick_com_moves(false);
  EXPECT_FALSE(DesktopSettings().quick_com_moves());
}

}  // namespace
}  // namespace kumora
