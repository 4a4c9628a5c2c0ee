// A map of real places at one screen size: territories rasterised, cleaned, drawn, laned, outlined.
#include "tools/places/draw.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/raster/line_walk.h"
#include "platform/raster/region.h"

namespace places {
namespace {

using raster::Colour;
using raster::Point;
using raster::Surface;

constexpr Colour kWhite = 0xFFFFFF;
constexpr double kSeedDisk = 7;   // medium pixels across
constexpr int kLargePocket = 40;  // medium pixels
constexpr std::array<std::array<int, 2>, 3> kBoardSizes{{{740, 471}, {954, 632}, {1193, 790}}};

double Scale(int size) {
    return size == 1 ? 0.70 : size == 3 ? 1.25 : 1.0;
}

const Country* FindCountry(const std::vector<Country>& countries, const std::string& name) {
    for (const Country& c : countries)
        if (c.name == name) return &c;
    return nullptr;
}

Vec2 Centre(const std::vector<Ring>& rings) {
    Vec2 lo{1e9, 1e9}, hi{-1e9, -1e9};
    for (const Ring& r : rings)
        for (const Vec2& p : r) {
            lo = Vec2{std::min(lo.x, p.x), std::min(lo.y, p.y)};
            hi = Vec2{std::max(hi.x, p.x), std::max(hi.y, p.y)};
        }
    return Vec2{(lo.x + hi.x) / 2, (lo.y + hi.y) / 2};
}

// A country's rings with the layout's moves applied, in degrees.
std::vector<Ring> PlacedRings(const Country& country, const Layout& layout) {
    std::vector<Ring> rings = country.rings;
    for (Ring& r : rings)
        for (Vec2& p : r)
            if (country.name == layout.wrapCountry && p.x < layout.wrapBelow) p.x += 360;
    for (const Enlargement& e : layout.enlargements) {
        if (e.country != country.name) continue;
        for (Ring& r : rings)
            for (Vec2& p : r)
                p = Vec2{e.centre.x + (p.x - e.centre.x) * e.factor,
                         e.centre.y + (p.y - e.centre.y) * e.factor};
    }
    for (const Shift& s : layout.shifts) {
        if (s.country != country.name) continue;
        for (Ring& r : rings)
            for (Vec2& p : r) p = Vec2{p.x + s.by.x, p.y + s.by.y};
    }
    return rings;
}

// Splits the ring between the parts of its country: points inside a clip go to that part, the
// rest (points of no clip) to the country's whole-country part, drawn first.
void FillRegion(Board& board, const Ring& ring, int territory) {
    const double s = Scale(board.size);
    std::vector<Point> points;
    for (const Vec2& p : ring)
        points.push_back(
            Point{static_cast<int>(std::lround(p.x * s)), static_cast<int>(std::lround(p.y * s))});
    const auto region = raster::Region::FromPolygon(points);
    if (region.Empty()) return;
    const auto& b = region.Bounds();
    for (int y = std::max(0, b.top); y < std::min(board.height, b.bottom); ++y)
        for (const auto& span : region.RowSpans(y))
            for (int x = std::max(0, span.left); x < std::min(board.width, span.right); ++x)
                board.At(x, y) = territory;
}

void FillStroke(Board& board, const Stroke& stroke) {
    const double s = Scale(board.size);
    const Vec2 a{stroke.from.x * s, stroke.from.y * s}, b{stroke.to.x * s, stroke.to.y * s};
    const double half = std::max(0.5, stroke.width * s / 2);
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - half)) - 1;
    const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + half)) + 1;
    const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - half)) - 1;
    const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + half)) + 1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (!board.Inside(x, y)) continue;
            const double px = x + 0.5, py = y + 0.5;
            double t = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            const double ex = a.x + t * dx - px, ey = a.y + t * dy - py;
            if (ex * ex + ey * ey <= half * half) board.At(x, y) = stroke.territory;
        }
}

