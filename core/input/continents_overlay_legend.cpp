// The legend lines of the built-in maps' continents, in continent order, for the bonus window.
#include <array>

#include "core/input/continents_overlay.h"
#include "core/model/game_state.h"

namespace continents_overlay {

namespace {

constexpr std::array kNorthAmerica{"Canada   %d",  "West   %d",      "SouthWest   %d",
                                   "Central   %d", "MidWest   %d",   "NorthEast   %d",
                                   "South   %d",   "Caribbean   %d", "Mexico   %d"};
constexpr std::array kJapanKorea{"Hokkaido   %d", "Tohoku   %d",  "Kanto   %d",   "Chuba   %d",
                                 "Kansai   %d",   "Shikoku   %d", "Chuguku   %d", "Kyushu   %d",
                                 "S.Korea   %d",  "N.Korea   %d"};
constexpr std::array kAustralia{"Western Australia   %d",  "Western Australia2   %d",
                                "Northern Territory   %d", "South Australia   %d",
                                "Queensland   %d",         "New South Wales   %d",
                                "Victoria   %d",           "Tasmania   %d"};
constexpr std::array kScandinavia{"Denmark   %d", "Sweden South  %d", "Sweden North  %d",
                                  "Finland   %d", "Norway North  %d", "Norway South  %d"};
constexpr std::array kChina{"Shenyang   %d", "Beijng  %d",     "Jinan  %d",
                            "Nanjing   %d",  "Guangzhou  %d",  "Chengdu  %d",
                            "Lanzhou  %d",   "Asia North  %d", "Asia South  %d"};
constexpr std::array kGreatBritain{
    "Scotland   %d",     "North East  %d",    "North West  %d",  "Yorksh. Humbersh.  %d",
    "East Midlands  %d", "West Midlands  %d", "East Anglia  %d", "South East  %d",
    "South West  %d",    "Wales  %d",         "N. Ireland  %d",  "Leinster  %d",
    "Connacht  %d",      "Munster  %d"};
constexpr std::array kWorms{"Worm1   %d", "Worm2  %d", "Worm3  %d", "Worm4   %d", "Worm5  %d",
                            "Worm6  %d",  "Worm7  %d", "Worm8  %d", "Worm9  %d",  "Worm10  %d"};
constexpr std::array kThreeNationsA{
    "State I   %d",  "State II   %d", "State III   %d", "State IV   %d",  "State V   %d",
    "State VI   %d", "State I   %d",  "State II   %d",  "State III   %d", "State IV   %d",
    "State V   %d",  "State I   %d",  "State II   %d",  "State III   %d"};
constexpr std::array kThreeNationsB{
    "State I   %d",     "State II   %d",     "State III   %d",  "State I   %d",   "State II   %d",
    "State III   %d",   "State I   %d",      "State II   %d",   "State III   %d", "Sea Lane I   %d",
    "Sea Lane II   %d", "Sea Lane III   %d", "Sea Lane IV   %d"};
constexpr std::array kLinesII{"Line1   %d", "Line2   %d", "Line3   %d", "Line4   %d",
                              "Line5   %d", "Line6   %d", "Line7   %d", "Line8   %d",
                              "Line9   %d", "Line10   %d"};
constexpr std::array kSwamp{"North West   %d", "West  %d",      "South West  %d", "South   %d",
                            "South East  %d",  "East  %d",      "North East  %d", "North  %d",
                            "NW Island  %d",   "NE Island  %d", "E Island  %d",   "SE Island  %d",
                            "SW Island  %d",   "W Island  %d"};
constexpr std::array kRealWorld{"N. America   %d",     "S. America   %d", "W. Africa   %d",
                                "Central Africa   %d", "S. Africa   %d",  "N. Africa   %d",
                                "Middle East   %d",    "E. Europe   %d",  "W. Europe   %d",
                                "Asia   %d",           "Australia   %d"};
constexpr std::array kWorld{"N. America   %d", "S. America   %d", "Africa   %d",
                            "Europe   %d",     "Asia   %d",       "Australia   %d"};
constexpr std::array kEurope{"Scandinavia   %d", "W. Europe   %d", "S. Europe   %d",
                             "Balkan   %d",      "E. Europe   %d", "Middle East   %d"};

struct MapLegend {
    const bool* flag;
    std::span<const char* const> lines;
};

}  // namespace

std::span<const char* const> BuiltinLegend() {
    // Tested in this order; the first map flag set wins.
    const std::array<MapLegend, 14> maps{{
        {&g_isMapNorthAmerica, kNorthAmerica},
        {&g_isMapJapanKorea, kJapanKorea},
        {&g_isMapAustralia, kAustralia},
        {&g_isMapScandinavia, kScandinavia},
        {&g_isMapChina, kChina},
        {&g_isMapGreatBritain, kGreatBritain},
        {&g_isMapWorms, kWorms},
        {&g_isMapThreeNationsA, kThreeNationsA},
        {&g_isMapThreeNationsB, kThreeNationsB},
        {&g_isMapLinesII, kLinesII},
        {&g_isMapSwamp, kSwamp},
        {&g_isMapRealWorld, kRealWorld},
        {&g_isMapWorld, kWorld},
        {&g_isMapEurope, kEurope},
    }};
    for (const MapLegend& map : maps)
        if (*map.flag) return map.lines;
    return {};
}

}  // namespace continents_overlay
