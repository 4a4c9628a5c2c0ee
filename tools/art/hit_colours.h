// Which colours the board's click test takes for a border, and how our art stays clear of them.
#pragma once

#include "platform/raster/surface.h"

namespace art {

// True for the colours that stop the line from a label to a click: every grey but black,
// 0x800040, pure blue, and the near-greys (green 21..239 with red and blue within 3 of it).
bool BlocksHitTest(raster::Colour colour);

// The colour itself when it does not block; otherwise the nearest colour that does not,
// found by moving its blue alone. Pictures the board shows between or on
// territories pass every pixel through this, so they never turn into borders.
raster::Colour HitNeutral(raster::Colour colour);

}  // namespace art
