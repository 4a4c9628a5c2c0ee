// Which artwork data belongs to the selected map.
#include "render/map_art.h"

#include "maps/map_catalogue.h"
#include "maps/place_art.h"

namespace render {

// The artwork of World and the maps of real places; the imagined maps have no tables.
const maps::MapArt* CurrentMapArt() {
    const BuiltinMap* map = SelectedBuiltinMap();
    return map != nullptr ? maps::ArtOf(*map) : nullptr;
}

}  // namespace render
