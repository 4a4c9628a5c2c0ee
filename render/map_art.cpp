// Which artwork data belongs to the selected map.
#include "render/map_art.h"

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"

namespace render {

// The selected map's artwork as its row names it; maps without label tables have none.
const maps::MapArt* CurrentMapArt() {
    const BuiltinMap* map = SelectedBuiltinMap();
    return map != nullptr ? maps::ArtOf(*map) : nullptr;
}

}  // namespace render
