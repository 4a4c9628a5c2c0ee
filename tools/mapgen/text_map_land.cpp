// The land shapes of the imagined map texts: noise coasts cut by warped nearest seeds,
// hexagon lattices, ring systems and wavy lines.
#include "tools/mapgen/text_map_land.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "tools/art/noise.h"
#include "tools/mapgen/board_rules.h"
#include "tools/mapgen/drawing.h"
#include "tools/mapgen/strip_map.h"

namespace mapgen {
namespace {

constexpr int kMargin = 8;        // land keeps off the picture's edge
constexpr int kPanelMargin = 10;  // and off the players panel
constexpr double kPi = 3.14159265358979323846;

struct P {
    double x;
    double y;
};

double Dist(P a, P b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

raster::Rect Grown(raster::Rect r, int by) {
    return raster::Rect{r.left - by, r.top - by, r.right + by, r.bottom + by};
}

bool InRect(const raster::Rect& r, double x, double y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// How far a point stands from a rectangle (0 inside it).
double DistToRect(const raster::Rect& r, P p) {
    const double dx = std::max({r.left - p.x, 0.0, p.x - r.right});
    const double dy = std::max({r.top - p.y, 0.0, p.y - r.bottom});
    return std::hypot(dx, dy);
}

OwnerGrid EmptyGrid() {
    const PictureSize size = BoardSize(2);
    OwnerGrid g;
    g.width = size.width;
    g.height = size.height;
    g.owner.assign(static_cast<std::size_t>(g.width) * g.height, 0);
    return g;
}

bool Usable(const OwnerGrid& g, const raster::Rect& clear, int x, int y) {
    return x >= kMargin && y >= kMargin && x < g.width - kMargin && y < g.height - kMargin &&
           !InRect(clear, x, y);
}

// Places `count` disc centres of the given radii apart from each other and the panel.
std::vector<P> PlaceDiscs(const OwnerGrid& g, const raster::Rect& clear,
                          const std::vector<double>& radii, Rng& rng) {
    std::vector<P> centres;
    for (double r : radii) {
        P best{g.width / 2.0, g.height / 2.0};
        double bestScore = -1e9;
        for (int attempt = 0; attempt < 60; ++attempt) {
            const double lo = std::min(r * 0.8 + kMargin, g.width / 2.0);
            const double loY = std::min(r * 0.8 + kMargin, g.height / 2.0);
            const P c{lo + rng.Unit() * (g.width - 2 * lo),
                      loY + rng.Unit() * (g.height - 2 * loY)};
            double score = DistToRect(clear, c) - r;
            for (std::size_t i = 0; i < centres.size(); ++i)
                score = std::min(score, Dist(c, centres[i]) - r - radii[i]);
            if (score > bestScore) bestScore = score, best = c;
        }
        centres.push_back(best);
    }
    return centres;
}

// The noise-edged union of discs, as a land score above 0 on land.
struct BlobField {
    std::vector<P> centres;
    std::vector<double> radii;
    std::uint32_t seed = 0;
    int width = 0;
    int height = 0;
    raster::Rect clear{};
    double At(double x, double y) const {
        double best = -1;
        for (std::size_t i = 0; i < centres.size(); ++i) {
            // A disc more than twice its radius away cannot raise the score above -1.
            const double dx = x - centres[i].x, dy = y - centres[i].y;
            if (dx * dx + dy * dy >= 4 * radii[i] * radii[i]) continue;
            best = std::max(best, 1 - std::sqrt(dx * dx + dy * dy) / radii[i]);
        }
        return best - Fade(x, y) + (art::FractalNoise(x / 95.0, y / 95.0, seed, 4) - 0.5) * 0.95;
    }
    // Coasts bend away from the picture's edge and the players panel instead of being cut. The
    // distances to the edge and the panel are read at a point moved by noise (at most 40 pixels
    // each way), so that coasts held off them curve instead of running along them.
    double Fade(double x, double y) const {
        constexpr double kShift = 40, kEdgeReach = 90, kPanelReach = 80;
        if (std::min({x, y, width - x, height - y}) >= kEdgeReach + kShift &&
            DistToRect(clear, {x, y}) >= kPanelReach + kShift * 1.5)
            return 0;  // too far from both for the moved point to reach them
        const double wx =
            x + (art::FractalNoise(x / 110.0, y / 110.0, seed + 21, 3) - 0.5) * 2 * kShift;
        const double wy =
            y + (art::FractalNoise(x / 110.0, y / 110.0, seed + 22, 3) - 0.5) * 2 * kShift;
        const double edge = std::min({wx, wy, width - wx, height - wy}) - 30;
        const double near = std::clamp(1 - edge / 60.0, 0.0, 1.5);
        return near * near * 2.5 +
               std::max(0.0, 1 - (DistToRect(clear, {wx, wy}) - 30) / 50.0) * 2.2;
    }
};

// Each land mass is a cluster of overlapping discs around its centre, every disc inside the
// picture, so that coasts are lobed and bent by noise rather than cut along the picture's edge.
BlobField MakeBlobs(const TextMapRecipe& recipe, const OwnerGrid& g, const raster::Rect& clear,
                    Rng& rng) {
    constexpr int kLobes = 7;
    BlobField field;
    field.seed = recipe.seed * 7u + 3u;
    field.width = g.width;
    field.height = g.height;
    field.clear = clear;
    const double area = recipe.landShare * g.width * g.height;
    std::vector<double> weights, radii;
    for (int i = 0; i < recipe.masses; ++i) weights.push_back(0.6 + rng.Unit() * 0.8);
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    for (double w : weights) radii.push_back(std::sqrt(area * w / total / kPi) * 0.95);
    std::vector<P> centres = PlaceDiscs(g, clear, radii, rng);
    if (recipe.masses == 1) {
        // One land fills the board: it stands in the middle, only a little away from the panel.
        const P mid{g.width / 2.0, g.height / 2.0};
        const P panel{(clear.left + clear.right) / 2.0, (clear.top + clear.bottom) / 2.0};
        const double away = std::max(1.0, Dist(mid, panel));
        centres[0] =
            P{mid.x + (mid.x - panel.x) / away * 70, mid.y + (mid.y - panel.y) / away * 40};
    }
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const double lobe = radii[i] * 0.56;
        for (int k = 0; k < kLobes; ++k) {
            const double angle = rng.Unit() * 2 * kPi, reach = k == 0 ? 0 : 0.3 + rng.Unit() * 0.45;
            P c{centres[i].x + std::cos(angle) * radii[i] * reach,
                centres[i].y + std::sin(angle) * radii[i] * reach};
            const double keepX = std::min(lobe + kMargin, g.width / 2.0);
            const double keepY = std::min(lobe + kMargin, g.height / 2.0);
            c.x = std::clamp(c.x, keepX, g.width - keepX);
            c.y = std::clamp(c.y, keepY, g.height - keepY);
            field.centres.push_back(c);
            field.radii.push_back(lobe);
        }
    }
    return field;
}

// Territories cut from the land by seeds spread evenly, relaxed, and borders warped by noise.
std::optional<OwnerGrid> CutLand(const TextMapRecipe& recipe, std::vector<int> land, int n,
                                 Rng& rng, std::string* error) {
    OwnerGrid g = EmptyGrid();
    const int w = g.width, h = g.height;
    std::vector<int> sizes;
    const std::vector<int> piece = Pieces(land, w, h, &sizes);
    std::vector<int> landPixels;
    for (int p = 0; p < w * h; ++p)
        if (land[p] != 0) landPixels.push_back(p);
    if (landPixels.size() < static_cast<std::size_t>(n) * 900) {
        *error = "too little land for the territories";
        return std::nullopt;
    }
    const double spacing = std::sqrt(static_cast<double>(landPixels.size()) / n);
    std::vector<P> seeds;
    for (int k = 0; k < n; ++k) {
        P best{};
        double bestD = -1;
        for (int c = 0; c < 30; ++c) {
            const int p = landPixels[static_cast<std::size_t>(
                rng.Below(static_cast<int>(landPixels.size())))];
            const P q{p % w + 0.5, p / w + 0.5};
            double d = 1e9;
            for (const P& s : seeds) d = std::min(d, Dist(q, s));
            if (d > bestD) bestD = d, best = q;
        }
        seeds.push_back(best);
    }
    auto pieceOf = [&](const P& s) {
        return piece[static_cast<int>(s.y) * w + static_cast<int>(s.x)];
    };
    auto assign = [&](bool warp) {
        const double amp = spacing * 0.38, scale = spacing * 0.9;
        for (int p : landPixels) {
            double x = p % w + 0.5, y = p / w + 0.5;
            if (warp) {
                x += (art::FractalNoise(x / scale, y / scale, recipe.seed + 11, 3) - 0.5) * 2 * amp;
                y += (art::FractalNoise(x / scale, y / scale, recipe.seed + 12, 3) - 0.5) * 2 * amp;
            }
            int best = 0;
            double bestD = 1e18;
            for (int s = 0; s < n; ++s) {
                if (pieceOf(seeds[static_cast<std::size_t>(s)]) != piece[p]) continue;
                const double dx = x - seeds[static_cast<std::size_t>(s)].x,
                             dy = y - seeds[static_cast<std::size_t>(s)].y;
                const double d = dx * dx + dy * dy;
                if (d < bestD) bestD = d, best = s + 1;
            }
            g.owner[static_cast<std::size_t>(p)] = best;
        }
    };
    for (int round = 0; round < 4; ++round) {
        assign(false);
        std::vector<double> sx(static_cast<std::size_t>(n) + 1), sy(sx.size()), count(sx.size());
        for (int p : landPixels) {
            const int o = g.owner[static_cast<std::size_t>(p)];
            sx[o] += p % w + 0.5, sy[o] += p / w + 0.5, count[o] += 1;
        }
        for (int s = 1; s <= n; ++s) {
            if (count[s] == 0) continue;
            const P c{sx[s] / count[s], sy[s] / count[s]};
            const int at = static_cast<int>(c.y) * w + static_cast<int>(c.x);
            if (land[at] != 0 && piece[at] == pieceOf(seeds[s - 1])) seeds[s - 1] = c;
        }
    }
    assign(true);
    if (!MergeStrayPieces(g, n)) {
        *error = "a territory lost all its land";
        return std::nullopt;
    }
    return g;
}

std::optional<OwnerGrid> Organic(const TextMapRecipe& recipe, int n, const raster::Rect& clear,
                                 std::string* error) {
    Rng rng(recipe.seed);
    OwnerGrid g = EmptyGrid();
    const BlobField field = MakeBlobs(recipe, g, clear, rng);
    std::vector<int> land(g.owner.size(), 0);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (Usable(g, clear, x, y) && field.At(x + 0.5, y + 0.5) > 0) land[g.At(x, y)] = 1;
    TidyLand(land, g.width, g.height, 2500);
    return CutLand(recipe, std::move(land), n, rng, error);
}

// Pointy-topped hexagons; the cells the land noise likes best become the territories.
std::optional<OwnerGrid> Hexagons(const TextMapRecipe& recipe, int n, const raster::Rect& clear,
                                  std::string* error) {
    Rng rng(recipe.seed);
    OwnerGrid g = EmptyGrid();
    const BlobField field = MakeBlobs(recipe, g, clear, rng);
    const double r = std::sqrt(recipe.landShare * g.width * g.height / (n * 2.598));
    const double dx = std::sqrt(3.0) * r, dy = 1.5 * r;
    const int rows = static_cast<int>(g.height / dy) + 2, cols = static_cast<int>(g.width / dx) + 2;
    auto centre = [&](int row, int col) {
        return P{dx * (col + 0.5 * (row & 1)) + kMargin, dy * row + kMargin};
    };
    struct Cell {
        double score;
        int index;
    };
    std::vector<Cell> cells;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            const P c = centre(row, col);
            const bool fits = c.x - dx / 2 >= kMargin && c.x + dx / 2 < g.width - kMargin &&
                              c.y - r >= kMargin && c.y + r < g.height - kMargin &&
                              DistToRect(clear, c) > r;
            if (fits) cells.push_back({field.At(c.x, c.y), row * cols + col});
        }
    if (cells.size() < static_cast<std::size_t>(n)) {
        *error = "the hexagons do not fit";
        return std::nullopt;
    }
    std::stable_sort(cells.begin(), cells.end(),
                     [](const Cell& a, const Cell& b) { return a.score > b.score; });
    std::vector<int> chosen(static_cast<std::size_t>(rows) * cols, 0);
    for (int k = 0; k < n; ++k) chosen[static_cast<std::size_t>(cells[k].index)] = k + 1;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const int row0 = static_cast<int>((y - kMargin) / dy);
            double bestD = 1e18;
            int best = 0;
            for (int row = row0 - 1; row <= row0 + 1; ++row) {
                if (row < 0 || row >= rows) continue;
                const int col0 = static_cast<int>((x - kMargin) / dx);
                for (int col = col0 - 1; col <= col0 + 1; ++col) {
                    if (col < 0 || col >= cols) continue;
                    const P c = centre(row, col);
                    const double d =
                        (x + 0.5 - c.x) * (x + 0.5 - c.x) + (y + 0.5 - c.y) * (y + 0.5 - c.y);
                    if (d < bestD)
                        bestD = d, best = chosen[static_cast<std::size_t>(row * cols + col)];
                }
            }
            g.owner[g.At(x, y)] = best;
        }
    if (!MergeStrayPieces(g, n)) {
        *error = "a hexagon lost all its land";
        return std::nullopt;
    }
    return g;
}

// Shares `total` out in proportion to `weights`, by largest remainders, at least `least` each.
std::vector<int> Share(const std::vector<double>& weights, int total, int least) {
    const double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
    std::vector<int> out(weights.size());
    std::vector<std::pair<double, std::size_t>> rest;
    int given = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const double exact = weights[i] / sum * total;
        out[i] = std::max(least, static_cast<int>(exact));
        given += out[i];
        rest.emplace_back(exact - out[i], i);
    }
    std::stable_sort(rest.begin(), rest.end(), [](auto& a, auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; given < total; k = (k + 1) % rest.size(), ++given)
        ++out[rest[k].second];
    for (std::size_t k = rest.size(); given > total; --given) {
        k = (k == 0 ? rest.size() : k) - 1;
        if (out[rest[k].second] > least)
            --out[rest[k].second];
        else
            ++given;
    }
    return out;
}

// Ring systems: a centre disc and rings around it, each cut into sectors.
std::optional<OwnerGrid> Rings(const TextMapRecipe& recipe, int n, const raster::Rect& clear,
                               std::string* error) {
    constexpr double kCore = 26, kRing = 34, kArc = 62;
    Rng rng(recipe.seed);
    OwnerGrid g = EmptyGrid();
    std::vector<int> ringsOf;
    std::vector<double> radii;
    for (int s = 0; s < recipe.masses; ++s) {
        ringsOf.push_back(1 + rng.Below(3));
        radii.push_back(kCore + kRing * ringsOf.back());
    }
    // Sectors per ring in proportion to its length, the total fixed by the text.
    std::vector<double> lengths;
    for (int s = 0; s < recipe.masses; ++s)
        for (int k = 1; k <= ringsOf[s]; ++k)
            lengths.push_back(2 * kPi * (kCore + kRing * (k - 0.5)));
    const std::vector<int> sectors = Share(lengths, n - recipe.masses, 3);
    for (std::size_t i = 0; i < lengths.size(); ++i)
        if (lengths[i] / sectors[i] < kArc * 0.6) {
            *error = "ring sectors too short";
            return std::nullopt;
        }
    std::vector<double> grown;
    for (double r : radii) grown.push_back(r + 10);
    const std::vector<P> centres = PlaceDiscs(g, Grown(clear, 4), grown, rng);
    std::vector<double> turn;
    for (std::size_t i = 0; i < lengths.size(); ++i) turn.push_back(rng.Unit() * 2 * kPi);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            if (!Usable(g, clear, x, y)) continue;
            int first = 1, ring = 0;
            const double wobble =
                (art::FractalNoise(x / 40.0, y / 40.0, recipe.seed + 5, 3) - 0.5) * 10;
            for (int s = 0; s < recipe.masses; ++s) {
                const P c = centres[static_cast<std::size_t>(s)];
                const double d = Dist({x + 0.5, y + 0.5}, c) + wobble;
                if (d < radii[static_cast<std::size_t>(s)]) {
                    int id = first;
                    if (d >= kCore) {
                        const int k =
                            std::min(static_cast<int>((d - kCore) / kRing), ringsOf[s] - 1);
                        const std::size_t at = static_cast<std::size_t>(ring + k);
                        double a =
                            std::atan2(y + 0.5 - c.y, x + 0.5 - c.x) + turn[at] + wobble * 0.02;
                        a = std::fmod(a + 4 * kPi, 2 * kPi);
                        id = first + 1;
                        for (int j = 0; j < k; ++j)
                            id += sectors[static_cast<std::size_t>(ring + j)];
                        id += std::min(static_cast<int>(a / (2 * kPi) * sectors[at]),
                                       sectors[at] - 1);
                    }
                    g.owner[g.At(x, y)] = id;
                    break;
                }
                first += 1;
                for (int j = 0; j < ringsOf[s]; ++j)
                    first += sectors[static_cast<std::size_t>(ring + j)];
                ring += ringsOf[s];
            }
        }
    if (!MergeStrayPieces(g, n)) {
        *error = "a ring sector lost all its land";
        return std::nullopt;
    }
    return g;
}

