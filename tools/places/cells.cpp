// Territories cut out of real regions: nearest-site cells and the search for their sites.
#include "tools/places/cells.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace places {
namespace {

double ScaleOf(int size) {
    return size == 1 ? 0.70 : size == 3 ? 1.25 : 1.0;
}

// The site of `sites` nearest to the medium point p among those of `region` (edge sites only
// when `edgeOnly`); -1 without one.
int Nearest(const std::vector<Site>& sites, int region, Vec2 p, bool edgeOnly) {
    int best = -1;
    double bestD = 0;
    for (int i = 0; i < static_cast<int>(sites.size()); ++i) {
        if (sites[i].region != region || (edgeOnly && !sites[i].edge)) continue;
        const double dx = sites[i].Middle().x - p.x;
        const double dy = sites[i].Middle().y - p.y;
        const double d = dx * dx + dy * dy;
        if (best < 0 || d < bestD) best = i, bestD = d;
    }
    return best;
}

// City-block distance of every pixel to the nearest pixel for which `from` holds.
template <class Pred>
std::vector<int> DistanceFrom(const Board& board, Pred from) {
    std::vector<int> dist(board.id.size(), -1);
    std::deque<int> queue;
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < board.width; ++x)
            if (from(x, y)) dist[y * board.width + x] = 0, queue.push_back(y * board.width + x);
    while (!queue.empty()) {
        const int i = queue.front();
        queue.pop_front();
        const int x = i % board.width, y = i / board.width;
        const int next[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& d : next) {
            const int nx = x + d[0], ny = y + d[1];
            if (!board.Inside(nx, ny)) continue;
            const int j = ny * board.width + nx;
            if (dist[j] < 0) dist[j] = dist[i] + 1, queue.push_back(j);
        }
    }
    return dist;
}

bool IsRegion(int id) {
    return id >= kRegionBase;
}

// The rule that tells edge sites from the others by where they stand: edge sites are chosen
// close to another region, the others clear of it.
bool IsEdge(const std::vector<int>& toOther, const Board& regions, const Site& s,
            double clearance) {
    const int x = static_cast<int>(std::lround(s.Middle().x));
    const int y = static_cast<int>(std::lround(s.Middle().y));
    if (!regions.Inside(x, y)) return false;
    const int d = toOther[static_cast<std::size_t>(y) * regions.width + x];
    return d >= 0 && d <= clearance + 3;
}

}  // namespace

std::vector<int> DistanceToOther(const Board& regions, int region) {
    const int own = kRegionBase + region;
    return DistanceFrom(regions, [&](int x, int y) {
        return IsRegion(regions.At(x, y)) && regions.At(x, y) != own;
    });
}

namespace {

// Per pixel: within `reach` pixels (city-block) of land of a region other than its own.
std::vector<bool> NearOtherRegion(const Board& board, int reach) {
    std::vector<bool> near(board.id.size(), false);
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < board.width; ++x) {
            const int id = board.At(x, y);
            if (!IsRegion(id)) continue;
            for (int dy = -reach; dy <= reach && !near[y * board.width + x]; ++dy)
                for (int dx = -reach + std::abs(dy); dx <= reach - std::abs(dy); ++dx) {
                    if (!board.Inside(x + dx, y + dy)) continue;
                    const int other = board.At(x + dx, y + dy);
                    if (IsRegion(other) && other != id) {
                        near[y * board.width + x] = true;
                        break;
                    }
                }
        }
    return near;
}

}  // namespace

std::uint64_t Rng::Next() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void AssignCells(Board& board, const std::vector<Site>& sites, double band) {
    const double s = ScaleOf(board.size);
    AssignCells(board, sites,
                NearOtherRegion(board, std::max(1, static_cast<int>(std::lround(band * s)))));
}

std::vector<bool> BandOf(const Board& board, double band) {
    const double s = ScaleOf(board.size);
    return NearOtherRegion(board, std::max(1, static_cast<int>(std::lround(band * s))));
}

void AssignCells(Board& board, const std::vector<Site>& sites, const std::vector<bool>& near) {
    const double s = ScaleOf(board.size);
    std::vector<int> out = board.id;
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < board.width; ++x) {
            const int id = board.At(x, y);
            if (!IsRegion(id)) continue;
            const Vec2 p{(x + 0.5) / s, (y + 0.5) / s};
            int i = Nearest(sites, id - kRegionBase, p, near[y * board.width + x]);
            if (i < 0) i = Nearest(sites, id - kRegionBase, p, false);
            out[y * board.width + x] = i < 0 ? 0 : sites[i].territory;
        }
    board.id = out;
}

