// Cleaning of names and chat lines from the network, and the reading of a message's code.
#include "net/message_text.h"

namespace net {

namespace {

// Printable Latin-1: the ASCII range from the blank, and the upper half above its controls.
bool IsPrintable(unsigned char c) {
    return (c >= 0x20 && c < 0x7F) || c >= 0xA0;
}

}  // namespace

std::string CleanText(std::string_view raw, std::size_t most) {
    std::string text;
    for (const char c : raw) {
        if (text.size() >= most) break;
        if (IsPrintable(static_cast<unsigned char>(c))) text.push_back(c);
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::optional<std::string> CleanPlayerName(std::string_view raw) {
    std::string name = CleanText(raw, kNameSlot);
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    if (name.compare(0, 2, "pc") == 0) name = ("a" + name).substr(0, kNameSlot);
    return name;
}

std::optional<int> MessageCode(std::string_view message) {
    if (message.size() < 4) return std::nullopt;
    int code = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = message[i];
        if (c < '0' || c > '9') return std::nullopt;
        code = code * 10 + (c - '0');
    }
    return code;
}

}  // namespace net
