// Every background chosen from the menu is saved as its own line of
// "Kumora.ini".
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>

#include "core/text_file.h"
#include "settings/settings_file.h"
#include "tests/temporary_folder.h"
#include "tests/window/gui_app.h"
#include "tools/scenario/scenario_runner.h"

namespace kumora {
namespace {

TEST(BackgroundChoice, EachMenuItemSavesItsOwnLine) {
  ensure_gui_app();
  const std::pair<const char*, int> items[] = {{"MIDORI", BACKGROUND_MIDORI},
                                               {"TATAMI", BACKGROUND_TATAMI},
                                               {"TAKE", BACKGROUND_TAKE},
                                               {"UCHU", BACKGROUND_UCHU},
                                               {"RENGA", BACKGROUND_RENGA}};
  for (const auto& [item, code] : items) {
    testing::TemporaryFolder folder;
    folder.enter();
    std::istringstream script(std::string("menu ") + item + "\n");
    std::ostringstream out, err;
    alarm(20);
    EXPECT_EQ(run_scenario(script, out, err), 0) << err.str();
    alarm(0);
    TextFileLines written;
    ASSERT_TRUE(read_text_file(SETTINGS_FILE_NAME, written));
    ASSERT_FALSE(written.lines.empty());
    EXPECT_EQ(written.lines[0], background_line(code)) << item;
  }
}

}  // namespace
}  // namespace kumora
