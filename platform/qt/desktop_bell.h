// The desktop's bell, rung for one of the program's windows.
#pragma once

class QWidget;

namespace qtplatform {

// Rings the bell through the X keyboard extension naming the window, so that the desktop plays
// its bell sound or, where it has no sound or the user chose so, flashes that window. Without
// X11 it falls back to Qt's own beep.
void RingDesktopBell(QWidget* window);

}  // namespace qtplatform
