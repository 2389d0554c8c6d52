// The network's view of a game: the checks a received move passes through
// (the one move generator and the position key after it), and the turn of a
// move between a board shown with 後手 below and the network's coordinates.
#include <gtest/gtest.h>

#include <memory>

#include "core/game_state.h"
#include "kifu/record.h"
#include "rules/candidates.h"
#include "window/net_record.h"

namespace kumora {
namespace {

RecordEntry entry(int fx, int fy, int tx, int ty, int moved, int placed, int taken) {
  RecordEntry e;
  e.from_x = fx, e.from_y = fy, e.to_x = tx, e.to_y = ty;
  e.moved = moved, e.placed = placed, e.taken = taken;
  return e;
}

// 先手's lance through its pawn, 後手's king into its line, the pawn takes it.
const RecordEntry LANCE = entry(1, 9, 1, 6, -20, -20, 0);
const RecordEntry KING_WALKS = entry(5, 1, 1, 4, 950, 950, 0);
const RecordEntry PAWN_TAKES_KING = entry(1, 7, 1, 4, -10, -10, 950);

// The move that follows `moves`, as the network carries it.
NetMove sent(const std::vector<RecordEntry>& moves, const RecordEntry& next) {
  std::vector<RecordEntry> after = moves;
  after.push_back(next);
  return to_net_move(next, keys_after(after).back());
}

TEST(NetRecord, AMoveIsTakenOnlyWithItsPieceItsCaptureAndItsKey) {
  const NetMove lance = sent({}, LANCE);
  EXPECT_TRUE(legal_after({}, lance));
  NetMove wrong_key = lance;
  wrong_key.key_after ^= 1;
  EXPECT_FALSE(legal_after({}, wrong_key));
  NetMove wrong_taken = lance;
  wrong_taken.taken = 10;
  EXPECT_FALSE(legal_after({}, wrong_taken));
  NetMove promoted = lance;
  promoted.placed = -21;
  EXPECT_FALSE(legal_after({}, promoted));
  // 後手's king walking first: out of turn.
  EXPECT_FALSE(legal_after({}, sent({}, KING_WALKS)));
  EXPECT_TRUE(legal_after({LANCE}, sent({LANCE}, KING_WALKS)));
  EXPECT_TRUE(legal_after({LANCE, KING_WALKS}, sent({LANCE, KING_WALKS}, PAWN_TAKES_KING)));
}

TEST(NetRecord, NothingFollowsATakenKing) {
  const std::vector<RecordEntry> over = {LANCE, KING_WALKS, PAWN_TAKES_KING};
  const RecordEntry any_gote_move = entry(9, 1, 9, 2, 20, 20, 0);
  EXPECT_FALSE(legal_after(over, sent(over, any_gote_move)));
}

TEST(NetRecord, KeysTellPositionsAndTheSideToMoveApart) {
  const std::vector<std::uint64_t> keys = keys_after({LANCE, KING_WALKS, PAWN_TAKES_KING});
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_NE(keys[0], keys[1]);
  EXPECT_NE(keys[1], keys[2]);
  EXPECT_EQ(keys_after({LANCE}).front(), keys[0]);
}

TEST(NetRecord, TurningAMoveTwiceGivesItBackAndDropsKeepTheirKind) {
  const RecordEntry turned = network_view(KING_WALKS, true);
  EXPECT_EQ(turned.from_x, 5);
  EXPECT_EQ(turned.from_y, 9);
  EXPECT_EQ(turned.to_x, 9);
  EXPECT_EQ(turned.moved, -950);
  const RecordEntry back = network_view(turned, true);
  EXPECT_EQ(to_net_move(back, 7), to_net_move(KING_WALKS, 7));
  // A pawn dropped from the lower hand's row 3 comes from the upper hand's row 7.
  const RecordEntry drop = network_view(entry(LOWER_HAND_COLUMN, 3, 4, 5, -10, -10, 0), true);
  EXPECT_EQ(drop.from_x, UPPER_HAND_COLUMN);
  EXPECT_EQ(drop.from_y, 7);
  EXPECT_EQ(drop.placed, 10);
}

// Every move the generator gives, drops from either hand included, passes
// the checks as the record writes it: the upper hand's drops by row.
TEST(NetRecord, EveryMoveOfTheGeneratorPasses) {
  std::vector<RecordEntry> moves = {LANCE, entry(9, 1, 9, 4, 20, 20, 0),
                                    entry(1, 7, 1, 3, -10, -10, 10)};
  // 後手 takes 先手's lance with its own; then 先手 to move has a pawn in hand.
  moves.push_back(entry(9, 4, 9, 7, 20, 20, -10));
  for (int round = 0; round < 2; ++round) {
    GameState state;
    set_initial_position(state);
    recompute_hand_totals(state);
    for (const RecordEntry& e : moves) redo_entry(state, e);
    const int side = moves.size() % 2 == 0 ? -1 : +1;
    auto list = std::make_unique<CandidateList>();
    generate_candidates(state.board, side < 0 ? state.lower_hand : state.upper_hand, side, *list);
    int drops = 0;
    RecordEntry a_drop;
    for (int i = 0; i < list->count; ++i) {
      const Candidate& c = list->move[i];
      const bool upper_drop = c.from_x == UPPER_HAND_COLUMN;
      const RecordEntry e = entry(c.from_x, upper_drop ? 8 - c.from_y : c.from_y, c.to_x, c.to_y,
                                  c.moved, c.placed, state.board.at_or_empty(c.to_x, c.to_y));
      if (c.is_drop()) a_drop = e, ++drops;
      EXPECT_TRUE(legal_after(moves, sent(moves, e))) << c.from_x << "," << c.from_y;
    }
    EXPECT_GT(drops, 0);
    // 先手 drops its pawn; 後手, with 先手's pawn in hand, drops from the upper hand.
    moves.push_back(a_drop);
  }
}

}  // namespace
}  // namespace kumora
