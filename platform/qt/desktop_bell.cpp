// The desktop's bell, rung for one of the program's windows.
#include "platform/qt/desktop_bell.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

// After Qt: Xlib's macros (None, Bool, Status ...) would otherwise clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace qtplatform {

void RingDesktopBell(QWidget* window) {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display != nullptr) {
        const auto id = window != nullptr ? static_cast<::Window>(window->window()->winId()) : 0;
        // Percent 0: the volume the user set for the bell.
        const bool rung = XkbBell(display, id, 0, None) != 0;
        if (!rung) XBell(display, 0);
        XFlush(display);
        return;
    }
    QApplication::beep();
}

}  // namespace qtplatform
