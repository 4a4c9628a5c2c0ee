// The table of the code-built maps and everything derived from it: each map's facts stand in its
// one row, and lookups, menu order, campaigns, sizes and continent names all read this table.
#include "maps/map_catalogue.h"

#include <algorithm>
#include <array>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_text.h"
#include "maps/map_state.h"
#include "maps/place_art.h"
#include "maps/validate_map.h"
#include "render/render_state.h"

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

// Swamp's territory codes begin with the compass word of their continent.
Names kSwampCompass[] = {"nw", "w",  "sw", "s", "se", "e",  "ne",
                         "n",  "nw", "ne", "e", "se", "sw", "w"};

// On the small screen these Real World territories are traced from points of their own, as their
// label points lie too near a border.
constexpr TraceStart kRealWorldSmallStarts[] = {
    {20, 391, 299}, {30, 472, 328}, {31, 439, 340}, {32, 438, 365}, {35, 488, 433}, {38, 503, 453},
    {46, 429, 206}, {54, 507, 178}, {56, 480, 122}, {57, 496, 138}, {58, 476, 150}, {62, 429, 96},
    {64, 432, 126}, {67, 399, 124}, {68, 362, 77},  {73, 580, 175}, {76, 624, 227}, {83, 769, 296},
};

constexpr RuleException kScandinaviaExceptions[] = {
    {MapRule::kBorderComplete, 6, "continent 6 lists three of its five border territories"}};
constexpr RuleException kGreatBritainExceptions[] = {
    {MapRule::kRouteRepeatInRow, 0, "one route record names a territory twice in a row"}};

using TC = TerritoryCodeRule;
using V = CChildView;

