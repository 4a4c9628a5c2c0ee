// Fuzzes the BMP reader: a picture it accepts writes and reads back pixel for pixel.
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/raster/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<raster::Surface> picture =
        raster::ReadBmp(std::vector<std::uint8_t>(data, data + size), nullptr);
    if (!picture) return 0;
    const std::optional<raster::Surface> again =
        raster::ReadBmp(raster::WriteBmp(*picture), nullptr);
    fuzz::Require(again && again->Width() == picture->Width() &&
                      again->Height() == picture->Height() && again->Pixels() == picture->Pixels(),
                  "an accepted picture writes back to itself");
    return 0;
}
