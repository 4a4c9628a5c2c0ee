// Outline files: every territory's outline of one built-in map at one screen size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/raster/surface.h"

namespace render {

// Little-endian: N (16 bits, at most 200), then N signed 16-bit counts (the index of each
// territory's last point, at most 5000; negative: no points), then for each territory with a
// count of 0 or more, count + 1 records of 16-bit x and 16-bit y.
struct OutlineFile {
    std::vector<std::int16_t> counts;                // [t - 1] for territory t
    std::vector<std::vector<raster::Point>> points;  // [t - 1]: points 0..count, or none
};

// The largest file that can be valid.
std::size_t MaxOutlineFileSize();

// Reads the whole file's bytes, checking every count and the exact length. `territories` is the
// current map's count, which N must equal. On any fault: nullopt and `error` says why.
std::optional<OutlineFile> ParseOutlineFile(const std::vector<std::uint8_t>& bytes, int territories,
                                            std::string* error);

// The file's name for a map code and screen size: "Mrvekmap" + code + digit + ".dat".
std::string OutlineFileName(const std::string& mapCode, int screenSize);

}  // namespace render
