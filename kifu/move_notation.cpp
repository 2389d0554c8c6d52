#include "kifu/move_notation.h"

#include "rules/board.h"
#include "rules/drops_promotion.h"

namespace kumora {

namespace {

const char* const FULL_WIDTH_DIGITS[10] = {"",   "１", "２", "３", "４",
                                           "５", "６", "７", "８", "９"};
const char* const KANJI_NUMERALS[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

bool is_drop(const RecordEntry& e) { return !Board::on_board(e.from_x, e.from_y); }

// How a character count of a name lines up after "同": one character gets a
// full-width blank.
bool is_one_character(const std::string& utf8) { return utf8.size() <= 3; }

}  // namespace

std::string notation_piece_name(int code) {
  switch (code < 0 ? -code : code) {
    case PAWN:
      return "歩";
    case LANCE:
      return "香";
    case KNIGHT:
      return "桂";
    case SILVER:
      return "銀";
    case GOLD:
      return "金";
    case BISHOP:
      return "角";
    case ROOK:
      return "飛";
    case KING:
      return "王";
    case TOKIN:
      return "と";
    case PROMOTED_LANCE:
      return "成香";
    case PROMOTED_KNIGHT:
      return "成桂";
    case PROMOTED_SILVER:
      return "成銀";
    case HORSE:
      return "馬";
    case DRAGON:
      return "竜";
    default:
      return {};
  }
}

std::string move_notation(const MoveRecord& record, int index, bool sente_is_lower) {
  if (index < 1 || index > record.length) return {};
  const RecordEntry& e = record.entry[index];
  const bool lower_moved = e.moved < 0;
  std::string text = lower_moved == sente_is_lower ? "▲" : "△";
  const std::string name = notation_piece_name(e.moved);
  const RecordEntry* previous = index > 1 ? &record.entry[index - 1] : nullptr;
  if (previous && previous->to_x == e.to_x && previous->to_y == e.to_y) {
    text += is_one_character(name) ? "同　" : "同";
  } else if (Board::on_board(e.to_x, e.to_y)) {
    text += std::string(FULL_WIDTH_DIGITS[10 - e.to_x]) + KANJI_NUMERALS[e.to_y];
  }
  text += name;
  if (is_drop(e)) {
    text += "打";
  } else if (e.placed != e.moved) {
    text += "成";
  } else if (promoted_code(e.from_x, e.from_y, e.to_x, e.to_y, e.moved) != e.moved) {
    text += "不成";
  }
  return text;
}

}  // namespace kumora
