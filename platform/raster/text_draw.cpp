// Drawing and measuring text on surfaces through a glyph source.
#include "platform/raster/text_draw.h"

#include <cstddef>

namespace raster {

TextExtent DrawText(Surface& surface, int x, int y, const std::string& latin1Text,
                    const FontDescription& font, Colour colour, GlyphSource& glyphs,
                    const Rect* clip) {
    const TextMask mask = glyphs.Render(font, latin1Text);
    const TextExtent extent{mask.width, mask.height};
    // A mask that does not match its own size is not trusted with a single pixel.
    if (mask.width <= 0 || mask.height <= 0 ||
        mask.ink.size() != static_cast<std::size_t>(mask.width) * mask.height)
        return extent;
    Rect area = Intersect(Rect{x, y, x + mask.width, y + mask.height}, surface.Bounds());
    if (clip != nullptr) area = Intersect(area, *clip);
    for (int py = area.top; py < area.bottom; ++py) {
        const std::size_t row = static_cast<std::size_t>(py - y) * mask.width;
        for (int px = area.left; px < area.right; ++px)
            if (mask.ink[row + static_cast<std::size_t>(px - x)] != 0)
                surface.SetPixel(px, py, colour);
    }
    return extent;
}

TextExtent MeasureText(const FontDescription& font, const std::string& latin1Text,
                       GlyphSource& glyphs) {
    return glyphs.Measure(font, latin1Text);
}

}  // namespace raster
