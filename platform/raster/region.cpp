// Polygon regions filled by the even-odd rule, for clipping fills to a territory's outline.
#include "platform/raster/region.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/raster/fill.h"

namespace raster {
namespace {

struct Edge {
    std::int64_t x0, y0, x1, y1;  // y0 < y1
};

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {  // b > 0
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// The first pixel whose centre lies at or right of the edge's crossing with row y's centre
// line: the crossing is x0 + (y + 0.5 - y0) * dx / dy, kept as an exact fraction.
int CrossingBoundary(const Edge& e, int y) {
    const std::int64_t dy = e.y1 - e.y0;
    const std::int64_t dx = e.x1 - e.x0;
    const std::int64_t numerator = 2 * e.x0 * dy + (2 * std::int64_t{y} + 1 - 2 * e.y0) * dx;
    return static_cast<int>(CeilDiv(numerator - dy, 2 * dy));
}

std::vector<Region::Span> RowFromBoundaries(std::vector<int>& boundaries) {
    std::sort(boundaries.begin(), boundaries.end());
    std::vector<Region::Span> spans;
    for (std::size_t i = 0; i + 1 < boundaries.size(); i += 2) {
        const Region::Span span{boundaries[i], boundaries[i + 1]};
        if (span.right <= span.left) continue;
        if (!spans.empty() && spans.back().right >= span.left)
            spans.back().right = std::max(spans.back().right, span.right);
        else
            spans.push_back(span);
    }
    return spans;
}

}  // namespace

Region Region::FromPolygon(const std::vector<Point>& points) {
    return FromPolygon(points.data(), static_cast<int>(points.size()));
}

Region Region::FromPolygon(const Point* points, int count) {
    Region region;
    if (points == nullptr || count < 3) return region;
    std::vector<Edge> edges;
    for (int i = 0; i < count; ++i) {
        const Point& a = points[i];
        const Point& b = points[(i + 1) % count];
        for (const Point& p : {a, b})
            if (std::llabs(std::int64_t{p.x}) > kCoordinateLimit ||
                std::llabs(std::int64_t{p.y}) > kCoordinateLimit)
                return region;
        if (a.y == b.y) continue;  // a level edge never crosses a row's centre line
        edges.push_back(a.y < b.y ? Edge{a.x, a.y, b.x, b.y} : Edge{b.x, b.y, a.x, a.y});
    }
    if (edges.empty()) return region;
    std::sort(edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.y0 < r.y0; });
    std::int64_t bottom = 0;
    for (const Edge& e : edges) bottom = std::max(bottom, e.y1);

    region.top_ = static_cast<int>(edges.front().y0);
    std::vector<const Edge*> active;
    std::vector<int> boundaries;
    std::size_t next = 0;
    Rect bounds{0, 0, 0, 0};
    for (int y = region.top_; y < bottom; ++y) {
        std::erase_if(active, [y](const Edge* e) { return e->y1 <= y; });
        while (next < edges.size() && edges[next].y0 <= y) active.push_back(&edges[next++]);
        boundaries.clear();
        for (const Edge* e : active) boundaries.push_back(CrossingBoundary(*e, y));
        region.rows_.push_back(RowFromBoundaries(boundaries));
        const auto& spans = region.rows_.back();
        if (spans.empty()) continue;
        const Rect rowBox{spans.front().left, y, spans.back().right, y + 1};
        bounds = bounds.Empty() ? rowBox
                                : Rect{std::min(bounds.left, rowBox.left), bounds.top,
                                       std::max(bounds.right, rowBox.right), y + 1};
    }
    region.bounds_ = bounds;
    return region;
}

const std::vector<Region::Span>& Region::RowSpans(int y) const {
    static const std::vector<Span> kNone;
    const long index = static_cast<long>(y) - top_;
    if (index < 0 || index >= static_cast<long>(rows_.size())) return kNone;
    return rows_[static_cast<std::size_t>(index)];
}

bool Region::Contains(int x, int y) const {
    for (const Span& span : RowSpans(y))
        if (x >= span.left && x < span.right) return true;
    return false;
}

void FillRegion(Surface& surface, const Region& region, Colour colour) {
    const Rect area = Intersect(region.Bounds(), surface.Bounds());
    for (int y = area.top; y < area.bottom; ++y)
        for (const Region::Span& span : region.RowSpans(y))
            FillRect(surface, Rect{span.left, y, span.right, y + 1}, colour);
}

}  // namespace raster
