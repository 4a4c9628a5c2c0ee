// The headless picture decoder: BMP files only, through the raster layer's reader.
#pragma once

#include "platform/image_decoder.h"

namespace headless {

class BmpImageDecoder : public platform::ImageDecoder {
  public:
    std::optional<raster::Surface> Decode(const platform::Bytes& bytes,
                                          std::string* error) override;
};

}  // namespace headless
