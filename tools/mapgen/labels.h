// Choosing each territory's label point so that the whole label stands on its white piece at
// every screen size, with as much room around it as the piece allows.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "tools/mapgen/drawing.h"

struct BuiltinMap;

namespace mapgen {

// drawings: screen sizes 1, 2 and 3. The result holds the points of territories 1..n
// (element 0 unused), in medium-screen units.
std::optional<std::vector<raster::Point>> PlaceLabels(const std::array<Drawing, 3>& drawings,
                                                      const BuiltinMap& map, int territories,
                                                      std::string* error);

}  // namespace mapgen
