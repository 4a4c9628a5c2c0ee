// The pixel fonts that draw the game's small faces: X11 "misc-fixed" bitmap fonts by cell height.
#pragma once

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/raster/bitmap_font.h"
#include "platform/raster/text.h"

namespace raster {

// Where Debian's xfonts-base package puts the fonts.
inline constexpr const char* kMiscFontFolder = "/usr/share/fonts/X11/misc";

class PixelFonts {
  public:
    // The tallest cell height that counts as a small face; taller faces read well smoothed.
    static constexpr int kLargestSmallFace = 10;
    // The font files, one per cell height from 6 to 10 pixels.
    static const std::vector<std::string>& FileNames();

    // Reads the fonts found in the folder; a missing or damaged file is left out. Answers how
    // many were read.
    int Load(const platform::Files& files, const std::string& folder);

    // The font for a face of 1..10 pixels: the tallest whose cell fits the height, else the
    // smallest. Null for larger or default faces and when no font was read.
    const BitmapFont* For(const FontDescription& font) const;

  private:
    std::vector<BitmapFont> fonts_;  // by cell height, smallest first
};

}  // namespace raster
