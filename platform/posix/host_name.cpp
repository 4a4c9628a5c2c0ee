// The computer's name from gethostname(), converted to Latin-1.
#include "platform/posix/host_name.h"

#include <unistd.h>

#include <array>
#include <climits>

namespace posix {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0u) == 0x80u;
}

// The length of the UTF-8 sequence that `lead` starts; 0 when it starts none.
int SequenceLength(unsigned char lead) {
    if (lead >= 0xC2u && lead <= 0xDFu) return 2;
    if (lead >= 0xE0u && lead <= 0xEFu) return 3;
    if (lead >= 0xF0u && lead <= 0xF4u) return 4;
    return 0;
}

}  // namespace

std::string Utf8ToLatin1(const std::string& utf8) {
    std::string latin1;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80u ? 1 : SequenceLength(lead);
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            valid =
                IsContinuation(static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]));
        }
        if (!valid) {
            latin1.push_back(utf8[i]);
            ++i;
            continue;
        }
        if (length == 2) {
            const unsigned code =
                (lead & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            latin1.push_back(code <= 0xFFu ? static_cast<char>(code) : '?');
        } else {
            latin1.push_back(length == 1 ? utf8[i] : '?');
        }
        i += static_cast<std::size_t>(length);
    }
    return latin1;
}

std::optional<std::string> ComputerName() {
    std::array<char, HOST_NAME_MAX + 1> buffer{};
    if (gethostname(buffer.data(), buffer.size() - 1) != 0) return std::nullopt;
    return Utf8ToLatin1(std::string(buffer.data()));
}

}  // namespace posix
