// The game as the network sees it: each move in the coordinates of a game
// shown with 先手 as the lower side, and the position key after it. A game
// shown with 後手 below counts as turned round from that view (its whole
// game, kept and listed, is in it too); its moves are turned at this
// boundary, both ways.
#pragma once

#include <cstdint>
#include <vector>

#include "kifu/move_record.h"
#include "net/net_port.h"
#include "window/game.h"

namespace kumora {

// An entry of the board, as the network writes it; turning is its own
// inverse, so the same call turns a received move into the board's view.
RecordEntry network_view(const RecordEntry& entry, bool board_turned);

// The moves up to the position shown, in the network's view.
std::vector<RecordEntry> network_moves(const Game& game);

// The position key after each of `moves`, played from the even position.
std::vector<std::uint64_t> keys_after(const std::vector<RecordEntry>& moves);

// Whether `move` may follow `moves`: one the rules give the side to move,
// with the piece it takes, leading to the position of its key. Nothing may
// follow a move that took a king, nor fill a record that is full.
bool legal_after(const std::vector<RecordEntry>& moves, const NetMove& move);

NetMove to_net_move(const RecordEntry& entry, std::uint64_t key_after);
RecordEntry to_entry(const NetMove& move);

}  // namespace kumora
