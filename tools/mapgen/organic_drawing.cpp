// The organic drawing of an imagined map whose label points and neighbours are fixed: nearest
// seeds under a noise warp, creeks between territories that are not neighbours, noisy coasts.
#include "tools/mapgen/organic_drawing.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <utility>

#include "core/model/map_catalogue.h"
#include "maps/map_content.h"
#include "maps/validate_picture.h"
#include "tools/art/noise.h"
#include "tools/mapgen/board_rules.h"

namespace mapgen {
namespace {

constexpr raster::Colour kSea = 0;
constexpr double kCell = 32;          // the seed buckets' side, medium units
constexpr double kContactOffset = 7;  // how far a contact's seeds stand from its middle
constexpr int kLabelMargin = 2;       // pixels round a label that stay on its territory
constexpr double kEdgeFade = 60;      // how far the picture's edge holds the coast back
constexpr double kPanelFade = 90;     // and the players panel's corner
constexpr double kPanelMargin = 10;
constexpr double kLabelSwell = 14;       // how far from a label its land swells
constexpr double kCalm = 16;             // how far from a label the warp grows to its full
constexpr double kCreekCalm = 6;         // and a creek on the label's side to its full width
constexpr std::size_t kLaneTries = 400;  // the shortest lanes tried between two territories
constexpr double kNearLook = 40;         // how far the first look for seeds reaches

using Pair = std::pair<int, int>;

Pair Ordered(int a, int b) {
    return {std::min(a, b), std::max(a, b)};
}

struct Seed {
    int territory;
    double x;
    double y;
};

// Where the strips of two territories meet: the mean of each side's pixels along the contact.
struct ContactSum {
    double ax = 0, ay = 0, bx = 0, by = 0;
    int count = 0;
};

class SeedIndex {
  public:
    SeedIndex(std::vector<Seed> seeds, int width, int height)
        : seeds_(std::move(seeds)),
          columns_(static_cast<int>(width / kCell) + 2),
          rows_(static_cast<int>(height / kCell) + 2),
          cells_(static_cast<std::size_t>(columns_ * rows_)) {
        for (std::size_t i = 0; i < seeds_.size(); ++i)
            cells_[static_cast<std::size_t>(CellOf(seeds_[i].x, seeds_[i].y))].push_back(
                static_cast<int>(i));
    }
    const Seed& operator[](int i) const { return seeds_[static_cast<std::size_t>(i)]; }
    // Calls f(index) for every seed within about `radius` of (x, y).
    template <typename F>
    void Near(double x, double y, double radius, F&& f) const {
        const int c0 = std::max(0, static_cast<int>((x - radius) / kCell));
        const int c1 = std::min(columns_ - 1, static_cast<int>((x + radius) / kCell));
        const int r0 = std::max(0, static_cast<int>((y - radius) / kCell));
        const int r1 = std::min(rows_ - 1, static_cast<int>((y + radius) / kCell));
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                for (int i : cells_[static_cast<std::size_t>(r * columns_ + c)]) f(i);
    }

