// Every game the computer plays from the even position, saved as a record
// file, reads back: the reader's rule checks accept every move it makes.
#include <gtest/gtest.h>

#include "tools/soak/self_play.h"

namespace kumora {
namespace {

TEST(SelfPlayRecords, EveryEvenGameReadsBackFromItsRecordFile) {
  SoakOptions options;
  options.games = 200;
  options.seed = 5;
  options.random_handicaps = false;
  const SoakFigures figures = run_self_play(options);
  EXPECT_EQ(figures.games, 200);
  EXPECT_EQ(figures.violations, 0) << (figures.problems.empty() ? "" : figures.problems[0]);
}

}  // namespace
}  // namespace kumora
