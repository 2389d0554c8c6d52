#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "tests/view/qt_app.h"
#include "view/qt_canvas.h"

namespace kumora {
namespace {

// The top-left corner of the board's first cell in twips: 100 x 40 pixels at scale 1.
constexpr double X0 = 1500;
constexpr double Y0 = 600;

QRect bounds_of(const QImage& image, QRgb background) {
  QRect found;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != background) found |= QRect(x, y, 1, 1);
  return found;
}

bool has_pixel(const QImage& image, QRgb colour) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == colour) return true;
  return false;
}

class ImageCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_qt_app();
    canvas.fill(0);
  }
  QRgb at(int x, int y) const { return canvas.image().pixel(x, y) & 0xFFFFFF; }
  ImageCanvas canvas;
};

TEST(QbColour, PaletteMatchesTheSixteenColours) {
  EXPECT_EQ(qb_color(0).rgb() & 0xFFFFFF, 0x000000u);
  EXPECT_EQ(qb_color(2).rgb() & 0xFFFFFF, 0x008000u);
  EXPECT_EQ(qb_color(4).rgb() & 0xFFFFFF, 0x800000u);
  EXPECT_EQ(qb_color(6).rgb() & 0xFFFFFF, 0x808000u);
  EXPECT_EQ(qb_color(7).rgb() & 0xFFFFFF, 0xC0C0C0u);
  EXPECT_EQ(qb_color(9).rgb() & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(qb_color(11).rgb() & 0xFFFFFF, 0x00FFFFu);
  EXPECT_EQ(qb_color(12).rgb() & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(qb_color(14).rgb() & 0xFFFFFF, 0xFFFF00u);
  EXPECT_EQ(qb_color(15).rgb() & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(qb_color(16).rgb() & 0xFFFFFF, 0x000000u);
}

TEST_F(ImageCanvasTest, SurfaceIsTheWindowInPixelsAtTheScale) {
  EXPECT_EQ(canvas.image().size(), QSize(600, 480));
  canvas.set_scale(2.0);
  EXPECT_EQ(canvas.image().size(), QSize(1200, 960));
  EXPECT_EQ(canvas.to_pixels(X0), 200);
}

TEST_F(ImageCanvasTest, PicturesLandAtTheirTwipPosition) {
  Pictures pictures;
  for (double scale : {1.0, 2.0}) {
    canvas.set_scale(scale);
    canvas.paint_picture(-110, X0, Y0);
    canvas.paint_picture(TITLE_PICTURE, X0 + 495, Y0);
    const QImage piece = pictures.picture(-110, scale);
    const QImage title = pictures.picture(TITLE_PICTURE, scale);
    const QPoint corner(100 * scale, 40 * scale);
    EXPECT_EQ(canvas.image().copy(QRect(corner, piece.size())),
              piece.convertToFormat(QImage::Format_RGB32));
    const QPoint title_corner(133 * scale, 40 * scale);
    EXPECT_EQ(canvas.image().pixel(title_corner + QPoint(title.width() / 2, title.height() / 2)),
              title.pixel(title.width() / 2, title.height() / 2));
  }
}

TEST_F(ImageCanvasTest, PicturePartlyOutsideTheSurfaceIsClipped) {
  Pictures pictures;
  canvas.paint_picture(HAIKEI_RENGA, -300, -150);  // 20 and 10 pixels off the top left
  const QImage brick = pictures.picture(HAIKEI_RENGA, 1.0);
  EXPECT_EQ(canvas.image().copy(0, 0, 13, 31),
            brick.copy(20, 10, 13, 31).convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(at(13, 5), 0u);
  canvas.paint_picture(HAIKEI_RENGA, 8900, 7100);  // runs off the bottom right
}

TEST_F(ImageCanvasTest, CodesWithoutPicturePaintNothing) {
  for (int code : {111, -111, 7, 99, -5})
    for (double x : {0.0, X0, 8990.0}) canvas.paint_picture(code, x, Y0);
  EXPECT_TRUE(bounds_of(canvas.image(), canvas.image().pixel(0, 0)).isNull());
}

TEST_F(ImageCanvasTest, FrameIsTheOutermostRingInsideTheRectangle) {
  canvas.frame_rect(12, X0, Y0, X0 + 495, Y0 + 615);  // pixels 100..132 x 40..80
  // Lines are two pixels wide at scale 1, so that marks show on the board.
  for (QPoint p :
       {QPoint(100, 40), QPoint(132, 40), QPoint(100, 80), QPoint(132, 80), QPoint(116, 40),
        QPoint(100, 60), QPoint(132, 60), QPoint(116, 80), QPoint(101, 41), QPoint(131, 79)})
    EXPECT_EQ(at(p.x(), p.y()), 0xFF0000u) << p.x() << "," << p.y();
  for (QPoint p : {QPoint(102, 42), QPoint(116, 60), QPoint(133, 40), QPoint(100, 81),
                   QPoint(99, 40), QPoint(100, 39)})
    EXPECT_EQ(at(p.x(), p.y()), 0u) << p.x() << "," << p.y();
}

TEST_F(ImageCanvasTest, FramesOfNeighbouringCellsSitSideBySide) {
  canvas.set_scale(2.0);
  canvas.fill(0);
  canvas.frame_rect(12, X0, Y0, X0 + 495, Y0 + 615);
  canvas.frame_rect(15, X0 + 495, Y0, X0 + 990, Y0 + 615);
  // Three device pixels per line at scale 2: cell one is x 200..265, cell two 266..331.
  EXPECT_EQ(at(263, 100), 0xFF0000u);
  EXPECT_EQ(at(265, 100), 0xFF0000u);
  EXPECT_EQ(at(266, 100), 0xFFFFFFu);
  EXPECT_EQ(at(268, 100), 0xFFFFFFu);
  EXPECT_EQ(at(262, 100), 0u);
  EXPECT_EQ(at(269, 100), 0u);
  EXPECT_EQ(at(203, 83), 0u);
  EXPECT_EQ(at(202, 82), 0xFF0000u);
}

TEST_F(ImageCanvasTest, TextIsPrintedInThePaletteColourFromItsTopLeft) {
  canvas.print_text(X0, Y0, "王", 14, 12, true);  // a 16 pixel em
  const QRect small = bounds_of(canvas.image(), qRgb(0, 0, 0));
  EXPECT_TRUE(has_pixel(canvas.image(), qRgb(255, 255, 0)));
  EXPECT_GE(small.left(), 100);
  EXPECT_GE(small.top(), 40);
  EXPECT_LE(small.left(), 103);
  EXPECT_LE(small.top(), 43);
  EXPECT_LE(small.right(), 100 + 16);
  EXPECT_LE(small.bottom(), 40 + 16);

  canvas.fill(0);
  canvas.print_text(X0, Y0, "王", 14, 24, true);
  const QRect large = bounds_of(canvas.image(), qRgb(0, 0, 0));
  EXPECT_NEAR(large.height(), 2 * small.height(), 2);
}

TEST_F(ImageCanvasTest, HalfWidthKatakanaAndDigitsAreDrawn) {
  canvas.print_text(X0, Y0, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ", 15, 10, false);
  const QRect katakana = bounds_of(canvas.image(), qRgb(0, 0, 0));
  EXPECT_GT(katakana.width(), 50);  // eleven half-width characters of about 7 pixels
  canvas.fill(0);
  canvas.print_text(X0, Y0, "１２", 15, 10, false);
  EXPECT_FALSE(bounds_of(canvas.image(), qRgb(0, 0, 0)).isNull());
}

TEST_F(ImageCanvasTest, RefreshCallsTheWindowBack) {
  int calls = 0;
  canvas.refresh();
  canvas.set_refresh_callback([&] { ++calls; });
  canvas.refresh();
  canvas.refresh();
  EXPECT_EQ(calls, 2);
}

TEST_F(ImageCanvasTest, SavesThePictureAsPng) {
  canvas.fill(2);
  const std::string path = ::testing::TempDir() + "kumora_canvas.png";
  ASSERT_TRUE(canvas.save_png(path));
  QImage back(QString::fromStdString(path));
  EXPECT_EQ(back.size(), QSize(600, 480));
  EXPECT_EQ(back.pixel(10, 10) & 0xFFFFFF, 0x008000u);
}

}  // namespace
}  // namespace kumora
