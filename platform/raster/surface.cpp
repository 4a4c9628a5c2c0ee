// The pixel surface's storage.
#include "platform/raster/surface.h"

#include "platform/raster/fill.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace raster {

Surface::Surface(int width, int height, Colour fill) {
    Resize(width, height, fill);
}

Surface::Surface(int width, int height, std::vector<Colour>&& pixels) {
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return;
    width_ = width;
    height_ = height;
    pixels_ = std::move(pixels);
}

void FillPixels(Colour* first, std::size_t count, Colour c) {
    if (c == 0) {
        if (count > 0) std::memset(first, 0, count * sizeof(Colour));
        return;
    }
    constexpr std::size_t kBlock = 16;
    std::size_t i = 0;
    for (; i + kBlock <= count; i += kBlock)
        for (std::size_t j = 0; j < kBlock; ++j) first[i + j] = c;
    for (; i < count; ++i) first[i] = c;
}

// The same size again keeps the storage and only fills it.
void Surface::Resize(int width, int height, Colour fill) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    const std::size_t count = static_cast<std::size_t>(width_) * height_;
    if (pixels_.size() != count) {
        pixels_.assign(count, fill);
        return;
    }
    FillPixels(pixels_.data(), count, fill);
}

void Surface::Fill(Colour c) {
    FillPixels(pixels_.data(), pixels_.size(), c);
}

}  // namespace raster
