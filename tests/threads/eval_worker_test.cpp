// The evaluation graph's worker values the positions asked for on its own
// thread and hands the values over on the thread of the window; a new
// request replaces the old one, and the worker ends cleanly while busy.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>

#include "view/eval_worker.h"

namespace kumora {
namespace {

std::vector<EnginePosition> opening_positions(int count) {
  GameState state;
  set_initial_position(state);
  std::vector<EnginePosition> positions;
  for (int i = 0; i < count; ++i) {
    EnginePosition position = engine_position(state, i % 2 ? +1 : -1, i);
    position.board(1 + i % 9, 5) = i % 2 ? PAWN : -PAWN;  // a different position each time
    positions.push_back(position);
  }
  return positions;
}

// Runs the event loop until every value is known (or a generous minute passes).
std::vector<std::optional<int>> values_when_known(EvalWorker& worker, size_t count) {
  std::vector<std::optional<int>> latest;
  worker.on_values = [&](const std::vector<std::optional<int>>& values) { latest = values; };
  QElapsedTimer timer;
  timer.start();
  auto all_known = [&] {
    return latest.size() == count &&
           std::all_of(latest.begin(), latest.end(), [](const auto& v) { return v.has_value(); });
  };
  while (!all_known() && timer.elapsed() < 60000) QCoreApplication::processEvents();
  return latest;
}

TEST(EvalWorker, ValuesEveryPositionAskedForAndFollowsANewRequest) {
  int argc = 0;
  QCoreApplication app(argc, nullptr);
  EvalWorker worker(engine_value_for_lower, 200);
  worker.evaluate(opening_positions(6));
  worker.evaluate(opening_positions(4));  // replaces the first request
  const auto values = values_when_known(worker, 4);
  ASSERT_EQ(values.size(), 4u);
  for (const auto& value : values) EXPECT_TRUE(value.has_value());

  worker.evaluate(opening_positions(8));
  EXPECT_EQ(values_when_known(worker, 8).size(), 8u);
  worker.evaluate(opening_positions(30));  // still busy when the worker is destroyed
}

TEST(EvalWorker, ValuesEachPositionOnceInTheOrderAskedFor) {
  int argc = 0;
  QCoreApplication app(argc, nullptr);
  std::atomic<int> searches = 0;
  // A stand-in search: the value is the file of the pawn that makes the position differ.
  auto pawn_file = [&](const EnginePosition& position, std::int64_t) {
    ++searches;
    for (int x = 1; x <= 9; ++x)
      if (std::abs(position.board(x, 5)) == PAWN) return x * 10;
    return 0;
  };
  EvalWorker worker(pawn_file, 200);
  worker.evaluate(opening_positions(4));
  const auto four = values_when_known(worker, 4);
  ASSERT_EQ(four.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(four[i], (1 + i % 9) * 10) << "position " << i;

  worker.evaluate(opening_positions(6));  // the first four again, and two more
  const auto six = values_when_known(worker, 6);
  ASSERT_EQ(six.size(), 6u);
  EXPECT_EQ(six[5], 60);
  EXPECT_EQ(searches, 6) << "a position already valued is not searched again";
}

}  // namespace
}  // namespace kumora