  private:
    int CellOf(double x, double y) const {
        const int c = std::clamp(static_cast<int>(x / kCell), 0, columns_ - 1);
        const int r = std::clamp(static_cast<int>(y / kCell), 0, rows_ - 1);
        return r * columns_ + c;
    }
    std::vector<Seed> seeds_;
    int columns_;
    int rows_;
    std::vector<std::vector<int>> cells_;
};

// How far every pixel of the medium board lies from the strips' land (chamfer distance, in
// medium units; 0 on land).
std::vector<double> DistanceFromStrips(const std::vector<int>& owner, int w, int h) {
    constexpr double kFar = 1e9, kStep = 1, kDiagonal = 1.41421356;
    std::vector<double> d(owner.size(), kFar);
    for (std::size_t p = 0; p < owner.size(); ++p)
        if (owner[p] != 0) d[p] = 0;
    auto relax = [&](int x, int y, int nx, int ny, double step) {
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) return;
        double& here = d[static_cast<std::size_t>(y * w + x)];
        here = std::min(here, d[static_cast<std::size_t>(ny * w + nx)] + step);
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            relax(x, y, x - 1, y, kStep), relax(x, y, x, y - 1, kStep);
            relax(x, y, x - 1, y - 1, kDiagonal), relax(x, y, x + 1, y - 1, kDiagonal);
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            relax(x, y, x + 1, y, kStep), relax(x, y, x, y + 1, kStep);
            relax(x, y, x + 1, y + 1, kDiagonal), relax(x, y, x - 1, y + 1, kDiagonal);
        }
    return d;
}

// The pairs whose strips touch, and a seed on each side of the middle of every contact.
std::set<Pair> StripContacts(const std::vector<int>& owner, std::vector<Seed>& seeds) {
    const PictureSize board = BoardSize(2);
    std::map<Pair, ContactSum> sums;
    auto at = [&](int x, int y) { return owner[static_cast<std::size_t>(y * board.width + x)]; };
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < board.width; ++x) {
            const int a = at(x, y);
            if (a == 0) continue;
            for (const auto& [nx, ny] : {std::pair{x + 1, y}, std::pair{x, y + 1}}) {
                if (nx >= board.width || ny >= board.height) continue;
                const int b = at(nx, ny);
                if (b == 0 || b == a) continue;
                ContactSum& s = sums[Ordered(a, b)];
                // ax, ay: the side of the lower-numbered territory.
                const bool aFirst = a < b;
                s.ax += aFirst ? x : nx, s.ay += aFirst ? y : ny;
                s.bx += aFirst ? nx : x, s.by += aFirst ? ny : y;
                ++s.count;
            }
        }
    std::set<Pair> pairs;
    for (const auto& [pair, s] : sums) {
        pairs.insert(pair);
        const double ax = s.ax / s.count + 0.5, ay = s.ay / s.count + 0.5;
        const double bx = s.bx / s.count + 0.5, by = s.by / s.count + 0.5;
        const double mx = (ax + bx) / 2, my = (ay + by) / 2;
        const double len = std::max(1e-9, std::hypot(bx - ax, by - ay));
        const double nx = (bx - ax) / len, ny = (by - ay) / len;
        seeds.push_back({pair.first, mx - nx * kContactOffset, my - ny * kContactOffset});
        seeds.push_back({pair.second, mx + nx * kContactOffset, my + ny * kContactOffset});
    }
    return pairs;
}

// A label's box on the medium board, and how far a point lies outside it.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
    double Distance(double x, double y) const {
        const double dx = std::max({left - x, 0.0, x - right});
        const double dy = std::max({top - y, 0.0, y - bottom});
        return std::sqrt(dx * dx + dy * dy);
    }
};

struct Near {
    int territory;
    double distance;
    double x;  // the nearest point of its seeds
    double y;
};

// The owner of one board point in medium units: its nearest territory under the warp, or the
// sea beyond the coast and in the creeks between territories that are not neighbours.
class OwnerField {
  public:
    OwnerField(const OrganicInputs& style, const SeedIndex& seeds, const SeedIndex& labelSeeds,
               const std::set<Pair>& touching, raster::Rect panel, std::vector<Box> labels,
               std::vector<double> fromStrips)
        : style_(style),
          seeds_(seeds),
          labelSeeds_(labelSeeds),
          panel_(panel),
          labels_(std::move(labels)),
          fromStrips_(std::move(fromStrips)),
          territories_(static_cast<int>(labels_.size()) - 1),
          touching_(labels_.size() * labels_.size(), 0),
          stamps_(labels_.size(), 0),
          slots_(labels_.size(), 0) {
        for (const auto& [a, b] : touching) touching_[Index(a, b)] = touching_[Index(b, a)] = 1;
        // A label's box reaches this far beyond the middle that files it in its bucket.
        for (const Box& b : labels_)
            boxReach_ = std::max(boxReach_, std::hypot(b.right - b.left, b.bottom - b.top) / 2);
    }

