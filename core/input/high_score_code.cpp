// The high-score code: nine digits (salt, map, losses, check) written through two alphabets.
#include "core/input/high_score_code.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "core/model/campaign_state.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"

namespace high_score {

namespace {

// Even places use the first alphabet, odd places the second; no letter is in both, and none can
// be mistaken for a digit.
constexpr std::array<const char*, 2> kAlphabets = {"QZ7KMRXHTW", "BCDFGJLNPV"};
constexpr int kDigits = 9;  // salt, map (2), losses (5), check
constexpr int kGroup = 3;

std::array<int, kDigits> Digits(const Result& result, int salt) {
    const std::int32_t losses = std::clamp(result.losses, 0, kMaxLosses);
    const std::int32_t map = std::clamp(result.map, 0, 99);
    std::array<int, kDigits> d{};
    d[0] = salt;
    d[1] = map / 10;
    d[2] = map % 10;
    std::int32_t rest = losses;
    for (int i = 7; i >= 3; --i, rest /= 10) d[i] = rest % 10;
    // Weights prime to 10, so that any one mistyped digit changes the check.
    constexpr int kWeights[4] = {1, 3, 7, 9};
    int check = 0;
    for (int i = 0; i < kDigits - 1; ++i) check += kWeights[i % 4] * d[i];
    d[8] = check % 10;
    return d;
}

// The salt shifts every later digit, so that equal results give different codes.
int Shift(int place, int salt) {
    return place == 0 ? 0 : salt + place;
}

}  // namespace

std::string Encode(const Result& result, std::int32_t salt) {
    const int s = ((salt % 10) + 10) % 10;
    const std::array<int, kDigits> d = Digits(result, s);
    std::string code;
    for (int i = 0; i < kDigits; ++i) {
        if (i > 0 && i % kGroup == 0) code.push_back('-');
        code.push_back(kAlphabets[i % 2][(d[i] + Shift(i, s)) % 10]);
    }
    return code;
}

std::optional<Result> Decode(const std::string& code) {
    std::array<int, kDigits> d{};
    int place = 0;
    for (char raw : code) {
        if (raw == '-' || raw == ' ') continue;
        if (place >= kDigits) return std::nullopt;
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(raw)));
        const char* alphabet = kAlphabets[place % 2];
        const char* found = c == '\0' ? nullptr : std::char_traits<char>::find(alphabet, 10, c);
        if (found == nullptr) return std::nullopt;
        const int salt = place == 0 ? 0 : d[0];
        d[place] = ((static_cast<int>(found - alphabet) - Shift(place, salt)) % 10 + 10) % 10;
        ++place;
    }
    if (place != kDigits) return std::nullopt;
    Result result;
    result.map = d[1] * 10 + d[2];
    for (int i = 3; i < 8; ++i) result.losses = result.losses * 10 + d[i];
    if (Digits(result, d[0])[8] != d[8]) return std::nullopt;
    return result;
}

std::int32_t CurrentMapNumber() {
    if (IsBuiltinCampaign(g_campaignNumber)) return kFirstCampaign + g_campaignNumber - 1;
    if (g_campaignNumber == kOwnCampaign) return kCampaignFile;
    if (g_isMapCustom) return kMapFile;
    if (const FreewareScore* freeware = FreewareScoreOf(SelectedBuiltinMap(), g_playerCount))
        return freeware->number;
    const auto maps = BuiltinMaps();
    for (std::size_t i = 0; i < maps.size(); ++i)
        if (*maps[i].flag) return static_cast<std::int32_t>(i) + 1;
    return 0;
}

std::string MapTitle(std::int32_t number) {
    if (const BuiltinMap* map = BuiltinMapByFreewareNumber(number))
        return std::string(map->freeware.title);
    if (number >= kFirstCampaign && number < kFirstCampaign + 5)
        return std::string(CampaignTitle(number - kFirstCampaign + 1));
    if (number == kCampaignFile) return "Campaign file";
    if (number == kMapFile) return "Map file";
    const auto maps = BuiltinMaps();
    if (number >= 1 && static_cast<std::size_t>(number) <= maps.size())
        return std::string(maps[static_cast<std::size_t>(number) - 1].name);
    return "Unknown map";
}

std::string DescribeCode(const std::string& code) {
    const std::optional<Result> result =
        code.size() <= kMaxCodeLength ? Decode(code) : std::nullopt;
    if (!result) return kInvalidCodeText;
    char digits[32];
    std::snprintf(digits, sizeof digits, "%02d-%05d", static_cast<int>(result->map),
                  static_cast<int>(result->losses));
    return std::string(digits) + "  " + MapTitle(result->map);
}

}  // namespace high_score