// Wavy lines one above the other, each cut into segments.
std::optional<OwnerGrid> Lines(const TextMapRecipe& recipe, int n, const raster::Rect& clear,
                               std::string* error) {
    constexpr double kHalf = 18;
    Rng rng(recipe.seed);
    OwnerGrid g = EmptyGrid();
    const int count = recipe.masses;
    const double step = (g.height - 2.0 * kMargin - 2 * kHalf - 12) / (count - 1);
    struct Line {
        double base, x0, x1, phase, wave;
    };
    std::vector<Line> lines;
    std::vector<double> lengths;
    for (int k = 0; k < count; ++k) {
        Line l{kMargin + kHalf + 6 + k * step, 0, 0, rng.Unit() * 2 * kPi, 8 + rng.Unit() * 8};
        l.x0 = kMargin + 8 + rng.Unit() * 120;
        l.x1 = g.width - kMargin - 8 - rng.Unit() * 120;
        if (l.base + kHalf + l.wave + 4 > clear.top && l.base - kHalf - l.wave - 4 < clear.bottom)
            l.x1 = std::min(l.x1, clear.left - 14.0);
        lines.push_back(l);
        lengths.push_back(l.x1 - l.x0);
    }
    const std::vector<int> segments = Share(lengths, n, 2);
    std::vector<std::vector<double>> cuts(lines.size());
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const double len = lengths[k] / segments[k];
        if (len < 56) {
            *error = "line segments too short";
            return std::nullopt;
        }
        for (int s = 1; s < segments[k]; ++s)
            cuts[k].push_back(lines[k].x0 + len * (s + (rng.Unit() - 0.5) * 0.3));
    }
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            if (!Usable(g, clear, x, y)) continue;
            int first = 1;
            const double wobble =
                (art::FractalNoise(x / 30.0, y / 30.0, recipe.seed + 9, 3) - 0.5) * 6;
            for (std::size_t k = 0; k < lines.size(); ++k) {
                const Line& l = lines[k];
                const double mid = l.base + l.wave * std::sin(x / 95.0 + l.phase);
                const double off = y + 0.5 - mid;
                // Round ends: a half disc beyond each end of the line.
                const double ex = std::max({l.x0 + kHalf - x, 0.0, x - (l.x1 - kHalf)});
                if (std::hypot(ex, off) + wobble < kHalf) {
                    const double u = x + 0.5 + off * 0.45;
                    const int s = static_cast<int>(
                        std::upper_bound(cuts[k].begin(), cuts[k].end(), u) - cuts[k].begin());
                    g.owner[g.At(x, y)] = first + s;
                    break;
                }
                first += segments[k];
            }
        }
    if (!MergeStrayPieces(g, n)) {
        *error = "a line segment lost all its land";
        return std::nullopt;
    }
    return g;
}

}  // namespace