    int At(double x, double y, double width, double height) const {
        const std::uint32_t seed = style_.seed;
        // The warp calms down near the labels, so that each label's box stays its own.
        double nearestLabel = kCalm;
        labelSeeds_.Near(x, y, kCalm + kCell, [&](int i) {
            nearestLabel =
                std::min(nearestLabel, labels_[static_cast<std::size_t>(i + 1)].Distance(x, y));
        });
        const double warp =
            style_.warp * std::clamp((nearestLabel - kLabelMargin) / kCalm, 0.0, 1.0);
        const double wx = x + (art::FractalNoise(x / 55.0, y / 55.0, seed + 1, 3) - 0.5) * 2 * warp;
        const double wy = y + (art::FractalNoise(x / 55.0, y / 55.0, seed + 2, 3) - 0.5) * 2 * warp;
        // Off the picture's edge, in the players panel's corner and (away from the labels) well
        // off the strips' coast lies sea whatever the seeds say.
        const double edge = std::min({x, y, width - x, height - y});
        const double dx = std::max({panel_.left - x, 0.0, x - panel_.right});
        const double dy = std::max({panel_.top - y, 0.0, y - panel_.bottom});
        if ((dx == 0 && dy == 0) || edge < 4) return 0;
        if (nearestLabel >= kCalm && OffShore(x, y, wx, wy)) return 0;
        // Every territory that may own the point or lie across a creek from its owner: a near
        // look first, a wider one when the nearest is too far for the near look to hold them.
        const double widestCreek = 2 * style_.creek * 1.3 + 1;
        Gather(wx, wy, kNearLook);
        if (near_.empty() || Nearest().distance + widestCreek > kNearLook)
            Gather(wx, wy, style_.reach * 1.3 + 2 * style_.creek * 1.5 + 4);
        if (near_.empty()) return 0;
        const Near a = Nearest();
        // Land: near enough to its seeds, the reach bent by noise and held off the edges; the
        // land round a label swells so that the coast bends round it.
        const double fromLabel = labels_[static_cast<std::size_t>(a.territory)].Distance(x, y);
        double land = 1 - a.distance / style_.reach +
                      (art::FractalNoise(x / 80.0, y / 80.0, seed, 4) - 0.5) * 0.45 +
                      std::max(0.0, 1 - fromLabel / kLabelSwell) * 1.5;
        land -= std::max(0.0, 1 - edge / kEdgeFade) * 0.8 +
                std::max(0.0, 1 - std::hypot(dx, dy) / kPanelFade) * 1.2;
        if (land <= 0) return 0;
        if (fromLabel > kLabelSwell && OffShore(x, y, wx, wy)) return 0;
        // Creeks: sea near the middle line between territories that are not neighbours.
        const double half =
            style_.creek * (0.8 + 0.5 * art::FractalNoise(x / 40.0, y / 40.0, seed + 3, 2));
        // Near its label a territory's side of a creek narrows, so that the coast bends round
        // the label; the creek's other side keeps its width.
        const double ownSide = std::clamp((fromLabel - kLabelMargin) / kCreekCalm, 0.0, 1.0);
        for (const Near& t : near_) {
            if (t.territory == a.territory || touching_[Index(a.territory, t.territory)] != 0)
                continue;
            const double apart = std::max(1e-9, std::hypot(t.x - a.x, t.y - a.y));
            const double fromMiddle =
                (t.distance * t.distance - a.distance * a.distance) / (2 * apart);
            if (fromMiddle < half * ownSide) return 0;
        }
        return a.territory;
    }

  private:
    // The coast keeps near the strips' own, bent by noise both ways: true where (x, y), seen
    // at its warped place (wx, wy), lies beyond it.
    bool OffShore(double x, double y, double wx, double wy) const {
        if (style_.shore <= 0) return false;
        const PictureSize medium = BoardSize(2);
        const int sx = std::clamp(static_cast<int>(wx), 0, medium.width - 1);
        const int sy = std::clamp(static_cast<int>(wy), 0, medium.height - 1);
        const double shore =
            style_.shore * 2 * art::FractalNoise(x / 70.0, y / 70.0, style_.seed + 5, 2);
        return fromStrips_[static_cast<std::size_t>(sy * medium.width + sx)] > shore;
    }

