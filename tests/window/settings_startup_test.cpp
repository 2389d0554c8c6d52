// A start-up with a pipe or a device in place of "Kumora.ini" neither waits
// nor reads for ever: the file is a bad one, and the default settings are
// written in its place.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "core/text_file.h"
#include "settings/settings_file.h"
#include "tests/temporary_folder.h"
#include "tools/scenario/scenario_runner.h"
#include "window/gui_app.h"

namespace kumora {
namespace {

namespace fs = std::filesystem;

void expect_start_writes_defaults(const std::function<void()>& plant) {
  ensure_gui_app();
  testing::TemporaryFolder folder;
  folder.enter();
  plant();
  alarm(20);
  std::istringstream script("menu OPTION\n");
  std::ostringstream out, err;
  EXPECT_EQ(run_scenario(script, out, err), 0) << err.str();
  alarm(0);
  TextFileLines written;
  EXPECT_TRUE(read_text_file(SETTINGS_FILE_NAME, written));
  EXPECT_EQ(written.lines, default_settings_lines());
}

TEST(SettingsStartup, APipeIsABadSettingsFile) {
  expect_start_writes_defaults([] { ASSERT_EQ(mkfifo(SETTINGS_FILE_NAME, 0600), 0); });
}

TEST(SettingsStartup, ALinkToAnEndlessDeviceIsABadSettingsFile) {
  expect_start_writes_defaults([] { fs::create_symlink("/dev/zero", SETTINGS_FILE_NAME); });
}

}  // namespace
}  // namespace kumora
