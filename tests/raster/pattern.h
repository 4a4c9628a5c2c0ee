// Test pictures written as rows of characters, and read back the same way.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/raster/surface.h"

namespace rastertest {

inline constexpr raster::Colour kWhite = 0xFFFFFF;
inline constexpr raster::Colour kBlack = 0x000000;
inline constexpr raster::Colour kGrey = 0x808080;
inline constexpr raster::Colour kRed = 0x0000FF;
inline constexpr raster::Colour kBlue = 0xFF0000;

// '.' white, '#' grey, 'k' black, 'r' red, 'b' blue.
inline const std::map<char, raster::Colour>& Palette() {
    static const std::map<char, raster::Colour> palette{
        {'.', kWhite}, {'#', kGrey}, {'k', kBlack}, {'r', kRed}, {'b', kBlue}};
    return palette;
}

inline raster::Surface FromRows(const std::vector<std::string>& rows) {
    raster::Surface s(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) s.SetPixel(x, y, Palette().at(rows[y][x]));
    return s;
}

// Unknown colours show as '?', so a comparison failure prints the whole picture.
inline std::vector<std::string> ToRows(const raster::Surface& s) {
    std::vector<std::string> rows;
    for (int y = 0; y < s.Height(); ++y) {
        std::string row;
        for (int x = 0; x < s.Width(); ++x) {
            char c = '?';
            for (const auto& [key, colour] : Palette())
                if (colour == s.Pixel(x, y)) c = key;
            row += c;
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace rastertest