    std::size_t Index(int a, int b) const {
        return static_cast<std::size_t>(a) * labels_.size() + static_cast<std::size_t>(b);
    }

    // The nearest point of every territory with a seed within `radius` of (wx, wy) into near_.
    void Gather(double wx, double wy, double radius) const {
        near_.clear();
        ++stamp_;
        seeds_.Near(wx, wy, radius + boxReach_, [&](int i) {
            const Seed& s = seeds_[i];
            double px = s.x, py = s.y;
            if (i < territories_) {  // a label seeds its whole box
                const Box& b = labels_[static_cast<std::size_t>(i + 1)];
                px = std::clamp(wx, b.left, b.right), py = std::clamp(wy, b.top, b.bottom);
            }
            // Squared until the nearest of each territory is known.
            const double d = (wx - px) * (wx - px) + (wy - py) * (wy - py);
            const auto t = static_cast<std::size_t>(s.territory);
            if (stamps_[t] != stamp_) {
                stamps_[t] = stamp_;
                slots_[t] = near_.size();
                near_.push_back({s.territory, d, px, py});
            } else if (Near& n = near_[slots_[t]]; d < n.distance) {
                n = {s.territory, d, px, py};
            }
        });
        for (Near& n : near_) n.distance = std::sqrt(n.distance);
    }

    const Near& Nearest() const {
        std::size_t best = 0;
        for (std::size_t k = 1; k < near_.size(); ++k) {
            const Near &p = near_[k], &q = near_[best];
            if (p.distance < q.distance || (p.distance == q.distance && p.territory < q.territory))
                best = k;
        }
        return near_[best];
    }

    const OrganicInputs& style_;
    const SeedIndex& seeds_;
    const SeedIndex& labelSeeds_;
    raster::Rect panel_;
    std::vector<Box> labels_;
    std::vector<double> fromStrips_;
    int territories_;
    std::vector<char> touching_;  // per pair of territories
    double boxReach_ = 0;
    mutable std::vector<Near> near_;
    mutable std::vector<unsigned> stamps_;  // per territory: the gathering that last saw it
    mutable std::vector<std::size_t> slots_;
    mutable unsigned stamp_ = 0;
};

// Sinks every piece of a territory but its largest (4-connected), so each is one piece.
void SinkStrayPieces(std::vector<int>& owner, int width, int height, int territories) {
    const std::vector<int> main = MainPieces(owner, width, height, territories);
    for (std::size_t p = 0; p < owner.size(); ++p)
        if (owner[p] != 0 && main[p] == 0) owner[p] = 0;
}

// Fills every lake that one territory alone surrounds (sea away from the picture's edge).
void FillLakes(std::vector<int>& owner, int width, int height) {
    std::vector<char> seen(owner.size(), 0);
    std::vector<int> stack, lake;
    for (int start = 0; start < width * height; ++start) {
        if (owner[static_cast<std::size_t>(start)] != 0 || seen[static_cast<std::size_t>(start)])
            continue;
        lake.clear();
        stack.push_back(start);
        seen[static_cast<std::size_t>(start)] = 1;
        bool open = false;
        int shore = 0;  // the one territory round it, -1 for more
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            lake.push_back(p);
            const int x = p % width, y = p / width;
            if (x == 0 || y == 0 || x == width - 1 || y == height - 1) open = true;
            for (const auto& [nx, ny] : {std::pair{x - 1, y}, std::pair{x + 1, y},
                                         std::pair{x, y - 1}, std::pair{x, y + 1}}) {
                if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
                const int q = ny * width + nx;
                const int o = owner[static_cast<std::size_t>(q)];
                if (o != 0) {
                    shore = shore == 0 || shore == o ? o : -1;
                } else if (!seen[static_cast<std::size_t>(q)]) {
                    seen[static_cast<std::size_t>(q)] = 1;
                    stack.push_back(q);
                }
            }
        }
        if (!open && shore > 0)
            for (int p : lake) owner[static_cast<std::size_t>(p)] = shore;
    }
}

