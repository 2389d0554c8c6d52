// How a cell of the shown window compares with a picture of the game: the
// mean absolute difference of the colour channels (0..255) over the inside of
// the cell, the picture drawn at the size the cell is shown.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

namespace kumora {

double mean_difference(const QImage& shown, const QRect& cell, const QImage& picture);
// Two regions of the same size in two images.
double mean_difference(const QImage& a, const QImage& b, const QRect& region);

// The largest difference still called "looks like" the picture: at fractional
// scales and offsets, scaling and smoothing blur the edges of the kanji a
// little (up to about 12); a different face changes the whole inside (70 and
// more).
constexpr double LOOKS_LIKE_TOLERANCE = 20.0;

class WindowDriver;

// "" when cell (x, y) of the window shows the picture of `code`, clearly
// closer to it than to the picture of `other`; otherwise the differences.
QString cell_mismatch(const WindowDriver& driver, int x, int y, int code, int other);

}  // namespace kumora
