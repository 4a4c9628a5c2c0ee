// Vertical two-colour gradients, optionally clipped to a region.
#pragma once

#include "platform/raster/region.h"
#include "platform/raster/surface.h"

namespace raster {

// The colour of row `row` (0-based) of a vertical gradient `rows` high: each channel moves
// linearly from top to bottom, (top * (rows - 1 - row) + bottom * row) / (rows - 1) rounded to
// nearest with halves up. The first row is exactly `top`, the last exactly `bottom`; a
// one-row gradient is `top`.
Colour GradientRowColour(Colour top, Colour bottom, int row, int rows);

// Fills `rect` (clipped to the surface and, when given, to `clip`) with a vertical gradient
// laid over the whole of `rect`, so clipping never changes a pixel's colour.
void GradientFillV(Surface& surface, const Rect& rect, Colour top, Colour bottom,
                   const Region* clip = nullptr);

}  // namespace raster
