// The real window's network: the port over TCP, whose events reach the
// window's logic as every other event does (through the window's delivery,
// so that the screen follows), and 相手を待つ / 相手に接続 with their dialogs.
#pragma once

#include <QPointer>
#include <functional>

#include "net/qt_net_port.h"
#include "window/main_window.h"

class QWidget;

namespace kumora {

class InvitationDialog;

class WindowNetwork : public NetEvents {
 public:
  using Deliver = std::function<void(const std::function<void()>&)>;
  WindowNetwork(QWidget* parent, MainWindow& logic, Deliver deliver);
  ~WindowNetwork() override;

  void host();
  void join();

  void connected(const GameSetup& setup) override;
  void move_received(const NetMove& move) override;
  void resigned(int moves) override;
  void takeback_requested(int moves) override;
  void takeback_answered(int moves, bool accepted) override;
  void clock_received(const ClockReport& clock) override;
  void closed(CloseReason reason, bool by_peer) override;
  void joins_stopped() override;

 private:
  QWidget* parent_;
  MainWindow& logic_;
  NetPlay& play_;
  Deliver deliver_;
  QtNetPort port_;
  QPointer<InvitationDialog> invitation_;
};

}  // namespace kumora
