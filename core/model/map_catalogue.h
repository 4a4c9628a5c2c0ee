// The built-in maps declared once: identity, menu entry, set-up, codes, titles, pictures, sizes,
// board rules and the inputs their pictures are drawn from. The table itself and the map texts
// are the map catalogue's (maps/); the game reads them here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CChildView;
namespace maps {
struct PlaceData;
}
enum class MapRule;

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
    kCompass,  // its continent's compass word (continentWords) and its place in it
};

// Where the players panel's top-left corner stands: small, medium, large screen.
struct PanelCorner {
    int x[3]{};
    int y[3]{};
};

// When the player icons (smilies) may stand on the territories and the panel.
enum class SmiliesRule {
    kNone,         // the crowded maps: no room for a face beside the count
    kAlways,       // codes above the counts, icons at every size with room
    kLargeScreen,  // codes above the counts; icons on the large screen only
};

// The rules a high-score game adds on a map.
enum class HighScoreRule {
    kPlain,
    kTroopExperience,  // troop experience on, every computer player a conqueror
    kHoldContinents,   // the Hold Continents mission
};

// Which generator draws a map's pictures and outline files, and from what.
enum class MapSource {
    kWorldDrawing,     // gen_world_map, from tools/world
    kPlaceDrawing,     // gen_place_maps, from tools/places/<drawnFrom>
    kImaginedDrawing,  // gen_imagined_maps, from tools/imagined/<drawnFrom>
};

// A point (medium-screen units) an outline is traced from instead of the territory's label point.
struct TraceStart {
    std::int32_t territory;
    std::int32_t x;
    std::int32_t y;
};

// A map's own high-score number and title in a game of at most kFreewareMaxPlayers players.
struct FreewareScore {
    std::int32_t number = 0;   // 0: none
    std::string_view title{};  // 14 characters
};
inline constexpr std::int32_t kFreewareMaxPlayers = 5;

// A rule of the map checker a map breaks by design.
struct RuleException {
    MapRule rule;
    std::int32_t where;  // continent or route record; 0 for any
    std::string_view why;
};

struct BuiltinMap {
    // Identity and set-up.
    bool* flag = nullptr;
    std::string_view name{};
    std::string_view code{};  // outline files "Mrvekmap" + code + size digit + ".dat"
    bool (CChildView::*setup)() = nullptr;
    int precedence = 0;  // with several flags left set, the lowest precedence decides
    // Menus, dialogs and titles.
    std::string_view menuText{};              // empty: no Map menu entry
    int menuId = 0;                           // 0: no Map menu entry
    void (CChildView::*command)() = nullptr;  // the Map menu's handler; nullptr without an entry
    std::string_view choiceText{};            // the New Game map dialog's text
    std::string_view scoresName{};            // the Scores window's map; empty: none
    std::string_view savedGameWord{};         // empty: none of its own
    std::string_view scoreTitle{};            // 14 characters; empty: none of its own
    // The least version of the game that a network game on it needs; empty: any.
    std::string_view hostVersion{};
    FreewareScore freeware{};
    int campaign = 0;      // built-in campaign 1..5 that plays it, 0 none
    int campaignStep = 0;  // its place in that campaign, from 1
    // New Game.
    std::int32_t playersPreset = 0;  // the computer players dialog's preset choice
    HighScoreRule highScoreRule{};
    // Sizes and contents.
    std::int32_t territories = 0;
    std::int32_t continents = 0;
    std::int32_t routes = 0;
    std::int32_t longestRoute = 0;                  // entries of the longest route record
    std::int32_t maxNeighbours = 0;                 // 0: from its map text
    std::span<const ContinentRun> continentRuns{};  // empty: from its map text
    std::span<const char* const> continentNames{};  // empty: from its map text
    TerritoryCodeRule codes{};
    // Per continent, the word its territories' codes begin with (TerritoryCodeRule::kCompass).
    std::span<const char* const> continentWords{};
    std::string_view mapText{};                   // the built-in map text it is set up from
    const maps::PlaceData& (*place)() = nullptr;  // the artwork and contents of a drawn place
    std::span<const RuleException> ruleExceptions{};
    // The board.
    int bitmaps[3]{};  // Small, Medium, Large picture ids
    PanelCorner panel{};
    // Players 6..10 in a second column of the panel when there are more than five.
    bool panelTwoColumns = false;
    SmiliesRule smilies{};
    // Label points and codes from its label tables rather than from the board's.
    bool labelsFromArt = false;
    bool tallLabels = false;  // a taller label rectangle for hits on the medium screen
    int paintShift[3]{};      // how far the paint point stands above the label point, per size
    int largePaintMove = 0;   // the paint point moved right and down by this on the large screen
    int fillRaise = 0;        // the flat fill starts this far below the paint point
    int markerShift = 0;      // label points marked and hit-tested this far right and down
    std::span<const TraceStart> smallTraceStarts{};  // small screen only
    bool tracedByBoard = false;                      // no outline files: the board traces them
    bool worldRules = false;                         // the computer players' World strategy
    // Its pictures' generator.
    MapSource source{};
    std::string_view drawnFrom{};
};

