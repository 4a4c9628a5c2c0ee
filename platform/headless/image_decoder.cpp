// The headless picture decoder: anything but a BMP is an unknown format.
#include "platform/headless/image_decoder.h"

#include "platform/raster/bmp.h"

namespace headless {

std::optional<raster::Surface> BmpImageDecoder::Decode(const platform::Bytes& bytes,
                                                       std::string* error) {
    return raster::ReadBmp(bytes, error);
}

}  // namespace headless
