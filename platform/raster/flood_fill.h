// Surface flood fill: recolours one 4-connected area of exactly one colour.
#pragma once

#include "platform/raster/surface.h"

namespace raster {

// Replaces with `fill` every pixel of colour `surfaceColour` that is 4-connected (left, right,
// up, down; never diagonally) to the seed through pixels of that colour. Nothing happens when
// the seed is off the surface or not of `surfaceColour`. Returns whether any pixel changed.
// Iterative (row spans on an explicit stack), so no area is too large for it.
bool FloodFillSurface(Surface& surface, int x, int y, Colour surfaceColour, Colour fill);

}  // namespace raster
