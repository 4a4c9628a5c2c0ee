// The table of the code-built maps and everything derived from it.
// Lookups, menu order, campaigns, per-map sizes and continent names all read this one table.
#include "core/model/map_catalogue.h"
#include "core/model/board_picture.h"

#include <algorithm>
#include <array>

#include "core/child_view.h"
#include "core/model/game_state.h"

namespace {

using Run = ContinentRun;
using Names = const char* const;

constexpr Run kWorldRuns[] = {{9, 5, 3}, {4, 2, 2}, {6, 3, 2}, {7, 5, 4}, {12, 7, 5}, {4, 1, 1}};
constexpr Run kEuropeRuns[] = {{5, 2, 3}, {7, 4, 4}, {7, 3, 2}, {9, 5, 4}, {9, 6, 5}, {7, 3, 3}};
constexpr Run kNorthAmericaRuns[] = {{9, 6, 4}, {6, 3, 3},  {6, 3, 4}, {10, 7, 4}, {5, 2, 2},
                                     {5, 2, 2}, {10, 6, 3}, {5, 1, 1}, {8, 5, 3}};
constexpr Run kRealWorldRuns[] = {{6, 3, 3}, {8, 5, 2}, {8, 6, 4}, {11, 8, 5}, {8, 5, 3}, {7, 4, 3},
                                  {6, 3, 3}, {6, 3, 3}, {8, 6, 5}, {12, 8, 5}, {6, 2, 1}};
constexpr Run kJapanKoreaRuns[] = {{8, 4, 2}, {6, 3, 3}, {6, 3, 3}, {9, 6, 5}, {7, 4, 4},
                                   {4, 2, 2}, {5, 3, 3}, {6, 3, 2}, {8, 4, 2}, {8, 4, 2}};
constexpr Run kAustraliaRuns[] = {{6, 3, 3},  {6, 3, 3},  {5, 2, 2}, {7, 4, 4},
                                  {13, 8, 4}, {10, 6, 3}, {9, 6, 4}, {5, 2, 2}};
constexpr Run kScandinaviaRuns[] = {{11, 6, 3}, {11, 7, 5}, {11, 7, 5},
                                    {11, 6, 4}, {10, 6, 5}, {9, 5, 3}};
constexpr Run kWormsRuns[] = {{11, 8, 5}, {12, 6, 4}, {11, 6, 4}, {12, 6, 4}, {10, 6, 4},
                              {11, 7, 4}, {11, 8, 5}, {11, 6, 4}, {10, 6, 5}, {11, 6, 4}};
constexpr Run kChinaRuns[] = {{3, 2, 3}, {4, 3, 3}, {2, 1, 2}, {5, 3, 4}, {5, 4, 4},
                              {4, 5, 4}, {5, 5, 5}, {6, 5, 5}, {9, 6, 6}};
constexpr Run kGreatBritainRuns[] = {{8, 4, 3}, {2, 1, 2},  {4, 2, 4}, {4, 2, 4}, {5, 3, 5},
                                     {4, 2, 4}, {6, 3, 5},  {8, 5, 5}, {7, 4, 4}, {6, 3, 4},
                                     {6, 3, 3}, {12, 8, 8}, {5, 2, 3}, {6, 3, 4}};
constexpr Run kLinesIIRuns[] = {{11, 7, 8}, {13, 13, 12}, {13, 10, 10}, {10, 7, 8}, {12, 10, 10},
                                {10, 8, 9}, {11, 10, 10}, {12, 12, 12}, {11, 8, 8}, {10, 9, 10}};
constexpr Run kSwampRuns[] = {{10, 6, 5}, {8, 5, 6},  {8, 4, 4}, {8, 4, 5}, {10, 7, 6},
                              {8, 5, 6},  {10, 6, 4}, {8, 4, 5}, {6, 2, 3}, {6, 2, 3},
                              {6, 2, 3},  {6, 2, 3},  {6, 2, 3}, {6, 2, 3}};
constexpr Run kThreeNationsARuns[] = {{6, 2, 2}, {8, 4, 2},  {6, 2, 2},  {6, 2, 2},  {6, 2, 2},
                                      {6, 2, 2}, {7, 3, 2},  {7, 3, 2},  {10, 5, 2}, {7, 3, 2},
                                      {7, 3, 2}, {13, 7, 2}, {13, 7, 2}, {12, 7, 2}};
constexpr Run kThreeNationsBRuns[] = {{9, 4, 3}, {9, 6, 5}, {9, 5, 4},  {8, 4, 4}, {8, 4, 4},
                                      {9, 5, 4}, {9, 4, 3}, {10, 7, 5}, {9, 4, 3}, {7, 4, 6},
                                      {6, 4, 6}, {5, 3, 5}, {3, 1, 3}};

Names kWorldNames[] = {"N. America    ", "S. America    ", "Africa    ",
                       "Europe    ",     "Asia    ",       "Australia    "};
Names kEuropeNames[] = {"Scandinavia    ", "W. Europe    ", "S. Europe    ",
                        "Balkan    ",      "E. Europe    ", "Middle East    "};
Names kNorthAmericaNames[] = {"Canada    ",  "West    ",      "SouthWest    ",
                              "Central    ", "MidWest    ",   "NorthEast    ",
                              "South    ",   "Caribbean    ", "Mexico    "};
Names kRealWorldNames[] = {"N. America    ",     "S. America    ", "W. Africa    ",
                           "Central Africa    ", "S. Africa    ",  "N. Africa    ",
                           "Middle East    ",    "E. Europe    ",  "W. Europe    ",
                           "Asia    ",           "Australia    "};
Names kJapanKoreaNames[] = {"Hokkaido    ", "Tohoku    ",  "Kanto    ",   "Chuba    ",
                            "Kansai    ",   "Shikoku    ", "Chuguku    ", "Kyushu    ",
                            "S.Korea    ",  "N.Korea    "};
Names kAustraliaNames[] = {"Western Australia    ",  "Western Australia2    ",
                           "Northern Territory    ", "South Australia    ",
                           "Queensland    ",         "New South Wales    ",
                           "Victoria    ",           "Tasmania    "};
Names kScandinaviaNames[] = {"Denmark    ", "Sweden South   ", "Sweden North   ",
                             "Finland    ", "Norway North   ", "Norway South   "};
Names kWormsNames[] = {"Worm1    ", "Worm2   ", "Worm3   ", "Worm4    ", "Worm5   ",
                       "Worm6   ",  "Worm7   ", "Worm8   ", "Worm9   ",  "Worm10   "};
Names kChinaNames[] = {"Shenyang    ", "Beijng   ",     "Jinan   ",
                       "Nanjing    ",  "Guangzhou   ",  "Chengdu   ",
                       "Lanzhou   ",   "Asia North   ", "Asia South   "};
Names kGreatBritainNames[] = {
    "Scotland    ",     "North East   ",    "North West   ",  "Yorksh. Humbersh.   ",
    "East Midlands   ", "West Midlands   ", "East Anglia   ", "South East   ",
    "South West   ",    "Wales   ",         "N. Ireland   ",  "Leinster   ",
    "Connacht   ",      "Munster   "};
Names kLinesIINames[] = {"Line1    ", "Line2    ", "Line3    ", "Line4    ", "Line5    ",
                         "Line6    ", "Line7    ", "Line8    ", "Line9    ", "Line10    "};
Names kSwampNames[] = {"North West    ", "West   ",      "South West   ", "South    ",
                       "South East   ",  "East   ",      "North East   ", "North   ",
                       "NW Island   ",   "NE Island   ", "E Island   ",   "SE Island   ",
                       "SW Island   ",   "W Island   "};
Names kThreeNationsANames[] = {"State I    ",   "State II    ", "State III    ", "State IV    ",
                               "State V    ",   "State VI    ", "State I    ",   "State II    ",
                               "State III    ", "State IV    ", "State V    ",   "State I    ",
                               "State II    ",  "State III    "};
Names kThreeNationsBNames[] = {
    "State I    ",     "State II    ",     "State III    ",  "State I    ",   "State II    ",
    "State III    ",   "State I    ",      "State II    ",   "State III    ", "Sea Lane I    ",
    "Sea Lane II    ", "Sea Lane III    ", "Sea Lane IV    "};

using TC = TerritoryCodeRule;

// clang-format off
const BuiltinMap kMaps[] = {
    {&g_isMapWorld, "World", "&World   (42 territories)", 177, &CChildView::SetupMapWorld,
     "Wor", "World", "World         ", {205, 130, 272}, 42, 6, 69, 9, 6,
     kWorldRuns, kWorldNames, TC::kOwn, 1, 1},
    {&g_isMapEurope, "Europe", "&Europe   (44)", 178, &CChildView::SetupMapEurope,
     "Eur", "Europe", "Europe        ", {207, 176, 275}, 44, 6, 5, 10, 8,
     kEuropeRuns, kEuropeNames, TC::kBlank, 3, 1},
    {&g_isMapNorthAmerica, "North America", "&North America  (64)", 32794,
     &CChildView::SetupMapNorthAmerica,
     "Nor", "America", "North America ", {218, 216, 277}, 64, 9, 13, 15, 6,
     kNorthAmericaRuns, kNorthAmericaNames, TC::kBlank, 3, 4},
    {&g_isMapRealWorld, "Real World", "&Real World  (86)", 32783, &CChildView::SetupMapRealWorld,
     "Rea", "RWorld", "Real world    ", {212, 180, 279}, 86, 11, 12, 15, 9,
     kRealWorldRuns, kRealWorldNames, TC::kBlank, 1, 2},
    {&g_isMapJapanKorea, "Japan Korea", "&Japan Korea  (67)", 32804,
     &CChildView::SetupMapJapanKorea,
     "Jap", "JapKor", "Japan Korea   ", {266, 264, 283}, 67, 10, 11, 15, 7,
     kJapanKoreaRuns, kJapanKoreaNames, TC::kBlank, 2, 3},
    {&g_isMapAustralia, "Australia", "&Australia  (61)", 32805, &CChildView::SetupMapAustralia,
     "Aus", "Australia", "Australia     ", {270, 268, 281}, 61, 8, 3, 15, 8,
     kAustraliaRuns, kAustraliaNames, TC::kBlank, 2, 1},
    {&g_isMapScandinavia, "Scandinavia", "&Scandinavia  (63)", 32812,
     &CChildView::SetupMapScandinavia,
     "Sca", "Scandinavia", "Scandinavia   ", {289, 285, 287}, 63, 6, 4, 15, 7,
     kScandinaviaRuns, kScandinaviaNames, TC::kBlank, 3, 3},
    {&g_isMapWorms, "Worms", "W&orms  (110)", 32813, &CChildView::SetupMapWorms,
     "Wrm", "Worms", "Worms         ", {296, 291, 294}, 110, 10, 12, 15, 6,
     kWormsRuns, kWormsNames, TC::kBlank, 5, 3},
    {&g_isMapChina, "China", "&China  (43)", 32814, &CChildView::SetupMapChina,
     "Chi", "China", "China         ", {302, 298, 300}, 43, 9, 8, 15, 10,
     kChinaRuns, kChinaNames, TC::kBlank, 2, 2},
    {&g_isMapGreatBritain, "Great Britain", "&Great Britain  (83)", 32815,
     &CChildView::SetupMapGreatBritain,
     "Gre", "GrBritain", "Great Britain ", {308, 304, 306}, 83, 14, 9, 15, 8,
     kGreatBritainRuns, kGreatBritainNames, TC::kBlank, 3, 2},
    {&g_isMapLinesII, "Lines II", "&Lines II (113)", 32816, &CChildView::SetupMapLinesII,
     "Lin", "LinesII", "Lines II      ", {314, 310, 312}, 113, 10, 8, 15, 8,
     kLinesIIRuns, kLinesIINames, TC::kBlank, 5, 1},
    {&g_isMapSwamp, "Swamp", "Swa&mp  (106)", 32817, &CChildView::SetupMapSwamp,
     "Swa", "Swamp", "Swamp         ", {320, 316, 318}, 106, 14, 8, 15, 6,
     kSwampRuns, kSwampNames, TC::kCompass, 5, 2},
    {&g_isMapSwampII, "Swamp II", "Swam&p II (200)", 32821, &CChildView::SetupMapSwampII,
     "Sw2", "SwampII", "Swamp II      ", {349, 343, 347}, 200, 25, 0, 0, 0,
     {}, {}, TC::kOwn, 0, 0},
    {&g_isMapThreeNationsA, "Three Nations A", "", 0, &CChildView::SetupMapThreeNationsA,
     "3Na", "", "", {328, 324, 326}, 114, 14, 9, 15, 5,
     kThreeNationsARuns, kThreeNationsANames, TC::kBlank, 4, 1},
    {&g_isMapThreeNationsB, "Three Nations B", "", 0, &CChildView::SetupMapThreeNationsB,
     "3Nb", "", "", {334, 330, 332}, 101, 13, 6, 15, 8,
     kThreeNationsBRuns, kThreeNationsBNames, TC::kBlank, 4, 2},
};
// clang-format on

constexpr std::array<std::string_view, 6> kCampaignTitles = {
    "", "Worlds", "West Pacific", "N. Atlantic", "Three Nations", "Marovek"};

template <class Pred>
const BuiltinMap* FindMap(Pred pred) {
    for (const BuiltinMap& map : kMaps)
        if (pred(map)) return &map;
    return nullptr;
}

}  // namespace

