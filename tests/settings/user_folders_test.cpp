// Where the program keeps the user's files, and how their paths are shown.
#include "settings/user_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace kumora {
namespace {

// Sets an environment variable for one test and gives the old value back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedVariable() { old_.empty() ? unsetenv(name_) : setenv(name_, old_.c_str(), 1); }

 private:
  const char* name_;
  std::string old_;
};

TEST(ShownPath, WritesTheHomeFolderAsATildeOnlyWhereItIsAWholeFolder) {
  ScopedVariable home("HOME", "/home/al");
  EXPECT_EQ(shown_path("/home/al"), "~");
  EXPECT_EQ(shown_path("/home/al/.local/share/kumora-shogi"), "~/.local/share/kumora-shogi");
  EXPECT_EQ(shown_path("/home/al2/games"), "/home/al2/games");
  EXPECT_EQ(shown_path("/home/alfred"), "/home/alfred");
  EXPECT_EQ(shown_path("/srv/home/al"), "/srv/home/al");
}

TEST(ShownPath, ARootOrRelativeHomeIsNotAbbreviated) {
  {
    ScopedVariable home("HOME", "/");
    EXPECT_EQ(shown_path("/tmp/x"), "/tmp/x");
  }
  ScopedVariable home("HOME", "home/al");
  EXPECT_EQ(shown_path("home/al/x"), "home/al/x");
}

TEST(UserDataFolder, FollowsAnAbsoluteXdgDataHomeElseTheHomeFolder) {
  ScopedVariable home("HOME", "/home/al");
  {
    ScopedVariable data("XDG_DATA_HOME", "/data/al");
    EXPECT_EQ(user_data_folder(), "/data/al/kumora-shogi");
  }
  {
    ScopedVariable data("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(user_data_folder(), "/home/al/.local/share/kumora-shogi");
  }
  ScopedVariable data("XDG_DATA_HOME", nullptr);
  EXPECT_EQ(user_data_folder(), "/home/al/.local/share/kumora-shogi");
}

}  // namespace
}  // namespace kumora