// Sinks the land whose grey lies beside no territory's main white (crumbs cut off by a neck).
bool SinkCrumbs(std::vector<int>& owner, const Drawing& d) {
    const int w = d.picture.Width(), h = d.picture.Height();
    bool sunk = false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int& o = owner[static_cast<std::size_t>(y * w + x)];
            if (o == 0 || d.white[d.At(x, y)] != 0) continue;
            bool beside = false;
            for (int dy = -1; dy <= 1 && !beside; ++dy)
                for (int dx = -1; dx <= 1 && !beside; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    beside = nx >= 0 && ny >= 0 && nx < w && ny < h && d.white[d.At(nx, ny)] != 0;
                }
            if (!beside) o = 0, sunk = true;
        }
    return sunk;
}

// One straight sea lane from territory a's white to b's: the shortest whose sea pixels make one
// run that lies beside the coasts of a and b alone; none when there is no such lane.
void DrawLane(Drawing& d, int a, int b) {
    const int w = d.picture.Width(), h = d.picture.Height();
    auto white = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h ? d.white[d.At(x, y)] : -1;
    };
    std::vector<raster::Point> coastA, coastB;
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            const int t = white(x, y);
            if (t != a && t != b) continue;
            bool coast = false;
            for (int k = -2; k <= 2 && !coast; ++k)
                coast = d.picture.Pixel(x + k, y) == kSea || d.picture.Pixel(x, y + k) == kSea;
            if (coast) (t == a ? coastA : coastB).push_back({x, y});
        }
    std::vector<std::pair<int, std::pair<raster::Point, raster::Point>>> options;
    for (const raster::Point& p : coastA)
        for (const raster::Point& q : coastB)
            options.push_back({(p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y), {p, q}});
    const std::size_t tries = std::min<std::size_t>(options.size(), kLaneTries);
    std::partial_sort(options.begin(), options.begin() + static_cast<std::ptrdiff_t>(tries),
                      options.end(), [](auto& l, auto& r) {
                          if (l.first != r.first) return l.first < r.first;
                          return std::tie(l.second.first.y, l.second.first.x, l.second.second.y,
                                          l.second.second.x) <
                                 std::tie(r.second.first.y, r.second.first.x, r.second.second.y,
                                          r.second.second.x);
                      });
    // Which territories' white lies beside a pixel.
    auto besideOnly = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const raster::Colour c =
                    d.picture.Pixel(std::clamp(x + dx, 0, w - 1), std::clamp(y + dy, 0, h - 1));
                if (c != kBorderGrey) continue;
                for (int ey = -1; ey <= 1; ++ey)
                    for (int ex = -1; ex <= 1; ++ex) {
                        const int t = white(x + dx + ex, y + dy + ey);
                        if (t > 0 && t != a && t != b) return false;
                    }
            }
        return true;
    };
    for (std::size_t i = 0; i < tries; ++i) {
        const auto [p, q] = options[i].second;
        std::vector<raster::Point> line;
        int x0 = p.x, y0 = p.y;
        const int dx = std::abs(q.x - x0), dy = -std::abs(q.y - y0);
        const int sx = x0 < q.x ? 1 : -1, sy = y0 < q.y ? 1 : -1;
        int err = dx + dy;
        int runs = 0;
        bool inSea = false, sound = true;
        for (;;) {
            const bool sea = d.picture.Pixel(x0, y0) == kSea;
            if (sea && !inSea) ++runs;
            inSea = sea;
            if (sea) {
                line.push_back({x0, y0});
                sound = sound && besideOnly(x0, y0);
            } else if (white(x0, y0) != a && white(x0, y0) != b && white(x0, y0) != 0) {
                sound = false;
            }
            if (x0 == q.x && y0 == q.y) break;
            const int e2 = 2 * err;
            if (e2 >= dy) err += dy, x0 += sx;
            if (e2 <= dx) err += dx, y0 += sy;
        }
        if (!sound || runs != 1) continue;
        for (const raster::Point& s : line) d.picture.SetPixel(s.x, s.y, kLaneGrey);
        return;
    }
}

}  // namespace