// Whether sea at (x, y) may become land of its one neighbouring territory without joining two
// pieces of land, touching another territory or closing a bay into a lake (a simple point).
int ThickeningTerritory(const Board& board, int x, int y) {
    // The eight neighbours in ring order, starting north and turning clockwise.
    constexpr std::array<Point, 8> kRing{
        {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}}};
    std::array<bool, 8> land{};
    int territory = 0;
    for (std::size_t i = 0; i < kRing.size(); ++i) {
        const int nx = x + kRing[i].x, ny = y + kRing[i].y;
        const int id = board.Inside(nx, ny) ? board.At(nx, ny) : 0;
        if (id == 0) continue;
        if (territory != 0 && id != territory) return 0;
        territory = id;
        land[i] = true;
    }
    if (territory == 0) return 0;
    // A simple point: one 8-connected run of land around it, and at most one run of sea
    // 4-connected to it, so filling it joins nothing and closes nothing.
    std::array<int, 8> root{0, 1, 2, 3, 4, 5, 6, 7};
    auto find = [&](int i) {
        while (root[i] != i) i = root[i];
        return i;
    };
    for (int i = 0; i < 8; ++i)
        for (int j = i + 1; j < 8; ++j) {
            const int dx = std::abs(kRing[i].x - kRing[j].x),
                      dy = std::abs(kRing[i].y - kRing[j].y);
            const bool joined = land[i] && land[j]     ? dx <= 1 && dy <= 1
                                : !land[i] && !land[j] ? dx + dy == 1
                                                       : false;
            if (joined) root[find(j)] = find(i);
        }
    int landRuns = 0, seaRuns = 0;
    std::array<bool, 8> seaCounted{};
    for (int i = 0; i < 8; ++i) {
        if (land[i] && find(i) == i) ++landRuns;
        // Sea counts only where it is 4-connected to the centre: through an edge neighbour.
        if (!land[i] && i % 2 == 0 && !seaCounted[find(i)]) seaCounted[find(i)] = true, ++seaRuns;
    }
    return landRuns == 1 && seaRuns <= 1 ? territory : 0;
}

// Land one pixel wider into the sea, wherever that changes no contact and no piece: the small
// board's thin necks, islands and coasts keep white behind their grey.
void ThickenLand(Board& board) {
    const std::vector<int> before = board.id;
    auto nearLand = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (board.Inside(x + dx, y + dy) &&
                    before[static_cast<std::size_t>(y + dy) * board.width + x + dx] != 0)
                    return true;
        return false;
    };
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < board.width; ++x)
            if (board.At(x, y) == 0 && nearLand(x, y))
                board.At(x, y) = ThickeningTerritory(board, x, y);
}

// A lane's pixels on the board, with the last pixel of its first territory before the first
// pixel of its second (-1 where it meets none).
struct LanePath {
    std::vector<Point> line;
    int lastA = -1;
    int firstB = -1;
};

LanePath LanePathOf(const Board& board, const Lane& lane) {
    const double s = Scale(board.size);
    const Point from{static_cast<int>(std::lround(lane.from.x * s)),
                     static_cast<int>(std::lround(lane.from.y * s))};
    Point to{static_cast<int>(std::lround(lane.to.x * s)),
             static_cast<int>(std::lround(lane.to.y * s))};
    if (lane.wraps) to.x -= board.width;
    LanePath path;
    raster::WalkLine(from, to, [&](int x, int y) {
        path.line.push_back(Point{((x % board.width) + board.width) % board.width, y});
    });
    path.line.push_back(Point{((to.x % board.width) + board.width) % board.width, to.y});
    for (int i = 0; i < static_cast<int>(path.line.size()); ++i) {
        const Point p = path.line[i];
        const int id = board.Inside(p.x, p.y) ? board.At(p.x, p.y) : -1;
        if (id == lane.a && path.firstB < 0) path.lastA = i;
        if (id == lane.b && path.lastA >= 0 && path.firstB < 0) path.firstB = i;
    }
    return path;
}

