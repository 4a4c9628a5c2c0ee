// Icons with a see-through mask, drawn the AND/XOR way.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/raster/surface.h"

namespace raster {

// An icon: colour bits plus a 1-bit AND mask of the same size (1 = the destination shows
// through, 0 = it is cleared). Drawing gives dest = (dest AND mask) XOR colour, so where the
// mask is 1 and the colour black the destination stays, and where the mask is 0 the colour
// stands as it is.
struct Icon {
    Surface colour;
    std::vector<std::uint8_t> andMask;  // colour.Width() * colour.Height(), row-major, 0 or 1
};

// Builds an icon from its colour picture and a mask picture of the same size, whose white
// pixels are see-through and every other pixel opaque. Sizes that differ give an empty icon.
Icon MakeIcon(const Surface& colour, const Surface& maskPicture);

// Draws the icon with its top-left at (x, y), clipped to the surface. An icon whose mask does
// not match its size draws nothing.
void DrawIcon(Surface& surface, int x, int y, const Icon& icon);

}  // namespace raster