// The first row is the default map.
const BuiltinMap kMaps[] = {
    {.flag = &g_isMapWorld,
     .name = "World",
     .code = "Wor",
     .setup = &V::SetupMapWorld,
     .precedence = 14,
     .menuText = "&World   (42 territories)",
     .menuId = 177,
     .command = &V::OnMapWorld,
     .choiceText = "World",
     .scoresName = "World",
     .savedGameWord = "World",
     .scoreTitle = "World         ",
     .freeware = {40, "World Freeware"},
     .campaign = 1,
     .campaignStep = 1,
     .playersPreset = 1,
     .territories = 42,
     .continents = 6,
     .routes = 69,
     .longestRoute = 9,
     .maxNeighbours = 6,
     .continentRuns = kWorldRuns,
     .continentNames = kWorldNames,
     .codes = TC::kOwn,
     .place = maps::WorldPlace,
     .bitmaps = {205, 130, 272},
     .panel = {{170, 260, 350}, {360, 510, 665}},
     .panelTwoColumns = true,
     .smilies = SmiliesRule::kAlways,
     .labelsFromArt = true,
     .tallLabels = true,
     .paintShift = {12, 12, 12},
     .worldRules = true,
     .source = MapSource::kWorldDrawing},
    {.flag = &g_isMapEurope,
     .name = "Europe",
     .code = "Eur",
     .setup = &V::SetupMapEurope,
     .precedence = 15,
     .menuText = "&Europe   (44)",
     .menuId = 178,
     .command = &V::OnMapEurope,
     .choiceText = "Europe",
     .scoresName = "Europe",
     .savedGameWord = "Europe",
     .scoreTitle = "Europe        ",
     .campaign = 3,
     .campaignStep = 1,
     .playersPreset = 1,
     .highScoreRule = HighScoreRule::kTroopExperience,
     .territories = 44,
     .continents = 6,
     .routes = 5,
     .longestRoute = 10,
     .maxNeighbours = 8,
     .continentRuns = kEuropeRuns,
     .continentNames = kEuropeNames,
     .codes = TC::kBlank,
     .place = maps::EuropePlace,
     .bitmaps = {207, 176, 275},
     .panel = {{532, 760, 950}, {35, 50, 62}},
     .smilies = SmiliesRule::kAlways,
     .labelsFromArt = true,
     .tallLabels = true,
     .paintShift = {12, 12, 12},
     .source = MapSource::kPlaceDrawing,
     .drawnFrom = "europe"},
    {.flag = &g_isMapNorthAmerica,
     .name = "North America",
     .code = "Nor",
     .setup = &V::SetupMapNorthAmerica,
     .precedence = 1,
     .menuText = "&North America  (64)",
     .menuId = 32794,
     .command = &V::OnMapNorthAmerica,
     .choiceText = "North America",
     .scoresName = "America",
     .savedGameWord = "America",
     .scoreTitle = "North America ",
     .campaign = 3,
     .campaignStep = 4,
     .playersPreset = 3,
     .highScoreRule = HighScoreRule::kTroopExperience,
     .territories = 64,
     .continents = 9,
     .routes = 13,
     .longestRoute = 15,
     .maxNeighbours = 6,
     .continentRuns = kNorthAmericaRuns,
     .continentNames = kNorthAmericaNames,
     .codes = TC::kBlank,
     .place = maps::NorthAmericaPlace,
     .bitmaps = {218, 216, 277},
     .panel = {{532, 760, 950}, {112, 160, 200}},
     .smilies = SmiliesRule::kLargeScreen,
     .labelsFromArt = true,
     .tallLabels = true,
     .paintShift = {12, 12, 12},
     .source = MapSource::kPlaceDrawing,
     .drawnFrom = "northamerica"},
    {.flag = &g_isMapRealWorld,
     .name = "Real World",
     .code = "Rea",
     .setup = &V::SetupMapRealWorld,
     .precedence = 2,
     .menuText = "&Real World  (86)",
     .menuId = 32783,
     .command = &V::OnMapRealWorld,
     .choiceText = "Real World",
     .scoresName = "Real World",
     .savedGameWord = "RWorld",
     .scoreTitle = "Real world    ",
     .campaign = 1,
     .campaignStep = 2,
     .playersPreset = 5,
     .territories = 86,
     .continents = 11,
     .routes = 12,
     .longestRoute = 15,
     .maxNeighbours = 9,
     .continentRuns = kRealWorldRuns,
     .continentNames = kRealWorldNames,
     .codes = TC::kBlank,
     .place = maps::RealWorldPlace,
     .bitmaps = {212, 180, 279},
     .panel = {{170, 260, 350}, {360, 510, 665}},
     .panelTwoColumns = true,
     .labelsFromArt = true,
     .paintShift = {0, 0, 0},
     .largePaintMove = 2,
     .fillRaise = 1,
     .markerShift = 4,
     .smallTraceStarts = kRealWorldSmallStarts,
     .source = MapSource::kPlaceDrawing,
     .drawnFrom = "realworld"},
    {.flag = &g_isMapJapanKorea,
     .name = "Japan Korea",
     .code = "Jap",
     .setup = &V::SetupMapJapanKorea,
     .precedence = 3,
     .menuText = "&Japan Korea  (67)",
     .menuId = 32804,
     .command = &V::OnMapJapanKorea,
     .choiceText = "Japan  Korea",
     .scoresName = "Japan Korea",
     .savedGameWord = "JapKor",
     .scoreTitle = "Japan Korea   ",
     .campaign = 2,
     .campaignStep = 3,
     .playersPreset = 3,
     .territories = 67,
     .continents = 10,
     .routes = 11,
     .longestRoute = 15,
     .maxNeighbours = 7,
     .continentRuns = kJapanKoreaRuns,
     .continentNames = kJapanKoreaNames,
     .codes = TC::kBlank,
     .place = maps::JapanKoreaPlace,
     .bitmaps = {266, 264, 283},
     .panel = {{567, 810, 1012}, {291, 417, 521}},
     .labelsFromArt = true,
     .paintShift = {12, 12, 12},
     .source = MapSource::kPlaceDrawing,
     .drawnFrom = "japankorea"},
    {.flag = &g_isMapAustralia,
     .name = "Australia",
     .code = "Aus",
     .setup = &V::SetupMapAustralia,
     .precedence = 4,
     .menuText = "&Australia  (61)",
     .menuId = 32805,
     .command = &V::OnMapAustralia,
     .choiceText = "Australia",
     .scoresName = "Australia",
     .savedGameWord = "Australia",
     .scoreTitle = "Australia     ",
     .campaign = 2,
     .campaignStep = 1,
     .playersPreset = 3,
     .territories = 61,
     .continents = 8,
     .routes = 3,
     .longestRoute = 15,
     .maxNeighbours = 8,
     .continentRuns = kAustraliaRuns,
     .continentNames = kAustraliaNames,
     .codes = TC::kBlank,
     .place = maps::AustraliaPlace,
     .bitmaps = {270, 268, 281},
     .panel = {{532, 760, 950}, {112, 160, 200}},
     .labelsFromArt = true,
     .paintShift = {12, 12, 12},
     .source = MapSource::kPlaceDrawing,
     .drawnFrom = "australia"},
    {.flag = &g_isMapScandinavia,
     .name = "Scandinavia",
     .code = "Sca",
     .setup = &V::SetupMapScandinavia,
     .precedence = 5,
     .menuText = "&Scandinavia  (63)",
     .menuId = 32812,
     .command = &V::OnMapScandinavia,
     .choiceText = "Scandinavia",
     .scoresName = "Scandinavia",
     .savedGameWord = "Scandinavia",
     .scoreTitle = "Scandinavia   ",
     .campaign = 3,
     .campaignStep = 3,
     .playersPreset = 3,
     .highScoreRule = HighScoreRule::kTroopExperience,
     .territories = 63,
     .continents = 6,
     .routes = 4,
     .longestRoute = 15,
     .maxNeighbours = 7,
     .continentRuns = kScandinaviaRuns,
     .continentNames = kScandinaviaNames,
     .codes = TC::kBlank,
     .place = maps::ScandinaviaPlace,
     .ruleExceptions = kScandinaviaExceptions,
     .bitmaps = {289, 285, 287},
     .panel = {{30, 30, 30}, {30, 30, 30}},
     .paintShift = {1, 3, 3},
     .source = MapSource::kPlaceDrawing,
     .drawnFrom = "scandinavia"},
    {.flag = &g_isMapWorms,
     .name = "Worms",
     .code = "Wrm",
     .setup = &V::SetupMapWorms,
     .precedence = 8,
     .menuText = "W&orms  (110)",
     .menuId = 32813,
     .command = &V::OnMapWorms,
     .choiceText = "Worms",
     .scoresName = "Worms",
     .savedGameWord = "Worms",
     .scoreTitle = "Worms         ",
     .hostVersion = "5.1",
     .campaign = 5,
     .campaignStep = 3,
     .playersPreset = 7,
     .territories = 110,
     .continents = 10,
     .routes = 12,
     .longestRoute = 15,
     .maxNeighbours = 6,
     .continentRuns = kWormsRuns,
     .continentNames = kWormsNames,
     .codes = TC::kBlank,
     .bitmaps = {296, 291, 294},
     .panel = {{581, 830, 1037}, {291, 417, 521}},
     .paintShift = {1, 3, 3},
     .source = MapSource::kImaginedDrawing,
     .drawnFrom = "worms.txt"},
    {.flag = &g_isMapChina,
     .name = "China",
     .code = "Chi",
     .setup = &V::SetupMapChina,
     .precedence = 7,
     .menuText = "&China  (43)",
     .menuId = 32814,
     .command = &V::OnMapChina,
     .choiceText = "China",
     .scoresName = "China",
     .savedGameWord = "China",
     .scoreTitle = "China         ",
     .campaign = 2,
     .campaignStep = 2,
     .playersPreset = 1,
     .highScoreRule = HighScoreRule::kHoldContinents,
     .territories = 43,
     .continents = 9,
     .routes = 8,
     .longestRoute = 15,
     .maxNeighbours = 10,
     .continentRuns = kChinaRuns,
     .continentNames = kChinaNames,
     .codes = TC::kBlank,
     .place = maps::ChinaPlace,
     .bitmaps = {302, 298, 300},
     .panel = {{560, 800, 1000}, {252, 360, 450}},
     .paintShift = {1, 3, 3},
     .source = MapSource::kPlaceDrawing,
     .drawnFrom = "china"},
    {.flag = &g_isMapGreatBritain,
     .name = "Great Britain",
     .code = "Gre",
     .setup = &V::SetupMapGreatBritain,
     .precedence = 6,
     .menuText = "&Great Britain  (83)",
     .menuId = 32815,
     .command = &V::OnMapGreatBritain,
     .choiceText = "Great Britain",
     .scoresName = "Great Britain",
     .savedGameWord = "GrBritain",
     .scoreTitle = "Great Britain ",
     .campaign = 3,
     .campaignStep = 2,
     .playersPreset = 5,
     .highScoreRule = HighScoreRule::kHoldContinents,
     .territories = 83,
     .continents = 14,
     .routes = 9,
     .longestRoute = 15,
     .maxNeighbours = 8,
     .continentRuns = kGreatBritainRuns,
     .continentNames = kGreatBritainNames,
     .codes = TC::kBlank,
     .place = maps::GreatBritainPlace,
     .ruleExceptions = kGreatBritainExceptions,
     .bitmaps = {308, 304, 306},
     .panel = {{490, 700, 875}, {112, 160, 200}},
     .paintShift = {1, 3, 3},
     .source = MapSource::kPlaceDrawing,
     .drawnFrom = "greatbritain"},
    {.flag = &g_isMapLinesII,
     .name = "Lines II",
     .code = "Lin",
     .setup = &V::SetupMapLinesII,
     .precedence = 9,
     .menuText = "&Lines II (113)",
     .menuId = 32816,
     .command = &V::OnMapLinesII,
     .choiceText = "Lines II",
     .scoresName = "Lines II",
     .savedGameWord = "LinesII",
     .scoreTitle = "Lines II      ",
     .hostVersion = "5.2",
     .campaign = 5,
     .campaignStep = 1,
     .playersPreset = 7,
     .territories = 113,
     .continents = 10,
     .routes = 8,
     .longestRoute = 15,
     .maxNeighbours = 8,
     .continentRuns = kLinesIIRuns,
     .continentNames = kLinesIINames,
     .codes = TC::kBlank,
     .bitmaps = {314, 310, 312},
     .panel = {{567, 810, 1012}, {28, 40, 50}},
     .paintShift = {2, 3, 3},
     .source = MapSource::kImaginedDrawing,
     .drawnFrom = "lines_ii.txt"},
    {.flag = &g_isMapSwamp,
     .name = "Swamp",
     .code = "Swa",
     .setup = &V::SetupMapSwamp,
     .precedence = 11,
     .menuText = "Swa&mp  (106)",
     .menuId = 32817,
     .command = &V::OnMapSwamp,
     .choiceText = "Swamp",
     .scoresName = "Swamp",
     .savedGameWord = "Swamp",
     .scoreTitle = "Swamp         ",
     .hostVersion = "5.1",
     .campaign = 5,
     .campaignStep = 2,
     .playersPreset = 7,
     .highScoreRule = HighScoreRule::kTroopExperience,
     .territories = 106,
     .continents = 14,
     .routes = 8,
     .longestRoute = 15,
     .maxNeighbours = 6,
     .continentRuns = kSwampRuns,
     .continentNames = kSwampNames,
     .codes = TC::kCompass,
     .continentWords = kSwampCompass,
     .bitmaps = {320, 316, 318},
     .panel = {{581, 830, 1037}, {7, 10, 12}},
     .smilies = SmiliesRule::kAlways,
     .paintShift = {1, 3, 3},
     .source = MapSource::kImaginedDrawing,
     .drawnFrom = "swamp.txt"},
    {.flag = &g_isMapSwampII,
     .name = "Swamp II",
     .code = "Sw2",
     .setup = &V::SetupMapSwampII,
     .precedence = 10,
     .menuText = "Swam&p II (200)",
     .menuId = 32821,
     .command = &V::OnMapSwampII,
     .choiceText = "Swamp II",
     .scoresName = "Swamp II",
     .savedGameWord = "SwampII",
     .scoreTitle = "Swamp II      ",
     .playersPreset = 7,
     .territories = 200,
     .continents = 25,
     .codes = TC::kOwn,
     .mapText = "SwampII",
     .bitmaps = {349, 343, 347},
     .panel = {{574, 820, 1025}, {14, 20, 25}},
     .paintShift = {1, 3, 3},
     .source = MapSource::kImaginedDrawing,
     .drawnFrom = "swamp_ii.txt"},
    {.flag = &g_isMapThreeNationsA,
     .name = "Three Nations A",
     .code = "3Na",
     .setup = &V::SetupMapThreeNationsA,
     .precedence = 13,
     .campaign = 4,
     .campaignStep = 1,
     .playersPreset = 7,
     .territories = 114,
     .continents = 14,
     .routes = 9,
     .longestRoute = 15,
     .maxNeighbours = 5,
     .continentRuns = kThreeNationsARuns,
     .continentNames = kThreeNationsANames,
     .codes = TC::kBlank,
     .bitmaps = {328, 324, 326},
     .panel = {{574, 820, 1025}, {14, 20, 25}},
     .paintShift = {3, 3, 3},
     .source = MapSource::kImaginedDrawing,
     .drawnFrom = "three_nations_a.txt"},
    {.flag = &g_isMapThreeNationsB,
     .name = "Three Nations B",
     .code = "3Nb",
     .setup = &V::SetupMapThreeNationsB,
     .precedence = 12,
     .campaign = 4,
     .campaignStep = 2,
     .playersPreset = 7,
     .territories = 101,
     .continents = 13,
     .routes = 6,
     .longestRoute = 15,
     .maxNeighbours = 8,
     .continentRuns = kThreeNationsBRuns,
     .continentNames = kThreeNationsBNames,
     .codes = TC::kBlank,
     .bitmaps = {334, 330, 332},
     .panel = {{574, 820, 1025}, {14, 20, 25}},
     .paintShift = {3, 3, 3},
     .tracedByBoard = true,
     .source = MapSource::kImaginedDrawing,
     .drawnFrom = "three_nations_b.txt"},
};

