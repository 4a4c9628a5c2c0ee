// Solid rectangles: brush fills and outlined boxes.
#pragma once

#include "platform/raster/surface.h"

namespace raster {

// Fills the half-open rectangle, clipped to the surface.
void FillRect(Surface& surface, const Rect& rect, Colour colour);

// A box as the panels draw it: a one-pixel `pen` frame on the rectangle's inner edge
// (right and bottom outside, as everywhere) and `brush` inside, clipped to the surface.
void DrawRectangle(Surface& surface, const Rect& rect, Colour pen, Colour brush);

}  // namespace raster
