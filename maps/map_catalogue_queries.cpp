// Questions over the catalogue's rows: lookups, the selected map, orders, campaigns' maps, and
// the sizes and continent names a selected map sets.
#include <algorithm>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_text.h"

namespace {

template <class Pred>
const BuiltinMap* FindMap(Pred pred) {
    for (const BuiltinMap& map : BuiltinMaps())
        if (pred(map)) return &map;
    return nullptr;
}

}  // namespace

void SelectDefaultMap() {
    ClearMapFlags();
    *DefaultMap().flag = true;
}

std::int32_t MaxContinentSize(const BuiltinMap& map) {
    std::int32_t most = 0;
    for (const ContinentRun& run : map.continentRuns) most = std::max(most, run.members);
    return most;
}

std::int32_t MaxContinentBorder(const BuiltinMap& map) {
    std::int32_t most = 0;
    for (const ContinentRun& run : map.continentRuns) most = std::max(most, run.borderLength);
    return most;
}

std::int32_t BorderTerritoryTotal(const BuiltinMap& map) {
    std::int32_t total = 0;
    for (const ContinentRun& run : map.continentRuns) total += run.borderLength;
    return total;
}

const BuiltinMap* BuiltinMapByFlag(const bool* flag) {
    return FindMap([flag](const BuiltinMap& m) { return m.flag == flag; });
}

const BuiltinMap* BuiltinMapByMenuId(int menuId) {
    if (menuId == 0) return nullptr;
    return FindMap([menuId](const BuiltinMap& m) { return m.menuId == menuId; });
}

const BuiltinMap* BuiltinMapByCode(std::string_view code) {
    return FindMap([code](const BuiltinMap& m) { return m.code == code; });
}

const BuiltinMap* BuiltinMapByCommand(void (CChildView::*command)()) {
    if (command == nullptr) return nullptr;
    return FindMap([command](const BuiltinMap& m) { return m.command == command; });
}

const BuiltinMap* BuiltinMapBySetup(bool (CChildView::*setup)()) {
    if (setup == nullptr) return nullptr;
    return FindMap([setup](const BuiltinMap& m) { return m.setup == setup; });
}

const BuiltinMap* BuiltinMapByFreewareNumber(std::int32_t number) {
    if (number == 0) return nullptr;
    return FindMap([number](const BuiltinMap& m) { return m.freeware.number == number; });
}

const BuiltinMap* SelectedBuiltinMap() {
    if (g_isMapCustom) return nullptr;
    const BuiltinMap* selected = nullptr;
    for (const BuiltinMap& map : BuiltinMaps())
        if (*map.flag && (selected == nullptr || map.precedence < selected->precedence))
            selected = &map;
    return selected;
}

std::vector<const BuiltinMap*> MapMenuOrder() {
    std::vector<const BuiltinMap*> entries;
    for (const BuiltinMap& map : BuiltinMaps())
        if (map.menuId != 0) entries.push_back(&map);
    std::stable_sort(entries.begin(), entries.end(), [](const BuiltinMap* a, const BuiltinMap* b) {
        return a->territories < b->territories;
    });
    return entries;
}

std::vector<const BuiltinMap*> MapsDrawnBy(MapSource source) {
    std::vector<const BuiltinMap*> maps;
    for (const BuiltinMap& map : BuiltinMaps())
        if (map.source == source) maps.push_back(&map);
    return maps;
}

std::string TableKey(const BuiltinMap& map) {
    std::string key;
    for (const char c : map.name)
        if (c != ' ') key += c;
    return key;
}

bool FitsNetworkGame(const BuiltinMap& map) {
    return map.territories <= kNetworkMaxTerritories && map.continents <= kNetworkMaxContinents;
}

bool NamesFromMapText(const BuiltinMap& map) {
    return map.continentNames.empty();
}

const FreewareScore* FreewareScoreOf(const BuiltinMap* map, std::int32_t players) {
    if (map == nullptr || map->freeware.number == 0 || players > kFreewareMaxPlayers)
        return nullptr;
    return &map->freeware;
}

bool PlaysWorldRules() {
    const BuiltinMap* map = SelectedBuiltinMap();
    return map != nullptr && map->worldRules;
}

std::vector<const BuiltinMap*> CampaignMaps(int campaign) {
    std::vector<const BuiltinMap*> maps;
    if (CampaignTitle(campaign).empty()) return maps;
    for (const BuiltinMap& map : BuiltinMaps())
        if (map.campaign == campaign) maps.push_back(&map);
    std::sort(maps.begin(), maps.end(), [](const BuiltinMap* a, const BuiltinMap* b) {
        return a->campaignStep < b->campaignStep;
    });
    return maps;
}

std::string CampaignScoreTitle(int campaign) {
    constexpr std::size_t kScoreTitleLength = 14;
    std::string title(CampaignTitle(campaign));
    if (!title.empty()) title.resize(kScoreTitleLength, ' ');
    return title;
}

namespace maps {

void SetBuiltinMapSize() {
    // A map file keeps the counts its parse left; only the divisor follows them.
    if (const BuiltinMap* map = SelectedBuiltinMap()) {
        g_territoryCount = map->territories;
        g_continentCount = map->continents;
        g_maxContinentSize = MaxContinentSize(*map);
        g_maxContinentBorder = MaxContinentBorder(*map);
        g_borderTerritoryTotal = BorderTerritoryTotal(*map);
        g_routeCount = map->routes;
        g_mapAuxCount = 0;
    }
    g_reinforcementDivisor = ReinforcementDivisorFor(g_territoryCount);
    // The new map's outlines are made at the next rebuild.
    g_isBoardRebuildPending = true;
}

void SetContinentNames() {
    // Map files and maps built from a map text keep the names of their text.
    if (g_isMapCustom || g_isTestCustomMap) return;
    const BuiltinMap* map = SelectedBuiltinMap();
    if (map == nullptr) return;
    int c = 1;
    for (const char* name : map->continentNames)
        if (c <= kMaxContinents) g_continentNames[c++] = name;
}

}  // namespace maps

void CChildView::SetBuiltinMapSize() {
    maps::SetBuiltinMapSize();
}
void CChildView::SetContinentNames() {
    maps::SetContinentNames();
}
