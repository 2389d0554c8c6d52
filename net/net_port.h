// Play against a person at another computer, as the window's logic sees it:
// plain types and three small interfaces, no Qt. The window's logic (or the
// scenario runner, or a test) implements NetGame and NetEvents and talks to
// a NetPort; net/qt_net_port.h is the port over real TCP sockets.
//
// Moves travel as the record holds them (kifu/record.h), in the coordinates of
// a game shown with 先手 as the lower side, with the position key after the
// move. Games start from the even position, 先手 moving first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/close_reason.h"
#include "net/invitation.h"
#include "settings/time_control.h"

namespace kumora {

enum class NetSide { SENTE, GOTE };

inline NetSide other_side(NetSide side) {
  return side == NetSide::SENTE ? NetSide::GOTE : NetSide::SENTE;
}

// The side a host plays: 先手, 後手 or drawn at random when it starts hosting.
enum class SideChoice { SENTE, GOTE, RANDOM };

// A move as the record holds it (from_x 11 or -1 and the hand row for a
// drop), with the key of the position after it.
struct NetMove {
  int from_x = 0;
  int from_y = 0;
  int to_x = 0;
  int to_y = 0;
  int moved = 0;
  int placed = 0;
  int taken = 0;
  std::uint64_t key_after = 0;
  bool operator==(const NetMove&) const = default;
};

// Both players' thinking time so far, in milliseconds.
struct ClockReport {
  int sente_ms = 0;
  int gote_ms = 0;
  bool operator==(const ClockReport&) const = default;
};

// What both sides agreed when they met: the side this program plays, the
// time control, and how many moves of the game both already had, the same
// (the longest common game; 0 for a new game).
struct GameSetup {
  NetSide own_side = NetSide::SENTE;
  TimeControl time_control;
  int common_moves = 0;
};

struct HostOptions {
  int port = 0;  // 0: any free port
  SideChoice side = SideChoice::RANDOM;
  TimeControl time_control;
  std::string code;  // empty: a new random code
};

// The game as the network needs to see it, answered by the program's own
// record and its one move generator.
class NetGame {
 public:
  virtual ~NetGame() = default;
  // The position key after each move of the game so far, the first move first.
  virtual std::vector<std::uint64_t> keys_after_moves() const = 0;
  // Whether `move` is legal for the side to move in the present position and
  // leads to a position with the key move.key_after.
  virtual bool is_legal(const NetMove& move) const = 0;
};

// What arrives from the other side. Each call comes from the event loop, and
// the receiver acts on it before returning (makes the move, cuts its game),
// so that the next line is checked against the position it leads to.
class NetEvents {
 public:
  virtual ~NetEvents() = default;
  // Both sides proved the code and agreed on the game: cut the game to
  // setup.common_moves moves and play on as setup.own_side.
  virtual void connected(const GameSetup& setup) = 0;
  // The other side's move, checked; make it.
  virtual void move_received(const NetMove& move) = 0;
  // The other side resigned after `moves` moves (fewer than this side has
  // when its own move crossed the resignation: cut the game to `moves`).
  virtual void resigned(int moves) = 0;
  // 待った: the other side asks to go back to the position after `moves`
  // moves; answer with NetPort::answer_takeback.
  virtual void takeback_requested(int moves) = 0;
  // The answer to this side's request; when accepted, cut the game to
  // `moves` moves (or leave it when it is shorter already).
  virtual void takeback_answered(int moves, bool accepted) = 0;
  virtual void clock_received(const ClockReport& clock) = 0;
  // The connection ended or a join was refused; the game is kept. `by_peer`
  // when the other side said why. close_message() words it for the person.
  virtual void closed(CloseReason reason, bool by_peer) = 0;
  // Too many joins with a wrong code: this invitation takes no more joins.
  virtual void joins_stopped() = 0;
};

enum class NetStatus {
  IDLE,        // neither hosting nor joining
  LISTENING,   // hosting, waiting for the other side
  CONNECTING,  // joining, or proving the code
  PLAYING,     // connected and agreed on the game
  STOPPED      // hosting, but no more joins are taken (too many wrong codes)
};

// The network as the window's logic uses it. The calls that send answer
// false, and send nothing, when the game is not in a state to take them
// (not connected, not this side's turn, a 待った request waiting, the game
// over).
class NetPort {
 public:
  virtual ~NetPort() = default;
  // Starts waiting for the other side; false when the port cannot be opened.
  virtual bool host(const HostOptions& options) = 0;
  // The invitation to pass on while hosting (addresses, port, code).
  virtual Invitation invitation() const = 0;
  // Connects to a host; again after a lost connection, to go on.
  virtual bool join(const Invitation& invitation) = 0;
  // This side's move, already made on its board.
  virtual bool send_move(const NetMove& move) = 0;
  virtual bool resign() = 0;
  // 待った: asks to go back to the position after `moves` moves.
  virtual bool request_takeback(int moves) = 0;
  virtual bool answer_takeback(bool accept) = 0;
  virtual bool send_clock(const ClockReport& clock) = 0;
  // Says goodbye, closes the connection and stops hosting or joining.
  virtual void leave() = 0;
  virtual NetStatus status() const = 0;
};

}  // namespace kumora
