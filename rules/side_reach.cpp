#include "rules/side_reach.h"

#include <algorithm>

#include "rules/step_patterns.h"

namespace kumora {

namespace {

SquareSet steps_of(const SideReach& reach, SquareSet squares) {
  SquareSet steps = 0;
  for (; squares != 0; squares &= squares - 1) steps |= reach.steps[lowest_square(squares)];
  return steps;
}

// Every own piece reachable from `start` along links, itself included,
// leaving out the pieces in `done` (which already hold all they reach).
SquareSet reachable_from(const SideReach& reach, int start, SquareSet done) {
  SquareSet found = single_square(start);
  for (SquareSet open = found; open != 0;) {
    const int index = lowest_square(open);
    open &= open - 1;
    const SquareSet fresh = reach.links(index) & ~found & ~done;
    found |= fresh;
    open |= fresh;
  }
  return found;
}

// A pawn filters out the columns that would hold a second pawn, its own aside.
SquareSet without_second_pawn_columns(const SideReach& reach, int index, SquareSet squares) {
  if (reach.code[index] != reach.side * PAWN) return squares;
  return squares & ~(reach.own_pawn_columns & ~column_squares(square_x(index)));
}

// The drop map built from the starts that `kind` may use (0: every own
// piece), one start after another in scan order as build_reach_map does it:
// each flood expands the links not expanded before, and the filters act on
// everything marked so far.
SquareSet drop_map(const SideReach& reach, int kind) {
  SquareSet expanded = 0;
  SquareSet map = 0;
  for (SquareSet starts = reach.own; starts != 0; starts &= starts - 1) {
    const int start = lowest_square(starts);
    if (kind != 0 && !drop_start_allowed(reach.side, kind, square_y(start))) continue;
    if ((expanded & single_square(start)) == 0) {
      const SquareSet fresh = reachable_from(reach, start, expanded);
      map |= steps_of(reach, fresh);
      expanded |= fresh;
    }
    map = without_second_pawn_columns(reach, start, map & ~reach.occupied);
  }
  return map;
}

// The chain moves of every piece at once, from the strongly connected parts
// of the link graph (Tarjan's method).  A chain leaving a piece passes
// through every other piece of its part and everything the part links to,
// never through the piece itself again: whatever lies beyond it is reachable
// from one of its first links.  When a part is complete, every part it
// links to is complete too and knows its `total`, the steps of every piece it
// reaches, its own included.
class ChainFollower {
 public:
  explicit ChainFollower(SideReach& reach) : r_(reach) {}

  void run() {
    r_.reached = 0;
    SquareSet steps = 0;
    for (SquareSet left = r_.own; left != 0; left &= left - 1) {
      const int index = lowest_square(left);
      steps |= r_.steps[index];
      if (state_[index] == UNVISITED) enter(index);
    }
    r_.all_steps = steps;
    r_.chain_ends = ends_;
    r_.stuck = stuck_;
  }

 private:
  // Follows v unless it links nowhere: then it has no chain move, and its
  // reach is its own steps (finished at once, without a call of its own).
  void enter(int v) {
    const SquareSet links = r_.links(v);
    if (begin(v, links)) visit(v, links);
  }

  // Numbers v as visited; false when it links nowhere and so is finished.
  bool begin(int v, SquareSet links) {
    state_[v] = DONE;
    order_[v] = low_[v] = next_order_++;
    if (links != 0) return true;
    r_.destinations[v] = 0;
    stuck_ += v != r_.king;
    total_[v] = r_.steps[v];
    return false;
  }

  void visit(int v, SquareSet links) {
    stack_[depth_++] = static_cast<std::int8_t>(v);
    state_[v] = ON_STACK;
    // A link still on the stack once followed is in v's part; a finished one
    // is a part of its own that v's chains pass through whole.
    SquareSet beyond = 0;
    for (; links != 0; links &= links - 1) {
      const int t = lowest_square(links);
      if (state_[t] == UNVISITED) {
        const SquareSet onward = r_.links(t);
        if (begin(t, onward)) {
          visit(t, onward);
          low_[v] = std::min(low_[v], low_[t]);
        }
      }
      if (state_[t] == ON_STACK)
        low_[v] = std::min(low_[v], order_[t]);
      else
        beyond |= total_[t];
    }
    beyond_[v] = beyond;
    if (low_[v] == order_[v]) close_part(v);
  }

  // The part is the stack from its root up.
  void close_part(int root) {
    if (stack_[depth_ - 1] == root) {
      close_single(root);
      return;
    }
    int first = depth_ - 1;
    while (stack_[first] != root) --first;
    // The squares one member steps to, and those two or more step to: the
    // others of a member step to the second, and to the first where it does not.
    SquareSet once = 0, twice = 0, beyond = 0;
    for (int i = first; i < depth_; ++i) {
      const SquareSet steps = r_.steps[stack_[i]];
      twice |= once & steps;
      once |= steps;
      beyond |= beyond_[stack_[i]];
    }
    for (int i = first; i < depth_; ++i) {
      const int piece = stack_[i];
      finish(piece, (twice | (once & ~r_.steps[piece]) | beyond) & ~r_.own);
      total_[piece] = once | beyond;
      state_[piece] = DONE;
    }
    depth_ = first;
  }

