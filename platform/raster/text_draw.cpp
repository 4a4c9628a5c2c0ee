// Drawing and measuring text on surfaces through a glyph source.
#include "platform/raster/text_draw.h"

#include <algorithm>
#include <cstddef>

namespace raster {

namespace {

// A mask that does not match its own size is not trusted with a single pixel.
bool IsWhole(const TextMask& mask) {
    return mask.width > 0 && mask.height > 0 &&
           mask.ink.size() == static_cast<std::size_t>(mask.width) * mask.height;
}

bool InkAt(const TextMask& mask, int mx, int my) {
    if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height) return false;
    return mask.ink[static_cast<std::size_t>(my) * mask.width + mx] != 0;
}

Rect ClippedArea(const Surface& surface, Rect area, const Rect* clip) {
    area = Intersect(area, surface.Bounds());
    return clip != nullptr ? Intersect(area, *clip) : area;
}

}  // namespace

TextExtent DrawText(Surface& surface, int x, int y, const std::string& latin1Text,
                    const FontDescription& font, Colour colour, GlyphSource& glyphs,
                    const Rect* clip) {
    const TextMask mask = glyphs.Render(font, latin1Text);
    const TextExtent extent{mask.width, mask.height};
    if (!IsWhole(mask)) return extent;
    const Rect area = ClippedArea(surface, Rect{x, y, x + mask.width, y + mask.height}, clip);
    for (int py = area.top; py < area.bottom; ++py)
        for (int px = area.left; px < area.right; ++px)
            if (InkAt(mask, px - x, py - y)) surface.SetPixel(px, py, colour);
    return extent;
}

TextExtent DrawTextOnPlate(Surface& surface, int x, int y, const std::string& latin1Text,
                           const FontDescription& font, Colour colour, Colour plate,
                           GlyphSource& glyphs, const Rect* clip) {
    const TextMask mask = glyphs.Render(font, latin1Text);
    const TextExtent extent{mask.width, mask.height};
    // Blank text gets no plate: a bare bar would stand for nothing.
    if (!IsWhole(mask) || std::find(mask.ink.begin(), mask.ink.end(), 1) == mask.ink.end())
        return extent;
    const Rect area =
        ClippedArea(surface, Rect{x - 1, y - 1, x + mask.width + 1, y + mask.height + 1}, clip);
    for (int py = area.top; py < area.bottom; ++py)
        for (int px = area.left; px < area.right; ++px)
            surface.SetPixel(px, py, InkAt(mask, px - x, py - y) ? colour : plate);
    return extent;
}

Colour ContrastingPlate(Colour colour) {
    const int brightness =
        (299 * RedOf(colour) + 587 * GreenOf(colour) + 114 * BlueOf(colour)) / 1000;
    constexpr int kLight = 0xD8;
    return brightness < kLight / 2 ? Rgb(kLight, kLight, kLight) : Rgb(0, 0, 0);
}

TextExtent MeasureText(const FontDescription& font, const std::string& latin1Text,
                       GlyphSource& glyphs) {
    return glyphs.Measure(font, latin1Text);
}

}  // namespace raster
