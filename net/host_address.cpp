// The host address checks.
#include "net/host_address.h"

#include <optional>
#include <string_view>

namespace host_address {

namespace {

constexpr std::string_view kRefused =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!@#$%^&*_+-={}[]:|;'?><,|()";

// The number of one dotted part (at most three digits), or nothing.
std::optional<int> Part(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 255) return std::nullopt;
    return value;
}

}  // namespace

bool IsAcceptable(const std::string& text) {
    for (unsigned char c : text) {
        // Control characters and bytes outside ASCII can only come from a damaged list line.
        if (c < 0x20 || c >= 0x7f || kRefused.find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    }
    const std::size_t dot = text.find('.');
    return dot != std::string::npos && dot != 0;
}

bool IsPrivate(const std::string& text) {
    std::string_view view = text;
    while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
    const std::size_t firstDot = view.find('.');
    if (firstDot == std::string_view::npos) return false;
    const std::optional<int> first = Part(view.substr(0, firstDot));
    std::string_view rest = view.substr(firstDot + 1);
    const std::optional<int> second = Part(rest.substr(0, rest.find('.')));
    if (!first || !second) return false;
    switch (*first) {
        case 10:
        case 127:
            return true;
        case 172:
            return *second >= 16 && *second <= 31;
        case 192:
            return *second == 168;
        default:
            return false;
    }
}

}  // namespace host_address
