// The transposition table keeps what is worth most when a bucket is full:
// deep results of this search before shallow or old ones.
#include <gtest/gtest.h>

#include "engine/transposition_table.h"

namespace kumora {

namespace {

// Keys that fall in one bucket of a one-megabyte table (far fewer than 2^40
// buckets), told apart by their high bits.
PositionKey in_one_bucket(int n) { return 0x2f1 + (static_cast<PositionKey>(n + 1) << 40); }

bool kept(const TranspositionTable& table, int n) {
  return table.probe(in_one_bucket(n)).has_value();
}

}  // namespace

TEST(TranspositionTable, GivesBackWhatWasStored) {
  TranspositionTable table(1);
  table.store(in_one_bucket(0), -1234, 7, Bound::Lower, 42);
  table.store(in_one_bucket(1), 5, 300, Bound::Exact, 0);
  const std::optional<TableEntry> entry = table.probe(in_one_bucket(0));
  ASSERT_NE(entry, std::nullopt);
  EXPECT_EQ(entry->score, -1234);
  EXPECT_EQ(entry->depth, 7);
  EXPECT_EQ(entry->bound, Bound::Lower);
  EXPECT_EQ(entry->move, 42);
  EXPECT_EQ(table.probe(in_one_bucket(1))->depth, 127);
  EXPECT_EQ(table.probe(in_one_bucket(2)), std::nullopt);
  table.clear();
  EXPECT_EQ(table.probe(in_one_bucket(0)), std::nullopt);
}

TEST(TranspositionTable, ADeepResultOutlivesAShallowOneOfTheSameSearch) {
  TranspositionTable table(1);
  const PositionKey key = in_one_bucket(0);
  table.store(key, 50, 10, Bound::Lower, 9);
  table.store(key, 60, 3, Bound::Upper, 0);
  EXPECT_EQ(table.probe(key)->score, 50);
  // An exact result replaces it, and keeps the best move when it has none.
  table.store(key, 70, 3, Bound::Exact, 0);
  EXPECT_EQ(table.probe(key)->score, 70);
  EXPECT_EQ(table.probe(key)->move, 9);
  // In the next search any result replaces the old one.
  table.store(key, 75, 12, Bound::Lower, 4);
  table.next_generation();
  table.store(key, 80, 1, Bound::Upper, 5);
  EXPECT_EQ(table.probe(key)->score, 80);
  EXPECT_EQ(table.probe(key)->move, 5);
}

TEST(TranspositionTable, AFullBucketGivesUpItsShallowestThenItsOldestEntry) {
  TranspositionTable table(1);
  const int depths[] = {5, 9, 2, 7};
  for (int n = 0; n < 4; ++n) table.store(in_one_bucket(n), n, depths[n], Bound::Exact, 0);
  table.store(in_one_bucket(4), 4, 4, Bound::Exact, 0);
  EXPECT_FALSE(kept(table, 2));
  for (int n : {0, 1, 3, 4}) EXPECT_TRUE(kept(table, n)) << n;

  // Two searches later the old entries are worth less than a fresh shallow
  // one: the shallowest old one goes, then the next.
  table.next_generation();
  table.next_generation();
  table.store(in_one_bucket(5), 5, 1, Bound::Exact, 0);
  EXPECT_FALSE(kept(table, 4));
  table.store(in_one_bucket(6), 6, 1, Bound::Exact, 0);
  EXPECT_FALSE(kept(table, 0));
  for (int n : {1, 3, 5, 6}) EXPECT_TRUE(kept(table, n)) << n;
}

}  // namespace kumora
