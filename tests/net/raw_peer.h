// A hostile joiner for the tests: speaks to a host over a plain TCP socket,
// line by line, and can prove the code and seal lines as a real joiner
// does, so that it can send well-formed lines that break the rules.
#pragma once

#include <QTcpSocket>
#include <string>
#include <vector>

namespace kumora {

class RawPeer {
 public:
  explicit RawPeer(int port);

  bool connected();
  // Whether the connection was refused: no one listens on the port.
  bool refused();
  // Whether the host closed the connection (waits for it).
  bool closed_by_host();
  void send(const std::string& bytes);
  // The next line from the host (waits); empty when none came before the
  // connection closed.
  std::string next_line();
  // Everything received so far holds `line` (waits for it).
  bool received(const std::string& line);

  // Says hello and proves `code`; true when the host proved it back.
  bool prove(const std::string& code);
  // Sends its game report ("game 0") and reads the host's to its end.
  bool agree();
  // A line sealed as the joiner would, numbered `number`.
  std::string sealed(const std::string& body, int number) const;
  // Sends `body` sealed with the next number.
  void send_sealed(const std::string& body);

 private:
  void read();

  QTcpSocket socket_;
  std::string unread_;
  std::vector<std::string> lines_;
  size_t next_ = 0;
  std::string session_key_;
  int sent_ = 0;
};

}  // namespace kumora
