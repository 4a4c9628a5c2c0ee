// Which map of real places holds which data: the lookups by map flag.
#include "maps/place_art.h"

#include "core/model/game_state.h"

namespace maps {
namespace {

struct PlaceEntry {
    const bool* flag;
    const PlaceData& (*data)();
};

const PlaceEntry kPlaces[] = {
    {&g_isMapAustralia, AustraliaPlace},   {&g_isMapChina, ChinaPlace},
    {&g_isMapEurope, EuropePlace},         {&g_isMapGreatBritain, GreatBritainPlace},
    {&g_isMapJapanKorea, JapanKoreaPlace}, {&g_isMapNorthAmerica, NorthAmericaPlace},
    {&g_isMapRealWorld, RealWorldPlace},   {&g_isMapScandinavia, ScandinaviaPlace},
};

const PlaceData* PlaceOf(const bool* flag) {
    for (const PlaceEntry& entry : kPlaces)
        if (entry.flag == flag) return &entry.data();
    return nullptr;
}

}  // namespace

const MapArt* PlaceArt(const bool* flag) {
    const PlaceData* place = PlaceOf(flag);
    return place && !place->art.labelsSize23.empty() ? &place->art : nullptr;
}

}  // namespace maps

const CodeMapContent& PlaceMapContent(const BuiltinMap& map) {
    static const CodeMapContent none{};
    const maps::PlaceData* place = maps::PlaceOf(map.flag);
    return place ? place->content : none;
}
