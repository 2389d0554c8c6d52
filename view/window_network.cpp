#include "view/window_network.h"

#include "view/net_dialogs.h"

namespace kumora {

WindowNetwork::WindowNetwork(QWidget* parent, MainWindow& logic, Deliver deliver)
    : parent_(parent),
      logic_(logic),
      play_(logic.net_play()),
      deliver_(std::move(deliver)),
      port_(logic.net_play(), *this) {
  play_.set_port(&port_);
}

WindowNetwork::~WindowNetwork() { play_.set_port(nullptr); }

void WindowNetwork::host() {
  const std::optional<HostOptions> options = ask_host_options(parent_, logic_.time_control());
  if (!options) return;
  bool hosting = false;
  deliver_([&] { hosting = play_.host(*options); });
  if (!hosting) return;
  if (invitation_) invitation_->close();
  invitation_ = new InvitationDialog(
      parent_, format_invitation(port_.invitation()),
      [this] { return port_.status() == NetStatus::LISTENING; },
      [this] { deliver_([&] { play_.leave(); }); });
  invitation_->show();
}

void WindowNetwork::join() {
  const std::optional<Invitation> invitation = ask_invitation(parent_);
  if (!invitation) return;
  deliver_([&] { play_.join(*invitation); });
}

void WindowNetwork::connected(const GameSetup& setup) {
  if (invitation_) invitation_->close();
  deliver_([&] { play_.connected(setup); });
}

void WindowNetwork::move_received(const NetMove& move) {
  deliver_([&] { play_.move_received(move); });
}

void WindowNetwork::resigned(int moves) {
  deliver_([&] { play_.resigned(moves); });
}

void WindowNetwork::takeback_requested(int moves) {
  deliver_([&] { play_.takeback_requested(moves); });
}

void WindowNetwork::takeback_answered(int moves, bool accepted) {
  deliver_([&] { play_.takeback_answered(moves, accepted); });
}

void WindowNetwork::clock_received(const ClockReport& clock) {
  deliver_([&] { play_.clock_received(clock); });
}

void WindowNetwork::closed(CloseReason reason, bool by_peer) {
  deliver_([&] { play_.closed(reason, by_peer); });
}

void WindowNetwork::joins_stopped() {
  deliver_([&] { play_.joins_stopped(); });
}

}  // namespace kumora