// A label's rectangle grown by the margin, with rounded corners so that where the clearing
// juts out of the coast it looks like a cape, not a box. The corners are cut only within the
// margin, and so little that every pixel of the rectangle keeps land all round it (stays white).
void ClearLabelArea(Board& board, const raster::Rect& r, int margin, int territory) {
    const double w = r.right - r.left + 2 * margin, h = r.bottom - r.top + 2 * margin;
    const double radius = std::min({(margin - 0.5) * 3.4, w / 2, h / 2});
    const double left = r.left - margin + radius, right = r.right + margin - radius;
    const double top = r.top - margin + radius, bottom = r.bottom + margin - radius;
    for (int y = r.top - margin; y < r.bottom + margin; ++y)
        for (int x = r.left - margin; x < r.right + margin; ++x) {
            const double dx = std::max({left - (x + 0.5), 0.0, x + 0.5 - right});
            const double dy = std::max({top - (y + 0.5), 0.0, y + 0.5 - bottom});
            if (board.Inside(x, y) && dx * dx + dy * dy <= radius * radius)
                board.At(x, y) = territory;
        }
}

// White 4-connected pieces of a rendered board: the piece of each pixel (-1 off the white).
struct Pieces {
    std::vector<int> of;
    std::vector<std::vector<int>> pixels;  // pixel indexes of each piece
};

Pieces FindPieces(const Surface& picture) {
    Pieces p;
    const int w = picture.Width(), h = picture.Height();
    p.of.assign(static_cast<std::size_t>(w) * h, -1);
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (picture.Pixels()[start] != kWhite || p.of[start] >= 0) continue;
        const int id = static_cast<int>(p.pixels.size());
        p.pixels.emplace_back();
        p.of[start] = id;
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            p.pixels[id].push_back(i);
            const int x = i % w, y = i / w;
            const std::array<Point, 4> next{{{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}};
            for (const Point& n : next) {
                if (n.x < 0 || n.y < 0 || n.x >= w || n.y >= h) continue;
                const int j = n.y * w + n.x;
                if (picture.Pixels()[j] == kWhite && p.of[j] < 0) {
                    p.of[j] = id;
                    stack.push_back(j);
                }
            }
        }
    }
    return p;
}

// The pixel of a piece farthest from anything that is not the piece (first such in scan order).
Point InnermostPixel(const Pieces& pieces, int piece, int width) {
    std::map<int, bool> in;
    for (int i : pieces.pixels[piece]) in[i] = true;
    Point best{};
    int bestDepth = -1;
    for (int i : pieces.pixels[piece]) {
        const int x = i % width, y = i / width;
        int depth = 0;
        for (bool inside = true; inside && depth < 50;) {
            ++depth;
            for (int k = -depth; k <= depth && inside; ++k)
                inside = in.contains((y - depth) * width + x + k) &&
                         in.contains((y + depth) * width + x + k) &&
                         in.contains((y + k) * width + x - depth) &&
                         in.contains((y + k) * width + x + depth);
        }
        if (depth > bestDepth) bestDepth = depth, best = Point{x, y};
    }
    return best;
}

int PieceNear(const Pieces& pieces, const Board& board, Point p, int territory) {
    for (int r = 0; r <= 4; ++r)
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx) {
                const int x = p.x + dx, y = p.y + dy;
                if (!board.Inside(x, y) || board.At(x, y) != territory) continue;
                const int id = pieces.of[static_cast<std::size_t>(y) * board.width + x];
                if (id >= 0) return id;
            }
    return -1;
}

