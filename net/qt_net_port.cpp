#include "net/qt_net_port.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QTimer>
#include <algorithm>

#include "net/code_key.h"
#include "net/crypto.h"
#include "net/local_addresses.h"

namespace kumora {

namespace {

// How soon a retired link that is still busy is looked at again.
constexpr int SWEEP_RETRY_MS = 10;

NetSide chosen_side(SideChoice choice) {
  if (choice == SideChoice::SENTE) return NetSide::SENTE;
  if (choice == SideChoice::GOTE) return NetSide::GOTE;
  return random_number() % 2 == 0 ? NetSide::SENTE : NetSide::GOTE;
}

}  // namespace

QtNetPort::QtNetPort(NetGame& game, NetEvents& events, const NetSettings& settings)
    : game_(game), events_(events), settings_(settings), server_(new QTcpServer(&context_)) {
  QObject::connect(server_, &QTcpServer::newConnection, &context_, [this] { accept_joins(); });
}

QtNetPort::~QtNetPort() {
  // The links go before the sockets their context owns.
  proving_.clear();
  game_link_.reset();
  retired_.clear();
}

// ---- hosting --------------------------------------------------------------

bool QtNetPort::host(const HostOptions& options) {
  if (mode_ != Mode::IDLE) return false;
  code_ = options.code.empty() ? code_from_bits(random_number()) : options.code;
  code_key_ = code_key(code_);
  terms_ = HostTerms{other_side(chosen_side(options.side)), options.time_control};
  port_ = options.port;
  failed_joins_ = 0;
  joins_stopped_ = false;
  if (!listen()) return false;
  mode_ = Mode::HOSTING;
  return true;
}

bool QtNetPort::listen() {
  if (!server_->listen(QHostAddress::Any, static_cast<quint16>(port_))) return false;
  port_ = server_->serverPort();
  return true;
}

Invitation QtNetPort::invitation() const {
  if (mode_ != Mode::HOSTING) return {};
  return Invitation{local_addresses(port_), code_};
}

void QtNetPort::accept_joins() {
  while (server_->hasPendingConnections()) {
    QTcpSocket* socket = server_->nextPendingConnection();
    socket->setParent(&context_);
    const bool room =
        !game_link_ && !joins_stopped_ && static_cast<int>(proving_.size()) < settings_.max_proving;
    if (!room) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    proving_.push_back(make_link(socket, Role::HOST));
    proving_.back()->start();
  }
}

void QtNetPort::stop_taking_joins() {
  joins_stopped_ = true;
  server_->close();
  retire_proving();
  events_.joins_stopped();
}

// ---- joining --------------------------------------------------------------

bool QtNetPort::join(const Invitation& invitation) {
  if (mode_ == Mode::HOSTING || game_link_ || invitation.addresses.empty()) return false;
  mode_ = Mode::JOINING;
  if (invitation.code != joining_.code) code_key_ = code_key(invitation.code);
  joining_ = invitation;
  next_address_ = 0;
  return connect_next_address();
}

bool QtNetPort::connect_next_address() {
  if (next_address_ >= joining_.addresses.size()) return false;
  const NetAddress& address = joining_.addresses[next_address_++];
  game_link_ = make_link(new QTcpSocket(&context_), Role::JOIN);
  game_link_->connect_to(QString::fromStdString(address.host), address.port);
  return true;
}

// ---- the links ------------------------------------------------------------

std::unique_ptr<SocketLink> QtNetPort::make_link(QTcpSocket* socket, Role role) {
  LinkOwner& owner = *this;
  return std::make_unique<SocketLink>(socket, LinkTerms{role, code_key_, terms_}, game_, events_,
                                      settings_.session, owner);
}

std::unique_ptr<SocketLink> QtNetPort::take_link(SocketLink& link) {
  if (game_link_.get() == &link) return std::move(game_link_);
  const auto found = std::find_if(proving_.begin(), proving_.end(),
                                  [&](const auto& held) { return held.get() == &link; });
  if (found == proving_.end()) return nullptr;
  std::unique_ptr<SocketLink> taken = std::move(*found);
  proving_.erase(found);
  return taken;
}

// A link may be deep in its own call when it ends: it is closed at once and
// deleted once that call has returned.
void QtNetPort::retire(std::unique_ptr<SocketLink> link) {
  if (!link) return;
  link->close();
  retired_.push_back(std::move(link));
  QTimer::singleShot(0, &context_, [this] { sweep_retired(); });
}

void QtNetPort::retire_proving() {
  while (!proving_.empty()) {
    retire(std::move(proving_.back()));
    proving_.pop_back();
  }
}

void QtNetPort::sweep_retired() {
  std::erase_if(retired_, [](const auto& link) { return !link->busy(); });
  if (!retired_.empty()) QTimer::singleShot(SWEEP_RETRY_MS, &context_, [this] { sweep_retired(); });
}

void QtNetPort::link_authenticated(SocketLink& link) {
  game_link_ = take_link(link);
  retire_proving();
  server_->close();
}

void QtNetPort::link_finished(SocketLink& link, CloseReason reason, bool by_peer) {
  const bool was_game = game_link_.get() == &link;
  retire(take_link(link));
  events_.closed(reason, by_peer);
  if (mode_ != Mode::HOSTING || joins_stopped_) return;
  if (reason == CloseReason::CODE && !by_peer && ++failed_joins_ >= settings_.max_failed_joins) {
    return stop_taking_joins();
  }
  if (was_game) listen();
}

void QtNetPort::link_unreachable(SocketLink& link) {
  retire(take_link(link));
  if (!connect_next_address()) events_.closed(CloseReason::UNREACHABLE, false);
}

// ---- the game -------------------------------------------------------------

Session* QtNetPort::game_session() const { return game_link_ ? &game_link_->session() : nullptr; }

bool QtNetPort::send_move(const NetMove& move) {
  Session* session = game_session();
  return session && session->send_move(move);
}

bool QtNetPort::resign() {
  Session* session = game_session();
  return session && session->resign();
}

bool QtNetPort::request_takeback(int moves) {
  Session* session = game_session();
  return session && session->request_takeback(moves);
}

bool QtNetPort::answer_takeback(bool accept) {
  Session* session = game_session();
  return session && session->answer_takeback(accept);
}

bool QtNetPort::send_clock(const ClockReport& clock) {
  Session* session = game_session();
  return session && session->send_clock(clock);
}

void QtNetPort::leave() {
  if (Session* session = game_session()) session->leave();
  retire(std::move(game_link_));
  retire_proving();
  server_->close();
  mode_ = Mode::IDLE;
  joining_ = Invitation{};
  code_key_.clear();
}

void QtNetPort::cut() {
  if (game_link_) game_link_->cut();
}

NetStatus QtNetPort::status() const {
  if (mode_ == Mode::IDLE) return NetStatus::IDLE;
  if (const Session* session = game_session()) {
    return session->playing() ? NetStatus::PLAYING : NetStatus::CONNECTING;
  }
  if (mode_ == Mode::JOINING) return NetStatus::IDLE;
  if (joins_stopped_) return NetStatus::STOPPED;
  return server_->isListening() ? NetStatus::LISTENING : NetStatus::IDLE;
}

bool QtNetPort::wait_for_event(int milliseconds) {
  const long before = events_.count();
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  events_.after_event = [&loop] { loop.quit(); };
  loop.exec();
  events_.after_event = nullptr;
  return events_.count() != before;
}

}  // namespace kumora
