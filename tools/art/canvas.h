// Smooth shapes on small pictures: drawn at a multiple of the size, then averaged down.
#pragma once

#include <vector>

#include "platform/raster/surface.h"

namespace art {

// A point in picture pixels; (0, 0) is the top-left corner of the first pixel.
struct PointF {
    double x = 0;
    double y = 0;
};

class Canvas {
  public:
    Canvas(int width, int height, int scale, raster::Colour background);

    void Polygon(const std::vector<PointF>& points, raster::Colour colour);
    void Ellipse(double cx, double cy, double rx, double ry, raster::Colour colour);
    // A straight stroke `width` wide with square ends.
    void Line(PointF from, PointF to, double width, raster::Colour colour);
    void RoundRect(double left, double top, double right, double bottom, double radius,
                   raster::Colour colour);

    // The picture at its own size: each pixel the average of its scale x scale samples.
    raster::Surface Result() const;

  private:
    int scale_;
    raster::Surface big_;
};

}  // namespace art