// For each land unit: the one territory whose land alone surrounds it (4-neighbours, never the
// sea or the picture's edge), or 0.
std::vector<int> SurroundingTerritory(const Board& board, const std::vector<int>& land,
                                      const std::vector<bool>& keep) {
    std::vector<int> around(keep.size(), -1);  // -1: nothing seen yet, 0: open or mixed
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < board.width; ++x) {
            const int i = y * board.width + x;
            if (board.id[i] == 0 || keep[land[i]] || around[land[i]] == 0) continue;
            const std::array<Point, 4> next{{{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}};
            for (const Point& n : next) {
                int other = 0;
                if (board.Inside(n.x, n.y)) {
                    const int j = n.y * board.width + n.x;
                    if (land[j] == land[i]) continue;
                    other = board.id[j];
                }
                int& seen = around[land[i]];
                seen = seen < 0 || seen == other ? other : 0;
            }
        }
    for (int& t : around) t = std::max(t, 0);
    return around;
}

}  // namespace

std::vector<Shape> BuildShapes(const std::vector<Country>& countries, const Layout& layout,
                               const Warp& warp, std::string* error) {
    std::vector<Shape> shapes;
    for (const Part& part : layout.parts) {
        const Country* country = FindCountry(countries, part.country);
        if (!country) {
            *error = "no country called " + part.country;
            return {};
        }
        for (const Ring& placed : PlacedRings(*country, layout)) {
            Ring ring = part.clip.empty() ? placed : ClipToConvex(placed, part.clip);
            if (ring.size() < 3) continue;
            for (Vec2& p : ring) p = warp.Map(p);
            shapes.push_back(Shape{part.territory, std::move(ring)});
        }
    }
    (void)Centre;
    return shapes;
}

// City-block distance of every pixel to the nearest one for which `from` holds (-1: none), and
// that pixel's territory in `owner`.
template <class Pred>
std::vector<int> DistanceAndOwner(const Board& board, Pred from, std::vector<int>& owner) {
    std::vector<int> dist(board.id.size(), -1);
    owner.assign(board.id.size(), 0);
    std::vector<int> queue;
    for (int i = 0; i < static_cast<int>(board.id.size()); ++i)
        if (from(i)) dist[i] = 0, owner[i] = board.id[i], queue.push_back(i);
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int i = queue[head];
        const int x = i % board.width, y = i / board.width;
        for (const Point d : {Point{1, 0}, Point{-1, 0}, Point{0, 1}, Point{0, -1}}) {
            if (!board.Inside(x + d.x, y + d.y)) continue;
            const int j = (y + d.y) * board.width + x + d.x;
            if (dist[j] < 0) dist[j] = dist[i] + 1, owner[j] = owner[i], queue.push_back(j);
        }
    }
    return dist;
}

// A morphological closing of the land: sea narrower than about twice `radius` (fjords, straits,
// sounds) becomes land of the nearest territory, so that thin inlets do not cut cells apart.
void CloseNarrowSea(Board& board, double radius) {
    const int r = std::max(1, static_cast<int>(std::lround(radius)));
    std::vector<int> landOwner, unused;
    const auto toLand = DistanceAndOwner(
        board, [&](int i) { return board.id[i] != 0; }, landOwner);
    const auto toOpenSea = DistanceAndOwner(
        board, [&](int i) { return toLand[i] < 0 || toLand[i] > r; }, unused);
    for (std::size_t i = 0; i < board.id.size(); ++i)
        if (board.id[i] == 0 && toLand[i] >= 0 && (toOpenSea[i] < 0 || toOpenSea[i] > r))
            board.id[i] = landOwner[i];
}

