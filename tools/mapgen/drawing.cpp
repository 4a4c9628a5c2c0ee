// Rasterising the strips, drawing borders and lanes, and tracing the pieces' outlines.
#include "tools/mapgen/drawing.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/mapgen/board_rules.h"

namespace mapgen {
namespace {

constexpr raster::Colour kWhite = raster::Rgb(255, 255, 255);
constexpr raster::Colour kSea = 0;

// How far a closed stretch pulls the row's edge across the gap at u.
double Reach(const std::vector<Contact>& contacts, double u, double ramp) {
    double most = 0;
    for (const Contact& c : contacts) {
        double closeness = 1;
        if (u < c.c0) closeness = 1 - (c.c0 - u) / ramp;
        if (u > c.c1) closeness = 1 - (u - c.c1) / ramp;
        most = std::max(most, std::clamp(closeness, 0.0, 1.0) * c.gap / 2);
    }
    return most;
}

int TerritoryAt(const Row& row, double ramp, double u, double v) {
    if (u < row.u0 || u >= row.u1) return 0;
    double top = row.v0 - Reach(row.top, u, ramp);
    double bottom = row.v1 + Reach(row.bottom, u, ramp);
    // A free rounded end is a half disc in strip space.
    const double half = (row.v1 - row.v0) / 2, mid = (row.v0 + row.v1) / 2;
    double d = half;
    if (row.round && !row.joinedStart) d = std::min(d, u - row.u0);
    if (row.round && !row.joinedEnd) d = std::min(d, row.u1 - u);
    if (d < half) {
        const double t = (half - d) / half;
        const double reach = half * std::sqrt(std::max(0.0, 1 - t * t));
        top = std::max(top, mid - reach);
        bottom = std::min(bottom, mid + reach);
    }
    if (v < top || v >= bottom) return 0;
    return row.territories[static_cast<std::size_t>(row.SegmentAt(u))];
}

}  // namespace

std::vector<int> Pieces(const std::vector<int>& value, int width, int height,
                        std::vector<int>* sizes) {
    std::vector<int> piece(value.size(), -1), stack;
    sizes->clear();
    for (int start = 0; start < static_cast<int>(value.size()); ++start) {
        if (piece[start] >= 0) continue;
        const int id = static_cast<int>(sizes->size());
        sizes->push_back(0);
        piece[start] = id;
        stack.push_back(start);
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            ++(*sizes)[id];
            const int x = p % width, y = p / width;
            const std::array<std::array<int, 2>, 4> next{
                {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= width || n[1] >= height) continue;
                const int q = n[1] * width + n[0];
                if (piece[q] < 0 && value[q] == value[start]) piece[q] = id, stack.push_back(q);
            }
        }
    }
    return piece;
}

std::vector<int> MainPieces(const std::vector<int>& white, int width, int height, int territories) {
    std::vector<int> sizes;
    const std::vector<int> piece = Pieces(white, width, height, &sizes);
    std::vector<int> ownerOf(sizes.size(), 0);
    for (std::size_t p = 0; p < white.size(); ++p)
        ownerOf[static_cast<std::size_t>(piece[p])] = white[p];
    std::vector<int> best(static_cast<std::size_t>(territories) + 1, -1);
    for (int id = 0; id < static_cast<int>(sizes.size()); ++id) {
        int& b = best[static_cast<std::size_t>(ownerOf[id])];
        if (b < 0 || sizes[id] > sizes[b]) b = id;
    }
    std::vector<int> main(white.size(), 0);
    for (std::size_t p = 0; p < white.size(); ++p)
        if (white[p] != 0 && piece[p] == best[static_cast<std::size_t>(white[p])])
            main[p] = white[p];
    return main;
}

std::vector<int> Owners(const Layout& layout, int size) {
    const PictureSize board = BoardSize(size);
    const double scale = ScaleOf(size);
    std::vector<int> owner(static_cast<std::size_t>(board.width) * board.height, 0);
    const MapInputs& inputs = layout.inputs;
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < board.width; ++x) {
            const double mx = (x + 0.5) / scale, my = (y + 0.5) / scale;
            int found = 0;
            for (std::size_t g = 0; g < inputs.groups.size() && found == 0; ++g) {
                double u = 0, v = 0;
                if (!inputs.groups[g].ToStrip(mx, my, &u, &v)) continue;
                for (const Row& row : inputs.rows) {
                    if (row.group != static_cast<int>(g)) continue;
                    found = TerritoryAt(row, inputs.ramp, u, v);
                    if (found != 0) break;
                }
            }
            owner[static_cast<std::size_t>(y) * board.width + x] = found;
        }
    return owner;
}

