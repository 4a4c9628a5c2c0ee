// World's board artwork data: its label tables, count and icon offsets and fill seeds.
#pragma once

#include "core/model/map_art.h"

namespace maps {

const MapArt& WorldArt();

}  // namespace maps
