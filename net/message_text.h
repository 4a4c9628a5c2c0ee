// The plain texts that travel in messages (names, chat lines): cleaned before the game keeps them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace net {

inline constexpr std::size_t kNameSlot = 20;       // a name's field in the board text
inline constexpr std::size_t kChatLineMost = 120;  // the longest chat line sent

// Latin-1 text with control characters removed, cut to `most` bytes, trailing blanks removed.
std::string CleanText(std::string_view raw, std::size_t most);
// A joining player's name, cleaned; a name beginning "pc" becomes "apc" so that it never passes
// for a computer player. Nullopt when nothing printable is left.
std::optional<std::string> CleanPlayerName(std::string_view raw);
// The message code: four decimal digits; nullopt otherwise.
std::optional<int> MessageCode(std::string_view message);

}  // namespace net
