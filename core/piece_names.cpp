#include "core/piece_names.h"

#include "core/constants.h"

namespace kumora {

namespace {

struct Names {
  int magnitude;
  const char* name;
  const char* face;
  bool promoted;
};

constexpr Names NAMES[] = {
    {PAWN, "歩", "歩", false},    {TOKIN, "と", "と", true},
    {LANCE, "香", "香", false},   {PROMOTED_LANCE, "香成", "杏", true},
    {KNIGHT, "桂", "桂", false},  {PROMOTED_KNIGHT, "桂成", "圭", true},
    {SILVER, "銀", "銀", false},  {PROMOTED_SILVER, "銀成", "全", true},
    {GOLD, "金", "金", false},    {BISHOP, "角", "角", false},
    {HORSE, "角成", "馬", true},  {ROOK, "飛", "飛", false},
    {DRAGON, "飛成", "龍", true}, {KING, "王", "王", false},
};

const Names* names_of(int code) {
  const int magnitude = code < 0 ? -code : code;
  for (const Names& names : NAMES) {
    if (names.magnitude == magnitude) return &names;
  }
  return nullptr;
}

}  // namespace

const char* piece_name(int code) {
  const Names* names = names_of(code);
  return names ? names->name : nullptr;
}

const char* piece_face(int code) {
  const Names* names = names_of(code);
  return names ? names->face : nullptr;
}

bool is_promoted_piece(int code) {
  const Names* names = names_of(code);
  return names && names->promoted;
}

}  // namespace kumora
