// The set-ups of the fifteen code-built maps.
// Each clears every table to its limit, writes the map, then resets the board.
#include "maps/map_setup.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_text.h"
#include "core/model/route_table.h"
#include "core/model/session_state.h"
#include "maps/map_content.h"
#include "maps/map_texts.h"
#include "maps/place_art.h"
#include "maps/reset_game.h"

namespace {

// Compass words of Swamp's continents 1..14; a code is the word and the place in the continent.
constexpr std::array<const char*, 14> kSwampCompass = {"nw", "w",  "sw", "s", "se", "e",  "ne",
                                                       "n",  "nw", "ne", "e", "se", "sw", "w"};

}  // namespace

std::string maps::CompassTerritoryCode(const BuiltinMap& map, std::int32_t territory) {
    std::int32_t first = 1;
    for (std::size_t c = 0; c < map.continentRuns.size() && c < kSwampCompass.size(); ++c) {
        const std::int32_t members = map.continentRuns[c].members;
        if (territory < first + members) {
            std::string code = kSwampCompass[c];
            code += static_cast<char>('0' + (territory - first + 1) % 10);
            code.resize(3, ' ');
            return code;
        }
        first += members;
    }
    return " ";
}

namespace {

std::string CodeOf(const BuiltinMap& map, const TerritoryContent& content, std::int32_t t) {
    switch (map.codes) {
        case TerritoryCodeRule::kOwn:
            return std::string(content.code);
        case TerritoryCodeRule::kCompass:
            return maps::CompassTerritoryCode(map, t);
        case TerritoryCodeRule::kBlank:
            break;
    }
    return " ";
}

void WriteContinents(const BuiltinMap& map) {
    std::int32_t next = 1;
    int c = 1;
    for (const ContinentRun& run : map.continentRuns) {
        ContinentRecord& record = g_continents[c++];
        for (int k = 1; k <= run.members; ++k) record[k] = next++;
        record[kContinentMemberCount] = run.members;
        record[kContinentBonusTimes10] = run.bonus * 10;
        record[kContinentBonus] = run.bonus;
    }
}

void WriteBorders(const CodeMapContent& content) {
    int c = 1;
    for (const BorderRow& row : content.borders) {
        std::copy(row.begin(), row.end(), g_continentBorders[c++].begin() + 1);
    }
}

void WriteTerritories(const BuiltinMap& map, const CodeMapContent& content) {
    std::int32_t t = 1;
    for (const TerritoryContent& territory : content.territories) {
        std::copy(territory.neighbours.begin(), territory.neighbours.end(),
                  g_neighbours[t].begin() + 1);
        g_labelPositions[t] = LabelPosition{territory.x, territory.y};
        g_territoryCodes[t] = CodeOf(map, territory, t);
        ++t;
    }
}

void WriteRoutes(const CodeMapContent& content) {
    int r = 1;
    for (const RouteChain& chain : content.routes) {
        std::copy(chain.begin(), chain.end(), g_routeTable[r].begin() + 1);
        g_routeTable[r][kRouteLength] = 0;
        ++r;
    }
}

// A scope in which the parser treats the game as not networked: the network limit is for
// downloaded map files, not for a map built into the program.
class NoNetworkLimit {
  public:
    NoNetworkLimit() : saved_(g_gameKind) { g_gameKind = 0; }
    ~NoNetworkLimit() { g_gameKind = saved_; }
    NoNetworkLimit(const NoNetworkLimit&) = delete;
    NoNetworkLimit& operator=(const NoNetworkLimit&) = delete;

  private:
    std::int32_t saved_;
};

std::int32_t ParseWithoutNetworkLimit() {
    NoNetworkLimit scope;
    return ParseMapTextBuffer();
}

bool SetupFromMapText() {
    const BuiltinMapText* text = BuiltinMapTextByName("SwampII");
    if (text == nullptr || !IsMapTextComplete(*text)) return false;
    maps::ClearMapTables();
    g_mapTextBuffer.clear();
    maps::AppendBuiltinMapText(*text);
    return ParseWithoutNetworkLimit() == map_text_result::kAccepted;
}

bool SetupFromContent(const BuiltinMap& map) {
    const CodeMapContent& content = ContentOf(map);
    if (!IsContentComplete(content, map)) return false;
    maps::ClearMapTables();
    WriteContinents(map);
    WriteBorders(content);
    WriteTerritories(map, content);
    WriteRoutes(content);
    return true;
}

}  // namespace

