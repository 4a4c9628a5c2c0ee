// Headless glyph sources: deterministic block letters, and the slot the test platform draws
// through.
#pragma once

#include <string>
#include <vector>

#include "platform/raster/text.h"

namespace headless {

// Every character is a solid 3 x 5 block in a 4 x 6 cell, ascent 5; it remembers what it drew.
class BlockGlyphs : public raster::GlyphSource {
  public:
    raster::TextMask Render(const raster::FontDescription& font, const std::string& text) override;
    std::vector<std::string> texts;
    std::vector<raster::FontDescription> fonts;
};

// Draws through the source a test installs; with none installed every text is empty (no ink,
// no width), so that the board and the windows show no text.
class GlyphSlot : public raster::GlyphSource {
  public:
    void Use(raster::GlyphSource* source) { source_ = source; }
    raster::TextMask Render(const raster::FontDescription& font, const std::string& text) override;
    raster::TextExtent Measure(const raster::FontDescription& font,
                               const std::string& text) override;

  private:
    raster::GlyphSource* source_ = nullptr;
};

}  // namespace headless
