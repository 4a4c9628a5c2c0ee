// The 32 x 32 icons the dialogs draw: the four card pictures and the two mission pictures.
#include "tools/art/dialog_icons.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "platform/dialog.h"
#include "tools/art/canvas.h"

namespace art {
namespace {

using raster::Colour;
using raster::Rgb;

constexpr int kSize = kDialogIconSize;
// Samples per pixel side: enough for smooth edges at 32 x 32.
constexpr int kScale = 8;

constexpr Colour kInk = Rgb(52, 40, 30);
constexpr Colour kPaper = Rgb(250, 244, 226);

// Moves a shape drawn in a symbol's own units (0..18 across) onto the card's middle.
std::vector<PointF> Place(std::vector<PointF> points) {
    for (PointF& p : points) p = {p.x + 7, p.y + 6};
    return points;
}
PointF At(double x, double y) {
    return {x + 7, y + 6};
}

void Horse(Canvas& c, Colour colour) {
    // A horse's head and neck, facing left, as on a chess knight.
    c.Polygon(Place({{3, 20},     {16, 20},   {16, 18},  {14.5, 16.5}, {14.6, 11},
                     {15.4, 7},   {14, 3.6},  {11.6, 1}, {10.6, 0},    {9.6, 2.2},
                     {7.4, 2.4},  {3.6, 5.6}, {1, 9.6},  {1.4, 11.6},  {3.2, 12.4},
                     {5.6, 10.6}, {8.4, 10},  {5, 14.6}, {3.8, 17.2},  {3, 18}}),
              colour);
    const PointF eye = At(8.2, 5.4);
    c.Ellipse(eye.x, eye.y, 1.1, 1.1, kPaper);
    const PointF nostril = At(2.8, 9.6);
    c.Ellipse(nostril.x, nostril.y, 0.6, 0.6, kPaper);
    c.Line(At(11.4, 2.6), At(13.2, 9.8), 0.9, kPaper);  // the mane's edge
}

void Soldier(Canvas& c, Colour colour) {
    c.Line(At(14.6, 0.6), At(14.6, 19.4), 1.4, kInk);               // the rifle, held upright
    c.Ellipse(At(8, 4.4).x, At(8, 4.4).y, 2.6, 2.8, colour);        // head
    c.Polygon(Place({{4.2, 3.4}, {8, 0.4}, {11.8, 3.4}}), colour);  // helmet
    c.Line(At(3.6, 3.4), At(12.4, 3.4), 1.2, colour);               // its brim
    c.Polygon(Place({{4.2, 8}, {11.8, 8}, {13.4, 9.4}, {12, 15}, {4, 15}, {2.6, 9.4}}), colour);
    c.Line(At(12.6, 9.8), At(14.6, 11.4), 1.8, colour);                          // arm to the rifle
    c.Polygon(Place({{4.2, 14.6}, {7.6, 14.6}, {7.4, 20}, {4.4, 20}}), colour);  // legs
    c.Polygon(Place({{8.4, 14.6}, {11.8, 14.6}, {11.6, 20}, {8.6, 20}}), colour);
    c.Line(At(4.4, 11.6), At(11.6, 11.6), 1.0, kPaper);  // belt
}

void Cannon(Canvas& c, Colour colour) {
    c.Line(At(7, 15), At(17, 19.4), 2.2, kInk);         // trail
    c.Line(At(3, 13.4), At(16, 5.6), 4.2, colour);      // barrel
    c.Line(At(15.6, 5.8), At(16.8, 5.1), 5.4, colour);  // muzzle ring
    const PointF hub = At(7.4, 14.6);
    c.Ellipse(hub.x, hub.y, 4.8, 4.8, kInk);
    c.Ellipse(hub.x, hub.y, 3.5, 3.5, kPaper);
    for (int i = 0; i < 4; ++i) {  // spokes
        const double a = std::numbers::pi / 4 * (2 * i + 1);
        c.Line(hub, {hub.x + 3.6 * std::cos(a), hub.y + 3.6 * std::sin(a)}, 0.9, kInk);
    }
    c.Ellipse(hub.x, hub.y, 1.2, 1.2, kInk);
    c.Ellipse(At(15.4, 19).x, At(15.4, 19).y, 1.3, 1.3, kInk);  // a cannonball
}

std::vector<PointF> StarPoints(PointF centre, double outer, double inner) {
    std::vector<PointF> points;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = -std::numbers::pi / 2 + std::numbers::pi * i / 5;
        points.push_back({centre.x + r * std::cos(a), centre.y + r * std::sin(a)});
    }
    return points;
}

void Star(Canvas& c, Colour colour) {
    const PointF centre = At(9, 10.6);
    c.Polygon(StarPoints(centre, 10.4, 4.4), kInk);
    c.Polygon(StarPoints(centre, 8.8, 3.6), colour);
    c.Polygon(StarPoints({centre.x - 0.8, centre.y - 0.8}, 3.2, 1.4), Rgb(255, 236, 150));
}

struct CardLook {
    CardKind kind;
    Colour colour;
    void (*symbol)(Canvas&, Colour);
};

const CardLook kCards[] = {
    {CardKind::kCavalry, Rgb(150, 30, 34), Horse},
    {CardKind::kInfantry, Rgb(32, 62, 150), Soldier},
    {CardKind::kWild, Rgb(232, 168, 24), Star},
    {CardKind::kArtillery, Rgb(34, 104, 52), Cannon},
};

}  // namespace

