// The program's generated bitmaps loaded as pixmaps.
#pragma once

#include <QPixmap>
#include <string>

namespace platform {
class Files;
}

namespace app {

// Bitmap `id` of the program folder; a null pixmap when it is missing or unreadable.
// With `keyTransparent` the toolbar pictures' magenta shows the toolbar through.
QPixmap LoadBitmap(const platform::Files& files, int id, bool keyTransparent);
QPixmap LoadIcon(const platform::Files& files, int id);

}  // namespace app
