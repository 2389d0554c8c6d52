// The two sides of a game. Each is told apart by its code, 1 or −1, as the
// runner prints it; which of them moves first (先手) and which half of the
// board each plays is the game's to say. When the window opens side ONE is
// 先手 and plays the upper half.
#pragma once

namespace kumora {

enum class Side : int { NONE = 0, ONE = 1, TWO = -1 };

// No side to move: no game is being played; no winner yet.
inline constexpr Side NO_GAME = Side::NONE;

// The other side; no side stays no side.
constexpr Side opposite(Side side) { return static_cast<Side>(-static_cast<int>(side)); }

// 1, −1, or 0 for no side.
constexpr int side_code(Side side) { return static_cast<int>(side); }

}  // namespace kumora
