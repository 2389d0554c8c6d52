// How the window shares its room between the board and the side panel at any
// size: the smallest window in which the board, both hands and both clocks
// are whole; how wide the side panel is and how large its texts, following
// the window's height; and when the panel steps aside so that it never
// covers the board.
#pragma once

#include <QSize>

namespace kumora {

// The smallest window: the whole surface at a scale where its captions and
// the pieces' faces are still readable, with `chrome_height` (the menu bar
// and the status line at that width) above and below it.
QSize smallest_window(int chrome_height);

// How much larger than at the usual height the side panel's texts are.
double side_panel_text_scale(int window_height);

// The side panel's width for a window this high.
int side_panel_width(int window_height);

// Whether the side panel, when wanted, fits beside the board in a window of
// this size; when not, it hides itself until the window is wide enough.
bool side_panel_fits(const QSize& window);

}  // namespace kumora
