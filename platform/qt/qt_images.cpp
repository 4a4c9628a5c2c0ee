// Converting between raster surfaces and Qt images, a scan line at a time.
#include "platform/qt/qt_images.h"

namespace qtplatform {

QImage ToQImage(const raster::Surface& surface) {
    QImage image(surface.Width(), surface.Height(), QImage::Format_RGB32);
    const std::vector<raster::Colour>& pixels = surface.Pixels();
    for (int y = 0; y < surface.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const raster::Colour* row = pixels.data() + static_cast<std::size_t>(y) * surface.Width();
        for (int x = 0; x < surface.Width(); ++x) {
            const raster::Colour c = row[x];
            line[x] = qRgb(raster::RedOf(c), raster::GreenOf(c), raster::BlueOf(c));
        }
    }
    return image;
}

raster::Surface FromQImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    raster::Surface surface(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            surface.SetPixel(x, y, raster::Rgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])));
    }
    return surface;
}

}  // namespace qtplatform
