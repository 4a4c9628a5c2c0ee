// The land of an imagined map text and the territory under each of its pixels, drawn on the
// medium picture from the map's recipe.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/raster/surface.h"
#include "tools/mapgen/text_map_recipe.h"

namespace mapgen {

// Per pixel of the medium picture: 0 for sea, else the territory 1..n.
struct OwnerGrid {
    int width = 0;
    int height = 0;
    std::vector<int> owner;
    int At(int x, int y) const { return y * width + x; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// The land and its `territories` territories, each one 4-connected piece, none reaching into
// `keepClear` (the players panel); nullopt with the reason when the shape cannot hold them.
std::optional<OwnerGrid> MakeOwners(const TextMapRecipe& recipe, int territories,
                                    raster::Rect keepClear, std::string* error);

// Sinks land pieces (non-zero values) smaller than `smallestLand` pixels and fills small lakes.
void TidyLand(std::vector<int>& land, int width, int height, int smallestLand);

// Gives every piece of a territory but its largest to the territory it touches most (to the
// sea when it touches none); true when every territory 1..n still has land.
bool MergeStrayPieces(OwnerGrid& grid, int territories);

}  // namespace mapgen
