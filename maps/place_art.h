// The board artwork data and contents of the maps of real places other than World.
#pragma once

#include "core/model/map_catalogue.h"
#include "maps/map_content.h"
#include "maps/world_art.h"

namespace maps {

// One map of real places as its generator drew it: label tables, offsets and fill seeds, and
// the contents derived from the same drawing. Empty while a map is not drawn yet.
struct PlaceData {
    MapArt art;
    CodeMapContent content;
};

// Each map's data stands in its own file, maps/places/<map>.cpp.
const PlaceData& AustraliaPlace();
const PlaceData& ChinaPlace();
const PlaceData& EuropePlace();
const PlaceData& GreatBritainPlace();
const PlaceData& JapanKoreaPlace();
const PlaceData& NorthAmericaPlace();
const PlaceData& RealWorldPlace();
const PlaceData& ScandinaviaPlace();

// The label tables, count offsets and fill seeds of the map whose flag is `flag`; nullptr for a
// map without its own (World's are WorldArt()).
const MapArt* PlaceArt(const bool* flag);

}  // namespace maps

// The contents of a map of real places drawn by tools/places; empty for the others.
const CodeMapContent& PlaceMapContent(const BuiltinMap& map);
