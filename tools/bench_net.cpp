// How long a move takes from one side of a network game to the other over
// loopback TCP: two ports in one process answer each move at once with
// the next, and the time from send_move to the other side's move_received
// is taken for each. Prints the median and the 99th percentile.
//   kumora-bench-net [MOVES]
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "net/qt_net_port.h"

namespace kumora {
namespace {

using Clock = std::chrono::steady_clock;

// Both sides: every move is legal, each arrival is answered with a move.
class Player : public NetGame, public NetEvents {
 public:
  Player(int moves, std::vector<double>& latencies, Clock::time_point& sent)
      : moves_(moves), latencies_(latencies), sent_(sent) {}
  QtNetPort* port = nullptr;
  std::vector<std::uint64_t> keys;

  std::vector<std::uint64_t> keys_after_moves() const override { return keys; }
  bool is_legal(const NetMove&) const override { return true; }
  void connected(const GameSetup& setup) override {
    if (setup.own_side == NetSide::SENTE) move();
  }
  void move_received(const NetMove& move_made) override {
    latencies_.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sent_).count());
    keys.push_back(move_made.key_after);
    if (static_cast<int>(latencies_.size()) >= moves_) return QCoreApplication::quit();
    move();
  }
  void resigned(int) override {}
  void takeback_requested(int) override {}
  void takeback_answered(int, bool) override {}
  void clock_received(const ClockReport&) override {}
  void closed(CloseReason reason, bool) override {
    std::fprintf(stderr, "closed: %s\n", reason_word(reason));
    QCoreApplication::exit(1);
  }
  void joins_stopped() override {}

 private:
  void move() {
    const int n = static_cast<int>(keys.size());
    const NetMove next{1 + n % 9, 7, 1 + n % 9, 6, -10, -10, 0, static_cast<std::uint64_t>(n + 1)};
    keys.push_back(next.key_after);
    sent_ = Clock::now();
    port->send_move(next);
  }

  int moves_;
  std::vector<double>& latencies_;
  Clock::time_point& sent_;
};

double percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const size_t index = static_cast<size_t>(fraction * static_cast<double>(values.size() - 1));
  return values[index];
}

}  // namespace
}  // namespace kumora

int main(int argc, char** argv) {
  using namespace kumora;
  QCoreApplication app(argc, argv);
  const int moves = argc > 1 ? std::atoi(argv[1]) : 2000;
  std::vector<double> latencies;
  Clock::time_point sent;
  Player host_player(moves, latencies, sent);
  Player join_player(moves, latencies, sent);
  // Moves follow each other far faster than people play: no byte limit.
  NetSettings settings;
  settings.session.bytes_per_second = std::size_t{1} << 40;
  QtNetPort host(host_player, host_player, settings);
  QtNetPort join(join_player, join_player, settings);
  host_player.port = &host;
  join_player.port = &join;
  if (!host.host({0, SideChoice::SENTE, {}, ""})) return 1;
  join.join({{{"127.0.0.1", host.port()}}, host.invitation().code});
  QTimer::singleShot(120000, &app, [] { QCoreApplication::exit(2); });
  if (app.exec() != 0 || latencies.empty()) return 1;
  std::printf("A network move, one side to the other over loopback (%zu moves):\n",
              latencies.size());
  std::printf("  median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n",
              percentile(latencies, 0.5), percentile(latencies, 0.99), percentile(latencies, 1.0));
  return 0;
}
