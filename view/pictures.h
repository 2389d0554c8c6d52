// The window's 35 pictures: 28 piece faces, the empty square, five background
// textures and the title plaque. They are drawn by code at the device scale
// (1.0 = one picture pixel per device pixel, 2.0 on a double-density screen)
// and kept once drawn, for the latest scale only: the window's scale follows
// its size, and a window dragged through many sizes should not hoard pictures.
#pragma once

#include <QImage>
#include <QSize>
#include <map>

namespace kumora {

// Picture codes that are not piece codes (0, the empty square, is EMPTY).
constexpr int TITLE_PICTURE = 1;
constexpr int HAIKEI_MIDORI = 2;  // green felt
constexpr int HAIKEI_TATAMI = 3;
constexpr int HAIKEI_TAKE = 4;   // bamboo
constexpr int HAIKEI_UCHU = 5;   // starry space
constexpr int HAIKEI_RENGA = 6;  // brick

// Natural sizes in pixels at scale 1.
constexpr int CELL_PIXEL_W = 33;
constexpr int CELL_PIXEL_H = 41;
constexpr int TITLE_PIXEL_W = 124;
constexpr int TITLE_PIXEL_H = 63;

// The family used for piece faces and window text.
inline constexpr const char* JAPANESE_FONT = "Noto Sans CJK JP";

class Pictures {
 public:
  // True for the 35 codes that have a picture.
  static bool has_picture(int code);
  // Size at scale 1 of the picture of `code`; empty for codes without one.
  static QSize natural_size(int code);

  // The picture of `code` drawn at `scale`, or a null image for codes without
  // one. QImage shares its pixels, so the copy is cheap.
  QImage picture(int code, double scale);

 private:
  static QImage render(int code, double scale);

  int cached_scale_ = 0;  // in hundredths
  std::map<int, QImage> cache_;
};

}  // namespace kumora
