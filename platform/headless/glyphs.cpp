// Block letters and the glyph slot of the headless platform.
#include "platform/headless/glyphs.h"

namespace headless {

raster::TextMask BlockGlyphs::Render(const raster::FontDescription& font, const std::string& text) {
    texts.push_back(text);
    fonts.push_back(font);
    raster::TextMask mask{static_cast<int>(text.size()) * 4, 6, 5, {}};
    mask.ink.assign(static_cast<std::size_t>(mask.width * mask.height), 0);
    for (int c = 0; c < static_cast<int>(text.size()); ++c)
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 3; ++x)
                mask.ink[static_cast<std::size_t>(y * mask.width + c * 4 + x)] = 1;
    return mask;
}

raster::TextMask GlyphSlot::Render(const raster::FontDescription& font, const std::string& text) {
    return source_ != nullptr ? source_->Render(font, text) : raster::TextMask{};
}

raster::TextExtent GlyphSlot::Measure(const raster::FontDescription& font,
                                      const std::string& text) {
    return source_ != nullptr ? source_->Measure(font, text) : raster::TextExtent{};
}

}  // namespace headless
