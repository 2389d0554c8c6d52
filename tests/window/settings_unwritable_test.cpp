// When the settings file cannot be written, the options stay as the person
// set them for this run, the file is left as it is, and the person is told
// once.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "tests/window/gui_app.h"
#include "tests/window/occurrences.h"
#include "tools/scenario/scenario_runner.h"

namespace kumora {
namespace {

namespace fs = std::filesystem;

// The board lines of every "marks" block of a transcript.
std::vector<std::string> marks_blocks(const std::string& transcript) {
  std::vector<std::string> blocks;
  for (size_t end = transcript.find("upper_hand_marks"); end != std::string::npos;
       end = transcript.find("upper_hand_marks", end + 1)) {
    size_t start = end;
    for (int line = 0; line < 10 && start > 0; ++line) start = transcript.rfind('\n', start - 1);
    blocks.push_back(transcript.substr(start, end - start));
  }
  return blocks;
}

TEST(SettingsUnwritable, TicksStayAsSetAndThePersonIsToldOnce) {
  ensure_gui_app();
  const fs::path previous = fs::current_path();
  const fs::path dir = fs::temp_directory_path() / ("kumora-settings-" + std::to_string(getpid()));
  fs::remove_all(dir);
  // A folder where the file should be: it can be neither read nor replaced.
  fs::create_directories(dir / "Kumora.ini");
  fs::current_path(dir);
  std::istringstream script(
      "menu START\nmenu SIDOU\nclick 8 8\nmarks\nclick 8 8\nmenu SIDOU\nclick 8 8\nmarks\n"
      "menu UCHU\nmenu KEIKA\n");
  std::ostringstream out, err;
  const int status = run_scenario(script, out, err);
  fs::current_path(previous);
  const bool still_a_folder = fs::is_directory(dir / "Kumora.ini");
  fs::remove_all(dir);

  ASSERT_EQ(status, 0) << err.str();
  const std::string transcript = out.str();
  EXPECT_EQ(count_of(transcript, "box \"設定\""), 1) << transcript;
  // Guidance on: the rook's links are framed in white (15); off again: none is.
  const std::vector<std::string> blocks = marks_blocks(transcript);
  ASSERT_EQ(blocks.size(), 2u) << transcript;
  EXPECT_NE(blocks[0].find(" 15"), std::string::npos) << blocks[0];
  EXPECT_EQ(blocks[1].find(" 15"), std::string::npos) << blocks[1];
  EXPECT_TRUE(still_a_folder);
}

}  // namespace
}  // namespace kumora
