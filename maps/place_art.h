// The board artwork data and contents of World and the other maps of real places.
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

// World's artwork and contents (maps/world_art.cpp, maps/world_map.cpp).
const PlaceData& WorldPlace();
// Each other map's data stands in its own file, maps/places/<map>.cpp.
const PlaceData& AustraliaPlace();
const PlaceData& ChinaPlace();
const PlaceData& EuropePlace();
const PlaceData& GreatBritainPlace();
const PlaceData& JapanKoreaPlace();
const PlaceData& NorthAmericaPlace();
const PlaceData& RealWorldPlace();
const PlaceData& ScandinaviaPlace();

}  // namespace maps

// The contents of a drawn map of real places; empty for the others.
const CodeMapContent& PlaceMapContent(const BuiltinMap& map);