std::array<Drawing, 3> DrawOrganic(const Layout& layout, const std::vector<int>& strips,
                                   const BuiltinMap& map, const CodeMapContent& content) {
    const int n = layout.territories;
    const LabelArt art(content);
    std::vector<Seed> seeds;
    std::vector<Box> labels(static_cast<std::size_t>(n) + 1);
    // Each label's box: its footprints at every size in medium units; its middle is a seed.
    for (int t = 1; t <= n; ++t) {
        Box box{1e9, 1e9, -1e9, -1e9};
        for (int size = 1; size <= 3; ++size) {
            const double scale = ScaleOf(size);
            for (const raster::Rect& r :
                 maps::LabelFootprint(art.Art(), size, t, PaintShift(map, size)))
                box = {std::min(box.left, r.left / scale), std::min(box.top, r.top / scale),
                       std::max(box.right, r.right / scale),
                       std::max(box.bottom, r.bottom / scale)};
        }
        seeds.push_back({t, (box.left + box.right) / 2, (box.top + box.bottom) / 2});
        labels[static_cast<std::size_t>(t)] = box;
    }
    const PictureSize medium = BoardSize(2);
    const std::set<Pair> touching = StripContacts(strips, seeds);
    std::set<Pair> lanes;
    for (int t = 1; t <= n; ++t)
        for (int u : layout.neighbours[static_cast<std::size_t>(t)])
            if (t < u && !touching.contains({t, u})) lanes.insert({t, u});
    const SeedIndex index(seeds, medium.width, medium.height);
    const SeedIndex labelIndex(std::vector<Seed>(seeds.begin(), seeds.begin() + n), medium.width,
                               medium.height);
    const raster::Rect panel = PanelArea(map, 2);
    const raster::Rect clear{static_cast<int>(panel.left - kPanelMargin),
                             static_cast<int>(panel.top - kPanelMargin),
                             static_cast<int>(panel.right + kPanelMargin),
                             static_cast<int>(panel.bottom + kPanelMargin)};
    const OwnerField field(layout.inputs.organic, index, labelIndex, touching, clear,
                           std::move(labels),
                           DistanceFromStrips(strips, medium.width, medium.height));
    std::array<Drawing, 3> drawings;
    for (int size = 1; size <= 3; ++size) {
        const PictureSize board = BoardSize(size);
        const double scale = ScaleOf(size);
        std::vector<int> owner(static_cast<std::size_t>(board.width) * board.height, 0);
        for (int y = 0; y < board.height; ++y)
            for (int x = 0; x < board.width; ++x)
                owner[static_cast<std::size_t>(y * board.width + x)] =
                    field.At((x + 0.5) / scale, (y + 0.5) / scale, medium.width, medium.height);
        // Every label stands on its own territory, with a little room round it; the ring of one
        // pixel that keeps it white comes last, so that no other label's room takes it.
        for (const int margin : {kLabelMargin, 1})
            for (int t = 1; t <= n; ++t)
                for (const raster::Rect& r :
                     maps::LabelFootprint(art.Art(), size, t, PaintShift(map, size)))
                    for (int y = r.top - margin; y < r.bottom + margin; ++y)
                        for (int x = r.left - margin; x < r.right + margin; ++x)
                            if (x >= 0 && y >= 0 && x < board.width && y < board.height)
                                owner[static_cast<std::size_t>(y * board.width + x)] = t;
        SinkStrayPieces(owner, board.width, board.height, n);
        FillLakes(owner, board.width, board.height);
        Drawing d = DrawOwnerGrid(owner, size, n);
        if (SinkCrumbs(owner, d)) d = DrawOwnerGrid(owner, size, n);
        // A pair no lane fits between is left for the picture's check to name.
        for (const auto& [a, b] : lanes) DrawLane(d, a, b);
        drawings[static_cast<std::size_t>(size - 1)] = std::move(d);
    }
    return drawings;
}

}  // namespace mapgen
