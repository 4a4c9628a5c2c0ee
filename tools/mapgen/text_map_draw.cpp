// Drawing the imagined map texts, their contacts and their sea lanes.
#include "tools/mapgen/text_map_draw.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iterator>

#include "tools/mapgen/board_rules.h"
#include "tools/mapgen/drawing.h"
#include "tools/mapgen/strip_map.h"

namespace mapgen {
namespace {

constexpr raster::Colour kWhite = raster::Rgb(255, 255, 255);
constexpr int kLongestExtraLane = 70;

// The grid's value under pixel (x, y) of the picture of `size`.
int Under(const OwnerGrid& g, int size, int x, int y) {
    if (size == 3) {
        x = std::min(x * 4 / 5, g.width - 1);
        y = std::min(y * 4 / 5, g.height - 1);
    }
    return g.owner[static_cast<std::size_t>(g.At(x, y))];
}

// Keeps the largest 4-connected white piece of each territory; the rest turns grey.
void KeepMainPieces(TextDrawing& d, int territories) {
    const std::vector<int> main =
        MainPieces(d.white, d.picture.Width(), d.picture.Height(), territories);
    for (std::size_t p = 0; p < d.white.size(); ++p)
        if (d.white[p] != 0 && main[p] == 0) {
            d.white[p] = 0;
            d.picture.Pixels()[p] = kBorderGrey;
        }
}

// The one territory with land within two pixels of (x, y): its number, 0 for none, -1 for more.
int SoleLandNear(const OwnerGrid& g, int x, int y) {
    int found = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            if (!g.Inside(x + dx, y + dy)) continue;
            const int o = g.owner[g.At(x + dx, y + dy)];
            if (o == 0) continue;
            if (o < 0 || (found != 0 && found != o)) return -1;
            found = o;
        }
    return found;
}

bool LandBeside(const OwnerGrid& g, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (g.Inside(x + dx, y + dy) && g.owner[g.At(x + dx, y + dy)] != 0) return true;
    return false;
}

struct LaneSea {
    std::vector<int> endOf;  // per pixel: the territory a lane may end on here, 0 none
    std::vector<bool> open;  // per pixel: a lane may pass (sea, no land beside)
};

// A lane may end beside a coast pixel whose grey lies beside its territory's white.
bool CoastBeside(const TextDrawing& d, int x, int y, int t) {
    const int w = d.picture.Width(), h = d.picture.Height();
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int gx = x + dx, gy = y + dy;
            if (gx < 0 || gy < 0 || gx >= w || gy >= h || d.picture.Pixel(gx, gy) != kBorderGrey)
                continue;
            for (int ey = -1; ey <= 1; ++ey)
                for (int ex = -1; ex <= 1; ++ex) {
                    const int wx = gx + ex, wy = gy + ey;
                    if (wx >= 0 && wy >= 0 && wx < w && wy < h &&
                        d.white[static_cast<std::size_t>(wy * w + wx)] == t)
                        return true;
                }
        }
    return false;
}

LaneSea ReadSea(const OwnerGrid& g, raster::Rect keepClear, int territories) {
    const TextDrawing medium = DrawTextMap(g, 2, territories);
    LaneSea sea;
    sea.endOf.assign(g.owner.size(), 0);
    sea.open.assign(g.owner.size(), false);
    for (int y = 2; y < g.height - 2; ++y)
        for (int x = 2; x < g.width - 2; ++x) {
            const int p = g.At(x, y);
            if (g.owner[p] != 0) continue;
            if (x >= keepClear.left - 2 && x < keepClear.right + 2 && y >= keepClear.top - 2 &&
                y < keepClear.bottom + 2)
                continue;
            const int sole = SoleLandNear(g, x, y);
            if (sole < 0) continue;
            if (!LandBeside(g, x, y)) {
                // Away from other lanes too, so that no two lanes meet.
                sea.open[p] = true;
                for (int dy = -2; dy <= 2 && sea.open[p]; ++dy)
                    for (int dx = -2; dx <= 2; ++dx)
                        if (g.owner[g.At(x + dx, y + dy)] == kLanePixel) sea.open[p] = false;
            } else if (sole > 0 && CoastBeside(medium, x, y, sole)) {
                sea.endOf[p] = sole;
            }
        }
    return sea;
}

