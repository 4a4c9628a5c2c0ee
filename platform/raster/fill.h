// Solid rectangles: brush fills and outlined boxes.
#pragma once

#include <cstddef>

#include "platform/raster/surface.h"

namespace raster {

// Fills the half-open rectangle, clipped to the surface.
void FillRect(Surface& surface, const Rect& rect, Colour colour);

// Sets `count` pixels from `first` to c: black as a memset, other colours in blocks of a fixed
// length, so that the compiler writes several pixels at once.
void FillPixels(Colour* first, std::size_t count, Colour c);

// A box as the panels draw it: a one-pixel `pen` frame on the rectangle's inner edge
// (right and bottom outside, as everywhere) and `brush` inside, clipped to the surface.
void DrawRectangle(Surface& surface, const Rect& rect, Colour pen, Colour brush);

}  // namespace raster
