// Drawing an imagined map text's owner grid at the medium and large sizes, finding which
// territories touch, and laying sea lanes between land masses.
#pragma once

#include <set>
#include <utility>
#include <vector>

#include "platform/raster/surface.h"
#include "tools/mapgen/text_map_land.h"

namespace mapgen {

inline constexpr int kLanePixel = -1;  // an owner grid's value on a drawn sea lane

struct TextDrawing {
    int size = 2;
    raster::Surface picture;
    std::vector<int> white;  // per pixel: the territory whose white holds it, or 0
};

using PairSet = std::set<std::pair<int, int>>;

// The grid drawn at size 2 (pixel for pixel) or 3 (each pixel of the grid widened to the
// pixels of the large picture that fall in it, so that what touches stays the same): white
// land inside grey borders and coasts, black sea, lanes in the lane grey.
TextDrawing DrawTextMap(const OwnerGrid& grid, int size, int territories);
// Territory pairs whose white lies beside one grey pixel or two neighbouring grey pixels.
PairSet TouchingTerritories(const TextDrawing& drawing);

// Territories that touch on one picture but not on the other meet at a mere corner: the corner's
// pixels go to the land around them (or to the sea) until both pictures agree; their contacts
// then fill `pairs`. False when that does not settle, or a territory loses all its land.
bool AgreeOnContacts(OwnerGrid& grid, int territories, PairSet* pairs);

// Joins every land mass to the others by sea lanes (each the shortest the sea allows), then adds
// up to `extra` short lanes between territories that are not yet neighbours, none ending on a
// territory with `maxNeighbours` already; the lanes are written into the grid and their pairs
// added to `neighbours`. False when some land mass cannot be reached.
bool LaySeaLanes(OwnerGrid& grid, int territories, raster::Rect keepClear, int extra,
                 std::uint32_t seed, int maxNeighbours, PairSet& neighbours);

// Lays the shortest lane the sea allows between territories a and b (a short sea crossing of a
// real place), written into the grid and its pair added to `neighbours`; false when none fits.
bool LaySeaLaneBetween(OwnerGrid& grid, int territories, raster::Rect keepClear, int a, int b,
                       PairSet& neighbours);

}  // namespace mapgen
