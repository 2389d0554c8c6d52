// Named constants of the game and the window: sides, play modes, screen
// geometry and palette colours; the rules' own are in rules/pieces.h.
#pragma once

#include "rules/pieces.h"

namespace kumora {

// Whom the person plays, held in vs_com: another person at the same screen
// (or across the network), or the computer. The runner prints it as 0 or 1.
enum class Opponent : int { PERSON = 0, COMPUTER = 1 };
constexpr Opponent MODE_MAN = Opponent::PERSON;
constexpr Opponent MODE_COM = Opponent::COMPUTER;

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

}  // namespace kumora
