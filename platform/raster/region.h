// Polygon regions filled by the even-odd rule, for clipping fills to a territory's outline.
#pragma once

#include <vector>

#include "platform/raster/surface.h"

namespace raster {

// The pixels inside a closed polygon under the even-odd (alternate) rule. A pixel belongs to
// the region when its centre (x + 0.5, y + 0.5) lies inside; vertices are whole numbers, so a
// centre never lies on an edge's end and every pixel is decided exactly, without rounding.
// A polygon with an edge along a rectangle's sides therefore covers exactly the half-open
// rectangle.
class Region {
  public:
    struct Span {
        int left = 0;   // first pixel inside
        int right = 0;  // first pixel outside
    };

    // Coordinates beyond this magnitude make no region (nothing a board could hold).
    static constexpr int kCoordinateLimit = 32767;

    Region() = default;
    // Fewer than 3 points, coordinates beyond the limit, or no enclosed pixel: an empty region.
    static Region FromPolygon(const std::vector<Point>& points);
    static Region FromPolygon(const Point* points, int count);

    bool Empty() const { return bounds_.Empty(); }
    // The smallest rectangle holding every pixel of the region; empty for an empty region.
    const Rect& Bounds() const { return bounds_; }
    bool Contains(int x, int y) const;
    // The spans of row y, left to right, disjoint and not touching.
    const std::vector<Span>& RowSpans(int y) const;

  private:
    int top_ = 0;
    std::vector<std::vector<Span>> rows_;  // row top_ + i
    Rect bounds_;
};

// Fills the region's pixels with `colour`, clipped to the surface.
void FillRegion(Surface& surface, const Region& region, Colour colour);

}  // namespace raster
