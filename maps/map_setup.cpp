// The set-ups of the code-built maps.
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

std::string maps::CompassTerritoryCode(const BuiltinMap& map, std::int32_t territory) {
    std::int32_t first = 1;
    for (std::size_t c = 0; c < map.continentRuns.size() && c < map.continentWords.size(); ++c) {
        const std::int32_t members = map.continentRuns[c].members;
        if (territory < first + members) {
            std::string code = map.continentWords[c];
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

bool SetupFromMapText(const BuiltinMap& map) {
    const BuiltinMapText* text = BuiltinMapTextByName(map.mapText);
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
    // Maps of real places come from their drawings, the imagined ones from their generator.
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
    const bool done = map.mapText.empty() ? SetupFromContent(map) : SetupFromMapText(map);
    if (!done) {
        // The default map's contents are always complete, so this never comes back here.
        if (map.flag != DefaultMap().flag) FallBackToDefaultMap();
        return false;
    }
    ResetGame();
    return true;
}

void FallBackToDefaultMap() {
    SelectDefaultMap();
    g_isTestCustomMap = false;
    SetBuiltinMapSize();
    SetupBuiltinMap(DefaultMap());
}

}  // namespace maps

namespace {
// Each set-up member sets up the map whose row names it.
bool SetupOwnMap(bool (CChildView::*setup)()) {
    const BuiltinMap* map = BuiltinMapBySetup(setup);
    return map != nullptr && maps::SetupBuiltinMap(*map);
}
}  // namespace

void CChildView::FallBackToDefaultMap() {
    maps::FallBackToDefaultMap();
}
bool CChildView::SetupMapWorld() {
    return SetupOwnMap(&CChildView::SetupMapWorld);
}
bool CChildView::SetupMapEurope() {
    return SetupOwnMap(&CChildView::SetupMapEurope);
}
bool CChildView::SetupMapNorthAmerica() {
    return SetupOwnMap(&CChildView::SetupMapNorthAmerica);
}
bool CChildView::SetupMapRealWorld() {
    return SetupOwnMap(&CChildView::SetupMapRealWorld);
}
bool CChildView::SetupMapJapanKorea() {
    return SetupOwnMap(&CChildView::SetupMapJapanKorea);
}
bool CChildView::SetupMapAustralia() {
    return SetupOwnMap(&CChildView::SetupMapAustralia);
}
bool CChildView::SetupMapScandinavia() {
    return SetupOwnMap(&CChildView::SetupMapScandinavia);
}
bool CChildView::SetupMapWorms() {
    return SetupOwnMap(&CChildView::SetupMapWorms);
}
bool CChildView::SetupMapChina() {
    return SetupOwnMap(&CChildView::SetupMapChina);
}
bool CChildView::SetupMapGreatBritain() {
    return SetupOwnMap(&CChildView::SetupMapGreatBritain);
}
bool CChildView::SetupMapLinesII() {
    return SetupOwnMap(&CChildView::SetupMapLinesII);
}
bool CChildView::SetupMapSwamp() {
    return SetupOwnMap(&CChildView::SetupMapSwamp);
}
bool CChildView::SetupMapThreeNationsA() {
    return SetupOwnMap(&CChildView::SetupMapThreeNationsA);
}
bool CChildView::SetupMapThreeNationsB() {
    return SetupOwnMap(&CChildView::SetupMapThreeNationsB);
}
bool CChildView::SetupMapSwampII() {
    return SetupOwnMap(&CChildView::SetupMapSwampII);
}