// What a lane search marks per pixel, kept between searches: a pixel's marks count only when
// stamped with the search's own round, so that no search has to clear the picture first.
struct LaneScratch {
    std::vector<int> parent;
    std::vector<int> depth;
    std::vector<std::uint32_t> stamp;
    std::uint32_t round = 0;
};

// The shortest lane from a territory `from` accepts to one `to` accepts, at most `longest`
// pixels; empty when there is none. The first and last pixels lie beside the two coasts.
template <typename From, typename To>
std::vector<int> FindLane(const OwnerGrid& g, const LaneSea& sea, From from, To to, int longest,
                          LaneScratch& scratch) {
    const int w = g.width;
    if (scratch.stamp.size() != g.owner.size()) {
        scratch.parent.assign(g.owner.size(), 0);
        scratch.depth.assign(g.owner.size(), 0);
        scratch.stamp.assign(g.owner.size(), 0);
    }
    const std::uint32_t round = ++scratch.round;
    std::vector<int>& parent = scratch.parent;
    std::vector<int>& depth = scratch.depth;
    auto reach = [&](int q, int by, int d) {
        scratch.stamp[static_cast<std::size_t>(q)] = round;
        parent[static_cast<std::size_t>(q)] = by;
        depth[static_cast<std::size_t>(q)] = d;
    };
    std::deque<int> queue;
    for (std::size_t p = 0; p < g.owner.size(); ++p)
        if (sea.endOf[p] > 0 && from(sea.endOf[p])) {
            reach(static_cast<int>(p), -1, 0);
            queue.push_back(static_cast<int>(p));
        }
    while (!queue.empty()) {
        const int p = queue.front();
        queue.pop_front();
        if (depth[p] >= longest) continue;
        const int x = p % w, y = p / w;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                if ((dx == 0 && dy == 0) || !g.Inside(x + dx, y + dy)) continue;
                const int q = g.At(x + dx, y + dy);
                if (scratch.stamp[static_cast<std::size_t>(q)] == round) continue;
                const bool end = sea.endOf[q] > 0 && to(sea.endOf[q]) && parent[p] != -1;
                if (!end && !sea.open[q]) continue;
                reach(q, p, depth[p] + 1);
                if (end) {
                    std::vector<int> path;
                    for (int at = q; at >= 0; at = parent[at]) path.push_back(at);
                    return path;
                }
                queue.push_back(q);
            }
    }
    return {};
}

// The straight line between a lane's two ends when the open sea allows it (a searched lane
// wanders in steps of 45 degrees); otherwise the lane as it was found.
std::vector<int> Straightened(const OwnerGrid& g, const LaneSea& sea, const std::vector<int>& lane,
                              bool* straight = nullptr) {
    if (straight != nullptr) *straight = false;
    if (lane.size() < 3) return lane;
    const int w = g.width;
    const int x0 = lane.front() % w, y0 = lane.front() / w;
    const int x1 = lane.back() % w, y1 = lane.back() / w;
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    std::vector<int> line;
    for (int k = 0; k <= steps; ++k) {
        const int x =
            x0 + static_cast<int>(std::lround((x1 - x0) * static_cast<double>(k) / steps));
        const int y =
            y0 + static_cast<int>(std::lround((y1 - y0) * static_cast<double>(k) / steps));
        const int p = g.At(x, y);
        if (k > 0 && k < steps && !sea.open[static_cast<std::size_t>(p)]) return lane;
        line.push_back(p);
    }
    if (straight != nullptr) *straight = true;
    return line;
}

int Find(std::vector<int>& parent, int i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
}

}  // namespace