raster::Surface DrawCard(CardKind kind) {
    const CardLook* look = &kCards[0];
    for (const CardLook& l : kCards) {
        if (l.kind == kind) look = &l;
    }
    Canvas c(kSize, kSize, kScale, kDialogFace);
    c.RoundRect(4.6, 2.4, 28.6, 32, 3.4, Rgb(150, 140, 124));  // shadow
    c.RoundRect(3.4, 0.4, 27.4, 31, 3.4, kInk);
    c.RoundRect(4.4, 1.4, 26.4, 30, 2.6, kPaper);
    c.RoundRect(5.8, 2.8, 25, 28.6, 1.8, look->colour);  // the kind's frame
    c.RoundRect(6.8, 3.8, 24, 27.6, 1.2, kPaper);
    look->symbol(c, look->colour);
    return c.Result();
}

raster::Surface DrawMission(MissionPicture picture) {
    Canvas c(kSize, kSize, kScale, kDialogFace);
    if (picture == MissionPicture::kOrders) {
        // A red flag to plant on the continent to conquer.
        c.Ellipse(16, 33, 15, 7, Rgb(58, 128, 52));
        c.Ellipse(14, 32, 11, 5, Rgb(84, 160, 70));
        c.Line({9, 3}, {9, 28}, 2.0, Rgb(92, 60, 30));
        c.Polygon(
            {{10, 4}, {17, 2.6}, {24, 5.2}, {29, 4}, {28, 12.4}, {22, 14.2}, {16, 12}, {10, 13.6}},
            Rgb(196, 28, 36));
        c.Polygon(
            {{10, 4}, {17, 2.6}, {24, 5.2}, {29, 4}, {28.7, 6.4}, {24, 7.4}, {17, 5}, {10, 6.2}},
            Rgb(232, 80, 70));
        c.Ellipse(9, 2.6, 2.0, 2.0, Rgb(236, 188, 40));
    } else {
        // A gold cup for a mission carried out.
        const Colour gold = Rgb(226, 170, 28), deep = Rgb(168, 112, 10);
        c.Ellipse(7, 9.5, 5, 5.5, deep);
        c.Ellipse(7, 9.5, 3, 3.5, kDialogFace);
        c.Ellipse(25, 9.5, 5, 5.5, deep);
        c.Ellipse(25, 9.5, 3, 3.5, kDialogFace);
        c.Polygon({{6, 3}, {26, 3}, {25, 12}, {21, 18}, {11, 18}, {7, 12}}, gold);
        c.Polygon({{8.5, 4.5}, {12, 4.5}, {12.5, 15}, {10, 13}}, Rgb(252, 226, 120));
        c.Ellipse(16, 3, 10, 1.8, deep);
        c.Polygon({{14, 18}, {18, 18}, {18.6, 24}, {13.4, 24}}, deep);
        c.RoundRect(9, 24, 23, 29.5, 1.2, gold);
        c.RoundRect(7, 28, 25, 31.5, 1.2, deep);
        c.Polygon(StarPoints({16, 10.2}, 4.2, 1.8), Rgb(255, 244, 190));
    }
    return c.Result();
}

}  // namespace art
