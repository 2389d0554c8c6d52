// The runner's network: `net host`, `net join`, `net wait` and `net cut` for
// one program of the run, over real TCP. What arrives is written to the
// transcript before the window acts on it, so that a received move's
// `net move` line comes before the `move` line the window prints.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "net/qt_net_port.h"
#include "window/main_window.h"

namespace kumora {

class ScenarioNet : public NetEvents {
 public:
  ScenarioNet(MainWindow& window, std::ostream& out);
  ~ScenarioNet() override;

  // Runs a `net` line; false, with the reason, for a malformed one.
  bool run(const std::vector<std::string>& words, std::string& error);

  void connected(const GameSetup& setup) override;
  void move_received(const NetMove& move) override;
  void resigned(int moves) override;
  void takeback_requested(int moves) override;
  void takeback_answered(int moves, bool accepted) override;
  void clock_received(const ClockReport& clock) override;
  void closed(CloseReason reason, bool by_peer) override;
  void joins_stopped() override;

 private:
  bool host(const std::vector<std::string>& words, std::string& error);
  bool join(const std::vector<std::string>& words, std::string& error);
  // Processes network events until one worth a line arrived or `seconds` passed.
  void wait(double seconds);
  void note_arrival();

  MainWindow& window_;
  NetEvents& play_;
  std::ostream& out_;
  QtNetPort port_;
  // Events a wait ends on that came and were not yet waited for: lines that
  // arrive together are taken together, and the next wait returns at once.
  int arrived_ = 0;
  bool waiting_ = false;
  bool move_pending_ = false;  // a move came; its clock follows it
};

}  // namespace kumora
