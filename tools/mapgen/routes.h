// The computer player's attack chains of an imagined map: paths of neighbours, no repeats.
#pragma once

#include <optional>
#include <vector>

#include "tools/mapgen/strip_map.h"

namespace mapgen {

// `count` chains over the neighbour lists (territories 1..n, element 0 unused), the first of
// exactly `longest` territories and the others from 6 up to `longest`; nullopt when the map
// has no path that long.
std::optional<std::vector<std::vector<int>>> MakeRoutes(
    const std::vector<std::vector<int>>& neighbours, int count, int longest, Rng& rng);

}  // namespace mapgen
