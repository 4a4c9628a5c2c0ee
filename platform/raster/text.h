// Text drawn into surfaces through a glyph source: whole pixels, exactly the colour asked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/raster/surface.h"

namespace raster {

// A font as the game asks for it: face name and cell height/width in pixels (0 = default).
struct FontSpec {
    std::string face;
    int height = 0;
    int width = 0;
    bool underline = false;
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

// One rendered line of text as a coverage mask: 1 = ink, 0 = none; never anything between.
struct TextMask {
    int width = 0;
    int height = 0;
    int ascent = 0;                 // rows above the baseline
    std::vector<std::uint8_t> ink;  // width * height, row-major
};

class GlyphSource {
  public:
    virtual ~GlyphSource() = default;
    // Renders one line of Latin-1 text.
    virtual TextMask Render(const FontSpec& font, const std::string& latin1Text) = 0;
};

}  // namespace raster
