// Label placement: the footprint's box at each size, tested against summed-area tables.
#include "tools/mapgen/labels.h"

#include <algorithm>
#include <limits>

#include "core/model/map_catalogue.h"
#include "maps/validate_picture.h"
#include "tools/mapgen/board_rules.h"

namespace mapgen {
namespace {

constexpr int kMostRoom = 8;

// The box around every rectangle of a label, relative to its paint point.
raster::Rect FootprintBox(const BuiltinMap& map, int size) {
    const maps::ArtLabel row{200, 200, ""};
    maps::MapArt art;
    art.labelsSize1 = std::span<const maps::ArtLabel>(&row, 1);
    art.labelsSize23 = art.labelsSize1;
    const int shift = PaintShift(map, size);
    const raster::Point p = maps::PaintPoint(art, size, 1, shift);
    raster::Rect box{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
    for (const raster::Rect& r : maps::LabelFootprint(art, size, 1, shift)) {
        box.left = std::min(box.left, r.left - p.x);
        box.top = std::min(box.top, r.top - p.y);
        box.right = std::max(box.right, r.right - p.x);
        box.bottom = std::max(box.bottom, r.bottom - p.y);
    }
    return box;
}

int Scaled(int value, int size) {
    return size == 1 ? value * 70 / 100 : size == 3 ? value * 125 / 100 : value;
}

// The extent of every territory's white piece on one drawing, element 0 unused.
std::vector<raster::Rect> Extents(const Drawing& d, int territories) {
    std::vector<raster::Rect> boxes(static_cast<std::size_t>(territories) + 1,
                                    raster::Rect{1 << 20, 1 << 20, -1, -1});
    for (int y = 0; y < d.picture.Height(); ++y)
        for (int x = 0; x < d.picture.Width(); ++x) {
            const int t = d.white[d.At(x, y)];
            if (t == 0) continue;
            raster::Rect& b = boxes[static_cast<std::size_t>(t)];
            b = raster::Rect{std::min(b.left, x), std::min(b.top, y), std::max(b.right, x + 1),
                             std::max(b.bottom, y + 1)};
        }
    return boxes;
}

// Counts of one territory's white pixels over rectangles of one drawing, within its extent.
class WhiteCounter {
  public:
    WhiteCounter(const Drawing& d, int territory, const raster::Rect& extent)
        : extent_(extent), width_(std::max(0, extent.Width()) + 1) {
        const int w = std::max(0, extent.Width()), h = std::max(0, extent.Height());
        sums_.assign(static_cast<std::size_t>(width_) * (h + 1), 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                sums_[Idx(x + 1, y + 1)] =
                    (d.white[d.At(x + extent.left, y + extent.top)] == territory ? 1 : 0) +
                    sums_[Idx(x, y + 1)] + sums_[Idx(x + 1, y)] - sums_[Idx(x, y)];
    }
    bool Full(raster::Rect r) const {
        if (r.left < extent_.left || r.top < extent_.top || r.right > extent_.right ||
            r.bottom > extent_.bottom)
            return false;
        const int area = r.Width() * r.Height();
        r = raster::Rect{r.left - extent_.left, r.top - extent_.top, r.right - extent_.left,
                         r.bottom - extent_.top};
        return sums_[Idx(r.right, r.bottom)] - sums_[Idx(r.left, r.bottom)] -
                   sums_[Idx(r.right, r.top)] + sums_[Idx(r.left, r.top)] ==
               area;
    }

  private:
    std::size_t Idx(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    raster::Rect extent_;
    int width_;
    std::vector<int> sums_;
};

}  // namespace

std::optional<std::vector<raster::Point>> PlaceLabels(const std::array<Drawing, 3>& drawings,
                                                      const BuiltinMap& map, int territories,
                                                      std::string* error) {
    std::array<raster::Rect, 3> boxes{};
    std::array<int, 3> shifts{};
    for (int s = 1; s <= 3; ++s)
        boxes[s - 1] = FootprintBox(map, s), shifts[s - 1] = PaintShift(map, s);
    const Drawing& medium = drawings[1];
    const int w = medium.picture.Width(), h = medium.picture.Height();
    std::vector<raster::Point> points(static_cast<std::size_t>(territories) + 1);
    std::array<std::vector<raster::Rect>, 3> extents;
    for (int s = 0; s < 3; ++s) extents[s] = Extents(drawings[s], territories);
    for (int t = 1; t <= territories; ++t) {
        const auto ti = static_cast<std::size_t>(t);
        // The piece's extent and centre on the medium board.
        const raster::Rect& e = extents[1][ti];
        int x0 = w, y0 = h, x1 = -1, y1 = -1;
        double cx = 0, cy = 0;
        int count = 0;
        for (int y = std::max(0, e.top); y < std::min(h, e.bottom); ++y)
            for (int x = std::max(0, e.left); x < std::min(w, e.right); ++x)
                if (medium.white[medium.At(x, y)] == t) {
                    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x),
                    y1 = std::max(y1, y);
                    cx += x, cy += y, ++count;
                }
        if (count == 0) {
            *error = "territory " + std::to_string(t) + " has no land";
            return std::nullopt;
        }
        cx /= count, cy /= count;
        const std::array<WhiteCounter, 3> counters{WhiteCounter(drawings[0], t, extents[0][ti]),
                                                   WhiteCounter(drawings[1], t, extents[1][ti]),
                                                   WhiteCounter(drawings[2], t, extents[2][ti])};
        auto room = [&](int x, int y) {
            int k = -1;
            for (int grow = 0; grow <= kMostRoom; ++grow) {
                for (int s = 1; s <= 3; ++s) {
                    const raster::Rect& b = boxes[s - 1];
                    const int px = Scaled(x, s) + 1, py = Scaled(y, s) + 1 - shifts[s - 1];
                    if (!counters[s - 1].Full(raster::Rect{px + b.left - grow, py + b.top - grow,
                                                           px + b.right + grow,
                                                           py + b.bottom + grow}))
                        return k;
                }
                k = grow;
            }
            return k;
        };
        int bestRoom = -1;
        double bestDistance = std::numeric_limits<double>::max();
        raster::Point best{};
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const int r = room(x, y);
                // The label's middle is about 8 right of and 10 below its point.
                const double d = (x + 8 - cx) * (x + 8 - cx) + (y + 10 - cy) * (y + 10 - cy);
                if (r > bestRoom || (r == bestRoom && r >= 0 && d < bestDistance))
                    bestRoom = r, bestDistance = d, best = raster::Point{x, y};
            }
        if (bestRoom < 0) {
            *error = "territory " + std::to_string(t) + " has no room for its label";
            return std::nullopt;
        }
        points[ti] = best;
    }
    return points;
}

}  // namespace mapgen