Board Rasterise(const std::vector<Shape>& shapes, const Layout& layout, const maps::MapArt& art,
                std::span<const maps::FillSeed> mediumSeeds, int size, bool thicken, int shiftY,
                std::span<const raster::Point> moves) {
    Board board;
    board.size = size;
    board.width = kBoardSizes[size - 1][0];
    board.height = kBoardSizes[size - 1][1];
    board.id.assign(static_cast<std::size_t>(board.width) * board.height, 0);
    board.grey.assign(board.id.size(), false);
    for (const Shape& shape : shapes) FillRegion(board, shape.ring, shape.territory);
    if (layout.closeSea > 0) CloseNarrowSea(board, layout.closeSea * Scale(size));
    for (const Stroke& stroke : layout.strokes)
        if (stroke.territory > 0) FillStroke(board, stroke);
    for (const maps::FillSeed& seed : mediumSeeds) {
        const Vec2 at{static_cast<double>(seed.x), static_cast<double>(seed.y)};
        if (seed.territory > 0) FillStroke(board, Stroke{seed.territory, at, at, kSeedDisk});
    }
    if (thicken) ThickenLand(board);
    for (const Stroke& stroke : layout.strokes)
        if (stroke.territory == 0) FillStroke(board, stroke);
    for (std::int32_t t = 1; t <= static_cast<std::int32_t>(art.labelsSize23.size()); ++t)
        for (const raster::Rect& r : maps::LabelFootprint(art, size, t, shiftY)) {
            ClearLabelArea(board, r, layout.labelMargin, t);
            for (const raster::Point m : moves)
                ClearLabelArea(
                    board, raster::Rect{r.left + m.x, r.top + m.y, r.right + m.x, r.bottom + m.y},
                    layout.labelMargin, t);
        }
    return board;
}

Surface Render(const Board& board, Colour border) {
    Surface picture(board.width, board.height, 0);
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < board.width; ++x) {
            const int id = board.At(x, y);
            if (id == 0) continue;
            bool edge = false;
            for (int dy = -1; dy <= 1 && !edge; ++dy)
                for (int dx = -1; dx <= 1 && !edge; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    edge = !board.Inside(nx, ny) || board.At(nx, ny) == 0 || board.At(nx, ny) < id;
                }
            const bool grey = edge || board.grey[static_cast<std::size_t>(y) * board.width + x];
            picture.SetPixel(x, y, grey ? border : kWhite);
        }
    return picture;
}

std::vector<maps::FillSeed> SuggestSeeds(const Board& board, const maps::PictureRules& rules,
                                         const std::vector<int>& wanted,
                                         const std::vector<maps::FillSeed>& medium) {
    const Surface picture = Render(board, raster::Rgb(64, 64, 64));
    const Pieces pieces = FindPieces(picture);
    std::vector<maps::FillSeed> seeds;
    if (board.size != 2) {
        const double s = Scale(board.size);
        for (const maps::FillSeed& m : medium) {
            const Point p{static_cast<int>(m.x * s), static_cast<int>(m.y * s)};
            const int id = PieceNear(pieces, board, p, m.territory);
            const Point at = id >= 0 ? InnermostPixel(pieces, id, board.width) : p;
            seeds.push_back(maps::FillSeed{m.territory, at.x, at.y});
        }
        return seeds;
    }
    for (std::size_t t = 1; t < wanted.size(); ++t) {
        const Point pp = rules.paintPoints[t];
        const int main = board.Inside(pp.x, pp.y) ? pieces.of[pp.y * board.width + pp.x] : -1;
        std::vector<int> others;
        for (int id = 0; id < static_cast<int>(pieces.pixels.size()); ++id)
            if (id != main && board.id[pieces.pixels[id][0]] == static_cast<int>(t))
                others.push_back(id);
        std::stable_sort(others.begin(), others.end(), [&](int a, int b) {
            return pieces.pixels[a].size() > pieces.pixels[b].size();
        });
        others.resize(std::min<std::size_t>(others.size(), static_cast<std::size_t>(wanted[t])));
        std::sort(others.begin(), others.end());
        if (static_cast<int>(others.size()) < wanted[t])
            std::fprintf(stderr, "territory %zu: %zu pieces for %d seeds\n", t, others.size(),
                         wanted[t]);
        for (int id : others) {
            Point at = InnermostPixel(pieces, id, board.width);
            for (const maps::FillSeed& pin : rules.seeds)
                if (pin.territory == static_cast<int>(t) &&
                    pieces.of[pin.y * board.width + pin.x] == id)
                    at = Point{pin.x, pin.y};
            seeds.push_back(maps::FillSeed{static_cast<int>(t), at.x, at.y});
        }
    }
    return seeds;
}

