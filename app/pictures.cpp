// The program's generated bitmaps loaded as pixmaps.
#include "app/pictures.h"

#include "platform/files.h"
#include "platform/qt/qt_images.h"
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
    QImage image = qtplatform::ToQImage(*surface);
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

QPixmap LoadBitmap(const platform::Files& files, int id, bool keyTransparent) {
    return LoadPicture(files, platform::BitmapPath(ProgramFolder(files), id), keyTransparent);
}

QPixmap LoadIcon(const platform::Files& files, int id) {
    return LoadPicture(files, platform::IconPath(ProgramFolder(files), id), false);
}

}  // namespace app
