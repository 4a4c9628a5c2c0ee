// Drawing an imagined map at one screen size: land, borders and coasts, sea lanes, and the
// outline of every territory's white piece.
#pragma once

#include <vector>

#include "maps/validate_picture.h"
#include "platform/raster/surface.h"
#include "tools/mapgen/layout.h"

namespace mapgen {

struct Drawing {
    int size = 2;
    raster::Surface picture;
    std::vector<int> white;  // per pixel: the territory whose main white piece holds it, or 0
    int At(int x, int y) const { return y * picture.Width() + x; }
};

// 4-connected pieces of equal value: the piece of every pixel, and in `sizes` each piece's size.
std::vector<int> Pieces(const std::vector<int>& value, int width, int height,
                        std::vector<int>* sizes);
// Each territory's largest 4-connected piece of white (the territory's number there, else 0).
std::vector<int> MainPieces(const std::vector<int>& white, int width, int height, int territories);
// The territory under every pixel (0 for sea), from the strips and their closed stretches.
std::vector<int> Owners(const Layout& layout, int size);
// Land white inside grey borders and coasts, black sea; a territory's white pieces beyond its
// largest are greyed, so that each territory is one piece.
Drawing Draw(const Layout& layout, int size);
// The same drawing of any owner grid of screen size `size` (0 for sea, else the territory).
Drawing DrawOwnerGrid(const std::vector<int>& owner, int size, int territories);
// The layout's sea lanes over the sea, in the lane grey.
void DrawLanes(Drawing& drawing, const Layout& layout);
// Every territory's main piece traced along its pixel edges.
maps::OutlineSet Outlines(const Drawing& drawing, int territories);

}  // namespace mapgen