  // A part of one piece: its chains pass only through the parts it links to.
  void close_single(int piece) {
    const SquareSet beyond = beyond_[piece];
    finish(piece, beyond & ~r_.own);
    total_[piece] = r_.steps[piece] | beyond;
    state_[piece] = DONE;
    --depth_;
  }

  void finish(int piece, SquareSet ends) {
    const SquareSet destinations = without_second_pawn_columns(r_, piece, ends);
    r_.destinations[piece] = destinations;
    r_.reached |= destinations;
    ends_ += square_count(destinations);
    stuck_ += destinations == 0 && piece != r_.king;
  }

  enum : std::uint8_t { UNVISITED, ON_STACK, DONE };
  SideReach& r_;
  std::uint8_t state_[81] = {};
  int next_order_ = 0;
  int depth_ = 0;
  int ends_ = 0;   // destinations counted piece by piece
  int stuck_ = 0;  // pieces other than the king without a destination
  // Read only where `state_` says they were written.
  std::int8_t stack_[81];
  std::int8_t order_[81];
  std::int8_t low_[81];
  SquareSet total_[81];
  SquareSet beyond_[81];  // the totals of the finished parts a piece links to
};

void start_side(SideReach& reach, int side) {
  reach.side = side;
  reach.own = reach.occupied = reach.pawns = reach.sliders = 0;
  reach.own_pawn_columns = reach.reached = 0;
  reach.king = -1;
}

void add_piece(SideReach& reach, int index, int code) {
  reach.own |= single_square(index);
  reach.code[index] = static_cast<std::int16_t>(code);
  if (code == reach.side * PAWN) {
    reach.pawns |= single_square(index);
    reach.own_pawn_columns |= column_squares(square_x(index));
  }
  if (is_slider(code)) reach.sliders |= single_square(index);
  if (code == reach.side * KING) reach.king = index;
}

}  // namespace

bool is_slider(int code) {
  switch (code < 0 ? -code : code) {
    case LANCE:
    case BISHOP:
    case HORSE:
    case ROOK:
    case DRAGON:
      return true;
    default:
      return false;
  }
}

bool drop_start_allowed(int side, int kind, int y) {
  const int row = side > 0 ? y : 10 - y;  // counted as the upper side sees it
  if (kind == 1 || kind == 2) return row != 9;
  if (kind == 3) return row < 8;
  return true;
}

void scan_sides(const Board& board, SquareSet squares, SideReach& upper, SideReach& lower) {
  start_side(upper, +1);
  start_side(lower, -1);
  SquareSet occupied = 0;
  for (; squares != 0; squares &= squares - 1) {
    const int index = lowest_square(squares);
    const int code = cell_of(board, index);
    if (code == EMPTY) continue;
    occupied |= single_square(index);
    if (code >= 10)
      add_piece(upper, index, code);
    else if (code <= -10)
      add_piece(lower, index, code);
  }
  upper.occupied = lower.occupied = occupied;
}

void build_side_reach(const Board& board, int side, SideReach& reach) {
  SideReach other;
  if (side > 0)
    scan_sides(board, ALL_SQUARES, reach, other);
  else
    scan_sides(board, ALL_SQUARES, other, reach);
  complete_side_reach(reach);
}

void complete_side_reach(SideReach& reach) {
  for (SquareSet left = reach.own; left != 0; left &= left - 1) {
    const int index = lowest_square(left);
    reach.steps[index] = reach_targets_among(reach.occupied, index, reach.code[index]);
  }
  follow_chains(reach);
}

void follow_chains(SideReach& reach) { ChainFollower(reach).run(); }

SquareSet DropMaps::targets(int kind) const {
  switch (kind) {
    case 1:
      return any_kind & pawn_or_lance & ~own_pawn_columns;
    case 2:
      return any_kind & pawn_or_lance;
    case 3:
      return any_kind & knight;
    default:
      return any_kind;
  }
}

DropMaps build_drop_maps(const SideReach& reach, const int* hand) {
  DropMaps maps;
  bool any = false;
  for (int kind = 1; kind <= 7; ++kind) any = any || hand[kind] > 0;
  if (!any) return maps;
  maps.own_pawn_columns = reach.own_pawn_columns;
  maps.any_kind = drop_map(reach, 0);
  if (hand[1] > 0 || hand[2] > 0) maps.pawn_or_lance = drop_map(reach, 1);
  if (hand[3] > 0) maps.knight = drop_map(reach, 3);
  return maps;
}

}  // namespace kumora
