// One imagined map text made whole from its recipe: land, lanes, continents, labels, the lines
// of its text and its two pictures, with the check of every drawing rule the board relies on.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "maps/map_content.h"
#include "tools/mapgen/text_map_draw.h"
#include "tools/mapgen/text_map_recipe.h"

struct BuiltinMapText;

namespace mapgen {

struct TextMap {
    const TextMapRecipe* recipe = nullptr;  // nullptr for a text drawn from real outlines
    const BuiltinMapText* text = nullptr;
    std::string name;  // the text's "[map]" line
    CodeStyle codeStyle = CodeStyle::kXxx;
    OwnerGrid grid;                       // territories numbered as in the text
    std::array<TextDrawing, 2> drawings;  // "<name>.bmp" (medium) and "<name>_2.bmp" (large)
    std::vector<std::string> codes;       // territories 1..n (element 0 unused)
    std::vector<TerritoryContent> territories;
    std::vector<std::string> continentLines;
    std::vector<std::string> territoryLines;
};

std::optional<TextMap> MakeTextMap(const TextMapRecipe& recipe, std::string* error);

// Each label where its whole footprint stands on its territory at both sizes, as deep inside
// the medium white as it can be; the drawings, codes and neighbours must be there already.
bool PlaceTextLabels(TextMap& map, int territories, std::string* error);

// The players panel's area on the picture of size 2 or 3, from the text's panel line.
raster::Rect TextPanelArea(const BuiltinMapText& text, int size);

// Every broken drawing rule of both pictures (labels, contacts, lanes, the panel on sea, and
// outlines the board's tracer cannot follow) and every rule of the text that does not hold.
std::vector<std::string> CheckTextMap(const TextMap& map);

// True when the game's compiled lines of this text are the ones the recipe makes.
bool MatchesCompiledText(const TextMap& map);
// maps/text_maps.cpp, which holds the lines of every text made here.
std::string TextMapsFile(const std::vector<TextMap>& maps);

}  // namespace mapgen
