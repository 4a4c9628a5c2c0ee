// The pixel surface's storage.
#include "platform/raster/surface.h"

#include <algorithm>
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

void Surface::Resize(int width, int height, Colour fill) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels_.assign(static_cast<std::size_t>(width_) * height_, fill);
}

void Surface::Fill(Colour c) {
    std::fill(pixels_.begin(), pixels_.end(), c);
}

}  // namespace raster
