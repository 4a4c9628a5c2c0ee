// One imagined map made whole from its inputs: layout, pictures at the three sizes, label
// points, neighbour and border lists, attack chains, and for Swamp II its map text.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "maps/map_content.h"
#include "tools/mapgen/drawing.h"
#include "tools/mapgen/layout.h"

struct BuiltinMap;

namespace mapgen {

struct ImaginedMap {
    const BuiltinMap* map = nullptr;
    Layout layout;
    std::array<Drawing, 3> drawings;  // sizes 1, 2, 3, lanes drawn
    std::vector<TerritoryContent> territories;
    std::vector<BorderRow> borders;
    std::vector<RouteChain> routes;
    // Swamp II only: the "[continents]" and "[territories]" lines of its map text.
    std::vector<std::string> continentLines;
    std::vector<std::string> territoryLines;

    CodeMapContent Content() const { return CodeMapContent{territories, borders, routes}; }
    // The identifier the generated tables use for this map ("LinesII").
    std::string Key() const;
};

std::optional<ImaginedMap> MakeImaginedMap(const MapInputs& inputs, std::string* error);

// Every drawing rule the pictures break, the players panel's corner that holds land, and the
// outlines that miss their pieces (or, on the traced map, outlines the board's tracer cannot
// follow); one line each, empty when all is sound.
std::vector<std::string> CheckPictures(const ImaginedMap& map);

}  // namespace mapgen
