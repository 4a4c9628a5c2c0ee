// The land of a map text whose lines are fixed (ParisByNight): territories grown around the
// text's own label points, split by a river that the neighbours cross on land bridges.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/raster/surface.h"
#include "tools/mapgen/text_map_land.h"

namespace mapgen {

struct FittedPoint {
    double x;
    double y;
};

// An extra seed of a territory, to shape it where its label point alone would not.
struct FittedSeed {
    int territory;
    double x;
    double y;
};

// Four territories meeting at one corner, so that each touches the other three.
struct FittedJunction {
    FittedPoint at;
    int owners[4];  // north-west, north-east, south-east, south-west
};

struct FittedLand {
    std::uint32_t seed = 0;
    std::vector<FittedPoint> river;  // the river's middle line, west to east
    double riverHalfWidth = 6;
    int northTerritories = 0;  // territories 1..this lie north of the river
    std::vector<FittedJunction> junctions;
    std::vector<FittedSeed> seeds;
};

// Per territory 1..n (element 0 unused): its label point and its neighbours, read from lines
// "<id> <code> <x> <y> <neighbour>...".
struct GivenTerritories {
    std::vector<FittedPoint> labels;
    std::set<std::pair<int, int>> pairs;  // a < b
};
std::optional<GivenTerritories> ReadTerritoryLines(const std::vector<std::string>& lines,
                                                   std::string* error);

// The land of ParisByNight: the Seine between the banks, La Defense to the west.
const FittedLand& ParisLand();

// The owner grid of the given territories on `land`, keeping off `keepClear`.
std::optional<OwnerGrid> FittedOwners(const FittedLand& land, const GivenTerritories& given,
                                      raster::Rect keepClear, std::string* error);

}  // namespace mapgen
