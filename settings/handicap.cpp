#include "settings/handicap.h"

namespace kumora {

namespace {
const char* const GRADE_NAMES[21] = {
    "名人", "８段", "７段", "６段", "５段", "４段", "３段", "２段", "初段", "１級", "２級",
    "３級", "４級", "５級", "６級", "７級", "８級", "９級", "10級", "11級", "12級",
};
}  // namespace

std::string caption_text(int code) {
  if (code == MOVE_NUMBER_CAPTION) return "手目";
  if (code < LOWEST_GRADE || code > HIGHEST_GRADE) return {};
  return std::string("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:") + GRADE_NAMES[code - LOWEST_GRADE];
}

}  // namespace kumora
