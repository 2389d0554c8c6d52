// The addresses of this machine another computer may reach it by, for the
// invitation: every address of an interface that is up, IPv4 first, then
// IPv6 of global or local scope; never a loopback or link-local address.
// 127.0.0.1 when there is no other (a game on this machine only).
#pragma once

#include <vector>

#include "net/invitation.h"

namespace kumora {

std::vector<NetAddress> local_addresses(int port);

}  // namespace kumora
