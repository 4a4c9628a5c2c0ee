// The computer's name as a Latin-1 game text.
#pragma once

#include <optional>
#include <string>

namespace posix {

// The system's host name; nullopt when the system cannot tell.
std::optional<std::string> ComputerName();

// UTF-8 to Latin-1: characters beyond Latin-1 become '?', so that no multi-byte sequence can
// ever be cut in a fixed-size text slot. Bytes that are not valid UTF-8 are taken as Latin-1.
std::string Utf8ToLatin1(const std::string& utf8);

}  // namespace posix
