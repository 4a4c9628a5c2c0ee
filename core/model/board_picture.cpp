// The composed board picture and the rebuild requests.
#include "core/model/board_picture.h"

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
