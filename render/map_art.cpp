// Which artwork data belongs to the selected map.
#include "render/map_art.h"

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "maps/place_art.h"

namespace render {

// World's artwork, else that of a map of a real place; the imagined maps have no tables.
const maps::MapArt* CurrentMapArt() {
    if (g_isMapWorld) return &maps::WorldArt();
    if (const BuiltinMap* map = SelectedBuiltinMap()) return maps::PlaceArt(map->flag);
    return nullptr;
}

}  // namespace render
