// The names of the pieces: as the last-move text writes them, and as the
// face of a piece carries them.
#pragma once

namespace kumora {

// The display name of a piece code of either sign ("歩", "と", "香成", ...,
// "王"); null for a code that is no piece.
const char* piece_name(int code);

// The characters written on the face of a piece of either sign: one, or two
// stacked; null for a code that is no piece.
const char* piece_face(int code);

// True for the promoted kinds (their faces are written in red).
bool is_promoted_piece(int code);

}  // namespace kumora
