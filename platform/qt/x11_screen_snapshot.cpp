// The screen snapshot on an X server: CopyArea from the root window into a pixmap of the server,
// GetImage of the pieces the board shows.
#include "platform/qt/x11_screen_snapshot.h"

#include <QGuiApplication>
#include <bit>
#include <cstdint>

// After Qt: Xlib's macros (None, Bool, Status ...) would otherwise clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace qtplatform {
namespace {

Display* QtDisplay() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->display() : nullptr;
}

// The lowest set bit and the width of a colour mask, to read any true-colour pixel.
struct Channel {
    int shift = 0;
    int bits = 0;
    explicit Channel(unsigned long mask) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        bits = std::popcount(mask);
    }
    int Of(unsigned long pixel) const {
        if (bits == 0) return 0;
        const unsigned long value = (pixel >> shift) & ((1ul << bits) - 1);
        return bits >= 8 ? static_cast<int>(value >> (bits - 8))
                         : static_cast<int>(value * 255 / ((1ul << bits) - 1));
    }
};

QImage ToImage(XImage& image) {
    QImage out(image.width, image.height, QImage::Format_RGB32);
    const bool plain = image.bits_per_pixel == 32 && image.byte_order == LSBFirst &&
                       image.red_mask == 0xFF0000 && image.green_mask == 0xFF00 &&
                       image.blue_mask == 0xFF;
    if (plain) {
        // The server's rows are RGB32 already; only the padding may differ.
        for (int y = 0; y < image.height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(
                image.data + static_cast<std::ptrdiff_t>(y) * image.bytes_per_line);
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < image.width; ++x) line[x] = 0xFF000000u | row[x];
        }
        return out;
    }
    const Channel red(image.red_mask), green(image.green_mask), blue(image.blue_mask);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            const unsigned long pixel = XGetPixel(&image, x, y);
            line[x] = qRgb(red.Of(pixel), green.Of(pixel), blue.Of(pixel));
        }
    }
    return out;
}

}  // namespace

std::unique_ptr<X11ScreenSnapshot> X11ScreenSnapshot::Take(const QRect& area) {
    Display* display = QtDisplay();
    if (display == nullptr || area.isEmpty()) return nullptr;
    const int screen = DefaultScreen(display);
    // Only a screen of true colours is read; its pixels are colours themselves.
    if (DefaultVisual(display, screen)->c_class != TrueColor) return nullptr;
    const ::Window root = RootWindow(display, screen);
    const Pixmap pixmap = XCreatePixmap(display, root, static_cast<unsigned>(area.width()),
                                        static_cast<unsigned>(area.height()),
                                        static_cast<unsigned>(DefaultDepth(display, screen)));
    if (pixmap == 0) return nullptr;
    // Including the windows on the root window: what the screen shows, not the bare root.
    XGCValues values{};
    values.subwindow_mode = IncludeInferiors;
    const GC gc = XCreateGC(display, pixmap, GCSubwindowMode, &values);
    XCopyArea(display, root, pixmap, gc, area.x(), area.y(), static_cast<unsigned>(area.width()),
              static_cast<unsigned>(area.height()), 0, 0);
    XFreeGC(display, gc);
    XFlush(display);
    return std::unique_ptr<X11ScreenSnapshot>(new X11ScreenSnapshot(display, pixmap, area));
}

X11ScreenSnapshot::~X11ScreenSnapshot() {
    // The server frees the pixmap itself when Qt's connection has closed already.
    auto* display = static_cast<Display*>(display_);
    if (QtDisplay() != display) return;
    XFreePixmap(display, pixmap_);
    XFlush(display);
}

QImage X11ScreenSnapshot::Read(const QRect& part) const {
    const QRect inside = part.intersected(QRect(QPoint(0, 0), area_.size()));
    auto* display = static_cast<Display*>(display_);
    if (inside.isEmpty() || QtDisplay() != display) return QImage();
    XImage* image =
        XGetImage(display, pixmap_, inside.x(), inside.y(), static_cast<unsigned>(inside.width()),
                  static_cast<unsigned>(inside.height()), AllPlanes, ZPixmap);
    if (image == nullptr) return QImage();
    // A pixmap has no visual of its own: its pixels are the screen's, in the screen's colours.
    const Visual* visual = DefaultVisual(display, DefaultScreen(display));
    image->red_mask = visual->red_mask;
    image->green_mask = visual->green_mask;
    image->blue_mask = visual->blue_mask;
    QImage out = ToImage(*image);
    XDestroyImage(image);
    return out;
}

}  // namespace qtplatform
