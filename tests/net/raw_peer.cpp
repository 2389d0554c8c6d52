#include "raw_peer.h"

#include <algorithm>

#include "event_wait.h"
#include "net/code_key.h"
#include "net/crypto.h"
#include "net/handshake.h"
#include "net/sealed_line.h"

namespace kumora {

RawPeer::RawPeer(int port) {
  QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { read(); });
  socket_.connectToHost("127.0.0.1", static_cast<quint16>(port));
}

bool RawPeer::connected() {
  return wait_until([this] {
           return socket_.state() == QAbstractSocket::ConnectedState ||
                  socket_.state() == QAbstractSocket::UnconnectedState;
         }) &&
         socket_.state() == QAbstractSocket::ConnectedState;
}

bool RawPeer::refused() {
  return closed_by_host() && socket_.error() == QAbstractSocket::ConnectionRefusedError;
}

bool RawPeer::closed_by_host() {
  return wait_until([this] { return socket_.state() == QAbstractSocket::UnconnectedState; });
}

void RawPeer::read() {
  unread_ += socket_.readAll().toStdString();
  for (size_t feed; (feed = unread_.find('\n')) != std::string::npos;) {
    lines_.push_back(unread_.substr(0, feed));
    unread_.erase(0, feed + 1);
  }
}

void RawPeer::send(const std::string& bytes) {
  if (!connected()) return;
  socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
  socket_.flush();
}

std::string RawPeer::next_line() {
  wait_until([this] {
    return next_ < lines_.size() || socket_.state() == QAbstractSocket::UnconnectedState;
  });
  return next_ < lines_.size() ? lines_[next_++] : "";
}

bool RawPeer::received(const std::string& line) {
  return wait_until([&] { return std::find(lines_.begin(), lines_.end(), line) != lines_.end(); });
}

bool RawPeer::prove(const std::string& code) {
  const std::string key = code_key(code);
  const std::string nonce = to_hex(random_bytes(NONCE_BYTES));
  send(format_hello(nonce) + "\n");
  std::string host_nonce;
  if (parse_hello(next_line(), host_nonce) != HelloCheck::OK) return false;
  send(format_proof(proof_of(key, Role::JOIN, nonce, host_nonce)) + "\n");
  std::string proof;
  if (!parse_proof(next_line(), proof)) return false;
  session_key_ = session_key(key, host_nonce, nonce);
  return proof == proof_of(key, Role::HOST, host_nonce, nonce);
}

bool RawPeer::agree() {
  send_sealed("game 0");
  std::string line;
  std::string_view body;
  for (int number = 1; number <= 2; ++number) {  // setup, then "game 0" of a new host
    line = next_line();
    if (open_line(line, session_key_, Role::HOST, number, body) != LineCheck::OK) return false;
  }
  return body == "game 0";
}

std::string RawPeer::sealed(const std::string& body, int number) const {
  return seal_line(session_key_, Role::JOIN, number, body) + "\n";
}

void RawPeer::send_sealed(const std::string& body) { send(sealed(body, ++sent_)); }

}  // namespace kumora
