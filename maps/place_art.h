// The board artwork data and contents of the maps of real places other than World.
#pragma once

#include "maps/map_catalogue.h"
#include "maps/map_content.h"
#include "maps/world_art.h"

namespace maps {

// The label tables, count offsets and fill seeds of the map whose flag is `flag`; nullptr for a
// map without its own (World's are WorldArt()).
const MapArt* PlaceArt(const bool* flag);

}  // namespace maps

// The contents of a map of real places drawn by tools/places; empty for the others.
const CodeMapContent& PlaceMapContent(const BuiltinMap& map);
