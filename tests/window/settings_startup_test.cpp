// A start-up with a pipe or a device in place of "Kumora.ini" neither waits
// nor reads for ever: the file is a bad one, and the default settings are
// written in its place; a link is replaced itself, never written through.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "core/text_file.h"
#include "settings/settings_file.h"
#include "tests/temporary_folder.h"
#include "tests/window/gui_app.h"
#include "tools/scenario/scenario_runner.h"

namespace kumora {
namespace {

namespace fs = std::filesystem;

// `afterwards` looks at the folder once the defaults are written.
void expect_start_writes_defaults(const std::function<void()>& plant,
                                  const std::function<void()>& afterwards = {}) {
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
  if (afterwards) afterwards();
}

TEST(SettingsStartup, APipeIsABadSettingsFile) {
  expect_start_writes_defaults([] { ASSERT_EQ(mkfifo(SETTINGS_FILE_NAME, 0600), 0); });
}

TEST(SettingsStartup, ALinkToAnEndlessDeviceIsABadSettingsFile) {
  expect_start_writes_defaults([] { fs::create_symlink("/dev/zero", SETTINGS_FILE_NAME); });
}

// A link to a file anyone may write: the settings replace the link itself,
// as a file of the user's own permissions, and the other file stays.
TEST(SettingsStartup, ALinkIsReplacedWithAFileOfTheUsualPermissions) {
  const mode_t old_mask = umask(022);
  using fs::perms;
  expect_start_writes_defaults(
      [] {
        std::string error;
        ASSERT_TRUE(write_text_file_atomic("shared.txt", {"theirs"}, error));
        fs::permissions("shared.txt", perms::owner_read | perms::owner_write | perms::group_read |
                                          perms::group_write | perms::others_read |
                                          perms::others_write);
        fs::create_symlink("shared.txt", SETTINGS_FILE_NAME);
      },
      [] {
        TextFileLines shared;
        EXPECT_TRUE(read_text_file("shared.txt", shared));
        EXPECT_EQ(shared.lines, std::vector<std::string>{"theirs"});
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(SETTINGS_FILE_NAME)));
        EXPECT_EQ(fs::status(SETTINGS_FILE_NAME).permissions(),
                  perms::owner_read | perms::owner_write | perms::group_read | perms::others_read);
      });
  umask(old_mask);
}

}  // namespace
}  // namespace kumora