Drawing Draw(const Layout& layout, int size) {
    return DrawOwnerGrid(Owners(layout, size), size, layout.territories);
}

Drawing DrawOwnerGrid(const std::vector<int>& owner, int size, int territories) {
    const PictureSize board = BoardSize(size);
    const int w = board.width, h = board.height;
    Drawing d;
    d.size = size;
    d.picture = raster::Surface(w, h, kSea);
    std::vector<int> white(owner.size(), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int o = owner[static_cast<std::size_t>(y * w + x)];
            if (o == 0) continue;
            bool edge = false;
            for (int dy = -1; dy <= 1 && !edge; ++dy)
                for (int dx = -1; dx <= 1 && !edge; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    edge = nx < 0 || ny < 0 || nx >= w || ny >= h ||
                           owner[static_cast<std::size_t>(ny * w + nx)] != o;
                }
            d.picture.SetPixel(x, y, edge ? kBorderGrey : kWhite);
            if (!edge) white[static_cast<std::size_t>(y * w + x)] = o;
        }
    d.white = MainPieces(white, w, h, territories);
    for (std::size_t p = 0; p < white.size(); ++p)
        if (white[p] != 0 && d.white[p] == 0)
            d.picture.Pixels()[p] = kBorderGrey;  // a crumb cut off from its territory
    return d;
}

void DrawLanes(Drawing& drawing, const Layout& layout) {
    const double scale = ScaleOf(drawing.size);
    for (int index : layout.lanes) {
        const SeaLane& lane = layout.inputs.lanes[static_cast<std::size_t>(index)];
        const Vec a = LaneAnchor(layout.inputs, lane, true),
                  b = LaneAnchor(layout.inputs, lane, false);
        int x0 = static_cast<int>(std::lround(a.x * scale)),
            y0 = static_cast<int>(std::lround(a.y * scale));
        const int x1 = static_cast<int>(std::lround(b.x * scale)),
                  y1 = static_cast<int>(std::lround(b.y * scale));
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            if (drawing.picture.Pixel(x0, y0) == kSea) drawing.picture.SetPixel(x0, y0, kLaneGrey);
            if (x0 == x1 && y0 == y1) break;
            const int e2 = 2 * err;
            if (e2 >= dy) err += dy, x0 += sx;
            if (e2 <= dx) err += dx, y0 += sy;
        }
    }
}

maps::OutlineSet Outlines(const Drawing& drawing, int territories) {
    const int w = drawing.picture.Width(), h = drawing.picture.Height();
    maps::OutlineSet set;
    set.rows.resize(static_cast<std::size_t>(territories) + 1);
    std::vector<int> first(set.rows.size(), -1);
    for (int p = 0; p < w * h; ++p)
        if (drawing.white[p] != 0 && first[static_cast<std::size_t>(drawing.white[p])] < 0)
            first[static_cast<std::size_t>(drawing.white[p])] = p;
    for (int t = 1; t <= territories; ++t) {
        const int start = first[static_cast<std::size_t>(t)];
        if (start < 0) continue;
        auto in = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < w && y < h && drawing.white[drawing.At(x, y)] == t;
        };
        // Walk the corners with the piece on the right: east, south, west, north.
        constexpr int kDx[4] = {1, 0, -1, 0}, kDy[4] = {0, 1, 0, -1};
        const int sx = start % w, sy = start / w;
        int x = sx, y = sy, dir = 0;
        auto& row = set.rows[static_cast<std::size_t>(t)];
        row.push_back(raster::Point{x, y});
        do {
            x += kDx[dir];
            y += kDy[dir];
            // The pixels ahead of the corner, on the right and on the left of the heading.
            constexpr int kRight[4][2] = {{0, 0}, {-1, 0}, {-1, -1}, {0, -1}};
            constexpr int kLeft[4][2] = {{0, -1}, {0, 0}, {-1, 0}, {-1, -1}};
            const bool right = in(x + kRight[dir][0], y + kRight[dir][1]);
            const bool left = in(x + kLeft[dir][0], y + kLeft[dir][1]);
            const int turn = right ? (left ? 3 : 0) : 1;
            const int next = (dir + turn) % 4;
            if (next != dir) row.push_back(raster::Point{x, y});
            dir = next;
        } while (!(x == sx && y == sy && dir == 0));
        if (row.back() != row.front()) row.push_back(row.front());
    }
    return set;
}

}  // namespace mapgen
