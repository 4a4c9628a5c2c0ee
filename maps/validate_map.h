// The checker of a code-built map's tables, each violation reported as a line of text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct BuiltinMap;

enum class MapRule {
    kCounts,               // the sizes of the catalogue, nothing beyond them in the tables
    kContinentRuns,        // members, counts and bonuses as the catalogue runs give them
    kBorderMembers,        // each border entry a member with a neighbour outside, listed once
    kBorderComplete,       // every member with a neighbour outside is listed
    kBorderLengths,        // each border list as long as the catalogue says
    kNeighbourEntries,     // neighbours are other territories of the map, listed once
    kMostNeighbours,       // the largest neighbour count as the catalogue says
    kSymmetricNeighbours,  // a neighbour lists its neighbour back
    kRouteChains,          // steps between neighbours, 1..15 long, records beyond the count empty
    kRouteRepeats,         // no territory twice in one chain
    kRouteRepeatInRow,     // no territory twice in a row
};

// Checks the map now in the tables against `map`'s row of the catalogue, but for the rules its
// row records as broken by design.
std::vector<std::string> ValidateCurrentMap(const BuiltinMap& map);
