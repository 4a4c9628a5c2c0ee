// Text drawn into surfaces through a glyph source: whole pixels, exactly the colour asked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/raster/surface.h"

namespace raster {

// A font as the game asks for it: face name and cell height/width in pixels (0 = default).
struct FontDescription {
    std::string face;
    int height = 0;
    int width = 0;
    bool underline = false;
    bool bold = false;
    bool operator==(const FontDescription&) const = default;
};

// One rendered line of text as a coverage mask: 1 = ink, 0 = none; never anything between.
struct TextMask {
    int width = 0;
    int height = 0;
    int ascent = 0;                 // rows above the baseline
    std::vector<std::uint8_t> ink;  // width * height, row-major
};

// The size of one line of text: its advance and the font's cell height.
struct TextExtent {
    int width = 0;
    int height = 0;
    bool operator==(const TextExtent&) const = default;
};

class GlyphSource {
  public:
    virtual ~GlyphSource() = default;
    // Renders one line of Latin-1 text. The mask's top row is the top of the font's cell;
    // its width is the text's advance.
    virtual TextMask Render(const FontDescription& font, const std::string& latin1Text) = 0;
    // Measures without drawing; sources that can do it cheaper override it.
    virtual TextExtent Measure(const FontDescription& font, const std::string& latin1Text) {
        const TextMask mask = Render(font, latin1Text);
        return TextExtent{mask.width, mask.height};
    }
};

}  // namespace raster
