// The internet game list's formats, servers and reading rules.
#include "net/game_list.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>

#include "platform/random.h"

std::vector<std::string> g_gameListLines;
std::vector<std::int32_t> g_gameListSlots;

// A hundred characters of our own; the login is spelled from positions in it, so that it never
// stands in the program as one text.
const std::string_view g_textAlphabet1 =
    "Qm7ZrT2kVx9BwLd4HsN8cYp1FjG6tKe3RuA0oXi5MbWqJ2vPz7Dh9SgL4nCy8UaE1fIk6OlT3rZw0VmBx5HdQs"
    "Ne7GjYc2Kp9Rtu";

void ResetGameListState() {
    g_gameListLines.clear();
    g_gameListSlots.clear();
}

namespace game_list {

namespace {

constexpr char kDefaultServer[] = "gamelist.marovek.example";
constexpr std::array<std::string_view, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// The user name: 11 characters, a ".", 11 characters; then the password's 8.
constexpr std::array<int, 22> kUserPositions{17, 3,  42, 88, 5,  61, 29, 74, 12, 96, 50,
                                             8,  33, 67, 21, 90, 45, 2,  79, 58, 14, 83};
constexpr std::array<int, 8> kPasswordPositions{71, 19, 54, 6, 99, 37, 26, 63};

std::string Spell(const int* positions, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text.push_back(g_textAlphabet1[static_cast<std::size_t>(positions[i])]);
    return text;
}

// "host" or "host:port" from the environment, or the default.
platform::FtpLogin ServerFromEnvironment(const char* variable, std::uint16_t defaultPort) {
    platform::FtpLogin server;
    server.host = kDefaultServer;
    server.port = defaultPort;
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == 0) return server;
    const std::string text = value;
    const std::size_t colon = text.rfind(':');
    server.host = text.substr(0, colon);
    if (colon != std::string::npos) {
        unsigned port = 0;
        const char* end = text.data() + text.size();
        const auto parsed = std::from_chars(text.data() + colon + 1, end, port);
        if (parsed.ec == std::errc() && parsed.ptr == end && port > 0 && port <= 65535)
            server.port = static_cast<std::uint16_t>(port);
    }
    return server;
}

std::string Fit(const std::string& text, std::size_t width) {
    std::string fitted = text.substr(0, width);
    fitted.resize(width, ' ');
    return fitted;
}

std::string Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string Column(const std::string& line, std::size_t position, std::size_t width) {
    return position < line.size() ? Trim(std::string_view(line).substr(position, width))
                                  : std::string();
}

std::optional<std::int64_t> Seconds(const std::string& line) {
    const std::string text = Column(line, kSecondsPosition, kSecondsWidth);
    std::int64_t value = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || parsed.ec != std::errc() || parsed.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

Servers CurrentServers() {
    Servers servers;
    const platform::FtpLogin web = ServerFromEnvironment("MAROVEK_GAME_LIST_WEB", 80);
    servers.web = web.port == 80 ? web.host : web.host + ":" + std::to_string(web.port);
    servers.ftp = ServerFromEnvironment("MAROVEK_GAME_LIST_FTP", 21);
    return servers;
}

std::string SlotUrl(const std::string& webServer, std::int32_t slot) {
    const std::string file = slot >= 0 && slot < kSlotCount ? std::to_string(slot) : "+";
    return "http://" + webServer + "//games//game" + file + ".txt";
}

std::string FtpUser() {
    std::string user = Spell(kUserPositions.data(), 11);
    user += '.';
    return user + Spell(kUserPositions.data() + 11, 11);
}

std::string FtpPassword() {
    return Spell(kPasswordPositions.data(), kPasswordPositions.size());
}

std::string UtcTimeText(std::int64_t seconds) {
    if (seconds < std::numeric_limits<std::time_t>::min() ||
        seconds > std::numeric_limits<std::time_t>::max())
        return {};
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (gmtime_r(&time, &parts) == nullptr || parts.tm_year + 1900 > 9999 ||
        parts.tm_year + 1900 < 0)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%s %02d %04d %02d%02d",
                  kMonths[static_cast<std::size_t>(parts.tm_mon % 12)].data(), parts.tm_mday,
                  parts.tm_year + 1900, parts.tm_hour, parts.tm_min);
    return text;
}

std::string ComposeEntry(const std::string& hostText, bool close, const std::string& mapTitle,
                         const EntryRules& rules, const std::string& gameName,
                         std::int64_t seconds) {
    std::string entry = Fit(close ? "Closed" : hostText, kHostFieldWidth);
    entry += ' ' + Fit(mapTitle, 14) + " 5.3 " + ' ' + (rules.oneForOne ? "1on1" : "Dice");
    entry += std::string("  ") + (rules.strongholds ? "St" : "  ");
    entry += std::string("  ") + (rules.troopExperience ? "TE" : "  ");
    entry += "  " + UtcTimeText(seconds) + "  ";
    const bool noName = gameName.empty() || gameName.rfind("  ", 0) == 0;
    entry += Fit(noName ? "noname" : gameName, 20);
    entry += std::string(16, ' ') + ' ' + std::to_string(seconds) + ' ';
    for (char& c : entry) {
        // A damaged settings record must not put control characters into the list.
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) c = ' ';
    }
    return Fit(entry, kEntryLength);
}

bool IsSlotFileName(const std::string& name, std::int32_t slot) {
    const std::string head = "game" + std::to_string(slot);
    return name.size() >= head.size() + 4 && name.rfind(head, 0) == 0 &&
           name.compare(name.size() - 4, 4, ".txt") == 0;
}

std::optional<std::string> CleanLine(std::string_view bytes) {
    if (!bytes.empty() && bytes.back() == '\n') bytes.remove_suffix(1);
    if (!bytes.empty() && bytes.back() == '\r') bytes.remove_suffix(1);
    if (bytes.size() < kShownColumns || bytes.size() > kEntryLength) return std::nullopt;
    std::string line;
    for (unsigned char c : bytes) {
        if (c == 0 || c >= 0x80) return std::nullopt;  // not a text line
        line.push_back(c < 0x20 || c == 0x7f ? ' ' : static_cast<char>(c));
    }
    line.resize(kEntryLength, ' ');
    return line;
}

std::string HostField(const std::string& line) {
    return Column(line, 0, kHostFieldWidth);
}

std::int32_t ChooseSlot(const std::string& hostAddress, const std::string& gameName,
                        platform::Random& random) {
    const std::string host = Trim(hostAddress);
    const std::string name = Trim(gameName);
    std::int32_t sameHost = kNoSlot;
    std::int32_t sameName = kNoSlot;
    std::int32_t blank = kNoSlot;
    std::int32_t oldest = kNoSlot;
    std::int64_t oldestSeconds = 0;
    const std::size_t count = std::min(g_gameListLines.size(), g_gameListSlots.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& line = g_gameListLines[i];
        const std::int32_t slot = g_gameListSlots[i];
        if (slot < 0 || slot >= kSlotCount) continue;
        if (!host.empty() && HostField(line) == host) sameHost = slot;
        if (!name.empty() && Column(line, kGameNamePosition, kGameNameWidth) == name)
            sameName = slot;
        if (line.rfind("   ", 0) == 0) blank = slot;
        const std::optional<std::int64_t> seconds = Seconds(line);
        if (seconds && (oldest == kNoSlot || *seconds < oldestSeconds)) {
            oldest = slot;
            oldestSeconds = *seconds;
        }
    }
    for (std::int32_t slot : {sameHost, sameName, blank, oldest})
        if (slot != kNoSlot) return slot;
    return random.Next() % kSlotCount;
}

}  // namespace game_list
