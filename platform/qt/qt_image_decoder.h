// The Qt picture decoder: JPEG, GIF, BMP and PNG through Qt's image readers.
#pragma once

#include "platform/image_decoder.h"

namespace qtplatform {

class QtImageDecoder : public platform::ImageDecoder {
  public:
    std::optional<raster::Surface> Decode(const platform::Bytes& bytes,
                                          std::string* error) override;
};

}  // namespace qtplatform
