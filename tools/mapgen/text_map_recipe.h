// How each imagined map text is drawn: its shape, its seed, its continents' names and the kind
// of territory codes it carries. The counts, panel and smilies stand in the game's text table.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace mapgen {

enum class TextMapStyle {
    kOrganic,   // noise coasts, territories cut by a warped nearest-seed rule
    kHexagons,  // a hexagon lattice, its cells chosen by the same noise
    kRings,     // concentric rings cut into sectors
    kLines,     // wavy lines cut into segments
    kFitted,    // drawn around a text's fixed lines (label points and neighbours)
};

enum class CodeStyle {
    kXxx,            // every code "xxx"
    kDots,           // every code "..."
    kOwn3,           // three characters of the continent's name and place, each distinct
    kOwn3Repeating,  // the same, the place counted one to four, so longer continents repeat codes
    kOwn2,           // two characters: the continent's initial and the place
};

struct TextMapRecipe {
    std::string_view name;  // the text's "[map]" line
    std::uint32_t seed;
    TextMapStyle style;
    int masses;        // land masses (organic, hexagons) or ring systems / lines
    double landShare;  // how much of the picture is land (organic, hexagons)
    int extraLanes;    // sea lanes beyond those that join the land masses
    CodeStyle codes;
    std::span<const std::string_view> continentNames;  // one word each, in continent order
};

// Every map text this generator draws, in the game's order of texts.
std::span<const TextMapRecipe> TextMapRecipes();
const TextMapRecipe* TextMapRecipeByName(std::string_view name);

}  // namespace mapgen
