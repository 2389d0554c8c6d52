// The network port over TCP (Qt Core and Network): direct connections,
// IPv4 and IPv6, no server in between. It works in any Qt event loop, the
// window's or a QCoreApplication's.
//
// The host listens on its port until a joiner proves the code, then plays
// that one game and takes no other join; when the connection breaks it
// listens again on the same port with the same code, so that the joiner can
// come back. After too many wrong codes it stops taking joins for good.
// A joiner tries the invitation's addresses in order until one answers.
#pragma once

#include <QObject>
#include <QTcpServer>
#include <memory>
#include <vector>

#include "net/counted_events.h"
#include "net/net_port.h"
#include "net/socket_link.h"

namespace kumora {

struct NetSettings {
  SessionSettings session;
  int max_failed_joins = 5;  // wrong codes before the host stops taking joins
  int max_proving = 4;       // joins proving the code at the same time
};

class QtNetPort : public NetPort, private LinkOwner {
 public:
  QtNetPort(NetGame& game, NetEvents& events, const NetSettings& settings = {});
  // Drops any connection without a goodbye; call leave() first for one.
  // Not to be destroyed from inside one of its own events.
  ~QtNetPort() override;

  bool host(const HostOptions& options) override;
  Invitation invitation() const override;
  bool join(const Invitation& invitation) override;
  bool send_move(const NetMove& move) override;
  bool resign() override;
  bool request_takeback(int moves) override;
  bool answer_takeback(bool accept) override;
  bool send_clock(const ClockReport& clock) override;
  void leave() override;
  NetStatus status() const override;

  // The port the host listens on (the one chosen when asked for any).
  int port() const { return port_; }
  // The side the host plays (drawn when it was to be random).
  NetSide host_side() const { return other_side(terms_.joiner_side); }
  // Breaks the connection without a goodbye, as a cut cable would.
  void cut();
  // Runs the event loop until the next event is reported or `milliseconds`
  // pass; true when one was reported.
  bool wait_for_event(int milliseconds);

 private:
  enum class Mode { IDLE, HOSTING, JOINING };

  bool listen();
  void accept_joins();
  void stop_taking_joins();
  bool connect_next_address();
  std::unique_ptr<SocketLink> make_link(QTcpSocket* socket, Role role);
  std::unique_ptr<SocketLink> take_link(SocketLink& link);
  void retire(std::unique_ptr<SocketLink> link);
  void retire_proving();
  void sweep_retired();
  Session* game_session() const;

  void link_authenticated(SocketLink& link) override;
  void link_finished(SocketLink& link, CloseReason reason, bool by_peer) override;
  void link_unreachable(SocketLink& link) override;

  NetGame& game_;
  CountedEvents events_;
  const NetSettings settings_;
  QObject context_;  // parent of the server and the sockets
  QTcpServer* server_;

  Mode mode_ = Mode::IDLE;
  std::string code_;
  std::string code_key_;
  HostTerms terms_;
  int port_ = 0;
  int failed_joins_ = 0;
  bool joins_stopped_ = false;
  Invitation joining_;
  size_t next_address_ = 0;

  std::vector<std::unique_ptr<SocketLink>> proving_;  // the host's joins, before their proof
  std::unique_ptr<SocketLink> game_link_;
  std::vector<std::unique_ptr<SocketLink>> retired_;  // closed, deleted when no longer busy
};

}  // namespace kumora
