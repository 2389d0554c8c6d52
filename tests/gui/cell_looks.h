// How a cell of the shown window compares with a picture of the game: the
// mean absolute difference of the colour channels (0..255) over the inside of
// the cell, the picture drawn at the size the cell is shown.
#pragma once

#include <QImage>
#include <QRect>

namespace kumora {

double mean_difference(const QImage& shown, const QRect& cell, const QImage& picture);
// Two regions of the same size in two images.
double mean_difference(const QImage& a, const QImage& b, const QRect& region);

// The largest difference still called "looks like" the picture: scaling and
// smoothing blur the edges of the kanji a little, a different face changes the
// whole inside.
constexpr double LOOKS_LIKE_TOLERANCE = 12.0;

}  // namespace kumora
