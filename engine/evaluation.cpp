#include "engine/evaluation.h"

#include <array>

namespace kumora {

namespace {

constexpr std::array<SquareSet, 81> make_neighbours() {
  std::array<SquareSet, 81> neighbours{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
          const int nx = x + dx, ny = y + dy;
          if ((dx != 0 || dy != 0) && Board::on_board(nx, ny))
            neighbours[(x - 1) * 9 + (y - 1)] |= square_bit(nx, ny);
        }
  return neighbours;
}

constexpr std::array<SquareSet, 81> NEIGHBOURS = make_neighbours();

bool holds_any(const int* hand) {
  for (int slot = 1; slot <= 7; ++slot)
    if (hand[slot] > 0) return true;
  return false;
}

int hand_material(const int* hand, const PieceValues& values) {
  int sum = 0;
  for (int slot = 1; slot <= 7; ++slot) sum += hand[slot] * values.hand[slot];
  return sum;
}

int mobility(const SideReach& reach, const EngineParameters& p) {
  return reach.chain_ends * p.mobility - reach.stuck * p.immobile;
}

// Around the side's king: squares the enemy's chains end on, empty squares
// the enemy could drop on, and own pieces standing guard.
int king_shelter(const SideReach& own, const SideReach& enemy, const int* enemy_hand,
                 const EngineParameters& p) {
  const int king = own.king;
  if (king < 0) return 0;
  const SquareSet zone = NEIGHBOURS[king];
  int score = p.king_zone_guard * square_count(zone & own.own) -
              p.king_zone_reach * square_count(zone & enemy.reached);
  if (holds_any(enemy_hand))
    score -= p.king_zone_drop * square_count(zone & ~own.occupied & enemy.all_steps);
  return score;
}

int side_score(const SearchPosition& position, const SideReach& own, const SideReach& enemy,
               const EngineParameters& p, const PieceValues& values, int on_board) {
  return on_board + hand_material(position.hand_of(own.side), values) + mobility(own, p) +
         king_shelter(own, enemy, position.hand_of(enemy.side), p);
}

int side_number(int side) { return side > 0 ? 1 : 0; }

}  // namespace

PieceValues::PieceValues(const EngineParameters& p) {
  board[PAWN] = p.pawn;
  board[LANCE] = p.lance;
  board[KNIGHT] = p.knight;
  board[SILVER] = p.silver;
  board[GOLD] = p.gold;
  board[PROMOTED_GOLD] = p.gold;
  board[BISHOP] = p.bishop;
  board[ROOK] = p.rook;
  board[TOKIN] = p.tokin;
  board[PROMOTED_LANCE] = p.promoted_lance;
  board[PROMOTED_KNIGHT] = p.promoted_knight;
  board[PROMOTED_SILVER] = p.promoted_silver;
  board[HORSE] = p.horse;
  board[DRAGON] = p.dragon;
  for (int slot = 1; slot <= 7; ++slot)
    hand[slot] = board[HAND_SLOT_CODES[slot]] * p.hand_percent / 100;
}

int board_material(const SideReach& reach, const PieceValues& values) {
  int sum = 0;
  for (SquareSet pieces = reach.own; pieces != 0; pieces &= pieces - 1)
    sum += values.of(reach.code[lowest_square(pieces)]);
  return sum;
}

int evaluate(const SearchPosition& position, const SideReach& mover, const SideReach& other,
             const EngineParameters& parameters, const PieceValues& values) {
  int on_board[2];
  on_board[side_number(mover.side)] = board_material(mover, values);
  on_board[side_number(other.side)] = board_material(other, values);
  return evaluate_with_material(position, mover, other, parameters, values, on_board);
}

int evaluate_with_material(const SearchPosition& position, const SideReach& mover,
                           const SideReach& other, const EngineParameters& parameters,
                           const PieceValues& values, const int* on_board) {
  return side_score(position, mover, other, parameters, values, on_board[side_number(mover.side)]) -
         side_score(position, other, mover, parameters, values, on_board[side_number(other.side)]);
}

}  // namespace kumora
