// The glyph source of the Qt program: small faces from pixel fonts, larger ones from DejaVu.
#pragma once

#include <QFont>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "platform/raster/pixel_fonts.h"
#include "platform/raster/text.h"

namespace qtplatform {

// Where the DejaVu fonts are installed (Debian package fonts-dejavu-core).
inline constexpr const char* kDejaVuFolder = "/usr/share/fonts/truetype/dejavu/";

// The DejaVu family that stands in for one of the game's faces.
QString FamilyForFace(const std::string& face);

// Faces of at most 10 pixels come from the pixel fonts, whose every glyph was drawn for its
// size (thresholded outlines that small merge "3" with "2" and "8" with "Z"). Larger faces, and
// small ones when no pixel font could be read, are drawn with QPainter into a QImage without
// anti-aliasing and thresholded to ink or none. A positive font height is the height of the whole
// cell (ascent plus descent), a negative one the em size, zero the default; a positive width asks
// for that average character width. Needs a QGuiApplication.
class QtGlyphSource : public raster::GlyphSource {
  public:
    // Reads the pixel fonts from Debian's font folder.
    QtGlyphSource();
    explicit QtGlyphSource(raster::PixelFonts pixelFonts);

    raster::TextMask Render(const raster::FontDescription& font,
                            const std::string& latin1Text) override;
    raster::TextExtent Measure(const raster::FontDescription& font,
                               const std::string& latin1Text) override;

    // The Qt font that draws a FontDescription (kept once made).
    const QFont& FontFor(const raster::FontDescription& description);

  private:
    raster::PixelFonts pixelFonts_;
    std::vector<std::pair<raster::FontDescription, QFont>> fonts_;
};

}  // namespace qtplatform
