// Our raster pictures as Qt images, and the program's generated bitmaps loaded as pixmaps.
#pragma once

#include <QImage>
#include <QPixmap>
#include <string>

#include "platform/raster/surface.h"

namespace platform {
class Files;
}

namespace app {

// 0x00BBGGRR pixels into an opaque 32-bit image of the same size.
QImage ToQImage(const raster::Surface& surface);

// Bitmap `id` of the program folder; a null pixmap when it is missing or unreadable.
// With `keyTransparent` the toolbar pictures' magenta shows the toolbar through.
QPixmap LoadBitmap(const platform::Files& files, int id, bool keyTransparent);
QPixmap LoadIcon(const platform::Files& files, int id);

}  // namespace app
