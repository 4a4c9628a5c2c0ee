// Checks of the addresses a host is reached at: the typed or listed address, and whether an
// address is one that only its own network can reach.
#pragma once

#include <string>

namespace host_address {

// A text to try as a host's address: no letter or sign of the refused set, and a "." that is
// not its first character.
bool IsAcceptable(const std::string& text);
// 10.0.0.0/8, 172.16.0.0/12, 192.168.0.0/16 and loopback (127.0.0.0/8); anything that is not a
// dotted address counts as not private.
bool IsPrivate(const std::string& text);

}  // namespace host_address
