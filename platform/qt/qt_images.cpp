// Converting between raster surfaces and Qt images, a scan line at a time.
#include "platform/qt/qt_images.h"

#include <bit>
#include <utility>
#include <vector>

namespace qtplatform {

namespace {

// Copies the columns [left, right) of the rows [top, bottom) of the surface into the image,
// which has the surface's size.
void Convert(const raster::Surface& surface, QImage& image, int left, int top, int right,
             int bottom) {
    const std::vector<raster::Colour>& pixels = surface.Pixels();
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const raster::Colour* row = pixels.data() + static_cast<std::size_t>(y) * surface.Width();
        for (int x = left; x < right; ++x) {
            const raster::Colour c = row[x];
            line[x] = qRgb(raster::RedOf(c), raster::GreenOf(c), raster::BlueOf(c));
        }
    }
}

}  // namespace

QImage ToQImage(const raster::Surface& surface) {
    QImage image(surface.Width(), surface.Height(), QImage::Format_RGB32);
    Convert(surface, image, 0, 0, surface.Width(), surface.Height());
    return image;
}

raster::Surface FromQImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (rgb.width() <= 0 || rgb.height() <= 0) return raster::Surface();
    std::vector<raster::Colour> pixels;
    pixels.reserve(static_cast<std::size_t>(rgb.width()) * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            pixels.push_back(raster::Rgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])));
    }
    return raster::Surface(rgb.width(), rgb.height(), std::move(pixels));
}

QImage SurfaceView(const raster::Surface& surface) {
    static_assert(std::endian::native == std::endian::little,
                  "a 0x00BBGGRR pixel is read as RGBX bytes only on a little-endian machine");
    if (surface.Empty()) return QImage();
    return QImage(reinterpret_cast<const uchar*>(surface.Pixels().data()), surface.Width(),
                  surface.Height(), surface.Width() * static_cast<int>(sizeof(raster::Colour)),
                  QImage::Format_RGBX8888);
}

}  // namespace qtplatform
