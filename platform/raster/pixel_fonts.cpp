// The pixel fonts that draw the game's small faces: X11 "misc-fixed" bitmap fonts by cell height.
#include "platform/raster/pixel_fonts.h"

#include <algorithm>

namespace raster {
namespace {

// A compressed font of this family is a few kilobytes; this leaves room for any of them.
constexpr std::size_t kMaxFontFileBytes = 1u << 20;

}  // namespace

const std::vector<std::string>& PixelFonts::FileNames() {
    static const std::vector<std::string> names{"4x6.pcf.gz", "5x7.pcf.gz", "5x8.pcf.gz",
                                                "6x9.pcf.gz", "6x10.pcf.gz"};
    return names;
}

int PixelFonts::Load(const platform::Files& files, const std::string& folder) {
    int loaded = 0;
    for (const std::string& name : FileNames()) {
        const std::optional<platform::Bytes> bytes =
            files.Read(platform::JoinPath(folder, name), kMaxFontFileBytes);
        if (!bytes) continue;
        std::optional<BitmapFont> font = BitmapFont::Parse(*bytes);
        if (!font) continue;
        fonts_.push_back(std::move(*font));
        ++loaded;
    }
    std::stable_sort(fonts_.begin(), fonts_.end(), [](const BitmapFont& a, const BitmapFont& b) {
        return a.CellHeight() < b.CellHeight();
    });
    return loaded;
}

const BitmapFont* PixelFonts::For(const FontDescription& font) const {
    if (fonts_.empty() || font.height <= 0 || font.height > kLargestSmallFace) return nullptr;
    const BitmapFont* best = &fonts_.front();
    for (const BitmapFont& candidate : fonts_)
        if (candidate.CellHeight() <= font.height) best = &candidate;
    return best;
}

}  // namespace raster
