#include "view/replay_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "core/constants.h"
#include "core/piece_names.h"
#include "core/quoted_text.h"

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

std::string one_decimal(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

bool is_background(int code) { return code >= HAIKEI_MIDORI && code <= HAIKEI_RENGA; }

// "cell X,Y" when the point is the corner of a cell of the grid, else
// `elsewhere` and the point in twips.
std::string place_name(double x, double y, const char* elsewhere) {
  const double column = (x - BOARD_X0) / CELL_W;
  const double row = (y - BOARD_Y0) / CELL_H;
  if (column == std::floor(column) && row == std::floor(row)) {
    return "cell " + std::to_string(static_cast<int>(column)) + "," +
           std::to_string(static_cast<int>(row));
  }
  return elsewhere + one_decimal(x) + "," + one_decimal(y);
}

std::string picture_name(int code) {
  static const char* const BACKGROUNDS[] = {"緑", "畳", "竹", "宇宙", "煉瓦"};
  if (code == EMPTY) return "empty square";
  if (code == TITLE_PICTURE) return "title";
  if (is_background(code)) return std::string("background ") + BACKGROUNDS[code - HAIKEI_MIDORI];
  const char* name = piece_name(code);
  return std::string(code < 0 ? "lower " : "upper ") + (name ? name : "?");
}

}  // namespace

void ReplayCanvas::forget_hidden(double x1, double y1, double x2, double y2) {
  // A text is printed over the cell painted just before it, and may run a
  // little past its edge: it goes with the picture that covers where it starts.
  std::erase_if(operations_, [&](const Operation& op) {
    const bool wholly_covered = op.x1 >= x1 && op.y1 >= y1 && op.x2 <= x2 && op.y2 <= y2;
    const bool text_starts_under =
        op.kind == Kind::Text && op.x1 >= x1 && op.x1 < x2 && op.y1 >= y1 && op.y1 < y2;
    return wholly_covered || text_starts_under;
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
  // The same text printed again where it still shows (a caption printed by
  // two handlers) would only darken its edges and its shadow.
  const bool shown_already =
      std::any_of(operations_.begin(), operations_.end(), [&](const Operation& op) {
        return op.kind == Kind::Text && op.x1 == x && op.y1 == y && op.text == text &&
               op.code_or_colour == colour && op.size == size && op.bold == bold;
      });
  if (shown_already) return;
  const double x2 = x + text_width_twips(text, size);
  const double y2 = y + size * TWIPS_PER_POINT * 1.5;
  operations_.push_back({Kind::Text, colour, x, y, x2, y2, text, size, bold});
  surface_.print_text(x, y, text, colour, size, bold);
}

void ReplayCanvas::draw(const Operation& op) {
  switch (op.kind) {
    case Kind::Picture:
      surface_.paint_picture(op.code_or_colour, op.x1, op.y1);
      break;
    case Kind::Frame:
      surface_.frame_rect(op.code_or_colour, op.x1, op.y1, op.x2, op.y2);
      break;
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

std::vector<std::string> ReplayCanvas::describe() const {
  std::vector<std::string> lines;
  std::map<int, int> tiles;
  for (const Operation& op : operations_) {
    if (op.kind == Kind::Picture && is_background(op.code_or_colour)) {
      ++tiles[op.code_or_colour];
    } else if (op.kind == Kind::Picture) {
      lines.push_back(place_name(op.x1, op.y1, "picture ") + " = " +
                      picture_name(op.code_or_colour));
    } else if (op.kind == Kind::Text) {
      lines.push_back("text " + one_decimal(op.x1) + "," + one_decimal(op.y1) + " = colour " +
                      std::to_string(op.code_or_colour) + " size " + std::to_string(op.size) +
                      (op.bold ? " bold " : " ") + quoted(op.text));
    }
  }
  for (const auto& [code, count] : tiles) {
    lines.push_back(picture_name(code) + " = " + std::to_string(count) + " tiles");
  }
  return lines;
}

std::vector<std::string> ReplayCanvas::describe_frames() const {
  std::vector<std::string> lines;
  for (const Operation& op : operations_) {
    if (op.kind != Kind::Frame) continue;
    const bool whole_cell = op.x2 - op.x1 == CELL_W && op.y2 - op.y1 == CELL_H;
    const std::string place = place_name(op.x1, op.y1, "");
    lines.push_back(
        "frame " +
        (whole_cell ? place : place + " to " + one_decimal(op.x2) + "," + one_decimal(op.y2)) +
        " = colour " + std::to_string(op.code_or_colour));
  }
  return lines;
}

}  // namespace kumora
