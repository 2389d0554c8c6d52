#include "tests/support/random_positions.h"

#include "rules/drops_promotion.h"
#include "rules/make_move.h"
#include "rules/reach_map.h"

namespace kumora::testing {

namespace {

// Handicap squares in the order pieces are given away.
constexpr int LOWER_GIVEN[10][2] = {{6, 9}, {4, 9}, {7, 9}, {3, 9}, {8, 9},
                                    {2, 9}, {9, 9}, {1, 9}, {8, 8}, {2, 8}};
constexpr int UPPER_GIVEN[10][2] = {{8, 2}, {2, 2}, {9, 1}, {1, 1}, {8, 1},
                                    {2, 1}, {7, 1}, {3, 1}, {6, 1}, {4, 1}};

int below(std::mt19937& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

struct Move {
  int from_x, from_y, to_x, to_y, piece;
};

struct MoveList {
  Move moves[4000];
  int count = 0;
  void add_map(const ReachState& reach, int from_x, int from_y, int piece) {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (reach.reach_map(x, y)) moves[count++] = {from_x, from_y, x, y, piece};
  }
};

void collect_moves(const GameState& state, bool upper, MoveList& list) {
  ReachState reach;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int code = state.board(x, y);
      if (upper ? code < 10 : code > -10) continue;
      build_reach_map(reach, state.board, x, y, REACH_DESTINATIONS);
      list.add_map(reach, x, y, code);
    }
  const int* hand = upper ? state.upper_hand : state.lower_hand;
  for (int k = 1; k <= 7; ++k) {
    if (hand[k] <= 0) continue;
    const int from_x = upper ? UPPER_HAND_COLUMN : LOWER_HAND_COLUMN;
    const int from_y = upper ? k : k + 2;
    build_reach_map(reach, state.board, from_x, from_y, REACH_DESTINATIONS);
    list.add_map(reach, from_x, from_y, upper ? HAND_SLOT_CODES[k] : -HAND_SLOT_CODES[k]);
  }
}

int placed_piece(std::mt19937& rng, const Move& m) {
  const int promoted = promoted_code(m.from_x, m.from_y, m.to_x, m.to_y, m.piece);
  if (promoted == m.piece) return m.piece;
  if (!may_stay_unpromoted(m.to_y, m.piece)) return promoted;
  return below(rng, 2) == 0 ? promoted : m.piece;
}

}  // namespace

GameState random_setup(std::mt19937& rng) {
  GameState state;
  set_initial_position(state);
  if (below(rng, 3) == 0) return state;
  const auto& given = below(rng, 2) == 0 ? LOWER_GIVEN : UPPER_GIVEN;
  const bool in_grade_order = below(rng, 2) == 0;
  const int count = 1 + below(rng, 10);
  for (int i = 0; i < 10; ++i) {
    const bool emptied = in_grade_order ? i < count : below(rng, 2) == 0;
    if (emptied) state.board(given[i][0], given[i][1]) = EMPTY;
  }
  return state;
}

GameState random_position(std::mt19937& rng, int max_moves) {
  GameState state = random_setup(rng);
  bool upper = below(rng, 2) == 0;
  static MoveList list;  // large; reused between calls
  const int moves = below(rng, max_moves + 1);
  for (int n = 0; n < moves && state.winner == NO_GAME; ++n) {
    list.count = 0;
    collect_moves(state, upper, list);
    if (list.count == 0) break;
    const Move& m = list.moves[below(rng, list.count)];
    make_move(state, m.from_x, m.from_y, m.to_x, m.to_y, placed_piece(rng, m));
    upper = !upper;
  }
  return state;
}

}  // namespace kumora::testing
