// Writing one reached square into the attack tables: the count, and the
// defender or attacker entry when the new code beats the one recorded.
#pragma once

#include "analysis/attack_tables.h"
#include "rules/board.h"

namespace kumora {

// What a move of an upper piece writes besides the count. Every lower move
// writes everything.
enum UpperRecords : unsigned {
  COUNT_ONLY = 0,
  DEFENCE = 1,
  DEFENCE_SQUARE = 2,
  ATTACK = 4,
  ATTACK_SQUARE = 8,
  EVERYTHING = DEFENCE | DEFENCE_SQUARE | ATTACK | ATTACK_SQUARE,
};

class TableRecorder {
 public:
  TableRecorder(const Board& board, AttackTables& tables) : board_(board), tables_(tables) {}

  const Board& board() const { return board_; }

  // A lower piece on (x, y) reaches (sx, sy) with recorded code r (negative).
  void reach_lower(int x, int y, int sx, int sy, int r) {
    AttackTables& t = tables_;
    ++t.lower_attack_count(sx, sy);
    const int held = board_(sx, sy);
    if (held < 0) {
      if (t.lower_defender(sx, sy) > r) t.lower_defender(sx, sy) = r;
    } else if (held > 0 && t.lower_attacker(sx, sy) < r) {
      t.lower_attacker(sx, sy) = r;
      t.lower_attacker_x(sx, sy) = x;
      t.lower_attacker_y(sx, sy) = y;
    }
  }

  // An upper piece on (x, y) reaches (sx, sy) with recorded code r; `records`
  // says which entries its kind may write.
  void reach_upper(int x, int y, int sx, int sy, int r, unsigned records) {
    AttackTables& t = tables_;
    ++t.upper_attack_count(sx, sy);
    const int held = board_(sx, sy);
    if (held > 0) {
      if ((records & DEFENCE) && t.upper_defender(sx, sy) > r) {
        t.upper_defender(sx, sy) = r;
        if (records & DEFENCE_SQUARE) {
          t.upper_defender_x(sx, sy) = x;
          t.upper_defender_y(sx, sy) = y;
        }
      }
    } else if (held < 0) {
      if ((records & ATTACK) && t.upper_attacker(sx, sy) > r) {
        t.upper_attacker(sx, sy) = r;
        if (records & ATTACK_SQUARE) {
          t.upper_attacker_x(sx, sy) = x;
          t.upper_attacker_y(sx, sy) = y;
        }
      }
    }
  }

  // Either player, from the sign of r, writing everything.
  void reach(int x, int y, int sx, int sy, int r) {
    if (r < 0)
      reach_lower(x, y, sx, sy, r);
    else
      reach_upper(x, y, sx, sy, r, EVERYTHING);
  }

 private:
  const Board& board_;
  AttackTables& tables_;
};

}  // namespace kumora