void TidyLand(std::vector<int>& land, int w, int h, int smallestLand) {
    std::vector<int> sizes;
    std::vector<int> piece = Pieces(land, w, h, &sizes);
    for (std::size_t p = 0; p < land.size(); ++p)
        if (land[p] != 0 && sizes[piece[p]] < smallestLand) land[p] = 0;
    piece = Pieces(land, w, h, &sizes);
    std::vector<bool> open(sizes.size(), false);
    for (int x = 0; x < w; ++x) open[piece[x]] = open[piece[(h - 1) * w + x]] = true;
    for (int y = 0; y < h; ++y) open[piece[y * w]] = open[piece[y * w + w - 1]] = true;
    for (std::size_t p = 0; p < land.size(); ++p)
        if (land[p] == 0 && !open[piece[p]] && sizes[piece[p]] < 900) land[p] = 1;
}

bool MergeStrayPieces(OwnerGrid& grid, int territories) {
    const int w = grid.width, h = grid.height;
    for (int round = 0; round < 6; ++round) {
        std::vector<int> sizes;
        const std::vector<int> piece = Pieces(grid.owner, w, h, &sizes);
        std::vector<int> main(static_cast<std::size_t>(territories) + 1, -1);
        for (std::size_t p = 0; p < piece.size(); ++p) {
            const int o = grid.owner[p];
            if (o != 0 && (main[o] < 0 || sizes[piece[p]] > sizes[main[o]])) main[o] = piece[p];
        }
        // For each stray piece, how often it touches each other territory.
        std::vector<std::vector<std::pair<int, int>>> touches(sizes.size());
        bool stray = false;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int p = grid.At(x, y), o = grid.owner[p];
                if (o == 0 || piece[p] == main[o]) continue;
                stray = true;
                const std::array<std::array<int, 2>, 4> next{
                    {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}};
                for (const auto& nb : next) {
                    if (!grid.Inside(nb[0], nb[1])) continue;
                    const int q = grid.owner[grid.At(nb[0], nb[1])];
                    if (q == 0 || q == o) continue;
                    auto& list = touches[piece[p]];
                    auto it = std::find_if(list.begin(), list.end(),
                                           [&](auto& e) { return e.first == q; });
                    if (it == list.end())
                        list.emplace_back(q, 1);
                    else
                        ++it->second;
                }
            }
        if (!stray) break;
        std::vector<int> to(sizes.size(), 0);
        for (std::size_t k = 0; k < touches.size(); ++k) {
            int most = 0;
            for (auto& [t, c] : touches[k])
                if (c > most) most = c, to[k] = t;
        }
        for (std::size_t p = 0; p < piece.size(); ++p) {
            const int o = grid.owner[p];
            if (o != 0 && piece[p] != main[o]) grid.owner[p] = to[piece[p]];
        }
    }
    std::vector<bool> seen(static_cast<std::size_t>(territories) + 1, false);
    for (int o : grid.owner) seen[o] = true;
    for (int t = 1; t <= territories; ++t)
        if (!seen[t]) return false;
    return true;
}

std::optional<OwnerGrid> MakeOwners(const TextMapRecipe& recipe, int territories,
                                    raster::Rect keepClear, std::string* error) {
    const raster::Rect clear = Grown(keepClear, kPanelMargin);
    switch (recipe.style) {
        case TextMapStyle::kOrganic:
            return Organic(recipe, territories, clear, error);
        case TextMapStyle::kHexagons:
            return Hexagons(recipe, territories, clear, error);
        case TextMapStyle::kRings:
            return Rings(recipe, territories, clear, error);
        case TextMapStyle::kLines:
            return Lines(recipe, territories, clear, error);
        case TextMapStyle::kFitted:
            *error = "a fitted map's land is drawn around its given lines";
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace mapgen
