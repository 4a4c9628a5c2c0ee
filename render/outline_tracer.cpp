// The outline tracer: it follows the dark border around a territory, keeping the territory's
// light pixels on its side, from a seek upward and, when that fails, a seek to the right.
#include "render/outline_tracer.h"

#include <cstdlib>
#include <vector>

namespace render {
namespace {

constexpr int kLightLimit = 251;
constexpr int kUnclosedLimit = 4900;  // more points than this: the pass gives up
constexpr int kMinClosingCount = 10;  // a pass closes only after more points than this
constexpr int kGoodOutline = 100;     // fewer points than this: pass 1 is not enough

bool IsLight(const raster::Surface& picture, int x, int y) {
    return !IsDarkPixel(picture, x, y);
}

struct Candidate {
    int dx, dy;
    int side1dx, side1dy;
    int side2dx, side2dy;
    bool straight;
};

// Tried in this order; the side pixels are relative to the current point.
constexpr Candidate kCandidates[] = {
    {1, 0, 1, 1, 0, 1, true},     {0, -1, 1, -1, 1, 0, true},     {0, 1, -1, 1, -1, 0, true},
    {-1, 0, -1, -1, 0, -1, true}, {1, 1, 1, 2, 0, 1, false},      {1, -1, 2, -1, 1, 0, false},
    {-1, 1, -2, 1, -1, 0, false}, {-1, -1, -1, -2, 0, -1, false},
};

// The two pixels that touch both ends of a knight's move, relative to the second end.
struct KnightMove {
    int dx, dy;
    int ax, ay, bx, by;
};
constexpr KnightMove kKnightMoves[] = {
    {2, 1, -1, 0, -1, -1}, {1, 2, 0, -1, -1, -1}, {-1, 2, 0, -1, 1, -1}, {-2, 1, 1, -1, 1, 0},
    {-2, -1, 1, 0, 1, 1},  {-1, -2, 1, 1, 0, 1},  {1, -2, 0, 1, -1, 1},  {2, -1, -1, 1, -1, 0},
};

enum class PassEnd { kClosed, kUnclosed, kDeadEnd };

struct PassResult {
    PassEnd end = PassEnd::kDeadEnd;
    int count = 0;
};

// Marks the points of the current trace so that "already a point" costs one lookup.
class PointSet {
  public:
    explicit PointSet(const raster::Surface& picture)
        : width_(picture.Width()),
          marks_(static_cast<std::size_t>(picture.Width()) *
                 static_cast<std::size_t>(picture.Height())) {}
    bool Has(int x, int y, const raster::Surface& picture) const {
        return picture.Inside(x, y) && marks_[Index(x, y)] != 0;
    }
    void Add(int x, int y, const raster::Surface& picture) {
        if (picture.Inside(x, y)) marks_[Index(x, y)] = 1;
    }
    void Clear() { std::fill(marks_.begin(), marks_.end(), 0); }

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    int width_;
    std::vector<std::uint8_t> marks_;
};

class Tracer {
  public:
    Tracer(const raster::Surface& picture, bool customMap, TraceTables tables)
        : picture_(picture), customMap_(customMap), tables_(tables), points_(picture) {}

    PassResult RunPass(raster::Point origin, int stepX, int stepY) {
        ClearTables();
        // The seek ends at the picture's edge: an outline cannot start off the picture.
        int x = origin.x + stepX;
        int y = origin.y + stepY;
        while (picture_.Inside(x, y) && !IsDarkOrBluePixel(picture_, x, y)) {
            x += stepX;
            y += stepY;
        }
        if (!picture_.Inside(x, y)) return PassResult{PassEnd::kDeadEnd, 0};
        // The side pixel of the start lies back toward the origin.
        Store(0, x, y, x - stepX, y - stepY);
        return Follow();
    }

  private:
    void ClearTables() {
        tables_.x.fill(0);
        tables_.y.fill(0);
        tables_.outerX.fill(0);
        tables_.outerY.fill(0);
        points_.Clear();
    }

    void Store(int index, int x, int y, int sideX, int sideY) {
        const auto i = static_cast<std::size_t>(index);
        tables_.x[i] = static_cast<std::int16_t>(x);
        tables_.y[i] = static_cast<std::int16_t>(y);
        tables_.outerX[i] = sideX;
        tables_.outerY[i] = sideY;
        points_.Add(x, y, picture_);
    }

