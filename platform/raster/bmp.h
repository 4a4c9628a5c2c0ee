// BMP picture files: reading untrusted files into surfaces and writing surfaces out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/raster/surface.h"

namespace raster {

// Pictures larger than this on either side, or with more pixels in all, are refused.
inline constexpr int kMaxBmpSide = 16384;
inline constexpr std::int64_t kMaxBmpPixels = std::int64_t{1} << 26;

// Reads an uncompressed (BI_RGB) BMP of 24 or 32 bits per pixel, or 8 bits with a palette,
// stored bottom-up or top-down. Every field is checked against the file's length before it is
// used; on any fault the result is empty and `error` (when given) says what is wrong.
std::optional<Surface> ReadBmp(const std::vector<std::uint8_t>& bytes, std::string* error);

// Writes a 24-bit bottom-up BI_RGB file: 54 bytes of headers, rows padded to 4 bytes with
// zeros, no resolution, no palette. The same surface always gives the same bytes.
std::vector<std::uint8_t> WriteBmp(const Surface& surface);

}  // namespace raster
