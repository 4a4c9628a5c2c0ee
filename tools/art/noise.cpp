// Smooth deterministic noise for the sea textures: hashed lattice values, no global state.
#include "tools/art/noise.h"

#include <cmath>

namespace art {
namespace {

double Lattice(std::int64_t x, std::int64_t y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed * 2654435761u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<double>(h) / 4294967295.0;
}

double Fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

}  // namespace

double ValueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx), iy = static_cast<std::int64_t>(fy);
    const double u = Fade(x - fx), v = Fade(y - fy);
    const double top = Lattice(ix, iy, seed) * (1 - u) + Lattice(ix + 1, iy, seed) * u;
    const double bottom = Lattice(ix, iy + 1, seed) * (1 - u) + Lattice(ix + 1, iy + 1, seed) * u;
    return top * (1 - v) + bottom * v;
}

double FractalNoise(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, weight = 1, total = 0, frequency = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise(x * frequency, y * frequency, seed + static_cast<unsigned>(i));
        total += weight;
        weight *= 0.5;
        frequency *= 2.03;  // not exactly 2, so the layers' grids never line up
    }
    return total > 0 ? sum / total : 0;
}

}  // namespace art
