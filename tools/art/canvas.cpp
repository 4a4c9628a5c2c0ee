// Smooth shapes on small pictures: drawn at a multiple of the size, then averaged down.
#include "tools/art/canvas.h"

#include <cmath>
#include <numbers>

#include "platform/raster/region.h"

namespace art {
namespace {

// Enough corners that a 32-pixel circle shows no facets.
constexpr int kEllipseCorners = 72;

}  // namespace

Canvas::Canvas(int width, int height, int scale, raster::Colour background)
    : scale_(scale), big_(width * scale, height * scale, background) {}

void Canvas::Polygon(const std::vector<PointF>& points, raster::Colour colour) {
    std::vector<raster::Point> scaled;
    scaled.reserve(points.size());
    for (const PointF& p : points) {
        scaled.push_back({static_cast<int>(std::lround(p.x * scale_)),
                          static_cast<int>(std::lround(p.y * scale_))});
    }
    raster::FillRegion(big_, raster::Region::FromPolygon(scaled), colour);
}

void Canvas::Ellipse(double cx, double cy, double rx, double ry, raster::Colour colour) {
    std::vector<PointF> points;
    for (int i = 0; i < kEllipseCorners; ++i) {
        const double a = 2 * std::numbers::pi * i / kEllipseCorners;
        points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    Polygon(points, colour);
}

void Canvas::Line(PointF from, PointF to, double width, raster::Colour colour) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length == 0) return;
    // Half the width across the stroke and half along it at each end.
    const double nx = -dy / length * width / 2, ny = dx / length * width / 2;
    const double ex = dx / length * width / 2, ey = dy / length * width / 2;
    Polygon({{from.x - ex + nx, from.y - ey + ny},
             {to.x + ex + nx, to.y + ey + ny},
             {to.x + ex - nx, to.y + ey - ny},
             {from.x - ex - nx, from.y - ey - ny}},
            colour);
}

void Canvas::RoundRect(double left, double top, double right, double bottom, double radius,
                       raster::Colour colour) {
    std::vector<PointF> points;
    const PointF centres[4] = {{right - radius, top + radius},
                               {right - radius, bottom - radius},
                               {left + radius, bottom - radius},
                               {left + radius, top + radius}};
    constexpr int kCornerSteps = 12;
    for (int c = 0; c < 4; ++c) {
        for (int i = 0; i <= kCornerSteps; ++i) {
            const double a = std::numbers::pi / 2 * (c - 1 + static_cast<double>(i) / kCornerSteps);
            points.push_back(
                {centres[c].x + radius * std::cos(a), centres[c].y + radius * std::sin(a)});
        }
    }
    Polygon(points, colour);
}

raster::Surface Canvas::Result() const {
    const int w = big_.Width() / scale_, h = big_.Height() / scale_;
    raster::Surface out(w, h);
    const int samples = scale_ * scale_;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < scale_; ++sy) {
                for (int sx = 0; sx < scale_; ++sx) {
                    const raster::Colour c = big_.Pixel(x * scale_ + sx, y * scale_ + sy);
                    r += raster::RedOf(c), g += raster::GreenOf(c), b += raster::BlueOf(c);
                }
            }
            out.SetPixel(x, y,
                         raster::Rgb((r + samples / 2) / samples, (g + samples / 2) / samples,
                                     (b + samples / 2) / samples));
        }
    }
    return out;
}

}  // namespace art
