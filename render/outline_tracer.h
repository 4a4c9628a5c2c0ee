// Tracing a territory's outline on a map picture: the pixel tests and the two seek passes.
#pragma once

#include <cstdint>

#include "platform/raster/surface.h"
#include "render/render_state.h"

namespace render {

// A pixel whose red, green and blue are all below 251. Off the picture nothing is dark.
bool IsDarkPixel(const raster::Surface& picture, int x, int y);
// As IsDarkPixel, and also pure blue, which only stops the seek.
bool IsDarkOrBluePixel(const raster::Surface& picture, int x, int y);
// The light pixels around (x, y): 0 unless `customMap`; the four straight neighbours, and when
// three or more of them are light, the four diagonal ones as well.
int CountLightNeighbourPixels(const raster::Surface& picture, bool customMap, int x, int y);
// Equal or 8-neighbour positions, or a knight's move apart with a light pixel between them.
bool ArePixelsConnected(const raster::Surface& picture, int x1, int y1, int x2, int y2);

// The tracer's working tables: the points and their side pixels.
struct TraceTables {
    std::array<std::int16_t, kTraceTableSize>& x;
    std::array<std::int16_t, kTraceTableSize>& y;
    std::array<std::int32_t, kTraceTableSize>& outerX;
    std::array<std::int32_t, kTraceTableSize>& outerY;
};

// Traces the outline around the territory whose seek origin is `origin` (already on the
// picture's scale, one pixel right and below the label point). Returns the index of the last
// point of a closed outline, or 0 when none was found; the points are left in `tables`.
std::int16_t TraceOutline(const raster::Surface& picture, bool customMap, raster::Point origin,
                          TraceTables tables);

}  // namespace render
