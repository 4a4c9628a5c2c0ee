// Surface flood fill: recolours one 4-connected area of exactly one colour.
#include "platform/raster/flood_fill.h"

#include <vector>

namespace raster {
namespace {

// Pushes one seed per run of `target` pixels on row y between left and right (inclusive).
void PushRuns(const Surface& surface, int left, int right, int y, Colour target,
              std::vector<Point>& stack) {
    if (y < 0 || y >= surface.Height()) return;
    bool inRun = false;
    for (int x = left; x <= right; ++x) {
        const bool match = surface.Pixel(x, y) == target;
        if (match && !inRun) stack.push_back(Point{x, y});
        inRun = match;
    }
}

}  // namespace

bool FloodFillSurface(Surface& surface, int x, int y, Colour surfaceColour, Colour fill) {
    // The invalid colour is what reads off the surface answer, so it can never be an area.
    if (surfaceColour == kInvalidColour) return false;
    if (!surface.Inside(x, y) || surface.Pixel(x, y) != surfaceColour) return false;
    if (fill == surfaceColour) return true;  // every pixel of the area already has the colour
    std::vector<Point> stack{Point{x, y}};
    while (!stack.empty()) {
        const Point seed = stack.back();
        stack.pop_back();
        if (surface.Pixel(seed.x, seed.y) != surfaceColour) continue;  // filled meanwhile
        int left = seed.x;
        int right = seed.x;
        while (surface.Pixel(left - 1, seed.y) == surfaceColour) --left;
        while (surface.Pixel(right + 1, seed.y) == surfaceColour) ++right;
        for (int i = left; i <= right; ++i) surface.SetPixel(i, seed.y, fill);
        PushRuns(surface, left, right, seed.y - 1, surfaceColour, stack);
        PushRuns(surface, left, right, seed.y + 1, surfaceColour, stack);
    }
    return true;
}

}  // namespace raster
