// Named constants shared by the whole program: results, sides, play modes,
// piece codes, screen geometry and palette colours.
#pragma once

namespace kumora {

// Rule results and flags.
constexpr int ON = 1;
constexpr int OFF = 0;

// The most moves a game's record holds; a game whose record is full ends
// in a draw.
constexpr int RECORD_LIMIT = 500;

// An empty square, and "no side" / "no game".
constexpr int EMPTY = 0;
constexpr int NO_GAME = 0;

// Play modes held in vs_com.
constexpr int MODE_MAN = 0;
constexpr int MODE_COM = 1;

// Piece codes of the upper player; the lower player's are their negatives.
// A promoted piece is one step further from zero.
constexpr int PAWN = 10;
constexpr int LANCE = 20;
constexpr int KNIGHT = 30;
constexpr int SILVER = 100;
constexpr int GOLD = 110;
constexpr int BISHOP = 800;
constexpr int ROOK = 900;
constexpr int KING = 950;
constexpr int TOKIN = 11;
constexpr int PROMOTED_LANCE = 21;
constexpr int PROMOTED_KNIGHT = 31;
constexpr int PROMOTED_SILVER = 101;
constexpr int PROMOTED_GOLD = 111;  // defined but never produced
constexpr int HORSE = 801;
constexpr int DRAGON = 901;

// Window geometry in twips: the drawing surface, the board and its cells.
constexpr int SURFACE_W_TWIPS = 9000;
constexpr int SURFACE_H_TWIPS = 7200;
// A point of font size is 20 twips.
constexpr int TWIPS_PER_POINT = 20;

constexpr int BOARD_X0 = 1050;
constexpr int BOARD_Y0 = 100;
constexpr int CELL_W = 495;
constexpr int CELL_H = 615;
constexpr int BOARD_SIZE = 9;

// Hand cells: the lower hand is column 11 rows 3..9, the upper hand column -1 rows 1..7.
constexpr int LOWER_HAND_COLUMN = 11;
constexpr int UPPER_HAND_COLUMN = -1;

// QBColor palette indexes used by the drawing code.
constexpr int COLOUR_BLACK = 0;
constexpr int WINDOW_COLOUR = 2;
constexpr int PLAIN_CELL_COLOUR = 2;
constexpr int SELECTED_COLOUR = 12;
constexpr int CHAIN_START_COLOUR = 11;
constexpr int REFUSED_COLOUR = 15;
constexpr int SHADOW_COLOUR = 0;
constexpr int LABEL_COLOUR = 14;
constexpr int TEXT_COLOUR = 15;
constexpr int HAND_COUNT_COLOUR = 12;
constexpr int GUIDE_ON_COLOUR = 15;

// The piece codes of hand slots 1..7 for the upper player (negate for the lower).
constexpr int HAND_SLOT_CODES[8] = {0, PAWN, LANCE, KNIGHT, SILVER, GOLD, BISHOP, ROOK};

}  // namespace kumora
