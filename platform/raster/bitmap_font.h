// Bitmap fonts read from X11 PCF files (gzip-compressed or not): Latin-1 glyphs as whole pixels.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/raster/text.h"

namespace raster {

// One glyph's bitmap, placed against the pen position on the baseline.
struct BitmapGlyph {
    int advance = 0;
    int left = 0;    // first bitmap column, from the pen position
    int ascent = 0;  // bitmap rows above the baseline
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink;  // width * height, row-major, 1 = ink
};

class BitmapFont {
  public:
    // Reads a PCF font, gzip-compressed or plain; nullopt when the bytes are not a whole, sound
    // font with an ascent, a descent and glyphs for Latin-1.
    static std::optional<BitmapFont> Parse(std::span<const std::uint8_t> bytes);

    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }
    int CellHeight() const { return ascent_ + descent_; }
    // The glyph of a Latin-1 character; the font's default glyph when it has none of its own,
    // null when it has neither.
    const BitmapGlyph* Glyph(unsigned char c) const;

    // One line of Latin-1 text in the font's cell: bold strikes every glyph twice, one pixel
    // apart; underline rules the row under the baseline.
    TextMask Render(const std::string& latin1Text, bool bold, bool underline) const;
    int Advance(const std::string& latin1Text, bool bold) const;

  private:
    int ascent_ = 0;
    int descent_ = 0;
    std::array<std::optional<BitmapGlyph>, 256> glyphs_;
    std::optional<BitmapGlyph> default_;
};

// Inflates gzip data; nullopt when it is damaged or would grow beyond maxBytes.
std::optional<std::vector<std::uint8_t>> Gunzip(std::span<const std::uint8_t> bytes,
                                                std::size_t maxBytes);

}  // namespace raster
