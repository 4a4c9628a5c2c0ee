// Our raster pictures as Qt images, and the program's generated bitmaps loaded as pixmaps.
#include "app/pictures.h"

#include "platform/files.h"
#include "platform/raster/bmp.h"
#include "platform/resources.h"

namespace app {
namespace {

// No picture of ours comes near this; anything larger is not one of them.
constexpr std::size_t kMaxPictureBytes = 4u << 20;
constexpr QRgb kToolbarKey = 0xFFFF00FFu;

QPixmap LoadPicture(const platform::Files& files, const std::string& path, bool keyTransparent) {
    const std::optional<platform::Bytes> bytes = files.Read(path, kMaxPictureBytes);
    if (!bytes) return {};
    const std::optional<raster::Surface> surface = raster::ReadBmp(*bytes, nullptr);
    if (!surface) return {};
    QImage image = ToQImage(*surface);
    if (keyTransparent) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (line[x] == kToolbarKey) line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return QPixmap::fromImage(image);
}

std::string ProgramFolder(const platform::Files& files) {
    return files.ProgramFolder().value_or(".");
}

}  // namespace

QImage ToQImage(const raster::Surface& surface) {
    QImage image(surface.Width(), surface.Height(), QImage::Format_RGB32);
    const std::vector<raster::Colour>& pixels = surface.Pixels();
    for (int y = 0; y < surface.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const raster::Colour* row = pixels.data() + static_cast<std::size_t>(y) * surface.Width();
        // 0x00BBGGRR becomes 0xFFRRGGBB: red and blue change places.
        for (int x = 0; x < surface.Width(); ++x) {
            const raster::Colour c = row[x];
            line[x] = 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
        }
    }
    return image;
}

QPixmap LoadBitmap(const platform::Files& files, int id, bool keyTransparent) {
    return LoadPicture(files, platform::BitmapPath(ProgramFolder(files), id), keyTransparent);
}

QPixmap LoadIcon(const platform::Files& files, int id) {
    return LoadPicture(files, platform::IconPath(ProgramFolder(files), id), false);
}

}  // namespace app
