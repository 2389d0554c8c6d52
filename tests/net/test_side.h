// One side of a network game in the tests: a game of position keys under
// made-up rules (a move is legal when it names the key the rules give it),
// which answers the network's questions and acts on what arrives as the
// window does, and writes each event down in words.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "net/net_port.h"

namespace kumora {

// The made-up rules: the key after `move` from the position with key `before`.
std::uint64_t key_after(std::uint64_t before, const NetMove& move);

class TestSide : public NetGame, public NetEvents {
 public:
  std::vector<std::uint64_t> keys;  // after each move of the game
  std::vector<std::string> log;     // "connected sente 0", "move 3 7 3 6", "closed mac", ...
  bool answer_takebacks_yes = true;
  bool answer_at_once = false;  // answers a 待った request inside the event
  NetPort* port = nullptr;      // for answer_at_once
  // Runs inside move_received, as the window's animation does; an event
  // that arrives meanwhile is logged as "nested".
  std::function<void()> while_moving;

  // A legal move for the side to move, made on this side's game.
  NetMove play();
  std::uint64_t last_key() const { return keys.empty() ? 0 : keys.back(); }
  const std::string& last() const;

  std::vector<std::uint64_t> keys_after_moves() const override { return keys; }
  bool is_legal(const NetMove& move) const override;

  void connected(const GameSetup& setup) override;
  void move_received(const NetMove& move) override;
  void resigned(int moves) override;
  void takeback_requested(int moves) override;
  void takeback_answered(int moves, bool accepted) override;
  void clock_received(const ClockReport& clock) override;
  void closed(CloseReason reason, bool by_peer) override;
  void joins_stopped() override;

 private:
  void cut_to(int moves);
  void note_nesting();

  bool moving_ = false;
};

}  // namespace kumora
