#include "tools/scenario/scenario_net.h"

#include <QElapsedTimer>
#include <cmath>

namespace kumora {

namespace {

bool whole_number(const std::string& word, int low, int high, int& value) {
  try {
    size_t used = 0;
    value = std::stoi(word, &used);
    return used == word.size() && value >= low && value <= high;
  } catch (...) {
    return false;
  }
}

const char* side_word(NetSide side) { return side == NetSide::SENTE ? "SENTE" : "GOTE"; }

}  // namespace

ScenarioNet::ScenarioNet(MainWindow& window, std::ostream& out)
    : window_(window), play_(window.net_play()), out_(out), port_(window.net_play(), *this) {
  window_.net_play().set_port(&port_);
}

ScenarioNet::~ScenarioNet() { window_.net_play().set_port(nullptr); }

bool ScenarioNet::run(const std::vector<std::string>& words, std::string& error) {
  if (words.size() >= 2 && words[1] == "host") return host(words, error);
  if (words.size() >= 2 && words[1] == "join") return join(words, error);
  if (words.size() == 2 && words[1] == "cut") {
    port_.cut();
    return true;
  }
  if (words.size() == 3 && words[1] == "wait") {
    try {
      size_t used = 0;
      const double seconds = std::stod(words[2], &used);
      if (used == words[2].size() && seconds >= 0 && seconds <= 3600) {
        wait(seconds);
        return true;
      }
    } catch (...) {
    }
    error = "net wait takes seconds 0..3600";
    return false;
  }
  error = "net host PORT CODE [SENTE|GOTE], net join HOST PORT CODE, net wait SECONDS or net cut";
  return false;
}

bool ScenarioNet::host(const std::vector<std::string>& words, std::string& error) {
  HostOptions options;
  if (words.size() < 4 || words.size() > 5 || !whole_number(words[2], 1, 65535, options.port)) {
    error = "net host PORT CODE [SENTE|GOTE]";
    return false;
  }
  options.code = words[3];
  options.side = SideChoice::RANDOM;
  if (words.size() == 5) {
    if (words[4] != "SENTE" && words[4] != "GOTE") {
      error = "the host plays SENTE or GOTE";
      return false;
    }
    options.side = words[4] == "SENTE" ? SideChoice::SENTE : SideChoice::GOTE;
  }
  options.time_control = window_.time_control();
  window_.net_play().host(options);
  return true;
}

bool ScenarioNet::join(const std::vector<std::string>& words, std::string& error) {
  Invitation invitation;
  NetAddress address;
  address.host = words.size() == 5 ? words[2] : "";
  if (words.size() != 5 || !whole_number(words[3], 1, 65535, address.port)) {
    error = "net join HOST PORT CODE";
    return false;
  }
  invitation.addresses.push_back(address);
  invitation.code = words[4];
  window_.net_play().join(invitation);
  return true;
}

void ScenarioNet::wait(double seconds) {
  QElapsedTimer timer;
  timer.start();
  const qint64 limit = static_cast<qint64>(std::llround(seconds * 1000));
  while (arrived_ == 0) {
    const qint64 left = limit - timer.elapsed();
    if (left <= 0) return;
    waiting_ = true;
    port_.wait_for_event(static_cast<int>(left));
    waiting_ = false;
  }
  --arrived_;
}

void ScenarioNet::note_arrival() {
  // What a command itself brings about (`net cut`) is printed at once and
  // is no line for a later wait.
  if (waiting_) ++arrived_;
}

void ScenarioNet::connected(const GameSetup& setup) {
  out_ << "net connected " << side_word(setup.own_side) << "\n";
  note_arrival();
  play_.connected(setup);
}

void ScenarioNet::move_received(const NetMove& move) {
  out_ << "net move " << move.from_x << " " << move.from_y << " " << move.to_x << " " << move.to_y
       << " " << move.moved << " " << move.placed << " " << move.taken << "\n";
  move_pending_ = true;
  play_.move_received(move);
}

void ScenarioNet::clock_received(const ClockReport& clock) {
  play_.clock_received(clock);
  if (move_pending_) note_arrival();
  move_pending_ = false;
}

void ScenarioNet::resigned(int moves) {
  out_ << "net resigned " << moves << "\n";
  note_arrival();
  play_.resigned(moves);
}

void ScenarioNet::takeback_requested(int moves) {
  out_ << "net takeback " << moves << "\n";
  note_arrival();
  play_.takeback_requested(moves);
}

void ScenarioNet::takeback_answered(int moves, bool accepted) {
  out_ << "net takeback " << moves << (accepted ? " accepted" : " refused") << "\n";
  note_arrival();
  play_.takeback_answered(moves, accepted);
}

void ScenarioNet::closed(CloseReason reason, bool by_peer) {
  out_ << "net closed " << reason_word(reason) << "\n";
  note_arrival();
  play_.closed(reason, by_peer);
}

void ScenarioNet::joins_stopped() {
  out_ << "net joins stopped\n";
  note_arrival();
  play_.joins_stopped();
}

}  // namespace kumora
