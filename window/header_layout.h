// Where the header lines of a record file read for replay are printed: the
// title and the lower player's name in the row under the board, the upper
// player's name above the column numbers. Positions in twips.
#pragma once

#include <string>

namespace kumora {

struct TextPlace {
  double x = 0;
  double y = 0;
};

struct HeaderPlaces {
  TextPlace title;
  TextPlace top_name;
  TextPlace bottom_name;
};

// Width in twips of a text printed at `size` points: a full em for wide
// characters, half an em for ASCII and half-width katakana.
double text_width(const std::string& utf8, int size);

// The title goes where the record layout puts it (title_x − 3000, y 6350)
// when it lies wholly inside the window and clear of the lower player's
// name; otherwise it is centred under the board, a line lower if it would
// still run into the name. The upper player's name keeps its column but sits
// high enough to stay clear of the column numbers.
HeaderPlaces place_headers(const std::string& title, const std::string& top_name,
                           const std::string& bottom_name);

}  // namespace kumora
