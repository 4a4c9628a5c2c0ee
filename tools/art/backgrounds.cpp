// The three sea backgrounds behind the map, at each screen size.
#include "tools/art/backgrounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/art/hit_colours.h"
#include "tools/art/noise.h"

namespace art {
namespace {

using raster::Colour;

// Lattice cells across the picture's width for the coarsest noise layer.
constexpr double kCellsAcross = 8.0;

struct Rgbf {
    double r, g, b;
};

Rgbf Mix(Rgbf a, Rgbf b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double Stretch(double value, double low, double high) {
    return std::clamp((value - low) / (high - low), 0.0, 1.0);
}

// A sharp bright line where the noise passes its middle value.
double Ridge(double noise, double sharpness) {
    return std::pow(1.0 - std::min(1.0, std::abs(noise - 0.5) * 2.0), sharpness);
}

// Background 1: open ocean, deep blue with long swells and scattered light on the crests.
Rgbf DeepBlue(double u, double v) {
    const double warp = FractalNoise(u * 0.7, v * 0.7, 11, 3) * 1.6;
    const double depth = Stretch(FractalNoise(u * 0.5 + warp, v * 0.5 - warp, 12, 6), 0.2, 0.8);
    const double swell = Ridge(FractalNoise(u * 0.9 + warp, v * 2.6, 13, 4), 7.0);
    const Rgbf deep{6, 22, 64}, shallow{18, 70, 132}, crest{92, 150, 204};
    return Mix(Mix(deep, shallow, depth), crest, swell * 0.35);
}

// Background 2: a green coastal sea with rows of waves bending across it.
Rgbf GreenSwell(double u, double v) {
    const double bend = FractalNoise(u * 0.35, v * 0.35, 21, 4) * 5.0;
    const double phase = v * 3.2 + bend + 0.35 * std::sin(u * 1.3);
    const double wave = std::pow(0.5 + 0.5 * std::sin(phase * 2 * std::numbers::pi), 10.0);
    const double shade = Stretch(FractalNoise(u * 0.6, v * 0.6, 22, 5), 0.25, 0.75);
    const double breaking = Stretch(FractalNoise(u * 2.0, v * 2.0, 23, 3), 0.35, 0.7);
    const Rgbf trough{4, 46, 44}, body{16, 98, 84}, foam{96, 176, 150};
    return Mix(Mix(trough, body, shade), foam, wave * breaking * 0.6);
}

// Background 3: a night sea, indigo, with a net of pale currents like light through water.
Rgbf NightCurrents(double u, double v) {
    const double warp = FractalNoise(u * 0.5, v * 0.5, 31, 3) * 1.2;
    const double a = FractalNoise(u * 0.9 + warp, v * 0.9, 32, 4);
    const double b = FractalNoise(u * 0.9, v * 0.9 - warp, 33, 4);
    const double net = std::max(Ridge(a, 10.0), Ridge(b, 10.0));
    const double glow = Stretch(FractalNoise(u * 0.4, v * 0.4, 34, 4), 0.3, 0.8);
    const Rgbf dark{10, 12, 44}, lit{30, 38, 104}, current{78, 120, 196};
    return Mix(Mix(dark, lit, glow), current, net * (0.25 + 0.4 * glow));
}

Colour ToColour(Rgbf c) {
    auto channel = [](double value) {
        return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0)));
    };
    return HitNeutral(raster::Rgb(channel(c.r), channel(c.g), channel(c.b)));
}

using Shader = Rgbf (*)(double u, double v);

Shader ShaderOf(Sea sea) {
    switch (sea) {
        case Sea::kDeepBlue:
            return DeepBlue;
        case Sea::kGreenSwell:
            return GreenSwell;
        case Sea::kNightCurrents:
            return NightCurrents;
    }
    return DeepBlue;
}

}  // namespace

raster::Surface DrawSea(Sea sea, int width, int height) {
    raster::Surface out(width, height);
    const Shader shader = ShaderOf(sea);
    const double cell = kCellsAcross / width;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) out.SetPixel(x, y, ToColour(shader(x * cell, y * cell)));
    }
    return out;
}

raster::Surface ReduceColours(const raster::Surface& picture) {
    // A 4 x 4 Bayer matrix: the thresholds spread each 8-level step over the pattern.
    static constexpr int kBayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    raster::Surface out = picture;
    for (int y = 0; y < out.Height(); ++y) {
        for (int x = 0; x < out.Width(); ++x) {
            const Colour c = out.Pixel(x, y);
            const int bias = kBayer[y % 4][x % 4] / 2;  // 0..7
            auto level = [bias](int v) { return std::min(248, (v + bias) / 8 * 8); };
            out.SetPixel(x, y,
                         HitNeutral(raster::Rgb(level(raster::RedOf(c)), level(raster::GreenOf(c)),
                                                level(raster::BlueOf(c)))));
        }
    }
    return out;
}

}  // namespace art
