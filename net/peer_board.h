// Boards received from the other machines: checked against the game in play before they apply.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace net {

// Decodes a board from a peer and applies it when it fits the game in play; otherwise nothing
// changes and the answer says what was wrong. On the host, `sender` is the seat it came from.
const char* ReadPeerBoard(std::string_view payload, std::int32_t sender);
// Single fields of a board, read without applying it; nullopt when the text fails its checks.
std::optional<std::int32_t> PeekTurnsPlayed(std::string_view payload, std::int32_t player);
std::optional<std::int32_t> PeekCurrentPlayer(std::string_view payload);

}  // namespace net
