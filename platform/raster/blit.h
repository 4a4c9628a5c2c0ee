// Rectangle copies between surfaces: plain, raster-op, stretched and colour-keyed.
#pragma once

#include "platform/raster/surface.h"

namespace raster {

// How a copied source pixel combines with the destination pixel.
enum class RasterOp {
    kCopy,  // dest = src
    kAnd,   // dest = dest AND src (a mask: white keeps, black clears)
    kXor,   // dest = dest XOR src (an icon's colour over its cleared mask)
    kOr,    // dest = dest OR src
};

// Copies `from` (in src) so that its top-left lands at (x, y) in dest. Both rectangles are
// clipped to both surfaces together; pixels outside either are left alone. src may be dest.
void Blit(Surface& dest, int x, int y, const Surface& src, const Rect& from,
          RasterOp op = RasterOp::kCopy);

// The whole of src at (x, y).
void Blit(Surface& dest, int x, int y, const Surface& src, RasterOp op = RasterOp::kCopy);

// Nearest-neighbour stretch of `from` onto `to`, no blending: destination column i (0-based)
// takes source column from.left + i * from.Width() / to.Width() (truncating), rows alike.
// Clipping never shifts that mapping. Empty or inverted rectangles copy nothing.
void StretchBlit(Surface& dest, const Rect& to, const Surface& src, const Rect& from);

// As StretchBlit, but source pixels of exactly `key` leave the destination as it was.
void StretchBlitKeyed(Surface& dest, const Rect& to, const Surface& src, const Rect& from,
                      Colour key);

// The whole of src at (x, y), unstretched, with `key` see-through.
void BlitKeyed(Surface& dest, int x, int y, const Surface& src, Colour key);

}  // namespace raster
