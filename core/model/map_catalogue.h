// The built-in maps declared once: identity, menu entry, set-up, codes, titles, pictures, sizes.
// The table itself and the map texts are the map catalogue's (maps/); the game reads them here.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class CChildView;

// One continent of a code-built map: its run of consecutive territories, its bonus and the
// length of its border list.
struct ContinentRun {
    std::int32_t members;
    std::int32_t bonus;
    std::int32_t borderLength;
};

// How a code-built map names its territories on the board.
enum class TerritoryCodeRule {
    kBlank,    // " " everywhere
    kOwn,      // each territory's own code from the map's content
    kCompass,  // the compass word of its continent and its place in it (Swamp)
};

struct BuiltinMap {
    bool* flag;
    std::string_view name;
    std::string_view menuText;  // empty: no Map menu entry
    int menuId;                 // 0: no Map menu entry
    bool (CChildView::*setup)();
    std::string_view code;           // outline files "Mrvekmap" + code + size digit + ".dat"
    std::string_view savedGameWord;  // empty: none of its own
    std::string_view scoreTitle;     // 14 characters; empty: none of its own
    int bitmaps[3];                  // Small, Medium, Large picture ids
    std::int32_t territories;
    std::int32_t continents;
    std::int32_t routes;
    std::int32_t longestRoute;                    // entries of the longest route record
    std::int32_t maxNeighbours;                   // 0: from its map text
    std::span<const ContinentRun> continentRuns;  // empty: from its map text
    std::span<const char* const> continentNames;  // empty: from its map text
    TerritoryCodeRule codes;
    int campaign;      // built-in campaign 1..5 that plays it, 0 none
    int campaignStep;  // its place in that campaign, from 1
};

// The continent statistics of a map, worked out from its continent runs (0 without runs: a map
// built from its map text gets them from the parse).
std::int32_t MaxContinentSize(const BuiltinMap& map);
std::int32_t MaxContinentBorder(const BuiltinMap& map);
std::int32_t BorderTerritoryTotal(const BuiltinMap& map);

// Every code-built map, in set-up order of the table.
std::span<const BuiltinMap> BuiltinMaps();

// Lookups; nullptr when nothing matches.
const BuiltinMap* BuiltinMapByFlag(const bool* flag);
const BuiltinMap* BuiltinMapByMenuId(int menuId);
const BuiltinMap* BuiltinMapByCode(std::string_view code);
// The code-built map whose flag is set, or nullptr (a map file or no map at all).
const BuiltinMap* SelectedBuiltinMap();

// The Map menu's built-in entries: ordered by territory count.
std::vector<const BuiltinMap*> MapMenuOrder();
// The maps of built-in campaign 1..5 in playing order; empty for any other number.
std::vector<const BuiltinMap*> CampaignMaps(int campaign);
// The title of built-in campaign 1..5, empty for any other number.
std::string_view CampaignTitle(int campaign);
// The same padded with spaces to a score title's 14 characters; empty for any other number.
std::string CampaignScoreTitle(int campaign);

// Owned territories per reinforcement army on a map of `territories` territories.
constexpr std::int32_t ReinforcementDivisorFor(std::int32_t territories) {
    if (territories >= 181 && territories <= 200) return 7;
    if (territories >= 151 && territories <= 180) return 6;
    if (territories >= 121 && territories <= 150) return 5;
    if (territories >= 91 && territories <= 120) return 4;
    return 3;
}

namespace maps {
// The work of CChildView::SetBuiltinMapSize and CChildView::SetContinentNames.
void SetBuiltinMapSize();
void SetContinentNames();
// What the loader of a high-score game serves for a chosen file name: appends the matching
// built-in map text and answers true, or appends nothing and answers false.
bool AppendServedMapText(std::string_view fileName);
}  // namespace maps
