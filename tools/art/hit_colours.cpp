// Which colours the board's click test takes for a border, and how our art stays clear of them.
#include "tools/art/hit_colours.h"

#include <cstdlib>

namespace art {

using raster::Colour;

bool BlocksHitTest(Colour colour) {
    const int r = raster::RedOf(colour), g = raster::GreenOf(colour), b = raster::BlueOf(colour);
    if (r == g && g == b && r != 0) return true;
    if (colour == raster::Rgb(0x80, 0x00, 0x40) || colour == raster::Rgb(0, 0, 0xFF)) return true;
    return g >= 21 && g <= 239 && std::abs(r - g) < 4 && std::abs(b - g) < 4;
}

Colour HitNeutral(Colour colour) {
    if (!BlocksHitTest(colour)) return colour;
    const int r = raster::RedOf(colour), g = raster::GreenOf(colour), b = raster::BlueOf(colour);
    // The nearest blue that clears every rule: a near-grey needs at most 7 steps.
    for (int step = 1; step <= 8; ++step) {
        for (int nb : {b + step, b - step}) {
            const Colour moved = raster::Rgb(r, g, nb);
            if (nb >= 0 && nb <= 255 && !BlocksHitTest(moved)) return moved;
        }
    }
    return raster::Rgb(0, 0, 0);  // not reached; black would never block
}

}  // namespace art
