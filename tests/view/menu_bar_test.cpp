// The menu bar of the real window: every item in its place with its caption,
// none disabled, and the check marks the window has after it is loaded.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <vector>

#include "core/levels.h"
#include "tests/view/qt_app.h"
#include "view/desktop_settings.h"
#include "view/game_window.h"
#include "view/language.h"

namespace kumora {
namespace {

struct ExpectedItem {
  int depth;
  const char* caption;
  bool checked;
};

// The whole tree as a person sees it after the first start (no settings file).
const std::vector<ExpectedItem> EXPECTED = {
    {0, "対局", false},
    {1, "対局(人間)", false},
    {2, "スタート", false},
    {1, "対局(COM)", false},
    {2, "先手", false},
    {2, "後手", false},
    {1, "前回の続き", false},
    {1, "投了", false},
    {1, "持ち時間", false},
    {1, "ネット対局", false},
    {2, "相手を待つ", false},
    {2, "相手に接続", false},
    {1, "COM対局ﾚﾍﾞﾙ", false},
    {2, "LEVEL1", false},
    {2, "LEVEL2", false},
    {2, "LEVEL3", true},
    {2, "LEVEL3.1", false},
    {2, "LEVEL3.2", false},
    {2, "LEVEL3.3", false},
    {2, "LEVEL3.4", false},
    {2, "LEVEL3.5", false},
    {2, "LEVEL3.6", false},
    {2, "LEVEL3.7", false},
    {2, "LEVEL3.8", false},
    {2, "LEVEL3.9", false},
    {2, "LEVEL4", false},
    {2, "LEVEL5", false},
    {1, "終わり", false},
    {0, "局面", false},
    {1, "最初", false},
    {1, "反転", false},
    {1, "待った", false},
    {0, "戻", false},
    {0, "進", false},
    {0, "△", false},
    {0, "▽", false},
    {0, "ヒント", false},
    {0, "棋譜", false},
    {1, "読込", false},
    {1, "書込", false},
    {1, "最近の対局", false},
    {0, "ｵﾌﾟｼｮﾝ", false},
    {1, "背景画", false},
    {2, "緑", true},
    {2, "畳", false},
    {2, "竹", false},
    {2, "宇宙", false},
    {2, "煉瓦", false},
    {1, "移動指導", false},
    {1, "経過時間", true},
    {1, "BGM", true},
    {1, "サイドパネル", true},
    {1, "COMの手を速く表示", false},
    {0, "その他", false},
    {1, "ﾊﾞｰｼﾞｮﾝ情報", false},
    {1, "遊び方", false},
    {1, "Language / 言語", false},
    {2, "日本語", true},
    {2, "English", false},
};

class SilentSound : public SoundPort {
 public:
  bool initialize() override { return true; }
  int load_wave(const std::string&, int, std::string&) override { return 0; }
  void play(int) override {}
  void play_looping(int) override {}
  void stop(int) override {}
  void free(int) override {}
  void terminate() override {}
};

void collect(const QList<QAction*>& actions, int depth, std::vector<const QAction*>& out,
             std::vector<int>& depths) {
  for (const QAction* action : actions) {
    out.push_back(action);
    depths.push_back(depth);
    if (action->menu()) collect(action->menu()->actions(), depth + 1, out, depths);
  }
}

TEST(MenuBar, HoldsTheWholeTreeWithItsCaptionsAndTicks) {
  ensure_qt_app();
  QTemporaryDir run_dir;
  ASSERT_TRUE(run_dir.isValid());
  const QString previous = QDir::currentPath();
  QDir::setCurrent(run_dir.path());
  {
    SilentSound sound;
    LanguageSwitch language({});
    language.choose(Language::JAPANESE);
    GameWindow window(sound, language);
    window.load();
    std::vector<const QAction*> actions;
    std::vector<int> depths;
    collect(window.menuBar()->actions(), 0, actions, depths);
    ASSERT_EQ(actions.size(), EXPECTED.size());
    for (size_t i = 0; i < EXPECTED.size(); ++i) {
      SCOPED_TRACE(EXPECTED[i].caption);
      EXPECT_EQ(actions[i]->text().toStdString(), EXPECTED[i].caption);
      EXPECT_EQ(depths[i], EXPECTED[i].depth);
      EXPECT_EQ(actions[i]->isChecked(), EXPECTED[i].checked);
      EXPECT_TRUE(actions[i]->isEnabled());
      EXPECT_TRUE(actions[i]->isVisible());
    }
  }
  QDir::setCurrent(previous);
}

// A level and a time control chosen in an earlier run are the window's
// again; a level chosen now is remembered for the next.
TEST(MenuBar, TicksTheLevelAndSetsTheTimeControlChosenBefore) {
  ensure_qt_app();
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  const QByteArray previous_config = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  DesktopSettings().set_level(4);
  DesktopSettings().set_time_control({300, 10, 0});
  {
    SilentSound sound;
    LanguageSwitch language({});
    GameWindow window(sound, language);
    window.load();
    EXPECT_TRUE(window.action(MenuId::LEVEL4)->isChecked());
    EXPECT_FALSE(window.action(MenuId::LEVEL3)->isChecked());
    EXPECT_EQ(window.logic().game().state.level, 4);
    EXPECT_EQ(window.logic().time_control(), (TimeControl{300, 10, 0}));
    window.action(MenuId::LEVEL3_2)->trigger();
    EXPECT_EQ(DesktopSettings().level(), LADDER_LEVEL_BASE + 2);
  }
  qputenv("XDG_CONFIG_HOME", previous_config);
}

}  // namespace
}  // namespace kumora
