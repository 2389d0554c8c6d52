#include "com/reach_map.h"

#include "com/square_set.h"
#include "com/step_patterns.h"

namespace kumora {

namespace {

// What the flood and its filters need to know about the board; fixed while one
// map is built.
struct BoardSquares {
  SquareSet upper = 0;
  SquareSet lower = 0;
  SquareSet upper_pawn_columns = 0;  // every square of a column holding an upper pawn (10)
  SquareSet lower_pawn_columns = 0;

  explicit BoardSquares(const Board& board) {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int code = board(x, y);
        if (code >= 10) upper |= square_bit(x, y);
        if (code <= -10) lower |= square_bit(x, y);
        if (code == PAWN) upper_pawn_columns |= column_squares(x);
        if (code == -PAWN) lower_pawn_columns |= column_squares(x);
      }
  }

  SquareSet side_of(int piece) const {
    if (piece >= 10) return upper;
    if (piece <= -10) return lower;
    return 0;
  }
  SquareSet occupied() const { return upper | lower; }
};

struct ReachSets {
  SquareSet map = 0;
  SquareSet expanded = 0;
};

// Expands every own piece that is marked and not yet used as a link, until
// none is left.  The origin of a board move links only onto own pieces.
void flood(ReachSets& sets, const Board& board, const BoardSquares& squares, int x, int y,
           int piece, int drop) {
  const SquareSet own = squares.side_of(piece);
  const SquareSet origin = drop == ON ? 0 : square_bit(x, y);
  SquareSet pending = sets.map & own & ~sets.expanded;
  while (pending != 0) {
    const int index = lowest_square(pending);
    pending &= pending - 1;
    const int i = square_x(index);
    const int j = square_y(index);
    const SquareSet here = square_bit(i, j);
    SquareSet targets = reach_targets(board, i, j, board(i, j));
    if (here == origin) targets &= own;
    if (targets == 0) continue;
    sets.expanded |= here;
    pending |= targets & ~sets.map & own & ~sets.expanded;
    sets.map |= targets;
  }
}

// The squares a pawn `piece` starting in column x may not end on: the other
// columns that already hold such a pawn.
SquareSet second_pawn_squares(const BoardSquares& squares, int x, int piece) {
  SquareSet columns = 0;
  if (piece == PAWN) columns = squares.upper_pawn_columns;
  if (piece == -PAWN) columns = squares.lower_pawn_columns;
  if (x >= 1 && x <= 9) columns &= ~column_squares(x);
  return columns;
}

void filter(ReachSets& sets, const BoardSquares& squares, int x, int piece, int drop) {
  sets.map &= ~squares.side_of(piece);
  if (drop == ON) sets.map &= ~squares.occupied();
  sets.map &= ~second_pawn_squares(squares, x, piece);
}

void spread(ReachSets& sets, const Board& board, const BoardSquares& squares, int x, int y,
            int piece, int drop, int mode) {
  if (Board::on_board(x, y)) sets.map |= square_bit(x, y);
  flood(sets, board, squares, x, y, piece, drop);
  if (mode != REACH_COVERAGE) filter(sets, squares, x, piece, drop);
}

void store(ReachState& reach, const ReachSets& sets) {
  write_table(reach.reach_map, sets.map);
  write_table(reach.reach_expanded, sets.expanded);
}

}  // namespace

void spread_reach(ReachState& reach, const Board& board, int x, int y, int piece, int drop,
                  int mode) {
  ReachSets sets{squares_of(reach.reach_map), squares_of(reach.reach_expanded)};
  spread(sets, board, BoardSquares(board), x, y, piece, drop, mode);
  store(reach, sets);
}

void build_reach_map(ReachState& reach, const Board& board, int x, int y, int mode) {
  const BoardSquares squares(board);
  ReachSets sets;
  if (x < 1 || x > 9) {
    // A drop: one flood from every own piece in turn, links shared between them.
    const SquareSet own = x < 1 ? squares.upper : squares.lower;
    for (SquareSet left = own; left != 0; left &= left - 1) {
      const int index = lowest_square(left);
      const int i = square_x(index);
      const int j = square_y(index);
      spread(sets, board, squares, i, j, board(i, j), ON, mode);
    }
  } else {
    spread(sets, board, squares, x, y, board(x, y), OFF, mode);
  }
  store(reach, sets);
}

}  // namespace kumora
