// A session over a TCP socket: what arrives goes to the session as it comes
// (no blocking read, at most a buffer's worth at a time), what it writes is
// sent at once, a timer lets it check the silence. The link does not let
// the session be entered again while an event it reported is still being
// handled (the receiver may run a nested event loop): what arrives
// meanwhile is read when the session returns, in order, and a connection
// lost meanwhile is reported after that.
#pragma once

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

#include "net/session.h"

namespace kumora {

class SocketLink;

// Told what becomes of a link.
class LinkOwner {
 public:
  virtual ~LinkOwner() = default;
  virtual void link_authenticated(SocketLink& link) = 0;
  virtual void link_finished(SocketLink& link, CloseReason reason, bool by_peer) = 0;
  // A join could not connect to the address it was given.
  virtual void link_unreachable(SocketLink& link) = 0;
};

// What a session of a link is made of.
struct LinkTerms {
  Role role = Role::HOST;
  std::string code_key;
  HostTerms host_terms;
};

class SocketLink : private SessionLink {
 public:
  // Takes `socket` (connected for the host, unconnected for a join).
  SocketLink(QTcpSocket* socket, const LinkTerms& terms, NetGame& game, NetEvents& events,
             const SessionSettings& settings, LinkOwner& owner);
  ~SocketLink() override;

  // The host's side: the socket is connected; says hello.
  void start();
  // A join: connects to the address and says hello once connected.
  void connect_to(const QString& host, int port);

  Session& session() { return session_; }
  // Inside a call into the session (which may be waiting in a nested loop).
  bool busy() const { return depth_ > 0; }
  // Stops listening to the socket and closes it once what was written is
  // sent; the link is then inert.
  void close();
  // Drops the connection at once, as a broken cable would.
  void cut();

 private:
  class Entry;

  void connected();
  void read_arrived();
  void read_all();
  void disconnected();
  void failed(QAbstractSocket::SocketError error);
  void ticked();

  void write_line(const std::string& line) override;
  void authenticated() override;
  void finished(CloseReason reason, bool by_peer) override;

  QPointer<QTcpSocket> socket_;
  QTimer timer_;
  Session session_;
  LinkOwner& owner_;
  const int idle_timeout_ms_;
  const MillisecondClock clock_;
  std::int64_t connect_started_ = 0;
  bool connecting_ = false;
  int depth_ = 0;
  bool lost_while_busy_ = false;
};

}  // namespace kumora
