// The artwork data (label tables, count and icon offsets, fill seeds) of the map now selected.
#pragma once

#include "core/model/map_art.h"

namespace render {

// The selected built-in map's artwork data, or nullptr when it has none (yet): map files and
// maps whose boards take their labels from the map's content.
const maps::MapArt* CurrentMapArt();

}  // namespace render