std::span<const BuiltinMap> BuiltinMaps() {
    return kMaps;
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

const BuiltinMap* SelectedBuiltinMap() {
    if (g_isMapCustom) return nullptr;
    return FindMap([](const BuiltinMap& m) { return *m.flag; });
}

std::vector<const BuiltinMap*> MapMenuOrder() {
    std::vector<const BuiltinMap*> entries;
    for (const BuiltinMap& map : kMaps)
        if (map.menuId != 0) entries.push_back(&map);
    std::stable_sort(entries.begin(), entries.end(), [](const BuiltinMap* a, const BuiltinMap* b) {
        return a->territories < b->territories;
    });
    return entries;
}

std::vector<const BuiltinMap*> CampaignMaps(int campaign) {
    std::vector<const BuiltinMap*> maps;
    if (campaign < 1) return maps;
    for (const BuiltinMap& map : kMaps)
        if (map.campaign == campaign) maps.push_back(&map);
    std::sort(maps.begin(), maps.end(), [](const BuiltinMap* a, const BuiltinMap* b) {
        return a->campaignStep < b->campaignStep;
    });
    return maps;
}

std::string_view CampaignTitle(int campaign) {
    if (campaign < 1 || campaign >= static_cast<int>(kCampaignTitles.size())) return {};
    return kCampaignTitles[static_cast<std::size_t>(campaign)];
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
    // Map files and Swamp II keep the names of their map text.
    if (g_isMapCustom || g_isTestCustomMap || g_isMapSwampII) return;
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