void KeepPiecesApart(Board& board, const Board& thin, const maps::PictureRules& rules,
                     Colour border) {
    const Pieces before = FindPieces(Render(thin, border));
    const Pieces after = FindPieces(Render(board, border));
    // Each pixel of a claimed piece of the thin drawing is labelled with that piece.
    std::vector<int> label(board.id.size(), -1);
    std::vector<bool> fixed(board.id.size(), false);
    auto claim = [&](Point p) {
        if (!board.Inside(p.x, p.y)) return;
        const int id = before.of[static_cast<std::size_t>(p.y) * board.width + p.x];
        if (id < 0) return;
        for (int i : before.pixels[id]) label[i] = id, fixed[i] = true;
    };
    for (std::size_t t = 1; t < rules.paintPoints.size(); ++t) claim(rules.paintPoints[t]);
    for (const maps::FillSeed& s : rules.seeds) claim(Point{s.x, s.y});
    // Grow the labels over the rest of each thick piece, breadth first, 4-connected.
    std::vector<int> queue;
    for (int i = 0; i < static_cast<int>(label.size()); ++i)
        if (label[i] >= 0 && after.of[i] >= 0) queue.push_back(i);
    const int w = board.width;
    auto neighbours = [&](int i) {
        const int x = i % w, y = i / w;
        return std::array<Point, 4>{{{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}};
    };
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int i = queue[head];
        for (const Point& n : neighbours(i)) {
            if (!board.Inside(n.x, n.y)) continue;
            const int j = n.y * w + n.x;
            if (after.of[j] == after.of[i] && label[j] < 0) label[j] = label[i], queue.push_back(j);
        }
    }
    // Where two labels meet, even at a corner, a grey line on the side that is new white (or
    // has the higher label).
    for (int i = 0; i < static_cast<int>(label.size()); ++i) {
        if (label[i] < 0 || fixed[i]) continue;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = i % w + dx, y = i / w + dy;
                if (!board.Inside(x, y)) continue;
                const int j = y * w + x;
                if (label[j] >= 0 && label[j] != label[i] && (fixed[j] || label[i] > label[j]))
                    board.grey[i] = true;
            }
    }
}

void DropUnclaimedPieces(Board& board, const maps::PictureRules& rules, Colour border,
                         std::vector<std::string>& warnings) {
    const Surface picture = Render(board, border);
    const Pieces pieces = FindPieces(picture);
    std::vector<bool> claimed(pieces.pixels.size(), false);
    auto claim = [&](Point p) {
        if (board.Inside(p.x, p.y) && pieces.of[p.y * board.width + p.x] >= 0)
            claimed[pieces.of[p.y * board.width + p.x]] = true;
    };
    for (std::size_t t = 1; t < rules.paintPoints.size(); ++t) claim(rules.paintPoints[t]);
    for (const maps::FillSeed& s : rules.seeds) claim(Point{s.x, s.y});
    // Land of one territory, 8-connected: the unit that is either kept or sunk.
    std::vector<int> land(board.id.size(), -1);
    std::vector<bool> keep;
    std::vector<int> stack;
    for (int start = 0; start < static_cast<int>(board.id.size()); ++start) {
        if (board.id[start] == 0 || land[start] >= 0) continue;
        const int unit = static_cast<int>(keep.size());
        keep.push_back(false);
        land[start] = unit;
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            if (pieces.of[i] >= 0 && claimed[pieces.of[i]]) keep[unit] = true;
            const int x = i % board.width, y = i / board.width;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (!board.Inside(nx, ny)) continue;
                    const int j = ny * board.width + nx;
                    if (land[j] < 0 && board.id[j] == board.id[i])
                        land[j] = unit, stack.push_back(j);
                }
        }
    }
    const double s2 = Scale(board.size) * Scale(board.size);
    for (std::size_t id = 0; id < pieces.pixels.size(); ++id) {
        const int first = pieces.pixels[id][0];
        if (claimed[id] || !keep[land[first]]) continue;
        for (int i : pieces.pixels[id]) board.grey[i] = true;
        if (static_cast<double>(pieces.pixels[id].size()) < kLargePocket * s2) continue;
        char text[160];
        std::snprintf(text, sizeof text,
                      "size %d: piece of territory %d at (%d, %d), %zu pixels, drawn grey: it "
                      "hangs on a claimed one by a border line",
                      board.size, board.id[first], first % board.width, first / board.width,
                      pieces.pixels[id].size());
        warnings.push_back(text);
    }
    // A dropped unit enclosed by one other territory's land becomes that land, not a hole.
    const std::vector<int> surround = SurroundingTerritory(board, land, keep);
    for (std::size_t i = 0; i < board.id.size(); ++i)
        if (board.id[i] != 0 && !keep[land[i]]) board.id[i] = surround[land[i]];
}