TextDrawing DrawTextMap(const OwnerGrid& grid, int size, int territories) {
    const PictureSize board = BoardSize(size);
    const int w = board.width, h = board.height;
    TextDrawing d;
    d.size = size;
    d.picture = raster::Surface(w, h, 0);
    d.white.assign(static_cast<std::size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int o = Under(grid, size, x, y);
            if (o == kLanePixel) d.picture.SetPixel(x, y, kLaneGrey);
            if (o <= 0) continue;
            bool edge = false;
            for (int dy = -1; dy <= 1 && !edge; ++dy)
                for (int dx = -1; dx <= 1 && !edge; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    edge = nx < 0 || ny < 0 || nx >= w || ny >= h || Under(grid, size, nx, ny) != o;
                }
            d.picture.SetPixel(x, y, edge ? kBorderGrey : kWhite);
            if (!edge) d.white[static_cast<std::size_t>(y * w + x)] = o;
        }
    KeepMainPieces(d, territories);
    return d;
}

PairSet TouchingTerritories(const TextDrawing& d) {
    const int w = d.picture.Width(), h = d.picture.Height();
    std::vector<std::array<int, 4>> owners(d.white.size(), std::array<int, 4>{});
    auto grey = [&](int x, int y) { return d.picture.Pixel(x, y) == kBorderGrey; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int t = d.white[static_cast<std::size_t>(y * w + x)];
            if (t == 0) continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h || !grey(nx, ny)) continue;
                    auto& list = owners[static_cast<std::size_t>(ny * w + nx)];
                    for (int& slot : list) {
                        if (slot == t) break;
                        if (slot == 0) {
                            slot = t;
                            break;
                        }
                    }
                }
        }
    PairSet pairs;
    auto add = [&](int a, int b) {
        if (a > 0 && b > 0 && a != b) pairs.insert({std::min(a, b), std::max(a, b)});
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!grey(x, y)) continue;
            for (int dy = 0; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny >= h || nx >= w || !grey(nx, ny)) continue;
                    for (int p : owners[static_cast<std::size_t>(y * w + x)])
                        for (int q : owners[static_cast<std::size_t>(ny * w + nx)]) add(p, q);
                }
        }
    return pairs;
}

bool AgreeOnContacts(OwnerGrid& grid, int territories, PairSet* pairs) {
    for (int round = 0; round < 8; ++round) {
        const PairSet medium = TouchingTerritories(DrawTextMap(grid, 2, territories));
        const PairSet large = TouchingTerritories(DrawTextMap(grid, 3, territories));
        std::vector<std::pair<int, int>> differ;
        std::set_symmetric_difference(medium.begin(), medium.end(), large.begin(), large.end(),
                                      std::back_inserter(differ));
        if (differ.empty()) {
            *pairs = medium;
            return true;
        }
        for (const auto& [a, b] : differ) {
            std::vector<std::pair<int, int>> changes;
            for (int y = 0; y < grid.height; ++y)
                for (int x = 0; x < grid.width; ++x) {
                    const int o = grid.owner[grid.At(x, y)];
                    if (o != a && o != b) continue;
                    const int other = o == a ? b : a;
                    bool near = false;
                    for (int dy = -2; dy <= 2 && !near; ++dy)
                        for (int dx = -2; dx <= 2 && !near; ++dx)
                            near = grid.Inside(x + dx, y + dy) &&
                                   grid.owner[grid.At(x + dx, y + dy)] == other;
                    if (!near) continue;
                    std::array<int, 16> seen{}, count{};
                    int kinds = 0, best = 0, most = 0;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) {
                            if (!grid.Inside(x + dx, y + dy)) continue;
                            const int q = grid.owner[grid.At(x + dx, y + dy)];
                            if (q == a || q == b || q < 0) continue;
                            int k = 0;
                            while (k < kinds && seen[k] != q) ++k;
                            if (k == kinds) seen[kinds++] = q;
                            if (++count[k] > most) most = count[k], best = q;
                        }
                    changes.emplace_back(grid.At(x, y), best);
                }
            for (const auto& [p, to] : changes) grid.owner[static_cast<std::size_t>(p)] = to;
        }
        if (!MergeStrayPieces(grid, territories)) return false;
    }
    return false;
}

