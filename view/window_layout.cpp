#include "view/window_layout.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "view/qt_canvas.h"

namespace kumora {

namespace {

// Below this the captions and the pieces' faces are no longer readable.
constexpr double SMALLEST_SURFACE_SCALE = 0.6;
// The board needs at least this share of its natural width beside the panel.
constexpr double BOARD_SCALE_BESIDE_PANEL = 0.8;
// The panel's width and texts are as designed up to this window height.
constexpr int USUAL_HEIGHT = 860;
constexpr int USUAL_PANEL_WIDTH = 260;

constexpr double surface_width() { return double(SURFACE_W_TWIPS) / TWIPS_PER_PIXEL; }
constexpr double surface_height() { return double(SURFACE_H_TWIPS) / TWIPS_PER_PIXEL; }

}  // namespace

QSize smallest_window(int chrome_height) {
  return {static_cast<int>(std::ceil(surface_width() * SMALLEST_SURFACE_SCALE)),
          static_cast<int>(std::ceil(surface_height() * SMALLEST_SURFACE_SCALE)) + chrome_height};
}

double side_panel_text_scale(int window_height) {
  return std::clamp(static_cast<double>(window_height) / USUAL_HEIGHT, 1.0, 1.8);
}

int side_panel_width(int window_height) {
  return static_cast<int>(std::lround(USUAL_PANEL_WIDTH * side_panel_text_scale(window_height)));
}

bool side_panel_fits(const QSize& window) {
  const int board_room = window.width() - side_panel_width(window.height());
  return board_room >= surface_width() * BOARD_SCALE_BESIDE_PANEL;
}

}  // namespace kumora
