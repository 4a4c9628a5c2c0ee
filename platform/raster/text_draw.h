// Drawing and measuring text on surfaces through a glyph source.
#pragma once

#include <string>

#include "platform/raster/surface.h"
#include "platform/raster/text.h"

namespace raster {

// Draws one line of Latin-1 text with the top-left of its cell at (x, y): every ink pixel
// becomes exactly `colour`, every other pixel stays (a transparent background). Clipped to the
// surface and, when given, to `clip` (as a clipped text-out). Returns the text's extent.
TextExtent DrawText(Surface& surface, int x, int y, const std::string& latin1Text,
                    const FontDescription& font, Colour colour, GlyphSource& glyphs,
                    const Rect* clip = nullptr);

// DrawText on a plate of `plate` that covers the text's cell and one pixel round it, so that
// text in any colour reads on any background. The plate is clipped as the text is.
TextExtent DrawTextOnPlate(Surface& surface, int x, int y, const std::string& latin1Text,
                           const FontDescription& font, Colour colour, Colour plate,
                           GlyphSource& glyphs, const Rect* clip = nullptr);

// A light grey or black, whichever stands further from the colour's brightness.
Colour ContrastingPlate(Colour colour);

// The width and height that DrawText would take for the text.
TextExtent MeasureText(const FontDescription& font, const std::string& latin1Text,
                       GlyphSource& glyphs);

}  // namespace raster
