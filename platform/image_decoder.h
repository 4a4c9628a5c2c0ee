// Turning the user's picture files (JPEG, GIF, BMP, PNG) into surfaces.
#pragma once

#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/raster/surface.h"

namespace platform {

class ImageDecoder {
  public:
    virtual ~ImageDecoder() = default;
    // Decodes a whole picture file, whatever its format by its content; nullopt when the format
    // is not one the decoder reads or the file is damaged, and `error` (when given) says why.
    virtual std::optional<raster::Surface> Decode(const Bytes& bytes, std::string* error) = 0;
};

}  // namespace platform