void FillEnclosedSea(Surface& picture, const maps::OutlineSet& outlines, Colour border) {
    for (const auto& row : outlines.rows) {
        if (row.size() < 4) continue;
        const auto region =
            raster::Region::FromPolygon(row.data(), static_cast<int>(row.size()) - 1);
        const auto& b = region.Bounds();
        for (int y = std::max(0, b.top); y < std::min(picture.Height(), b.bottom); ++y)
            for (int x = std::max(0, b.left); x < std::min(picture.Width(), b.right); ++x)
                if (picture.Pixel(x, y) == 0 && region.Contains(x, y))
                    picture.SetPixel(x, y, border);
    }
}

void CloseCorners(Surface& picture, Colour border) {
    for (bool changed = true; changed;) {
        changed = false;
        const Pieces pieces = FindPieces(picture);
        const int w = picture.Width();
        auto size = [&](int x, int y) { return pieces.pixels[pieces.of[y * w + x]].size(); };
        for (int y = 0; y + 1 < picture.Height(); ++y)
            for (int x = 0; x + 1 < w; ++x) {
                const int a = pieces.of[y * w + x], b = pieces.of[y * w + x + 1];
                const int c = pieces.of[(y + 1) * w + x], d = pieces.of[(y + 1) * w + x + 1];
                Point corner{-1, -1};
                if (a >= 0 && d >= 0 && a != d && b < 0 && c < 0)
                    corner = size(x, y) < size(x + 1, y + 1) ? Point{x, y} : Point{x + 1, y + 1};
                if (b >= 0 && c >= 0 && b != c && a < 0 && d < 0)
                    corner = size(x + 1, y) < size(x, y + 1) ? Point{x + 1, y} : Point{x, y + 1};
                if (corner.x >= 0 && picture.Pixel(corner.x, corner.y) == kWhite)
                    picture.SetPixel(corner.x, corner.y, border), changed = true;
            }
    }
}

// One round of WidenLaneEnds; true when it changed the board.
bool WidenLaneEndsOnce(Board& board, const Layout& layout, Colour border) {
    const Surface picture = Render(board, border);
    bool changed = false;
    // As the validator sees it: the lane's end pixel beside grey that is beside the white.
    auto reaches = [&](Point end, int territory) {
        for (int gy = end.y - 1; gy <= end.y + 1; ++gy)
            for (int gx = end.x - 1; gx <= end.x + 1; ++gx) {
                if (!board.Inside(gx, gy) || board.At(gx, gy) == 0 ||
                    picture.Pixel(gx, gy) == kWhite)
                    continue;
                for (int y = gy - 1; y <= gy + 1; ++y)
                    for (int x = gx - 1; x <= gx + 1; ++x)
                        if (board.Inside(x, y) && board.At(x, y) == territory &&
                            picture.Pixel(x, y) == kWhite)
                            return true;
            }
        return false;
    };
    // A disk of land, on the sea and the territory's own land only.
    auto widen = [&](Point p, int territory) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const int x = p.x + dx, y = p.y + dy;
                if (dx * dx + dy * dy > 5 || !board.Inside(x, y)) continue;
                if (board.At(x, y) == 0 || board.At(x, y) == territory) {
                    changed = changed || board.At(x, y) != territory;
                    board.At(x, y) = territory;
                    board.grey[static_cast<std::size_t>(y) * board.width + x] = false;
                }
            }
    };
    for (const Lane& lane : layout.lanes) {
        const LanePath path = LanePathOf(board, lane);
        if (path.lastA < 0 || path.firstB < 0) continue;
        if (path.firstB - path.lastA < 2) continue;
        if (!reaches(path.line[path.lastA + 1], lane.a)) widen(path.line[path.lastA], lane.a);
        if (!reaches(path.line[path.firstB - 1], lane.b)) widen(path.line[path.firstB], lane.b);
    }
    return changed;
}

