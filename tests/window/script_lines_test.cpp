// Lines of white space other than blanks and tabs are malformed script lines.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/window/gui_app.h"
#include "tools/scenario/scenario_runner.h"

namespace kumora {
namespace {

TEST(ScriptLines, OnlyAFormFeedOrAVerticalTabIsAMalformedLine) {
  ensure_gui_app();
  for (const std::string line : {"\f", "\v", " \f\t", "\v\r"}) {
    std::istringstream script("# a comment\n\n" + line + "\nmenu START\n");
    std::ostringstream out, err;
    EXPECT_EQ(run_scenario(script, out, err), SCENARIO_BAD_LINE);
    EXPECT_EQ(err.str().rfind("line 3: ", 0), 0u) << err.str();
  }
}

}  // namespace
}  // namespace kumora