    // The side pixel of an accepted candidate, or false when it has none.
    bool Accepts(const Candidate& c, int x, int y, int sideX, int sideY, raster::Point& side) {
        const int cx = x + c.dx;
        const int cy = y + c.dy;
        if (points_.Has(cx, cy, picture_) || !IsDarkPixel(picture_, cx, cy)) return false;
        if (IsLight(picture_, x + c.side1dx, y + c.side1dy)) {
            side = {x + c.side1dx, y + c.side1dy};
        } else if (IsLight(picture_, x + c.side2dx, y + c.side2dy)) {
            side = {x + c.side2dx, y + c.side2dy};
        } else {
            return false;
        }
        if (!c.straight) return true;
        return ArePixelsConnected(picture_, sideX, sideY, side.x, side.y) &&
               CountLightNeighbourPixels(picture_, customMap_, cx, cy) < 6;
    }

    PassResult Follow() {
        const int startX = tables_.x[0];
        const int startY = tables_.y[0];
        int count = 0;
        for (;;) {
            const auto i = static_cast<std::size_t>(count);
            const int x = tables_.x[i];
            const int y = tables_.y[i];
            raster::Point side;
            const Candidate* taken = nullptr;
            for (const Candidate& c : kCandidates) {
                if (Accepts(c, x, y, tables_.outerX[i], tables_.outerY[i], side)) {
                    taken = &c;
                    break;
                }
            }
            if (taken == nullptr) return PassResult{PassEnd::kDeadEnd, count};
            ++count;
            const int nx = x + taken->dx;
            const int ny = y + taken->dy;
            Store(count, nx, ny, side.x, side.y);
            if (count > kUnclosedLimit) return PassResult{PassEnd::kUnclosed, count};
            if (count > kMinClosingCount && std::abs(nx - startX) <= 1 &&
                std::abs(ny - startY) <= 1) {
                return PassResult{PassEnd::kClosed, count};
            }
        }
    }

    const raster::Surface& picture_;
    bool customMap_;
    TraceTables tables_;
    PointSet points_;
};

}  // namespace

bool IsDarkPixel(const raster::Surface& picture, int x, int y) {
    const raster::Colour c = picture.Pixel(x, y);
    if (c == raster::kInvalidColour) return false;
    return raster::RedOf(c) < kLightLimit && raster::GreenOf(c) < kLightLimit &&
           raster::BlueOf(c) < kLightLimit;
}

bool IsDarkOrBluePixel(const raster::Surface& picture, int x, int y) {
    return IsDarkPixel(picture, x, y) || picture.Pixel(x, y) == raster::Rgb(0, 0, 255);
}

int CountLightNeighbourPixels(const raster::Surface& picture, bool customMap, int x, int y) {
    if (!customMap) return 0;
    int count = IsLight(picture, x - 1, y) + IsLight(picture, x + 1, y) +
                IsLight(picture, x, y - 1) + IsLight(picture, x, y + 1);
    if (count >= 3) {
        count += IsLight(picture, x - 1, y - 1) + IsLight(picture, x + 1, y - 1) +
                 IsLight(picture, x + 1, y + 1) + IsLight(picture, x - 1, y + 1);
    }
    return count;
}

bool ArePixelsConnected(const raster::Surface& picture, int x1, int y1, int x2, int y2) {
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    if (std::abs(dx) <= 1 && std::abs(dy) <= 1) return true;
    for (const KnightMove& k : kKnightMoves) {
        if (k.dx == dx && k.dy == dy) {
            return IsLight(picture, x2 + k.ax, y2 + k.ay) || IsLight(picture, x2 + k.bx, y2 + k.by);
        }
    }
    return false;
}

std::int16_t TraceOutline(const raster::Surface& picture, bool customMap, raster::Point origin,
                          TraceTables tables) {
    Tracer tracer(picture, customMap, tables);
    const PassResult up = tracer.RunPass(origin, 0, -1);
    if (up.end == PassEnd::kClosed && up.count >= kGoodOutline) {
        return static_cast<std::int16_t>(up.count);
    }
    if (up.end == PassEnd::kDeadEnd && up.count >= kGoodOutline) return 0;
    const PassResult right = tracer.RunPass(origin, 1, 0);
    return static_cast<std::int16_t>(right.end == PassEnd::kClosed ? right.count : 0);
}

}  // namespace render
