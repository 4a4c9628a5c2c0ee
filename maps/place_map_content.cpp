// The contents of the maps of real places, derived from their drawings by tools/gen_place_maps.
#include "core/game_state.h"
#include "maps/place_art.h"

namespace {

struct PlaceEntry {
    const bool* flag;
    CodeMapContent content;
};

const PlaceEntry kPlaceMapContent[] = {
    {&g_isMapAustralia, {}},
};

const CodeMapContent kNoContent{};

}  // namespace

const CodeMapContent& PlaceMapContent(const BuiltinMap& map) {
    for (const PlaceEntry& entry : kPlaceMapContent)
        if (entry.flag == map.flag) return entry.content;
    return kNoContent;
}
