// The composed board picture, the rebuild requests and what counts as a border on it.
#include "core/model/board_picture.h"

bool IsBorderPixel(raster::Colour colour) {
    // Off the board there is nothing to see through: a line that leaves it is blocked.
    if (colour == raster::kInvalidColour) return true;
    const int r = raster::RedOf(colour);
    const int g = raster::GreenOf(colour);
    const int b = raster::BlueOf(colour);
    if (r == g && g == b && r != 0) return true;
    if (colour == raster::Rgb(0x80, 0x00, 0x40)) return true;
    if (colour == raster::Rgb(0x00, 0x00, 0xFF)) return true;
    return g >= 21 && g <= 239 && r > g - 4 && r < g + 4 && b > g - 4 && b < g + 4;
}

std::string g_freshMapMarker;
bool g_isBoardRebuildPending = false;
raster::Surface g_mapDC;
raster::SharedSurface g_mapBitmap;

void ResetBoardPicture() {
    g_freshMapMarker.clear();
    g_isBoardRebuildPending = false;
    g_mapDC = raster::Surface{};
    g_mapBitmap = raster::SharedSurface{};
}
