#include "view/replay_canvas.h"

#include <algorithm>

#include "core/constants.h"

namespace kumora {

namespace {
// A generous estimate of a printed text's width: ASCII about 0.6 of the font
// height, half-width katakana 0.6, everything else (full-width) a whole height.
double text_width_twips(const std::string& text, int size) {
  const double height = static_cast<double>(size) * TWIPS_PER_POINT;
  double width = 0;
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      width += 0.6 * height;
      i += 1;
    } else if (lead >= 0xF0) {
      width += height;
      i += 4;
    } else if (lead >= 0xE0) {
      const bool half_width_kana = lead == 0xEF && i + 1 < text.size() &&
                                   (static_cast<unsigned char>(text[i + 1]) == 0xBD ||
                                    static_cast<unsigned char>(text[i + 1]) == 0xBE);
      width += half_width_kana ? 0.6 * height : height;
      i += 3;
    } else {
      width += height;
      i += 2;
    }
  }
  return width;
}
}  // namespace

void ReplayCanvas::forget_hidden(double x1, double y1, double x2, double y2) {
  std::erase_if(operations_, [&](const Operation& op) {
    return op.x1 >= x1 && op.y1 >= y1 && op.x2 <= x2 && op.y2 <= y2;
  });
}

void ReplayCanvas::paint_picture(int code, double x, double y) {
  if (!Pictures::has_picture(code)) return;
  const QSize size = Pictures::natural_size(code);
  const double x2 = x + size.width() * TWIPS_PER_PIXEL;
  const double y2 = y + size.height() * TWIPS_PER_PIXEL;
  forget_hidden(x, y, x2, y2);
  operations_.push_back({Kind::Picture, code, x, y, x2, y2, {}, 0, false});
  surface_.paint_picture(code, x, y);
}

void ReplayCanvas::frame_rect(int colour, double x1, double y1, double x2, double y2) {
  // A frame drawn again over the same rectangle replaces the earlier one.
  std::erase_if(operations_, [&](const Operation& op) {
    return op.kind == Kind::Frame && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2;
  });
  operations_.push_back({Kind::Frame, colour, x1, y1, x2, y2, {}, 0, false});
  surface_.frame_rect(colour, x1, y1, x2, y2);
}

void ReplayCanvas::print_text(double x, double y, const std::string& text, int colour, int size,
                              bool bold) {
  const double x2 = x + text_width_twips(text, size);
  const double y2 = y + size * TWIPS_PER_POINT * 1.5;
  operations_.push_back({Kind::Text, colour, x, y, x2, y2, text, size, bold});
  surface_.print_text(x, y, text, colour, size, bold);
}

void ReplayCanvas::draw(const Operation& op) {
  switch (op.kind) {
    case Kind::Picture: surface_.paint_picture(op.code_or_colour, op.x1, op.y1); break;
    case Kind::Frame: surface_.frame_rect(op.code_or_colour, op.x1, op.y1, op.x2, op.y2); break;
    case Kind::Text:
      surface_.print_text(op.x1, op.y1, op.text, op.code_or_colour, op.size, op.bold);
      break;
  }
}

void ReplayCanvas::rescale(double scale) {
  surface_.set_scale(scale);
  surface_.fill(WINDOW_COLOUR);
  for (const Operation& op : operations_) draw(op);
}

}  // namespace kumora