void WidenLaneEnds(Board& board, const Layout& layout, Colour border) {
    // A widened end moves the lane's end, which may need widening again.
    for (int round = 0; round < 4 && WidenLaneEndsOnce(board, layout, border); ++round) {
    }
}

void DrawLanes(Surface& picture, const Board& board, const Layout& layout, Colour colour,
               std::vector<std::string>& errors) {
    for (const Lane& lane : layout.lanes) {
        const auto [line, lastA, firstB] = LanePathOf(board, lane);
        if (lastA < 0 || firstB < 0) {
            errors.push_back("size " + std::to_string(board.size) + ": lane " +
                             std::to_string(lane.a) + "-" + std::to_string(lane.b) +
                             (lastA < 0 ? " never meets the first territory"
                                        : " never reaches the second territory"));
            continue;
        }
        for (int i = lastA + 1; i < firstB; ++i) {
            const Point p = line[i];
            if (board.At(p.x, p.y) != 0)
                errors.push_back("size " + std::to_string(board.size) + ": lane " +
                                 std::to_string(lane.a) + "-" + std::to_string(lane.b) +
                                 " crosses land at " + std::to_string(p.x) + "," +
                                 std::to_string(p.y));
            else
                picture.SetPixel(p.x, p.y, colour);
        }
    }
}

maps::OutlineSet TraceOutlines(const Surface& picture, const maps::PictureRules& rules) {
    const Pieces pieces = FindPieces(picture);
    const int w = picture.Width(), h = picture.Height();
    maps::OutlineSet set;
    set.rows.resize(rules.paintPoints.size());
    for (std::size_t t = 1; t < rules.paintPoints.size(); ++t) {
        const Point pp = rules.paintPoints[t];
        if (pp.x < 0 || pp.y < 0 || pp.x >= w || pp.y >= h) continue;
        const int piece = pieces.of[pp.y * w + pp.x];
        if (piece < 0) continue;
        auto in = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < w && y < h && pieces.of[y * w + x] == piece;
        };
        const int first =
            *std::min_element(pieces.pixels[piece].begin(), pieces.pixels[piece].end());
        const Point start{first % w, first / w};
        // Corners of the pixel grid, the piece kept on the right; directions E, S, W, N.
        constexpr std::array<Point, 4> kStep{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
        Point v = start;
        int dir = 0;
        auto& row = set.rows[t];
        row.push_back(v);
        do {
            v = Point{v.x + kStep[dir].x, v.y + kStep[dir].y};
            // The pixels ahead-left and ahead-right of the corner reached, by direction.
            const std::array<Point, 4> left{
                {{v.x, v.y - 1}, {v.x, v.y}, {v.x - 1, v.y}, {v.x - 1, v.y - 1}}};
            const std::array<Point, 4> right{
                {{v.x, v.y}, {v.x - 1, v.y}, {v.x - 1, v.y - 1}, {v.x, v.y - 1}}};
            int next = dir;
            if (!in(right[dir].x, right[dir].y))
                next = (dir + 1) % 4;
            else if (in(left[dir].x, left[dir].y))
                next = (dir + 3) % 4;
            if (next != dir || v == start) row.push_back(v);
            dir = next;
        } while (!(v == start && dir == 0));
    }
    return set;
}

}  // namespace places
