// Solid rectangles: brush fills and outlined boxes.
#include "platform/raster/fill.h"

#include <algorithm>
#include <cstddef>

namespace raster {

void FillRect(Surface& surface, const Rect& rect, Colour colour) {
    const Rect r = Intersect(rect, surface.Bounds());
    if (r.Empty()) return;
    auto& pixels = surface.Pixels();
    for (int y = r.top; y < r.bottom; ++y)
        FillPixels(pixels.data() + static_cast<std::ptrdiff_t>(y) * surface.Width() + r.left,
                   static_cast<std::size_t>(r.Width()), colour);
}

void DrawRectangle(Surface& surface, const Rect& rect, Colour pen, Colour brush) {
    if (rect.Empty()) return;
    FillRect(surface, rect, pen);
    FillRect(surface, Rect{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, brush);
}

}  // namespace raster
