// The composed board picture that the rendering draws and the rest of the game reads (the hit
// test looks at its pixels), and the requests to rebuild it.
#pragma once

#include <string>

#include "platform/raster/shared_surface.h"
#include "platform/raster/surface.h"

// The composed board is always this size, whatever the map picture's size.
inline constexpr int kBoardWidth = 1206;
inline constexpr int kBoardHeight = 898;
// The background layers cover this much of the board (at the largest size).
inline constexpr int kOceanWidth = 1192;
inline constexpr int kOceanHeight = 790;

// Sets a one-character text such as the marker below. (GCC 12 at -O3 warns wrongly about
// assigning one-character literals to strings, and warnings are errors.)
inline void SetOneCharacterText(std::string& text, char c) {
    text.clear();
    text.push_back(c);
}

// "0" asks the next paint to rebuild the board; every paint leaves "1".
extern std::string g_freshMapMarker;
// The next rebuild also makes the territory outlines.
extern bool g_isBoardRebuildPending;

// The pixels the board's painters leave on borders, coasts and labels' frames: the hit test
// stops at them, so no territory may be filled with one of them.
bool IsBorderPixel(raster::Colour colour);

// The composed board (background, map, territories), kBoardWidth x kBoardHeight once built.
extern raster::Surface g_mapDC;
// The bare map picture of the last rebuild, kept for the next one; empty when it did not load, and
// emptied on a change of map so that the previous map's picture is freed.
extern raster::SharedSurface g_mapBitmap;

// No board picture and no rebuild asked for, as at program start.
void ResetBoardPicture();
