// Vertical two-colour gradients, optionally clipped to a region.
#include "platform/raster/gradient.h"

#include <algorithm>
#include <cstdint>

#include "platform/raster/fill.h"

namespace raster {
namespace {

int Channel(int top, int bottom, int row, int rows) {
    const std::int64_t span = rows - 1;
    return static_cast<int>((top * (span - row) + std::int64_t{bottom} * row + span / 2) / span);
}

}  // namespace

Colour GradientRowColour(Colour top, Colour bottom, int row, int rows) {
    if (rows <= 1 || row <= 0) return top;
    if (row >= rows - 1) return bottom;
    return Rgb(Channel(RedOf(top), RedOf(bottom), row, rows),
               Channel(GreenOf(top), GreenOf(bottom), row, rows),
               Channel(BlueOf(top), BlueOf(bottom), row, rows));
}

void GradientFillV(Surface& surface, const Rect& rect, Colour top, Colour bottom,
                   const Region* clip) {
    Rect area = Intersect(rect, surface.Bounds());
    if (clip != nullptr) area = Intersect(area, clip->Bounds());
    for (int y = area.top; y < area.bottom; ++y) {
        const Colour c = GradientRowColour(top, bottom, y - rect.top, rect.Height());
        if (clip == nullptr) {
            FillRect(surface, Rect{area.left, y, area.right, y + 1}, c);
            continue;
        }
        for (const Region::Span& span : clip->RowSpans(y))
            FillRect(
                surface,
                Rect{std::max(span.left, area.left), y, std::min(span.right, area.right), y + 1},
                c);
    }
}

}  // namespace raster
