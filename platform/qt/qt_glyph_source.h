// The glyph source of the Qt program: un-anti-aliased text from the DejaVu fonts.
#pragma once

#include <QFont>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "platform/raster/text.h"

namespace qtplatform {

// Where the DejaVu fonts are installed (Debian package fonts-dejavu-core).
inline constexpr const char* kDejaVuFolder = "/usr/share/fonts/truetype/dejavu/";

// The DejaVu family that stands in for one of the game's faces.
QString FamilyForFace(const std::string& face);

// Draws glyphs with QPainter into a QImage without anti-aliasing and thresholds them to ink or
// none. A positive font height is the height of the whole cell (ascent plus descent), a
// negative one the em size, zero the default; a positive width asks for that average
// character width. Needs a QGuiApplication.
class QtGlyphSource : public raster::GlyphSource {
  public:
    QtGlyphSource();

    raster::TextMask Render(const raster::FontDescription& font,
                            const std::string& latin1Text) override;
    raster::TextExtent Measure(const raster::FontDescription& font,
                               const std::string& latin1Text) override;

    // The Qt font that draws a FontDescription (kept once made).
    const QFont& FontFor(const raster::FontDescription& description);

  private:
    std::vector<std::pair<raster::FontDescription, QFont>> fonts_;
};

}  // namespace qtplatform
