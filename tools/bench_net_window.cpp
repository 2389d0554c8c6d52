// How long a person's move takes to reach the other person's window over
// loopback TCP: two window logics in one process play each other through
// their network ports, each move clicked as a person clicks it, and the
// time from the last click to the moment the other window has played the
// move on its board is taken. Games start again until MOVES moves were
// timed. Prints the median and the 99th percentile.
//   kumora-bench-net-window [MOVES]
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <vector>

#include "com/level_computer_player.h"
#include "net/qt_net_port.h"
#include "tools/scenario/recording_ports.h"
#include "window/main_window.h"
#include "window/mouse_input.h"
#include "window/move_clicks.h"

namespace kumora {
namespace {

using Clock = std::chrono::steady_clock;

class NoCanvas : public Canvas {
 public:
  void paint_picture(int, double, double) override {}
  void frame_rect(int, double, double, double, double) override {}
  void print_text(double, double, const std::string&, int, int, bool) override {}
  void refresh() override {}
};

// One program: its window logic, its port, and the moment its last move
// arrived.
struct Program {
  std::ostringstream sink;
  NoCanvas canvas;
  RecordingDialogs dialogs{sink};
  RecordingSound sound{sink};
  FakeHost host;
  LevelComputerPlayer computer;
  MainWindow window{canvas, dialogs, sound, host, computer};
  QtNetPort port{window.net_play(), window.net_play()};
  Program() {
    window.net_play().set_port(&port);
    window.on_window_opened();
  }
  ~Program() { window.net_play().set_port(nullptr); }
  int moves() const { return window.game().state.move_count; }
};

// The first move the rules give the side to move, clicked; false when none.
bool click_a_move(MainWindow& window) {
  const auto list = moves_of_side_to_move(window.game().state);
  if (list->count == 0) return false;
  const Candidate& move = list->move[list->count / 2];
  const std::vector<Cell> clicks = move_clicks(window.game().state.board, move);
  for (size_t i = 0; i < clicks.size(); ++i) {
    // The last click with the right button promotes.
    const bool promote = i + 1 == clicks.size() && move.placed != move.moved;
    window.on_mouse_down(promote ? MOUSE_RIGHT : MOUSE_LEFT, 0,
                         BOARD_X0 + CELL_W * (clicks[i].x + 0.5),
                         BOARD_Y0 + CELL_H * (clicks[i].y + 0.5));
  }
  return true;
}

// Runs the event loop until `done` holds; false after five seconds without.
bool wait_until(const std::function<bool()>& done) {
  const Clock::time_point start = Clock::now();
  while (!done()) {
    if (Clock::now() - start > std::chrono::seconds(5)) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  return true;
}

bool play_one_game(int limit, std::vector<double>& latencies) {
  Program host_side;
  Program join_side;
  HostOptions options;
  options.port = 0;  // any free port
  options.side = SideChoice::SENTE;
  options.code = "kumo-bnch-0000-0000";
  if (!host_side.window.net_play().host(options)) return false;
  join_side.window.net_play().join({{{"127.0.0.1", host_side.port.port()}}, options.code});
  if (!wait_until([&] {
        return join_side.window.net_play().connected() && host_side.window.net_play().connected();
      })) {
    return false;
  }
  Program* sides[2] = {&host_side, &join_side};
  for (int n = 0; n < limit && host_side.window.net_play().in_game(); ++n) {
    Program& mover = *sides[n % 2];
    Program& other = *sides[1 - n % 2];
    const int before = other.moves();
    const Clock::time_point clicked = Clock::now();
    if (!click_a_move(mover.window) || mover.moves() == before) return true;
    if (!wait_until([&] { return other.moves() != before; })) return false;
    latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - clicked).count());
  }
  return true;
}

double percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(fraction * static_cast<double>(values.size() - 1))];
}

}  // namespace
}  // namespace kumora

int main(int argc, char** argv) {
  using namespace kumora;
  QCoreApplication app(argc, argv);
  // The kept games and the settings go to a folder of their own.
  QTemporaryDir home;
  QDir::setCurrent(home.path());
  setenv("HOME", home.path().toLocal8Bit().constData(), 1);
  unsetenv("XDG_DATA_HOME");
  unsetenv("XDG_CONFIG_HOME");
  const int moves = argc > 1 ? std::atoi(argv[1]) : 400;
  std::vector<double> latencies;
  for (int game = 0; static_cast<int>(latencies.size()) < moves; ++game) {
    const size_t before = latencies.size();
    if (!play_one_game(120, latencies) || latencies.size() == before) {
      std::fprintf(stderr, "game %d stopped after %zu moves\n", game, latencies.size() - before);
      return 1;
    }
  }
  std::printf(
      "net move to the other window over loopback: %zu moves, median %.2f ms, 99th "
      "percentile %.2f ms (goal: at most 50 ms)\n",
      latencies.size(), percentile(latencies, 0.5), percentile(latencies, 0.99));
  return 0;
}
