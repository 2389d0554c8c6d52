#include "view/window_fit.h"

#include <algorithm>
#include <cstdint>

namespace kumora {

namespace {

// One side: the length within [smallest, room] and the start moved inside
// [first, first + room - length]. Counted in 64 bits, so that numbers near
// the int limits cannot overflow.
void fit_side(std::int64_t& start, std::int64_t& length, std::int64_t first, std::int64_t room,
              std::int64_t smallest) {
  smallest = std::min(smallest, room);
  length = std::clamp(length, smallest, room);
  start = std::clamp(start, first, first + room - length);
}

}  // namespace

QRect fit_to_screen(const WindowPlace& place, const QRect& available, const QSize& smallest) {
  std::int64_t x = place.x, y = place.y, width = place.width, height = place.height;
  fit_side(x, width, available.x(), available.width(), smallest.width());
  fit_side(y, height, available.y(), available.height(), smallest.height());
  return QRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
               static_cast<int>(height));
}

}  // namespace kumora
