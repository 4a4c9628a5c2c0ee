// A 32-bit pixel surface: the drawing target of every board and dialog picture.
#pragma once

#include <cstdint>
#include <vector>

namespace raster {

// Colours are 0x00BBGGRR wherever they are stored or compared.
using Colour = std::uint32_t;

// What a pixel read outside the surface answers: never a colour a surface can hold.
inline constexpr Colour kInvalidColour = 0xFFFFFFFFu;

inline constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
inline constexpr int GreenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
inline constexpr int BlueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Half-open rectangle: left and top inside, right and bottom outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

// The common part of two rectangles; an empty result may have any coordinates.
inline Rect Intersect(const Rect& a, const Rect& b) {
    return Rect{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, Colour fill = 0);
    // Takes decoded pixels as they stand, row-major without padding, so a decoder need not fill
    // the surface before writing it. Pixels that do not make exactly width x height give an
    // empty surface.
    Surface(int width, int height, std::vector<Colour>&& pixels);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Rect Bounds() const { return Rect{0, 0, width_, height_}; }

    // Outside the surface: kInvalidColour, and nothing is read.
    Colour Pixel(int x, int y) const {
        return Inside(x, y) ? pixels_[static_cast<std::size_t>(y) * width_ + x] : kInvalidColour;
    }
    // Outside the surface: nothing is written.
    void SetPixel(int x, int y, Colour c) {
        if (Inside(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
    }
    void Resize(int width, int height, Colour fill = 0);
    void Fill(Colour c);

    // Row-major, width() pixels a row, no padding.
    const std::vector<Colour>& Pixels() const { return pixels_; }
    std::vector<Colour>& Pixels() { return pixels_; }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

}  // namespace raster
