// The board artwork data of the maps of real places, made by tools/gen_place_maps --search.
#include "maps/place_art.h"

#include "core/game_state.h"

namespace maps {
namespace {

struct PlaceArtEntry {
    const bool* flag;
    MapArt art;
};

const PlaceArtEntry kPlaceArt[] = {
    {&g_isMapAustralia, {}},
};

}  // namespace

const MapArt* PlaceArt(const bool* flag) {
    for (const PlaceArtEntry& entry : kPlaceArt)
        if (entry.flag == flag && !entry.art.labelsSize23.empty()) return &entry.art;
    return nullptr;
}

}  // namespace maps
