// The New Game sequence's pure rules.
#include "setup/new_game_rules.h"

#include <algorithm>
#include <array>
#include <ctime>

#include "core/model/campaign_state.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/random.h"

namespace new_game {

namespace {

constexpr std::int32_t kLargeMapPreset = 7;

// The saved game keeps names in 20-byte fields of at most 19 characters.
constexpr std::size_t kRecordNameSlot = 19;

bool IsUnsafe(char c) {
    const auto u = static_cast<unsigned char>(c);
    return c == '/' || u < 0x20 || u == 0x7F;
}

std::string WithoutUnsafe(const std::string& text) {
    std::string clean;
    for (char c : text)
        if (!IsUnsafe(c)) clean.push_back(c);
    return clean;
}

}  // namespace

std::int32_t ComputerPlayersPreset(const BuiltinMap* map, std::int32_t suggestedPlayers,
                                   bool strongholds, std::int32_t continents) {
    std::int32_t preset = 0;
    if (map != nullptr) {
        // A small map suits few players, a large one many.
        preset = map->playersPreset;
    } else {
        preset = suggestedPlayers < 4 ? 1 : suggestedPlayers - 3;
    }
    if (strongholds && continents > 3) preset = std::min(continents - 3, kLargeMapPreset);
    return std::clamp(preset, 0, kLargeMapPreset);
}

std::optional<std::string> AcceptName(const std::string& typed) {
    std::string name = WithoutUnsafe(typed).substr(0, kNameSlot);
    if (name.compare(0, 2, "pc") == 0) name = "apc";
    if (name < "A") return std::nullopt;
    return name;
}

std::string FileNameWord(const std::string& text, std::size_t slot) {
    std::string word = WithoutUnsafe(text).substr(0, slot);
    while (!word.empty() && word.back() == ' ') word.pop_back();
    return word;
}

std::string TimeStamp(std::int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr) return "000000000000";
    char text[32];
    // The month's abbreviation is the English one whatever the user's language.
    static constexpr const char* kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::snprintf(text, sizeof text, "%s%02d%04d%02d%02d", kMonths[local.tm_mon % 12],
                  local.tm_mday, local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}

std::string SavedGameFileName(const std::string& timeStamp) {
    std::string name;
    if (g_gameKind == game_kind::kNetworkHost) name = g_isInternetGame ? "INT_" : "LAN_";
    if (g_campaignNumber == kOwnCampaign) {
        name += "My_CMPGN_" + FileNameWord(g_campaignName, kRecordNameSlot);
    } else if (g_isMapCustom) {
        name += "My" + FileNameWord(g_mapName, kRecordNameSlot);
    } else if (IsBuiltinCampaign(g_campaignNumber)) {
        name += std::string(CampaignSavedGameWord(g_campaignNumber));
    } else if (const BuiltinMap* map = SelectedBuiltinMap()) {
        name += std::string(map->savedGameWord);
    }
    return name + timeStamp + ".Mrvek";
}

std::optional<std::string> ReinforcementNotice(std::int32_t territories) {
    struct Band {
        std::int32_t from;
        const char* size;
        const char* divisor;
    };
    static constexpr Band kBands[] = {
        {180, "180", "7"}, {150, "150", "6"}, {120, "120", "5"}, {90, "90", "4"}};
    for (const Band& band : kBands) {
        if (territories >= band.from)
            return std::string("New armies: Territories you own / 3  \n\nMaps with more than ") +
                   band.size + " territories:   territories you own / " + band.divisor;
    }
    return std::nullopt;
}

std::int32_t DrawFirstPlayer(platform::Random& random, std::int32_t players, bool neutralArmy) {
    if (players < 2) return 1;
    // The neutral army is the last player: drawing below the player count leaves it out.
    const std::int32_t range = neutralArmy ? players : players + 1;
    std::int32_t first = 0;
    while (first == 0) first = random.Next() % range;
    return first;
}

HighScoreOptions HighScoreOptionsOfMap() {
    HighScoreOptions options;
    if (g_campaignNumber != 0) return options;
    const BuiltinMap* map = SelectedBuiltinMap();
    if (map == nullptr) return options;
    options.allConquerors = map->highScoreRule == HighScoreRule::kTroopExperience;
    if (map->highScoreRule == HighScoreRule::kHoldContinents)
        options.missionKind = mission_kind::kHoldContinents;
    return options;
}

std::int32_t HighScorePersonality(std::int32_t player, bool allConquerors) {
    static constexpr std::int32_t kMix[11] = {0, 0, 1, 1, 2, 2, 4, 4, 5, 5, 0};
    if (player < 2 || player > kMaxPlayers) return 0;
    return allConquerors ? 1 : kMix[player];
}

}  // namespace new_game
