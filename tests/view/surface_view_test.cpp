// The board's view hands a press of the left or the right button back in
// twips of the surface, wherever the surface is shown; other buttons are not
// the game's.
#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "tests/view/qt_app.h"
#include "view/qt_canvas.h"
#include "view/surface_view.h"

namespace kumora {
namespace {

struct Press {
  int button;
  double x, y;
};

TEST(SurfaceView, LeftAndRightPressesArriveInTwipsOthersNot) {
  ensure_qt_app();
  const ImageCanvas surface;
  SurfaceView view(surface);
  // Twice as wide as the surface's shape: bands to the left and right.
  view.resize(1200, 480);
  std::vector<Press> presses;
  view.on_mouse_press = [&](int button, double x, double y) { presses.push_back({button, x, y}); };
  const QPointF origin = view.surface_origin();
  const double twips_per_pixel = TWIPS_PER_PIXEL / view.fit_factor();
  const QPoint centre(600, 240);
  QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseClick(&view, Qt::RightButton, Qt::NoModifier, QPoint(origin.x() + 30, 60));
  QTest::mouseClick(&view, Qt::MiddleButton, Qt::NoModifier, centre);
  QTest::mouseClick(&view, Qt::BackButton, Qt::NoModifier, centre);
  ASSERT_EQ(presses.size(), 2u);
  EXPECT_EQ(presses[0].button, 1);
  EXPECT_NEAR(presses[0].x, 4500, twips_per_pixel);
  EXPECT_NEAR(presses[0].y, 3600, twips_per_pixel);
  EXPECT_EQ(presses[1].button, 2);
  EXPECT_NEAR(presses[1].x, 30 * twips_per_pixel, twips_per_pixel);
  EXPECT_NEAR(presses[1].y, 60 * twips_per_pixel, twips_per_pixel);
}

}  // namespace
}  // namespace kumora
