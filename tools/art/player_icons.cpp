// The players' smiley icons (15 x 15) and the one mask they all share.
#include "tools/art/player_icons.h"

#include <array>
#include <string_view>

#include "tools/art/hit_colours.h"

namespace art {
namespace {

using raster::Colour;
using raster::Rgb;

constexpr int kSize = kPlayerIconSize;
constexpr int kCentre = kSize / 2;
// Squared radius of the face: a round disc that touches all four sides with five pixels.
constexpr int kRadiusSquared = 54;

constexpr Colour kBlack = Rgb(0, 0, 0);
// Eye whites and teeth: a warm cream, since pure white would read as a border to a click.
constexpr Colour kCream = Rgb(255, 250, 214);
constexpr Colour kTongue = Rgb(214, 40, 52);

// A feature: rows of 15 symbols laid over the face from `top` on; '.' leaves the face.
// 'K' black, 'W' cream, 'R' red.
struct Feature {
    int top;
    std::array<std::string_view, 4> rows;
};

// clang-format off
constexpr Feature kDotEyes    {4, {"....KK...KK....", "....KK...KK....", "", ""}};
constexpr Feature kWinkEyes   {4, {"....KK.........", "....KK..KKKK...", "", ""}};
constexpr Feature kShades     {4, {"..KKKKKKKKKKK..", "...KKK...KKK...", "", ""}};
constexpr Feature kWideEyes   {3, {"...WWW...WWW...", "...WKW...WKW...", "...WWW...WWW...", ""}};
constexpr Feature kAngryEyes  {3, {"...KK.....KK...", ".....K...K.....", "....KK...KK....", ""}};
constexpr Feature kHappyEyes  {4, {"....K.....K....", "...K.K...K.K...", "", ""}};
constexpr Feature kSmile      {9, {"...K.......K...", "....K.....K....", ".....KKKKK.....", ""}};
constexpr Feature kGrin       {8, {"...KKKKKKKKK...", "...KWWWWWWWK...", "....KRRRRRK....", ".....KKKKK....."}};
constexpr Feature kOpenMouth  {9, {"......KKK......", ".....KRRRK.....", "......KKK......", ""}};
constexpr Feature kFlatMouth  {10, {"....KKKKKKK....", "", "", ""}};
constexpr Feature kTongueOut  {9, {"...K.......K...", "....KKKKKKK....", "......KRRK.....", ".......KK......"}};
constexpr Feature kQuestionTop    {2, {".....KKKKK.....", "....KK...KK....", "....KK...KK....", "........KK....."}};
constexpr Feature kQuestionBottom {6, {".......KK......", "......KK.......", "......KK.......", ""}};
constexpr Feature kQuestionDot    {10, {"......KK.......", "......KK.......", "", ""}};
// clang-format on

struct Face {
    int code;
    Colour skin;
    std::array<const Feature*, 3> features;
};

// Light tints of the players' default colours, so a face stands out on its own territory;
// each player also has its own expression, for players who tell colours apart poorly.
const std::array<Face, 11> kFaces{{
    {1, Rgb(140, 176, 255), {&kDotEyes, &kSmile, nullptr}},
    {2, Rgb(255, 128, 116), {&kDotEyes, &kGrin, nullptr}},
    {3, Rgb(255, 224, 72), {&kWinkEyes, &kSmile, nullptr}},
    {4, Rgb(118, 226, 140), {&kShades, &kSmile, nullptr}},
    {5, Rgb(226, 176, 124), {&kWideEyes, &kOpenMouth, nullptr}},
    {6, Rgb(224, 148, 236), {&kAngryEyes, &kFlatMouth, nullptr}},
    {7, Rgb(255, 160, 204), {&kHappyEyes, &kGrin, nullptr}},
    {8, Rgb(255, 160, 48), {&kDotEyes, &kTongueOut, nullptr}},
    {9, Rgb(200, 232, 80), {&kWideEyes, &kSmile, nullptr}},
    {10, Rgb(128, 230, 222), {&kHappyEyes, &kSmile, nullptr}},
    {kHiddenOwner, Rgb(168, 156, 224), {&kQuestionTop, &kQuestionBottom, &kQuestionDot}},
}};

bool InFace(int x, int y) {
    const int dx = x - kCentre, dy = y - kCentre;
    return x >= 0 && y >= 0 && x < kSize && y < kSize && dx * dx + dy * dy <= kRadiusSquared;
}

bool OnOutline(int x, int y) {
    return InFace(x, y) &&
           (!InFace(x - 1, y) || !InFace(x + 1, y) || !InFace(x, y - 1) || !InFace(x, y + 1));
}

Colour Scale(Colour c, int percent) {
    auto channel = [percent](int v) { return v * percent / 100 > 255 ? 255 : v * percent / 100; };
    return Rgb(channel(raster::RedOf(c)), channel(raster::GreenOf(c)), channel(raster::BlueOf(c)));
}

Colour Lighten(Colour c) {
    auto channel = [](int v) { return v + (255 - v) / 2; };
    return Rgb(channel(raster::RedOf(c)), channel(raster::GreenOf(c)), channel(raster::BlueOf(c)));
}

// The skin with a lit upper left rim and a shaded lower right one, for a rounded look.
Colour SkinAt(Colour skin, int x, int y) {
    const int dx = x - kCentre, dy = y - kCentre;
    const bool rim = dx * dx + dy * dy >= 25;
    if (rim && dx + dy >= 3) return Scale(skin, 72);
    if (rim && dx + dy <= -5) return Lighten(skin);
    return skin;
}

Colour SymbolColour(char symbol, Colour current) {
    switch (symbol) {
        case 'K':
            return kBlack;
        case 'W':
            return kCream;
        case 'R':
            return kTongue;
        default:
            return current;
    }
}

void Lay(raster::Surface& icon, const Feature& feature) {
    for (int r = 0; r < static_cast<int>(feature.rows.size()); ++r) {
        const std::string_view row = feature.rows[static_cast<std::size_t>(r)];
        for (int x = 0; x < static_cast<int>(row.size()) && x < kSize; ++x) {
            const int y = feature.top + r;
            if (!InFace(x, y)) continue;  // features never reach past the mask
            icon.SetPixel(x, y, SymbolColour(row[static_cast<std::size_t>(x)], icon.Pixel(x, y)));
        }
    }
}

}  // namespace

raster::Surface DrawPlayerIcon(int code) {
    const Face* face = nullptr;
    for (const Face& f : kFaces) {
        if (f.code == code) face = &f;
    }
    if (face == nullptr) return {};
    raster::Surface icon(kSize, kSize, kBlack);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (InFace(x, y) && !OnOutline(x, y)) icon.SetPixel(x, y, SkinAt(face->skin, x, y));
        }
    }
    for (const Feature* feature : face->features) {
        if (feature != nullptr) Lay(icon, *feature);
    }
    for (raster::Colour& c : icon.Pixels()) c = HitNeutral(c);
    return icon;
}

raster::Surface DrawPlayerIconMask() {
    raster::Surface mask(kSize, kSize, Rgb(255, 255, 255));
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (InFace(x, y)) mask.SetPixel(x, y, kBlack);
        }
    }
    return mask;
}

}  // namespace art