std::vector<Site> SearchRegion(const Board& regions, const RegionWish& wish,
                               const std::vector<Site>& fixed, double clearance, double spacing,
                               double band, int tries, Rng& rng) {
    const int own = kRegionBase + wish.region;
    const auto inside = DistanceFrom(regions, [&](int x, int y) {
        return regions.At(x, y) != own || x == 0 || y == 0 || x == regions.width - 1 ||
               y == regions.height - 1;
    });
    const auto toOther = DistanceToOther(regions, wish.region);
    const std::vector<bool> near = NearOtherRegion(regions, static_cast<int>(std::lround(band)));
    std::vector<Vec2> edge, interior;
    std::vector<int> rim;  // the region's pixels beside another region
    for (int y = 0; y < regions.height; ++y)
        for (int x = 0; x < regions.width; ++x) {
            const int i = y * regions.width + x;
            if (regions.id[i] != own) continue;
            if (toOther[i] == 1) rim.push_back(i);
            if (inside[i] < clearance) continue;
            // Sites stand for the middle of their footprints.
            const Vec2 at{x - wish.middle.x, y - wish.middle.y};
            if (toOther[i] >= 0 && toOther[i] <= clearance + 3) edge.push_back(at);
            if (toOther[i] < 0 || toOther[i] >= clearance + band + 3) interior.push_back(at);
        }
    std::vector<Site> pinned = fixed;
    int pinnedEdges = 0;
    for (Site& s : pinned) {
        s.middle = wish.middle;
        s.edge = IsEdge(toOther, regions, s, clearance);
        pinnedEdges += s.edge ? 1 : 0;
    }
    for (int attempt = 0; attempt < tries; ++attempt) {
        std::vector<Site> sites = pinned;
        auto place = [&](const std::vector<Vec2>& from, int count, bool isEdge) {
            int misses = 0, placed = 0;
            while (placed < count && misses < 3000 && !from.empty()) {
                const Vec2 c =
                    from[static_cast<std::size_t>(rng.Below(static_cast<int>(from.size())))];
                bool apart = true;
                for (const Site& s : sites)
                    apart = apart && std::hypot(s.at.x - c.x, s.at.y - c.y) >= spacing;
                if (!apart) {
                    ++misses;
                    continue;
                }
                sites.push_back(Site{0, wish.region, c, isEdge, wish.middle});
                ++placed;
            }
            return placed == count;
        };
        // Lanes may end in the same cell or in an edge cell: then more edge cells are tried.
        const int edgeSites =
            wish.edgeSites + attempt % (static_cast<int>(wish.laneEnds.size()) + 1);
        const int interiorCount = wish.territories - edgeSites - static_cast<int>(fixed.size());
        if (!place(edge, edgeSites - pinnedEdges, true) ||
            !place(interior, interiorCount + pinnedEdges, false))
            continue;
        std::sort(sites.begin() + static_cast<std::ptrdiff_t>(fixed.size()), sites.end(),
                  [](const Site& a, const Site& b) {
                      return a.at.y != b.at.y ? a.at.y < b.at.y : a.at.x < b.at.x;
                  });
        for (int i = 0; i < static_cast<int>(sites.size()); ++i) sites[i].territory = i + 1;
        std::vector<int> border;
        for (const int i : rim) {
            const Vec2 p{i % regions.width + 0.5, i / regions.width + 0.5};
            const int k = Nearest(sites, wish.region, p, near[i]);
            if (k >= 0) border.push_back(sites[k].territory);
        }
        for (const Vec2& end : wish.laneEnds) {
            const int at = static_cast<int>(end.y) * regions.width + static_cast<int>(end.x);
            const int k = Nearest(sites, wish.region, end, near[static_cast<std::size_t>(at)]);
            if (k >= 0) border.push_back(sites[k].territory);
        }
        std::sort(border.begin(), border.end());
        border.erase(std::unique(border.begin(), border.end()), border.end());
        if (static_cast<int>(border.size()) == wish.borderMembers) return sites;
    }
    return {};
}

void MarkEdges(const Board& regions, std::vector<Site>& sites, double clearance) {
    std::vector<std::vector<int>> toOther;
    for (Site& s : sites) {
        if (static_cast<int>(toOther.size()) <= s.region) toOther.resize(s.region + 1);
        if (toOther[s.region].empty()) toOther[s.region] = DistanceToOther(regions, s.region);
        s.edge = IsEdge(toOther[s.region], regions, s, clearance);
    }
}

}  // namespace places
