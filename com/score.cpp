#include "com/score.h"

#include <cstdlib>

namespace kumora {

std::string score_text(Score score) {
  const long long magnitude = std::llabs(static_cast<long long>(score));
  std::string text = score < 0 ? "-" : "";
  text += std::to_string(magnitude / 10);
  text += '.';
  text += static_cast<char>('0' + magnitude % 10);
  return text;
}

}  // namespace kumora