// Campaigns 1..5: title, the campaign dialog's line, the saved game's name word.
struct Campaign {
    std::string_view title;
    std::string_view choiceText;
    std::string_view savedGameWord;
};
constexpr Campaign kCampaigns[] = {
    {},
    {"Worlds", "Worlds   (World - Real World)", "CMPGN_Worlds"},
    {"West Pacific", "West Pacific   (Australia - China - Japan Korea)", "CMPGN_WPacif"},
    {"N. Atlantic", "North Atlantic   (Europe - Great Britain - Scandinavia - North America)",
     "CMPGN_NAtlan"},
    {"Three Nations", "Three Nations   (Three Nations I - II)", "CMPGN_3Natio"},
    {"Marovek", "Marovek   (Lines II - Swamp - Worms)", "CMPGN_Marovek"},
};

const Campaign* CampaignOf(int campaign) {
    if (campaign < 1 || campaign >= static_cast<int>(std::size(kCampaigns))) return nullptr;
    return &kCampaigns[campaign];
}

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

const BuiltinMap& DefaultMap() {
    return kMaps[0];
}

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
    for (const BuiltinMap& map : kMaps)
        if (*map.flag && (selected == nullptr || map.precedence < selected->precedence))
            selected = &map;
    return selected;
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

std::vector<const BuiltinMap*> MapsDrawnBy(MapSource source) {
    std::vector<const BuiltinMap*> maps;
    for (const BuiltinMap& map : kMaps)
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
    if (CampaignOf(campaign) == nullptr) return maps;
    for (const BuiltinMap& map : kMaps)
        if (map.campaign == campaign) maps.push_back(&map);
    std::sort(maps.begin(), maps.end(), [](const BuiltinMap* a, const BuiltinMap* b) {
        return a->campaignStep < b->campaignStep;
    });
    return maps;
}

std::string_view CampaignTitle(int campaign) {
    const Campaign* c = CampaignOf(campaign);
    return c != nullptr ? c->title : std::string_view{};
}

std::string CampaignScoreTitle(int campaign) {
    constexpr std::size_t kScoreTitleLength = 14;
    std::string title(CampaignTitle(campaign));
    if (!title.empty()) title.resize(kScoreTitleLength, ' ');
    return title;
}

std::string_view CampaignChoiceText(int campaign) {
    const Campaign* c = CampaignOf(campaign);
    return c != nullptr ? c->choiceText : std::string_view{};
}

std::string_view CampaignSavedGameWord(int campaign) {
    const Campaign* c = CampaignOf(campaign);
    return c != nullptr ? c->savedGameWord : std::string_view{};
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
