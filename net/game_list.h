// The internet game list: five slot files read over HTTP, this host's entry written over FTP,
// the servers that keep them, and the rules for reading what others wrote there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/transfer.h"

namespace platform {
class Random;
}

// The lines of the last fetch, cleaned, in slot order, and the slot each came from (a slot file
// that gave nothing usable adds no line).
extern std::vector<std::string> g_gameListLines;
extern std::vector<std::int32_t> g_gameListSlots;
// The table the FTP login is spelled from.
extern const std::string_view g_textAlphabet1;

void ResetGameListState();

namespace game_list {

inline constexpr std::int32_t kSlotCount = 5;
inline constexpr std::int32_t kNoSlot = 99;
inline constexpr std::size_t kEntryLength = 126;
inline constexpr std::size_t kHostFieldWidth = 25;
inline constexpr std::size_t kShownColumns = 99;
inline constexpr std::size_t kGameNamePosition = 78;
inline constexpr std::size_t kGameNameWidth = 18;
inline constexpr std::size_t kSecondsPosition = 114;
inline constexpr std::size_t kSecondsWidth = 12;
// The status file's character that tells whether the list service is disabled.
inline constexpr std::size_t kStatusPosition = 85;
// A list server that does not answer holds the program up a few seconds at most.
inline constexpr platform::TransferTimeouts kTimeouts{3000, 5000};
inline constexpr char kDisabledText[] = "Marovek server disabled, view website for more info.";

// Where the list lives. Each server is "host" or "host:port"; the environment variables
// MAROVEK_GAME_LIST_WEB and MAROVEK_GAME_LIST_FTP replace the defaults.
struct Servers {
    std::string web;
    platform::FtpLogin ftp;  // host and port; the login is spelled at each publication
};
Servers CurrentServers();

// The URL of slot file 0..4, or of the status file for any other number.
std::string SlotUrl(const std::string& webServer, std::int32_t slot);
// The FTP login (23 and 8 characters), spelled from g_textAlphabet1.
std::string FtpUser();
std::string FtpPassword();

// "Dec 09 2026 0821": month, day, year, hour and minute in Universal Time.
std::string UtcTimeText(std::int64_t seconds);
// The rules an entry shows.
struct EntryRules {
    bool oneForOne = false;
    bool strongholds = false;
    bool troopExperience = false;
};
// This host's 126-character entry at the given time (host field "Closed" when closing); a game
// name that is empty or begins with two blanks is shown as "noname".
std::string ComposeEntry(const std::string& hostText, bool close, const std::string& mapTitle,
                         const EntryRules& rules, const std::string& gameName,
                         std::int64_t seconds);
// True when `name` is the FTP file of the slot: "game<slot>" + anything + ".txt".
bool IsSlotFileName(const std::string& name, std::int32_t slot);

// What a slot file gave, as a line fit to show: the entry with its line end dropped and every
// control character blanked; nothing for an empty, short, binary or oversized file.
std::optional<std::string> CleanLine(std::string_view bytes);
// The first 25 characters of a line without trailing blanks.
std::string HostField(const std::string& line);
// The slot for this host's entry among the fetched lines (see the rules in game_list.cpp).
std::int32_t ChooseSlot(const std::string& hostAddress, const std::string& gameName,
                        platform::Random& random);

}  // namespace game_list