const CodeMapContent& ContentOf(const BuiltinMap& map) {
    if (map.flag == &g_isMapWorld) return WorldMapContent();
    // Maps of real places come from the place-map generator, the imagined ones from theirs.
    if (const CodeMapContent& place = PlaceMapContent(map); !place.territories.empty())
        return place;
    return GeneratedMapContent(map);
}

bool IsContentComplete(const CodeMapContent& content, const BuiltinMap& map) {
    auto size = [](auto span) { return static_cast<std::int32_t>(span.size()); };
    const std::int32_t runTotal = std::accumulate(
        map.continentRuns.begin(), map.continentRuns.end(), 0,
        [](std::int32_t sum, const ContinentRun& run) { return sum + run.members; });
    const bool runsFit =
        std::all_of(map.continentRuns.begin(), map.continentRuns.end(),
                    [](const ContinentRun& run) { return run.members <= kMaxContinentMembers; });
    return size(content.territories) == map.territories && map.territories <= kMaxTerritories &&
           size(content.borders) == map.continents && size(map.continentRuns) == map.continents &&
           map.continents <= kMaxContinents && runTotal == map.territories && runsFit &&
           size(content.routes) == map.routes && map.routes < kRouteTableRecords;
}

namespace maps {

void ClearMapTables() {
    for (int t = 1; t <= kMaxTerritories; ++t) {
        g_territories[t] = TerritoryState{};
        std::fill(g_neighbours[t].begin() + 1, g_neighbours[t].end(), 0);
        g_labelPositions[t] = LabelPosition{};
        g_territoryCodes[t] = " ";
    }
    for (int c = 1; c <= kMaxContinents; ++c) {
        g_continentNames[c].clear();
        std::fill(g_continents[c].begin() + 1, g_continents[c].end(), 0);
        std::fill(g_continentBorders[c].begin() + 1, g_continentBorders[c].end(), 0);
    }
    ClearRouteTable();
}

bool SetupBuiltinMap(const BuiltinMap& map) {
    const bool done = map.continentRuns.empty() ? SetupFromMapText() : SetupFromContent(map);
    if (!done) {
        // World's contents are always complete, so this never comes back here.
        if (map.flag != &g_isMapWorld) FallBackToWorld();
        return false;
    }
    ResetGame();
    return true;
}

void FallBackToWorld() {
    ClearMapFlags();
    g_isMapWorld = true;
    g_isTestCustomMap = false;
    SetBuiltinMapSize();
    SetupBuiltinMap(*BuiltinMapByFlag(&g_isMapWorld));
}

}  // namespace maps

namespace {
bool SetupByFlag(const bool* flag) {
    return maps::SetupBuiltinMap(*BuiltinMapByFlag(flag));
}
}  // namespace

void CChildView::FallBackToWorld() {
    maps::FallBackToWorld();
}
bool CChildView::SetupMapWorld() {
    return SetupByFlag(&g_isMapWorld);
}
bool CChildView::SetupMapEurope() {
    return SetupByFlag(&g_isMapEurope);
}
bool CChildView::SetupMapNorthAmerica() {
    return SetupByFlag(&g_isMapNorthAmerica);
}
bool CChildView::SetupMapRealWorld() {
    return SetupByFlag(&g_isMapRealWorld);
}
bool CChildView::SetupMapJapanKorea() {
    return SetupByFlag(&g_isMapJapanKorea);
}
bool CChildView::SetupMapAustralia() {
    return SetupByFlag(&g_isMapAustralia);
}
bool CChildView::SetupMapScandinavia() {
    return SetupByFlag(&g_isMapScandinavia);
}
bool CChildView::SetupMapWorms() {
    return SetupByFlag(&g_isMapWorms);
}
bool CChildView::SetupMapChina() {
    return SetupByFlag(&g_isMapChina);
}
bool CChildView::SetupMapGreatBritain() {
    return SetupByFlag(&g_isMapGreatBritain);
}
bool CChildView::SetupMapLinesII() {
    return SetupByFlag(&g_isMapLinesII);
}
bool CChildView::SetupMapSwamp() {
    return SetupByFlag(&g_isMapSwamp);
}
bool CChildView::SetupMapThreeNationsA() {
    return SetupByFlag(&g_isMapThreeNationsA);
}
bool CChildView::SetupMapThreeNationsB() {
    return SetupByFlag(&g_isMapThreeNationsB);
}
bool CChildView::SetupMapSwampII() {
    return SetupByFlag(&g_isMapSwampII);
}
