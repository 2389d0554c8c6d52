#include "net/crypto.h"

#include <QByteArray>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <vector>

namespace kumora {

namespace {

QByteArray bytes_of(std::string_view text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::string random_bytes(size_t count) {
  std::vector<quint32> words((count + 3) / 4);
  QRandomGenerator::system()->fillRange(words.data(), static_cast<qsizetype>(words.size()));
  return std::string(reinterpret_cast<const char*>(words.data()), count);
}

std::uint64_t random_number() { return QRandomGenerator::system()->generate64(); }

std::string hmac_sha256(std::string_view key, std::string_view message) {
  const QByteArray mac = QMessageAuthenticationCode::hash(bytes_of(message), bytes_of(key),
                                                          QCryptographicHash::Sha256);
  return mac.toStdString();
}

std::string to_hex(std::string_view bytes) { return bytes_of(bytes).toHex().toStdString(); }

bool equal_in_constant_time(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  unsigned char difference = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    difference |= static_cast<unsigned char>(a[i] ^ b[i]);
  }
  return difference == 0;
}

}  // namespace kumora
