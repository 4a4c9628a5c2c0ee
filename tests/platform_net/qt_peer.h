// What the Qt socket tests and their peer process agree on: modes and messages.
#pragma once

#include <string>

namespace nettest {

// The peer connects, sends kJoin, echoes every message with kEchoPrefix, and prints kSawClose
// and exits 0 when the host closes.
inline constexpr const char* kModeEcho = "echo";
// The peer connects, sends kBurst back to back, closes and exits 0.
inline constexpr const char* kModeBurst = "burst";

inline constexpr const char* kJoin = "1000Peer";
inline constexpr const char* kEchoPrefix = "echo:";
inline constexpr const char* kSawClose = "peer saw close";

// A message as long as a board message (code and 940 characters), with varied bytes.
inline std::string BoardSizedMessage() {
    std::string message = "1003";
    for (int i = 0; i < 940; ++i) message += static_cast<char>('0' + i % 43);
    return message;
}

inline const std::string kBurst[] = {"1005first", BoardSizedMessage(), "", "9999"};

}  // namespace nettest
