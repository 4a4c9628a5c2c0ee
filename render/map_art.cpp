// Which artwork data belongs to the selected map.
#include "render/map_art.h"

#include "core/game_state.h"

namespace render {

// Only World's artwork exists so far; the other built-in maps come with their content.
const maps::MapArt* CurrentMapArt() {
    if (g_isMapWorld) return &maps::WorldArt();
    return nullptr;
}

}  // namespace render