bool LaySeaLanes(OwnerGrid& grid, int territories, raster::Rect keepClear, int extra,
                 std::uint32_t seed, int maxNeighbours, PairSet& neighbours) {
    std::vector<int> degree(static_cast<std::size_t>(territories) + 1, 0);
    LaneScratch scratch;
    for (const auto& [a, b] : neighbours) ++degree[a], ++degree[b];
    auto draw = [&](const std::vector<int>& path) {
        const int a = SoleLandNear(grid, path.back() % grid.width, path.back() / grid.width);
        const int b = SoleLandNear(grid, path.front() % grid.width, path.front() / grid.width);
        for (int p : path) grid.owner[static_cast<std::size_t>(p)] = kLanePixel;
        neighbours.insert({std::min(a, b), std::max(a, b)});
        ++degree[a], ++degree[b];
    };
    for (;;) {
        std::vector<int> parent(static_cast<std::size_t>(territories) + 1);
        for (int t = 0; t <= territories; ++t) parent[t] = t;
        for (const auto& [a, b] : neighbours) parent[Find(parent, a)] = Find(parent, b);
        std::vector<int> size(parent.size(), 0);
        for (int t = 1; t <= territories; ++t) ++size[Find(parent, t)];
        int smallest = 0;
        for (int t = 1; t <= territories; ++t)
            if (size[t] > 0 && size[t] < territories && (smallest == 0 || size[t] < size[smallest]))
                smallest = t;
        if (smallest == 0) break;
        const LaneSea sea = ReadSea(grid, keepClear, territories);
        const std::vector<int> lane = FindLane(
            grid, sea,
            [&](int t) { return Find(parent, t) == smallest && degree[t] < maxNeighbours; },
            [&](int t) { return Find(parent, t) != smallest && degree[t] < maxNeighbours; },
            grid.width + grid.height, scratch);
        if (lane.empty()) return false;
        draw(Straightened(grid, sea, lane));
    }
    Rng rng(seed ^ 0x1A4Eu);
    // The sea changes only where a lane is drawn: read again after each.
    LaneSea sea = ReadSea(grid, keepClear, territories);
    for (int added = 0, tries = 0; added < extra && tries < 40 * (extra + 1); ++tries) {
        const int from = 1 + rng.Below(territories);
        if (degree[from] >= maxNeighbours - 2) continue;
        const std::vector<int> lane = FindLane(
            grid, sea, [&](int t) { return t == from; },
            [&](int t) {
                return t != from && degree[t] < maxNeighbours - 2 &&
                       !neighbours.contains({std::min(t, from), std::max(t, from)});
            },
            kLongestExtraLane, scratch);
        if (lane.size() < 6) continue;  // so short a lane would look like a drawing fault
        // A lane that no land needs is drawn only where it can run straight.
        bool straight = false;
        const std::vector<int> line = Straightened(grid, sea, lane, &straight);
        if (!straight) continue;
        draw(line);
        ++added;
        sea = ReadSea(grid, keepClear, territories);
    }
    return true;
}

bool LaySeaLaneBetween(OwnerGrid& grid, int territories, raster::Rect keepClear, int a, int b,
                       PairSet& neighbours) {
    const LaneSea sea = ReadSea(grid, keepClear, territories);
    LaneScratch scratch;
    const std::vector<int> lane = FindLane(
        grid, sea, [&](int t) { return t == a; }, [&](int t) { return t == b; },
        grid.width + grid.height, scratch);
    if (lane.empty()) return false;
    for (int p : Straightened(grid, sea, lane))
        grid.owner[static_cast<std::size_t>(p)] = kLanePixel;
    neighbours.insert({std::min(a, b), std::max(a, b)});
    return true;
}

}  // namespace mapgen
