// Per-square tables of how the pieces of each player reach the board, and
// the squares of both kings. Rebuilt from the board by analyze_board.
#pragma once

#include "rules/board.h"

namespace kumora {

struct AttackTables {
  BoardTable lower_attack_count;
  BoardTable upper_attack_count;
  BoardTable lower_defender;
  BoardTable lower_attacker;
  BoardTable lower_attacker_x;
  BoardTable lower_attacker_y;
  BoardTable upper_defender;
  BoardTable upper_defender_x;  // not reset by an analysis
  BoardTable upper_defender_y;  // not reset by an analysis
  BoardTable upper_attacker;
  BoardTable upper_attacker_x;  // not reset by an analysis
  BoardTable upper_attacker_y;  // not reset by an analysis
};

}  // namespace kumora
