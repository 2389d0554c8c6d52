#include "net/socket_link.h"

#include <algorithm>

namespace kumora {

namespace {

constexpr qint64 READ_CHUNK = 4096;
// What Qt may hold of what arrived before the session reads it; beyond it
// the other side waits (TCP's own flow control).
constexpr qint64 SOCKET_READ_BUFFER = 65536;
// How long a closing socket may take to send its last lines.
constexpr int CLOSING_MS = 2000;

int tick_interval(const SessionSettings& settings) {
  return std::clamp(std::min(settings.keepalive_ms, settings.idle_timeout_ms) / 4, 10, 500);
}

}  // namespace

// Marks a call into the session. A loss of the connection reported
// meanwhile is handled once the outermost call has returned.
class SocketLink::Entry {
 public:
  explicit Entry(SocketLink& link) : link_(link) { ++link_.depth_; }
  ~Entry() {
    if (--link_.depth_ == 0 && link_.lost_while_busy_) {
      QTimer::singleShot(0, &link_.timer_, [link = &link_] { link->disconnected(); });
    }
  }
  Entry(const Entry&) = delete;
  Entry& operator=(const Entry&) = delete;

 private:
  SocketLink& link_;
};

SocketLink::SocketLink(QTcpSocket* socket, const LinkTerms& terms, NetGame& game, NetEvents& events,
                       const SessionSettings& settings, LinkOwner& owner)
    : socket_(socket),
      session_(terms.role, terms.code_key, terms.host_terms, game, events, *this, settings),
      owner_(owner),
      idle_timeout_ms_(settings.idle_timeout_ms),
      clock_(settings.clock) {
  socket->setReadBufferSize(SOCKET_READ_BUFFER);
  QObject::connect(socket, &QTcpSocket::connected, &timer_, [this] { connected(); });
  QObject::connect(socket, &QTcpSocket::readyRead, &timer_, [this] { read_arrived(); });
  QObject::connect(socket, &QTcpSocket::disconnected, &timer_, [this] { disconnected(); });
  QObject::connect(socket, &QTcpSocket::errorOccurred, &timer_,
                   [this](QAbstractSocket::SocketError error) { failed(error); });
  QObject::connect(&timer_, &QTimer::timeout, [this] { ticked(); });
  timer_.start(tick_interval(settings));
}

SocketLink::~SocketLink() { close(); }

void SocketLink::start() {
  socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  {
    Entry entry(*this);
    session_.start();
  }
  read_arrived();  // what came before the link listened
}

void SocketLink::connect_to(const QString& host, int port) {
  connecting_ = true;
  connect_started_ = clock_();
  socket_->connectToHost(host, static_cast<quint16>(port));
}

void SocketLink::connected() {
  connecting_ = false;
  start();
}

void SocketLink::read_arrived() {
  if (depth_ > 0) return;  // the read under way takes it when the session returns
  Entry entry(*this);
  read_all();
}

void SocketLink::read_all() {
  char buffer[READ_CHUNK];
  while (socket_ && socket_->isOpen() && !session_.ended()) {
    const qint64 count = socket_->read(buffer, READ_CHUNK);
    if (count <= 0) break;
    session_.receive(std::string_view(buffer, static_cast<size_t>(count)));
  }
}

void SocketLink::disconnected() {
  lost_while_busy_ = depth_ > 0;
  if (lost_while_busy_) return;
  Entry entry(*this);
  read_all();  // a goodbye that came just before the end
  session_.connection_lost();
}

void SocketLink::failed(QAbstractSocket::SocketError) {
  if (!connecting_) return disconnected();
  connecting_ = false;
  owner_.link_unreachable(*this);
}

void SocketLink::ticked() {
  if (depth_ > 0) return;
  if (connecting_) {
    if (clock_() - connect_started_ < idle_timeout_ms_) return;
    connecting_ = false;
    if (socket_) socket_->abort();
    owner_.link_unreachable(*this);
    return;
  }
  Entry entry(*this);
  session_.tick();
}

void SocketLink::write_line(const std::string& line) {
  if (!socket_) return;
  socket_->write(line.data(), static_cast<qint64>(line.size()));
  socket_->write("\n", 1);
  socket_->flush();
}

void SocketLink::authenticated() { owner_.link_authenticated(*this); }

void SocketLink::finished(CloseReason reason, bool by_peer) {
  owner_.link_finished(*this, reason, by_peer);
}

void SocketLink::close() {
  timer_.stop();
  if (!socket_) return;
  QTcpSocket* socket = socket_;
  socket_ = nullptr;
  QObject::disconnect(socket, nullptr, &timer_, nullptr);
  socket->flush();
  QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
  socket->disconnectFromHost();
  if (socket->state() == QAbstractSocket::UnconnectedState) {
    socket->deleteLater();
    return;
  }
  QTimer::singleShot(CLOSING_MS, socket, [socket] {
    socket->abort();
    socket->deleteLater();
  });
}

void SocketLink::cut() {
  if (!socket_) return;
  socket_->abort();
  disconnected();
}

}  // namespace kumora