// The continent statistics of a map, worked out from its continent runs (0 without runs: a map
// built from its map text gets them from the parse).
std::int32_t MaxContinentSize(const BuiltinMap& map);
std::int32_t MaxContinentBorder(const BuiltinMap& map);
std::int32_t BorderTerritoryTotal(const BuiltinMap& map);

// Every code-built map, in the order of the table (high-score map numbers count from 1 in it).
std::span<const BuiltinMap> BuiltinMaps();
// The map the game starts on and falls back to.
const BuiltinMap& DefaultMap();
// Clears every map flag and selects the default map.
void SelectDefaultMap();

// Lookups; nullptr when nothing matches.
const BuiltinMap* BuiltinMapByFlag(const bool* flag);
const BuiltinMap* BuiltinMapByMenuId(int menuId);
const BuiltinMap* BuiltinMapByCode(std::string_view code);
const BuiltinMap* BuiltinMapByCommand(void (CChildView::*command)());
const BuiltinMap* BuiltinMapBySetup(bool (CChildView::*setup)());
const BuiltinMap* BuiltinMapByFreewareNumber(std::int32_t number);
// The code-built map whose flag is set (by precedence), or nullptr (a map file or no map).
const BuiltinMap* SelectedBuiltinMap();

// The Map menu's built-in entries, which are also the New Game map dialog's: by territory count.
std::vector<const BuiltinMap*> MapMenuOrder();
// The maps of one generator, in the order of the table.
std::vector<const BuiltinMap*> MapsDrawnBy(MapSource source);
// The name without its blanks: the prefix of the C++ names of a map's generated tables.
std::string TableKey(const BuiltinMap& map);
// A board-state text of a network game can carry the map.
bool FitsNetworkGame(const BuiltinMap& map);
// The map's continent names come from its map text, not from its row.
bool NamesFromMapText(const BuiltinMap& map);
// The freeware score of `map` (nullptr: none) in a game of `players` players; nullptr when the
// game is scored as the map itself.
const FreewareScore* FreewareScoreOf(const BuiltinMap* map, std::int32_t players);
// The selected map plays by the computer players' World strategy.
bool PlaysWorldRules();

// The maps of built-in campaign 1..5 in playing order; empty for any other number.
std::vector<const BuiltinMap*> CampaignMaps(int campaign);
// The title of built-in campaign 1..5, empty for any other number.
std::string_view CampaignTitle(int campaign);
// The same padded with spaces to a score title's 14 characters; empty for any other number.
std::string CampaignScoreTitle(int campaign);
// The campaign dialog's line and the saved game's name word of campaign 1..5; empty otherwise.
std::string_view CampaignChoiceText(int campaign);
std::string_view CampaignSavedGameWord(int campaign);

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
