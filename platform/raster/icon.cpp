// Icons with a see-through mask, drawn the AND/XOR way.
#include "platform/raster/icon.h"

#include <cstddef>

namespace raster {
namespace {

constexpr Colour kWhite = 0x00FFFFFFu;

}  // namespace

Icon MakeIcon(const Surface& colour, const Surface& maskPicture) {
    if (colour.Width() != maskPicture.Width() || colour.Height() != maskPicture.Height())
        return Icon{};
    Icon icon{colour, {}};
    icon.andMask.reserve(maskPicture.Pixels().size());
    for (Colour c : maskPicture.Pixels()) icon.andMask.push_back(c == kWhite ? 1 : 0);
    return icon;
}

void DrawIcon(Surface& surface, int x, int y, const Icon& icon) {
    const int w = icon.colour.Width();
    const int h = icon.colour.Height();
    if (icon.andMask.size() != static_cast<std::size_t>(w) * h) return;
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            const Colour dest = surface.Pixel(x + col, y + row);
            if (dest == kInvalidColour) continue;
            const std::size_t i = static_cast<std::size_t>(row) * w + col;
            const Colour kept = icon.andMask[i] != 0 ? dest : 0;
            surface.SetPixel(x + col, y + row, (kept ^ icon.colour.Pixel(col, row)) & kWhite);
        }
    }
}

}  // namespace raster
