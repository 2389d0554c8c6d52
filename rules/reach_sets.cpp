#include "rules/reach_sets.h"

#include "rules/step_patterns.h"

namespace kumora {

namespace {

// The code on the square of a set index.
int code_at(const Board& board, int index) { return cell_of(board, index); }

// The squares of `set` whose code passes `test`, reading only those squares.
template <typename Test>
SquareSet select(const Board& board, SquareSet set, Test test) {
  SquareSet selected = 0;
  for (SquareSet left = set; left != 0; left &= left - 1) {
    const int index = lowest_square(left);
    if (test(code_at(board, index))) selected |= SquareSet{1} << index;
  }
  return selected;
}

// The position as one side's flood reads it.  A single board move reaches few
// squares, so it reads them one by one; a drop floods from every own piece, so
// the board is scanned once into sets first.
class SideView {
 public:
  SideView(const Board& board, int piece) : board_(board), piece_(piece) {}

  // Scans the board: own pieces, occupied squares and own-pawn columns.
  void scan() {
    scanned_ = true;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int code = board_(x, y);
        if (code == EMPTY) continue;
        occupied_ |= square_bit(x, y);
        if (same_owner(code, piece_)) own_ |= square_bit(x, y);
        if (code == PAWN || code == -PAWN) pawn_columns_[code > 0] |= column_squares(x);
      }
  }

  const Board& board() const { return board_; }
  SquareSet own() const { return own_; }

  SquareSet own_among(SquareSet set, int piece) const {
    if (scanned_ && same_owner(piece, piece_)) return set & own_;
    return select(board_, set, [piece](int code) { return same_owner(code, piece); });
  }

  SquareSet occupied_among(SquareSet set) const {
    if (scanned_) return set & occupied_;
    return select(board_, set, [](int code) { return code != EMPTY; });
  }

  // Every square of the columns other than x that hold the pawn `pawn` and
  // have a square in `marked`.
  SquareSet second_pawn_columns(SquareSet marked, int x, int pawn) const {
    SquareSet columns = 0;
    for (int column = 1; column <= 9; ++column) {
      if (column == x || (marked & column_squares(column)) == 0) continue;
      if (holds_pawn(column, pawn)) columns |= column_squares(column);
    }
    return columns;
  }

 private:
  bool holds_pawn(int column, int pawn) const {
    if (scanned_) return (pawn_columns_[pawn > 0] & column_squares(column)) != 0;
    for (int row = 1; row <= 9; ++row)
      if (board_(column, row) == pawn) return true;
    return false;
  }

  const Board& board_;
  int piece_;
  bool scanned_ = false;
  SquareSet own_ = 0;
  SquareSet occupied_ = 0;
  SquareSet pawn_columns_[2] = {0, 0};  // lower, upper
};

// Expands every own piece that is marked and not yet used as a link, until
// none is left.  The origin of a board move links only onto own pieces.
// Answers the own pieces among the marks, for the filter.
SquareSet flood(ReachSets& sets, const SideView& view, int x, int y, int piece, Flood kind) {
  const Board& board = view.board();
  const SquareSet origin = (kind == Flood::Drop || !Board::on_board(x, y)) ? 0 : square_bit(x, y);
  SquareSet own_marked = view.own_among(sets.map, piece);
  SquareSet pending = own_marked & ~sets.expanded;
  while (pending != 0) {
    const int index = lowest_square(pending);
    pending &= pending - 1;
    const SquareSet here = SquareSet{1} << index;
    SquareSet targets =
        reach_targets(board, square_x(index), square_y(index), code_at(board, index));
    if (here == origin) targets = view.own_among(targets, piece);
    if (targets == 0) continue;
    sets.expanded |= here;
    const SquareSet own_new = view.own_among(targets & ~sets.map, piece);
    own_marked |= own_new;
    pending |= own_new & ~sets.expanded;
    sets.map |= targets;
  }
  return own_marked;
}

// Own pieces; for a drop every occupied square; for a pawn the columns that
// would hold a second pawn.
void filter(ReachSets& sets, const SideView& view, SquareSet own_marked, int x, int piece,
            Flood kind) {
  sets.map &= ~(kind == Flood::Drop ? view.occupied_among(sets.map) : own_marked);
  if ((piece == PAWN || piece == -PAWN) && sets.map != 0)
    sets.map &= ~view.second_pawn_columns(sets.map, x, piece);
}

void spread(ReachSets& sets, const SideView& view, int x, int y, int piece, Flood kind,
            ReachMode mode) {
  if (Board::on_board(x, y)) sets.map |= square_bit(x, y);
  const SquareSet own_marked = flood(sets, view, x, y, piece, kind);
  if (mode != REACH_COVERAGE) filter(sets, view, own_marked, x, piece, kind);
}

}  // namespace

void spread_sets(ReachSets& sets, const Board& board, int x, int y, int piece, Flood kind,
                 ReachMode mode) {
  spread(sets, SideView(board, piece), x, y, piece, kind, mode);
}

ReachSets reach_sets(const Board& board, int x, int y, ReachMode mode) {
  ReachSets sets;
  if (x >= 1 && x <= 9) {
    const int piece = board(x, y);
    spread(sets, SideView(board, piece), x, y, piece, Flood::BoardMove, mode);
    return sets;
  }
  // A drop: one flood from every own piece in turn, links shared between them.
  SideView view(board, x < 1 ? PAWN : -PAWN);
  view.scan();
  for (SquareSet left = view.own(); left != 0; left &= left - 1) {
    const int index = lowest_square(left);
    const int piece = code_at(board, index);
    spread(sets, view, square_x(index), square_y(index), piece, Flood::Drop, mode);
  }
  return sets;
}

void store_reach(ReachState& reach, const ReachSets& sets) {
  write_marks(reach.reach_map, sets.map);
  write_marks(reach.reach_expanded, sets.expanded);
}

}  // namespace kumora
