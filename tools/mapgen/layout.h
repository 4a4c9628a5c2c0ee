// Laying out an imagined map: cutting the strips into territories and choosing which stacked
// territories touch and which are joined by sea lanes, so that the map's counts come out exactly.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/mapgen/strip_map.h"

namespace mapgen {

// What the layout must give: members and border territories per continent (1-based, element 0
// unused; a negative count asks for at most that many) and the largest neighbour count.
struct Targets {
    std::vector<int> members;
    std::vector<int> borders;
    int maxNeighbours = 0;
};

struct Link {
    enum class Kind { kCut, kContact, kLane };
    Kind kind = Kind::kCut;
    int a = 0;  // territories
    int b = 0;
    int upper = -1;  // rows of a contact
    int lower = -1;
    Contact stretch;
    int lane = -1;  // the layout's lane
};

struct Layout {
    MapInputs inputs;  // rows with their cuts, territories and closed stretches
    int territories = 0;
    std::vector<int> continentOf;              // per territory 1..n
    std::vector<std::vector<int>> neighbours;  // per territory 1..n, ascending
    std::vector<int> lanes;                    // the layout's lanes that are drawn
};

std::optional<Layout> BuildLayout(const MapInputs& inputs, const Targets& targets,
                                  std::string* error);

}  // namespace mapgen
