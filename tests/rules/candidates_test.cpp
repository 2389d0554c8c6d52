// The shared candidate generator against candidates built map by map with
// build_reach_map, for both sides, and its drop rules on hand-made positions.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "rules/candidates.h"
#include "rules/drops_promotion.h"
#include "rules/reach_map.h"
#include "rules/reverse.h"
#include "tests/com/test_positions.h"
#include "tests/support/random_positions.h"

namespace kumora {
namespace {

bool on_side(int code, int side) { return side > 0 ? code >= 10 : code <= -10; }

// The last rows a kind may not be dropped on, counted from the side's far edge.
bool start_allowed(int side, int kind, int y) {
  const int far_rows = kind <= 2 ? 1 : kind == 3 ? 2 : 0;
  return side > 0 ? y <= 9 - far_rows : y > far_rows;
}

void add_map(const ReachState& reach, int x, int y, int moving, std::vector<Candidate>& out) {
  for (int tx = 1; tx <= 9; ++tx)
    for (int ty = 1; ty <= 9; ++ty) {
      if (!reach.reach_map(tx, ty)) continue;
      auto c = [&](int placed) {
        return Candidate{static_cast<std::int8_t>(x),       static_cast<std::int8_t>(y),
                         static_cast<std::int8_t>(tx),      static_cast<std::int8_t>(ty),
                         static_cast<std::int16_t>(moving), static_cast<std::int16_t>(placed)};
      };
      const int promoted = promoted_code(x, y, tx, ty, moving);
      if (promoted == moving || may_stay_unpromoted(ty, moving)) out.push_back(c(moving));
      if (promoted != moving) out.push_back(c(promoted));
    }
}

// The drop map whose chains start only where the kind may be dropped.
ReachState legal_start_map(const Board& board, int side, int kind) {
  ReachState reach;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (on_side(board(x, y), side) && start_allowed(side, kind, y))
        spread_reach(reach, board, x, y, board(x, y), Flood::Drop, REACH_DESTINATIONS);
  return reach;
}

std::vector<Candidate> map_by_map(const Board& board, const int* hand, int side) {
  std::vector<Candidate> out;
  ReachState reach;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (on_side(board(x, y), side)) {
        build_reach_map(reach, board, x, y, REACH_DESTINATIONS);
        add_map(reach, x, y, board(x, y), out);
      }
  const int hand_x = side > 0 ? UPPER_HAND_COLUMN : LOWER_HAND_COLUMN;
  for (int kind = 1; kind <= 7; ++kind) {
    if (hand[kind] <= 0) continue;
    build_reach_map(reach, board, hand_x, 1, REACH_DESTINATIONS);
    const ReachState legal = legal_start_map(board, side, kind);
    const int piece = side * HAND_SLOT_CODES[kind];
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        reach.reach_map(x, y) = reach.reach_map(x, y) && legal.reach_map(x, y);
        if (second_pawn_in_file(board, hand_x, x, piece)) reach.reach_map(x, y) = false;
      }
    add_map(reach, hand_x, side > 0 ? kind : kind + 2, piece, out);
  }
  return out;
}

std::vector<Candidate> generated(const Board& board, const int* hand, int side) {
  static CandidateList list;
  generate_candidates(board, hand, side, list);
  return {list.move, list.move + list.count};
}

// The board moves of a candidate list, sorted, seen from the other side of
// the board when `turn` is set.
std::vector<Candidate> sorted_board_moves(const std::vector<Candidate>& moves, bool turn) {
  std::vector<Candidate> turned;
  for (const Candidate& c : moves) {
    if (c.is_drop()) continue;
    if (!turn) {
      turned.push_back(c);
      continue;
    }
    turned.push_back({static_cast<std::int8_t>(10 - c.from_x),
                      static_cast<std::int8_t>(10 - c.from_y),
                      static_cast<std::int8_t>(10 - c.to_x), static_cast<std::int8_t>(10 - c.to_y),
                      static_cast<std::int16_t>(-c.moved), static_cast<std::int16_t>(-c.placed)});
  }
  auto key = [](const Candidate& c) {
    return std::make_tuple(c.from_x, c.from_y, c.to_x, c.to_y, c.placed);
  };
  std::sort(turned.begin(), turned.end(), [&](auto& a, auto& b) { return key(a) < key(b); });
  return turned;
}

TEST(Candidates, EqualTheReachMapsInOrderForBothSidesOnRandomPositions) {
  std::mt19937 rng(20250101);
  int drops = 0;
  int promotions = 0;
  for (int n = 0; n < 3000; ++n) {
    GameState state = testing::random_position(rng, 80);
    for (int k = 1; k <= 7; ++k) {  // hands that hold every kind now and then
      if (rng() % 4 == 0) state.upper_hand[k] += 1;
      if (rng() % 4 == 0) state.lower_hand[k] += 1;
    }
    for (int side : {+1, -1}) {
      const int* hand = side > 0 ? state.upper_hand : state.lower_hand;
      const std::vector<Candidate> fast = generated(state.board, hand, side);
      ASSERT_EQ(fast, map_by_map(state.board, hand, side)) << "position " << n << " side " << side;
      ASSERT_EQ(side_has_candidate(state.board, hand, side), !fast.empty()) << n;
      for (const Candidate& c : fast) {
        drops += c.is_drop();
        promotions += c.placed != c.moved;
      }
    }
  }
  EXPECT_GT(drops, 10000);
  EXPECT_GT(promotions, 1000);
}

TEST(Candidates, LowerBoardMovesMirrorTheUpperOnesOfTheTurnedBoard) {
  std::mt19937 rng(77);
  const int no_hand[8] = {};
  for (int n = 0; n < 500; ++n) {
    GameState state = testing::random_position(rng, 60);
    const std::vector<Candidate> lower = generated(state.board, no_hand, -1);
    reverse_position(state);
    const std::vector<Candidate> upper = generated(state.board, no_hand, +1);
    ASSERT_EQ(sorted_board_moves(lower, false), sorted_board_moves(upper, true)) << n;
  }
}

SquareSet squares(std::initializer_list<std::pair<int, int>> list) {
  SquareSet set = 0;
  for (auto [x, y] : list) set |= square_bit(x, y);
  return set;
}

TEST(Candidates, LowerDropsMirrorTheLastRowAndSecondPawnRules) {
  // Lower gold on row 1 (no pawn or lance may start there), lower silver on
  // row 2 (no knight), a lower pawn in column 3 and a lower promoted pawn in column 6.
  const GameState position = position_of(
      {{5, 9, -KING}, {7, 1, -GOLD}, {2, 2, -SILVER}, {3, 7, -PAWN}, {6, 5, -TOKIN}, {9, 5, KING}});
  const Board& board = position.board;
  const SquareSet king_and_tokin = squares(
      {{4, 8}, {5, 8}, {6, 8}, {4, 9}, {6, 9}, {5, 4}, {6, 4}, {7, 4}, {5, 5}, {7, 5}, {6, 6}});
  const SquareSet silver = squares({{1, 1}, {2, 1}, {3, 1}, {1, 3}, {3, 3}});
  const SquareSet pawn = squares({{3, 6}});
  const SquareSet gold = squares({{6, 1}, {8, 1}, {7, 2}});
  EXPECT_EQ(drop_targets(board, -1, 1), (king_and_tokin | silver) & ~column_squares(3))
      << "no start on the gold of row 1, no second pawn in column 3, the promoted pawn does not "
         "count";
  EXPECT_EQ(drop_targets(board, -1, 2), king_and_tokin | silver | pawn);
  EXPECT_EQ(drop_targets(board, -1, 3), king_and_tokin | pawn) << "no start on rows 1 and 2";
  for (int kind = 4; kind <= 7; ++kind)
    EXPECT_EQ(drop_targets(board, -1, kind), king_and_tokin | silver | pawn | gold) << kind;
}

TEST(Candidates, SideWithOnlyADropHasACandidateAndALoneKingHasNone) {
  GameState state = position_of({{5, 9, -KING}, {5, 1, KING}, {5, 2, GOLD}});
  const int no_hand[8] = {};
  EXPECT_FALSE(side_has_candidate(state.board, no_hand, -1));
  EXPECT_TRUE(side_has_candidate(state.board, no_hand, +1));
  state.lower_hand[4] = 1;  // a silver can start on the king
  EXPECT_TRUE(side_has_candidate(state.board, state.lower_hand, -1));
  state.lower_hand[4] = 0;
  state.lower_hand[1] = 1;  // so can a pawn
  EXPECT_TRUE(side_has_candidate(state.board, state.lower_hand, -1));
  state.board(5, 9) = EMPTY;
  state.board(5, 1) = -KING;  // a king on row 1: no pawn may start there
  state.board(5, 2) = EMPTY;
  EXPECT_FALSE(side_has_candidate(state.board, state.lower_hand, -1));
}

}  // namespace
}  // namespace kumora
