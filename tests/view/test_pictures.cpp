#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QString>
#include <cstdlib>
#include <vector>

#include "tests/view/qt_app.h"
#include "view/pictures.h"

namespace kumora {
namespace {

const std::vector<int> UPPER_PIECES = {10,  11,  20,  21,  30,  31,  100,
                                       101, 110, 800, 801, 900, 901, 950};

std::vector<int> all_picture_codes() {
  std::vector<int> codes = {0, 1, 2, 3, 4, 5, 6};
  for (int code : UPPER_PIECES) {
    codes.push_back(code);
    codes.push_back(-code);
  }
  return codes;
}

bool is_red_ink(QRgb c) { return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80; }

int count_pixels(const QImage& image, bool (*test)(QRgb)) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y));
  return n;
}

class PicturesTest : public ::testing::Test {
 protected:
  void SetUp() override { ensure_qt_app(); }
  Pictures pictures;
};

TEST_F(PicturesTest, WindowFontHasEveryCharacterTheWindowShows) {
  const QString texts[] = {QStringLiteral("歩と香成桂銀金角馬飛龍王"),
                           QStringLiteral("１２３４５６７８９"),
                           QStringLiteral("一二三四五六七八九"),
                           QStringLiteral("ﾊﾝﾃﾞｨｷｬｯﾌﾟ"),
                           QStringLiteral("手目思考中"),
                           QStringLiteral("0123456789:")};
  for (const char* family : {JAPANESE_FONT, "Noto Serif CJK JP"}) {
    QFont font(QString::fromLatin1(family));
    font.setBold(true);
    EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(family)) << "font not installed";
    const QFontMetrics metrics(font);
    for (const QString& text : texts)
      for (QChar c : text)
        EXPECT_TRUE(metrics.inFont(c)) << family << " lacks " << QString(c).toStdString();
  }
}

TEST_F(PicturesTest, EveryPictureHasItsNaturalSizeTimesTheScale) {
  EXPECT_EQ(all_picture_codes().size(), 35u);
  for (double scale : {1.0, 2.0, 3.0}) {
    for (int code : all_picture_codes()) {
      const QSize natural = code == TITLE_PICTURE ? QSize(124, 63) : QSize(33, 41);
      EXPECT_EQ(Pictures::natural_size(code), natural) << code;
      EXPECT_EQ(pictures.picture(code, scale).size(), natural * scale) << code << " at " << scale;
    }
  }
}

TEST_F(PicturesTest, CodesOutsideTheTableHaveNoPicture) {
  for (int code : {111, -111, 7, 99, -1, -2, 12, 1000, -951, 951}) {
    EXPECT_FALSE(Pictures::has_picture(code)) << code;
    EXPECT_TRUE(pictures.picture(code, 1.0).isNull()) << code;
    EXPECT_FALSE(Pictures::natural_size(code).isValid()) << code;
  }
}

// Cell pictures are painted over whatever the cell showed before (marks,
// another piece), so they must cover the whole cell.
// At any scale the window takes, fractional ones too: a cell painted over
// what was there before must hide it all.
TEST_F(PicturesTest, CellPicturesAreOpaque) {
  for (const double scale : {1.0, 1.37, 2.0, 2.63}) {
    for (int code : all_picture_codes()) {
      if (code == TITLE_PICTURE) continue;
      const QImage image = pictures.picture(code, scale);
      bool opaque = true;
      for (int y = 0; y < image.height() && opaque; ++y)
        for (int x = 0; x < image.width() && opaque; ++x) opaque = qAlpha(image.pixel(x, y)) == 255;
      EXPECT_TRUE(opaque) << code << " at " << scale;
    }
  }
}

// Also in a small window, where the faces are written with the font's hinting.
TEST_F(PicturesTest, EveryPieceLooksDifferent) {
  std::vector<int> pieces;
  for (int code : UPPER_PIECES) pieces.insert(pieces.end(), {code, -code});
  for (double scale : {0.6, 1.0}) {
    for (size_t i = 0; i < pieces.size(); ++i)
      for (size_t j = i + 1; j < pieces.size(); ++j)
        EXPECT_NE(pictures.picture(pieces[i], scale), pictures.picture(pieces[j], scale))
            << pieces[i] << " vs " << pieces[j] << " at " << scale;
  }
}

// The lower player's pieces point up: the broad base is at the bottom of the
// cell and the board shows beside the point at the top. The upper player's
// pieces are turned round.
TEST_F(PicturesTest, LowerPiecesPointUpAndUpperPiecesPointDown) {
  for (double scale : {1.0, 2.0}) {
    for (int code : UPPER_PIECES) {
      const QImage lower = pictures.picture(-code, scale);
      const QImage upper = pictures.picture(code, scale);
      const QPoint near_top_left(6 * scale, 3 * scale);
      const QPoint near_bottom_left(6 * scale, 37 * scale);
      // The light wood of a piece is well above the board's.
      EXPECT_GT(qGray(lower.pixel(near_bottom_left)), qGray(lower.pixel(near_top_left)) + 15)
          << code;
      EXPECT_GT(qGray(upper.pixel(near_top_left)), qGray(upper.pixel(near_bottom_left)) + 15)
          << code;
    }
  }
}

TEST_F(PicturesTest, PromotedFacesAreWrittenInRed) {
  for (double scale : {0.6, 2.0}) {
    for (int code : UPPER_PIECES) {
      const bool promoted = code % 10 == 1;
      for (int sign : {1, -1}) {
        const int red = count_pixels(pictures.picture(sign * code, scale), is_red_ink);
        if (promoted)
          EXPECT_GT(red, 40 * scale * scale / 4) << sign * code << " at " << scale;
        else
          EXPECT_EQ(red, 0) << sign * code << " at " << scale;
      }
    }
  }
}

// How far down the cell the point of a lower player's piece stands, in
// picture pixels: the first row of the middle column that is no longer board.
double tip_row(const QImage& piece, double scale) {
  const int x = static_cast<int>(CELL_PIXEL_W / 2.0 * scale);
  const int board = qGray(piece.pixel(x, 0));
  for (int y = 1; y < piece.height(); ++y)
    if (std::abs(qGray(piece.pixel(x, y)) - board) > 30) return y / scale;
  return piece.height() / scale;
}

// Like real sets: pawns smallest, then lances and knights, then silvers and
// golds, the bishop, rook and king tallest. Promotion keeps the piece's size.
TEST_F(PicturesTest, MinorPiecesAreCutSmaller) {
  const double scale = 3.0;
  auto tip = [&](int code) { return tip_row(pictures.picture(-code, scale), scale); };
  const std::vector<std::vector<int>> groups = {
      {950, 900, 901, 800, 801}, {100, 101, 110}, {20, 21, 30, 31}, {10, 11}};
  for (size_t g = 0; g < groups.size(); ++g) {
    for (int code : groups[g]) {
      EXPECT_NEAR(tip(code), tip(groups[g][0]), 0.34) << code;
      if (g > 0) {
        EXPECT_GT(tip(code), tip(groups[g - 1][0]) + 0.8) << code;
      }
    }
  }
}

TEST_F(PicturesTest, PicturesAreDrawnOncePerScale) {
  const QImage small = pictures.picture(-950, 1.0);
  EXPECT_EQ(pictures.picture(-950, 1.0).cacheKey(), small.cacheKey());
  const QImage large = pictures.picture(-950, 2.0);
  EXPECT_EQ(large.width(), small.width() * 2);
  EXPECT_EQ(pictures.picture(-950, 1.0).size(), small.size());
}

}  // namespace
}  // namespace kumora
