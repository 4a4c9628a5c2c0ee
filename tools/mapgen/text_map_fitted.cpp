// Drawing the land of a map text whose label points and neighbours are fixed: each territory
// is the land nearest to its seeds on its own side of a river; the river is water except for
// the land bridges where two neighbours face each other across it.
#include "tools/mapgen/text_map_fitted.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "tools/art/noise.h"
#include "tools/mapgen/board_rules.h"

namespace mapgen {
namespace {

constexpr int kMargin = 8;
constexpr int kPanelMargin = 10;
constexpr double kLandReach = 115;  // how far land reaches from a label point
constexpr double kBridgeHalf = 7;   // half the width of a land bridge
constexpr int kJunctionHalf = 9;    // the square around the junction cut into quadrants
// A label point's middle lies about this far right of and below it.
constexpr double kMiddleX = 9, kMiddleY = 2;

double RiverY(const FittedLand& land, double x) {
    const auto& r = land.river;
    if (x <= r.front().x) return r.front().y;
    for (std::size_t k = 1; k < r.size(); ++k)
        if (x <= r[k].x) {
            const double t = (x - r[k - 1].x) / (r[k].x - r[k - 1].x);
            return r[k - 1].y + t * (r[k].y - r[k - 1].y);
        }
    return r.back().y;
}

// How far (x, y) lies from the river's middle line.
double RiverDistance(const FittedLand& land, double x, double y) {
    double best = 1e18;
    const auto& r = land.river;
    for (std::size_t k = 1; k < r.size(); ++k) {
        const double ax = r[k - 1].x, ay = r[k - 1].y, bx = r[k].x, by = r[k].y;
        const double len = (bx - ax) * (bx - ax) + (by - ay) * (by - ay);
        const double t = std::clamp(((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / len, 0.0, 1.0);
        best = std::min(best, std::hypot(x - ax - t * (bx - ax), y - ay - t * (by - ay)));
    }
    return best;
}

// The junction whose square holds pixel (x, y), or nullptr.
const FittedJunction* JunctionAt(const FittedLand& land, int x, int y) {
    for (const FittedJunction& j : land.junctions)
        if (std::abs(x + 0.5 - j.at.x) < kJunctionHalf &&
            std::abs(y + 0.5 - j.at.y) < kJunctionHalf)
            return &j;
    return nullptr;
}

bool Owns(const FittedJunction& j, int t) {
    return std::find(std::begin(j.owners), std::end(j.owners), t) != std::end(j.owners);
}

}  // namespace

std::optional<GivenTerritories> ReadTerritoryLines(const std::vector<std::string>& lines,
                                                   std::string* error) {
    GivenTerritories given;
    const int n = static_cast<int>(lines.size());
    given.labels.assign(static_cast<std::size_t>(n) + 1, FittedPoint{0, 0});
    for (int t = 1; t <= n; ++t) {
        std::istringstream in(lines[static_cast<std::size_t>(t - 1)]);
        int id = 0;
        std::string code;
        double x = 0, y = 0;
        if (!(in >> id >> code >> x >> y) || id != t) {
            *error = "territory line " + std::to_string(t) + " cannot be read";
            return std::nullopt;
        }
        given.labels[static_cast<std::size_t>(t)] = FittedPoint{x, y};
        for (int u = 0; in >> u;) {
            if (u < 1 || u > n || u == t) {
                *error =
                    "territory " + std::to_string(t) + " names no territory " + std::to_string(u);
                return std::nullopt;
            }
            given.pairs.insert({std::min(t, u), std::max(t, u)});
        }
    }
    return given;
}

const FittedLand& ParisLand() {
    static const FittedLand land = [] {
        FittedLand l;
        l.seed = 75;
        l.river = {{-20, 372}, {70, 360},  {150, 349}, {225, 318}, {290, 272}, {330, 266},
                   {380, 296}, {440, 330}, {490, 352}, {520, 363}, {570, 365}, {600, 384},
                   {640, 418}, {700, 446}, {780, 468}, {980, 480}};
        l.riverHalfWidth = 6;
        l.northTerritories = 15;
        l.junctions = {{{455, 275}, {4, 3, 2, 1}},
                       {{395, 140}, {13, 12, 6, 5}},
                       {{570, 215}, {7, 11, 10, 8}},
                       {{545, 365}, {2, 9, 20, 21}}};
        l.seeds = {{13, 215, 120}, {15, 165, 215}, {14, 100, 160}, {1, 388, 205},
                   {16, 285, 365}, {18, 330, 372}, {2, 450, 322},  {18, 455, 355}};
        return l;
    }();
    return land;
}

std::optional<OwnerGrid> FittedOwners(const FittedLand& land, const GivenTerritories& given,
                                      raster::Rect keepClear, std::string* error) {
    const int n = static_cast<int>(given.labels.size()) - 1;
    const PictureSize size = BoardSize(2);
    OwnerGrid g;
    g.width = size.width;
    g.height = size.height;
    g.owner.assign(static_cast<std::size_t>(g.width) * g.height, 0);
    std::vector<FittedSeed> seeds;
    for (int t = 1; t <= n; ++t)
        seeds.push_back({t, given.labels[t].x + kMiddleX, given.labels[t].y + kMiddleY});
    seeds.insert(seeds.end(), land.seeds.begin(), land.seeds.end());
    for (const FittedJunction& j : land.junctions)
        for (int q = 0; q < 4; ++q)
            seeds.push_back({j.owners[q], j.at.x + (q == 1 || q == 2 ? 12 : -12),
                             j.at.y + (q >= 2 ? 12 : -12)});
    const raster::Rect clear{keepClear.left - kPanelMargin, keepClear.top - kPanelMargin,
                             keepClear.right + kPanelMargin, keepClear.bottom + kPanelMargin};
    auto north = [&](int t) { return t <= land.northTerritories; };
    std::vector<int> landMask(g.owner.size(), 0);
    for (int y = kMargin; y < g.height - kMargin; ++y)
        for (int x = kMargin; x < g.width - kMargin; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            // Land: near enough to some seed, the reach bent by noise and kept off the edges.
            double reach = -1;
            for (const FittedSeed& s : seeds)
                reach = std::max(reach, 1 - std::hypot(px - s.x, py - s.y) / kLandReach);
            const double edge = std::min({px, py, g.width - px, g.height - py});
            const double dx = std::max({clear.left - px, 0.0, px - clear.right});
            const double dy = std::max({clear.top - py, 0.0, py - clear.bottom});
            reach -= std::max(0.0, 1 - edge / 60.0) * 0.6 +
                     std::max(0.0, 1 - std::hypot(dx, dy) / 90.0) * 1.2;
            reach += (art::FractalNoise(px / 80.0, py / 80.0, land.seed, 4) - 0.5) * 0.45;
            if (reach > 0 && !(dx == 0 && dy == 0)) landMask[g.At(x, y)] = 1;
        }
    TidyLand(landMask, g.width, g.height, 2500);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            if (landMask[g.At(x, y)] == 0) continue;
            const double px = x + 0.5, py = y + 0.5;
            const bool northSide = py < RiverY(land, px);
            const double wx =
                px + (art::FractalNoise(px / 55.0, py / 55.0, land.seed + 1, 3) - 0.5) * 24;
            const double wy =
                py + (art::FractalNoise(px / 55.0, py / 55.0, land.seed + 2, 3) - 0.5) * 24;
            int best = 0;
            double bestD = 1e18;
            for (const FittedSeed& s : seeds) {
                if (north(s.territory) != northSide) continue;
                const double d = (wx - s.x) * (wx - s.x) + (wy - s.y) * (wy - s.y);
                if (d < bestD) bestD = d, best = s.territory;
            }
            g.owner[g.At(x, y)] = best;
        }
    // The four territories of the junction meet at one corner.
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const FittedJunction* j = JunctionAt(land, x, y);
            if (j == nullptr) continue;
            const bool west = x + 0.5 < j->at.x, up = y + 0.5 < j->at.y;
            g.owner[g.At(x, y)] = j->owners[up ? (west ? 0 : 1) : (west ? 3 : 2)];
        }
    // Land bridges where neighbours face each other across the river; water everywhere else.
    const double probe = land.riverHalfWidth + 3;
    std::vector<std::vector<double>> facing(static_cast<std::size_t>(n) + 1);
    std::vector<std::pair<double, double>> bridges;
    for (const auto& [a, b] : given.pairs) {
        if (north(a) == north(b)) continue;
        std::vector<double> xs;
        for (int x = kMargin; x < g.width - kMargin; ++x) {
            const int ry = static_cast<int>(std::lround(RiverY(land, x + 0.5)));
            const int up = ry - static_cast<int>(probe), down = ry + static_cast<int>(probe);
            if (!g.Inside(x, up) || !g.Inside(x, down)) continue;
            const int n0 = g.owner[g.At(x, up)], s0 = g.owner[g.At(x, down)];
            if ((n0 == a && s0 == b) || (n0 == b && s0 == a)) xs.push_back(x + 0.5);
        }
        const bool atJunction = std::any_of(land.junctions.begin(), land.junctions.end(),
                                            [&](auto& j) { return Owns(j, a) && Owns(j, b); });
        if (atJunction) continue;
        // Neighbours that do not face each other get no bridge; the picture's check names them.
        if (xs.size() < 2 * kBridgeHalf + 4) continue;
        const double mid = xs[xs.size() / 2];
        bridges.emplace_back(mid - kBridgeHalf, mid + kBridgeHalf);
    }
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const double px = x + 0.5;
            if (JunctionAt(land, x, y) != nullptr ||
                RiverDistance(land, px, y + 0.5) > land.riverHalfWidth)
                continue;
            const bool bridge = std::any_of(bridges.begin(), bridges.end(), [&](auto& b) {
                return px >= b.first && px < b.second;
            });
            if (!bridge) g.owner[g.At(x, y)] = 0;
        }
    if (!MergeStrayPieces(g, n)) {
        *error = "a territory lost all its land";
        return std::nullopt;
    }
    return g;
}

}  // namespace mapgen
