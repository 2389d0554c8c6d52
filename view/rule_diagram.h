// The diagrams of the "遊び方" window as data: a board excerpt, the pieces on
// it, the lower player's hand and what is marked over it. Every diagram shows
// the lower player (the person) to move.
#pragma once

#include <string>
#include <vector>

#include "core/game_state.h"

namespace kumora {

// A square in board coordinates (x = column from the left, y = row from the
// top); x = 11 is a cell of the lower hand, as in the window.
struct DiagramSquare {
  int x = 0;
  int y = 0;
  bool operator==(const DiagramSquare&) const = default;
};

// The square a player names: file ９..１ from the left, rank 一..九 from the top.
constexpr DiagramSquare at(int file, int rank) { return {10 - file, rank}; }

// The lower hand's cell of a piece kind, the origin of its drop.
DiagramSquare from_hand(int code);

struct DiagramPiece {
  DiagramSquare square;
  int code;
};

// What is drawn over the position.
enum class DiagramMarks {
  Move,      // the clicks of one move, numbered, with arrows between them
  Guidance,  // the clicks made so far and the squares the next link can use
  NoMove,    // every lower piece stands without a move
  Numbered,  // squares numbered in an order the text explains
};

// What the program does with the last click of a Move diagram.
enum class MoveOutcome {
  Played,
  NotAChain,         // refused: no own piece to step onto, or a step the piece cannot make
  TwoPawns,          // "２歩なので打てません"
  DropCaptures,      // "張り駒で相手駒を取れません"
  NeedsRightButton,  // "マウスの右をクリックして下さい"
};

struct RuleDiagram {
  std::string caption;
  // The excerpt shown: files from `left_file` down to `right_file`, ranks
  // from `top_rank` to `bottom_rank`.
  int left_file = 9;
  int right_file = 1;
  int top_rank = 1;
  int bottom_rank = 9;
  std::vector<DiagramPiece> pieces;
  std::vector<int> hand;  // the lower hand, one code per piece held
  DiagramMarks marks = DiagramMarks::Move;
  // Move and Guidance: the clicks in order (the travelling piece or its hand
  // cell first). Numbered: the squares in their order.
  std::vector<DiagramSquare> clicks;
  bool right_button = false;  // the last click is made with the right button
  MoveOutcome outcome = MoveOutcome::Played;
  bool promotion_zone = false;  // tint the lower player's promotion zone
  bool show_result = false;     // a second board shows the position after the move

  bool shows(DiagramSquare s) const {
    return s.x >= 10 - left_file && s.x <= 10 - right_file && s.y >= top_rank && s.y <= bottom_rank;
  }
  int columns() const { return left_file - right_file + 1; }
  int rows() const { return bottom_rank - top_rank + 1; }
};

// The game state the diagram shows: its pieces on an otherwise empty board,
// its hand, and the lower player to move.
GameState diagram_state(const RuleDiagram& diagram);

// The position after the move of a Played Move diagram, promoted when its last
// click is made with the right button and the piece can promote.
GameState diagram_result(const RuleDiagram& diagram);

// The pieces of the initial position inside an excerpt.
std::vector<DiagramPiece> initial_pieces(int left_file, int right_file, int top_rank,
                                         int bottom_rank);

}  // namespace kumora
