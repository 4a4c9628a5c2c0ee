// Smooth deterministic noise for the sea textures: hashed lattice values, no global state.
#pragma once

#include <cstdint>

namespace art {

// Smooth value noise in [0, 1]: lattice values from an integer hash of (x, y, seed),
// blended with a quintic fade so the texture has no visible grid.
double ValueNoise(double x, double y, std::uint32_t seed);

// Sum of `octaves` layers of value noise, each twice the frequency and half the weight of
// the one before, scaled back to [0, 1].
double FractalNoise(double x, double y, std::uint32_t seed, int octaves);

}  // namespace art
