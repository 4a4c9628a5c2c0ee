// A copy of the whole X screen kept by the X server as a pixmap and read back a piece at a time,
// so that taking it costs one request and no memory of the program's.
#pragma once

#include <QImage>
#include <QRect>
#include <memory>

namespace qtplatform {

class X11ScreenSnapshot {
  public:
    // Copies `area` (device pixels of the root window) now; nullptr when the program does not
    // run on an X server or the server keeps no copy.
    static std::unique_ptr<X11ScreenSnapshot> Take(const QRect& area);
    ~X11ScreenSnapshot();
    X11ScreenSnapshot(const X11ScreenSnapshot&) = delete;
    X11ScreenSnapshot& operator=(const X11ScreenSnapshot&) = delete;

    // The copied area, in the root window's device pixels.
    const QRect& Area() const { return area_; }
    // The pixels of `part` (relative to the copy, inside it) as an RGB32 image; a null image
    // when the server no longer gives them.
    QImage Read(const QRect& part) const;

  private:
    X11ScreenSnapshot(void* display, unsigned long pixmap, const QRect& area)
        : display_(display), pixmap_(pixmap), area_(area) {}

    void* display_;         // Qt's own connection, which outlives the window services
    unsigned long pixmap_;  // the server's copy
    QRect area_;
};

}  // namespace qtplatform
