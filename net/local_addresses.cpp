#include "net/local_addresses.h"

#include <QNetworkInterface>

namespace kumora {

namespace {

bool reachable_from_elsewhere(const QHostAddress& address) {
  return !address.isLoopback() && !address.isLinkLocal() && !address.isMulticast() &&
         (address.protocol() == QAbstractSocket::IPv4Protocol ||
          address.protocol() == QAbstractSocket::IPv6Protocol);
}

}  // namespace

std::vector<NetAddress> local_addresses(int port) {
  std::vector<NetAddress> v4;
  std::vector<NetAddress> v6;
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    const auto flags = interface.flags();
    if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning)) {
      continue;
    }
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      const QHostAddress& ip = entry.ip();
      if (!reachable_from_elsewhere(ip)) continue;
      const bool is_v4 = ip.protocol() == QAbstractSocket::IPv4Protocol;
      (is_v4 ? v4 : v6).push_back({ip.toString().toStdString(), port});
    }
  }
  v4.insert(v4.end(), v6.begin(), v6.end());
  if (v4.empty()) v4.push_back({"127.0.0.1", port});
  return v4;
}

}  // namespace kumora
