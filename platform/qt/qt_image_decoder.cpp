// Decoding the user's pictures with QImageReader, refusing any larger than the raster layer
// reads back, and converting them to 0x00BBGGRR surfaces.
#include "platform/qt/qt_image_decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "platform/qt/qt_images.h"
#include "platform/raster/bmp.h"

namespace qtplatform {
namespace {

std::optional<raster::Surface> Refuse(std::string* error, const std::string& why) {
    if (error != nullptr) *error = why;
    return std::nullopt;
}

}  // namespace

std::optional<raster::Surface> QtImageDecoder::Decode(const platform::Bytes& bytes,
                                                      std::string* error) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() &&
        (size.width() > raster::kMaxBmpSide || size.height() > raster::kMaxBmpSide ||
         std::int64_t{size.width()} * size.height() > raster::kMaxBmpPixels)) {
        return Refuse(error, "the picture is too large");
    }
    const QImage image = reader.read();
    if (image.isNull()) return Refuse(error, reader.errorString().toStdString());
    if (image.width() > raster::kMaxBmpSide || image.height() > raster::kMaxBmpSide ||
        std::int64_t{image.width()} * image.height() > raster::kMaxBmpPixels) {
        return Refuse(error, "the picture is too large");
    }
    return FromQImage(image);
}

}  // namespace qtplatform
