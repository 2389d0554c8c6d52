// Fitting a remembered window place to the screen it opens on, whatever the
// settings file says: a size larger than the screen, or absurd, would leave
// the window unusable and its drawing surface huge.
#pragma once

#include <QRect>
#include <QSize>

#include "view/desktop_settings.h"

namespace kumora {

// The inside of the window within `available` (the screen less its panels):
// no larger than it and no smaller than `smallest` (itself cut to
// `available`), moved only as far as needed to lie wholly on it.
QRect fit_to_screen(const WindowPlace& place, const QRect& available, const QSize& smallest);

}  // namespace kumora
