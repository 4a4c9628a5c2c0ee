// Drawing inputs of the maps of real places: country outlines, layout files, the warp onto the
// board.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace places {

struct Vec2 {
    double x = 0;
    double y = 0;
};
using Ring = std::vector<Vec2>;  // longitude, latitude in degrees (or board units once warped)

struct Country {
    std::string name;  // spaces written as '_', as in the layout file
    std::vector<Ring> rings;
};

// A territory's share of one country: the whole country, or the part inside a convex polygon.
struct Part {
    int territory = 0;
    std::string country;
    Ring clip;  // empty: the whole country
};

struct Enlargement {
    std::string country;
    double factor = 1;
    Vec2 centre;  // degrees
};

struct Shift {
    std::string country;
    Vec2 by;  // degrees
};

// Straight strokes in medium-screen units: land of a territory, or sea cut through land.
struct Stroke {
    int territory = 0;  // 0: sea
    Vec2 from;
    Vec2 to;
    double width = 1;
};

// A drawn sea lane from a point in one territory to a point in another; a wrapping lane leaves
// the first at the left edge and reaches the second from the right edge.
struct Lane {
    int a = 0;
    int b = 0;
    Vec2 from;
    Vec2 to;
    bool wraps = false;
};

struct Layout {
    std::vector<std::pair<Vec2, Vec2>> controls;  // degrees -> medium units
    std::vector<std::pair<int, Vec2>> anchors;    // territory -> degrees
    std::string wrapCountry;  // its longitudes west of wrapBelow move east by 360
    double wrapBelow = -180;
    std::vector<Part> parts;
    std::vector<Enlargement> enlargements;
    std::vector<Shift> shifts;
    std::vector<Stroke> strokes;
    std::vector<Lane> lanes;
    int labelMargin = 2;
    double closeSea = 0;  // sea narrower than twice this (medium pixels) becomes land
    int border = 64;
    int lane = 176;
};

std::optional<std::vector<Country>> LoadCountries(const std::string& path, std::string* error);
std::optional<Layout> LoadLayout(const std::string& path, std::string* error);

// The part of a ring inside a convex polygon (either orientation).
Ring ClipToConvex(const Ring& ring, const Ring& convex);

// A thin-plate spline through control points: exact at each, smooth between them.
class Warp {
  public:
    bool Fit(const std::vector<Vec2>& from, const std::vector<Vec2>& to);
    Vec2 Map(Vec2 p) const;

  private:
    std::vector<Vec2> from_;
    std::vector<double> wx_, wy_;  // n kernel weights, then the affine terms 1, x, y
};

}  // namespace places
