#include "window/header_layout.h"

#include <algorithm>

#include "core/code_page.h"
#include "core/constants.h"
#include "kifu/record_file.h"

namespace kumora {

namespace {

constexpr int HEADER_SIZE = 12;
constexpr double BELOW_BOARD_Y = 6350;
constexpr double LINE_HEIGHT = 300;
// The column numbers' glyphs begin about 350 twips down; a 12-point name
// printed from here ends well above them.
constexpr double TOP_NAME_Y = 20;
constexpr double BOARD_CENTRE_X = BOARD_X0 + CELL_W * 5.5;

bool is_narrow(char32_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

bool overlaps(double a_left, double a_width, double b_left, double b_width) {
  return a_left < b_left + b_width && b_left < a_left + a_width;
}

}  // namespace

double text_width(const std::string& utf8, int size) {
  double ems = 0;
  for (char32_t c : utf8_code_points(utf8)) ems += is_narrow(c) ? 0.5 : 1.0;
  return ems * size * TWIPS_PER_POINT;
}

HeaderPlaces place_headers(const std::string& title, const std::string& top_name,
                           const std::string& bottom_name) {
  HeaderPlaces places;
  places.top_name = {title_x(top_name), TOP_NAME_Y};
  places.bottom_name = {title_x(bottom_name), BELOW_BOARD_Y};

  const double width = text_width(title, HEADER_SIZE);
  const double name_width = bottom_name.empty() ? 0 : text_width(bottom_name, HEADER_SIZE);
  const double name_x = places.bottom_name.x;
  const double usual_x = title_x(title) - 3000;
  if (usual_x >= 0 && usual_x + width <= SURFACE_W_TWIPS &&
      !overlaps(usual_x, width, name_x, name_width)) {
    places.title = {usual_x, BELOW_BOARD_Y};
    return places;
  }
  const double centred =
      std::clamp(BOARD_CENTRE_X - width / 2, 0.0, std::max(0.0, SURFACE_W_TWIPS - width));
  const bool clear = !overlaps(centred, width, name_x, name_width);
  places.title = {centred, clear ? BELOW_BOARD_Y : BELOW_BOARD_Y + LINE_HEIGHT};
  return places;
}

}  // namespace kumora
