// Outline files: every territory's outline of one map at one screen size, and their one codec.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/raster/surface.h"

namespace render {

// Every territory's outline at one screen size: row t (1..n) holds points 0..c of territory t;
// row 0 is unused, and an empty row is written with a negative count.
struct OutlineSet {
    std::vector<std::vector<raster::Point>> rows;
};

// The file, little-endian: N (16 bits, at most 200), then N signed 16-bit counts (the index of
// each territory's last point, at most 5000; negative: no points), then for each territory with
// a count of 0 or more, count + 1 records of 16-bit x and 16-bit y. Rows too long for the file
// are refused (empty result).
std::optional<std::vector<std::uint8_t>> EncodeOutlineFile(const OutlineSet& outlines);

// Reads the whole file's bytes, checking N, every count, the exact length and that every point
// lies on the board (kBoardWidth x kBoardHeight, the largest size's board); when
// `territories` is given, N must equal it (the current map's count). On any fault: nullopt and
// `error` says why.
std::optional<OutlineSet> DecodeOutlineFile(const std::vector<std::uint8_t>& bytes,
                                            std::string* error,
                                            std::optional<int> territories = std::nullopt);

// The largest file that can be valid.
std::size_t MaxOutlineFileSize();

// The file's name for a map code and screen size: "Mrvekmap" + code + digit + ".dat".
std::string OutlineFileName(const std::string& mapCode, int screenSize);

}  // namespace render
