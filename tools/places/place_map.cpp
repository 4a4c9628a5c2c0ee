// Drawing a map of real places from its regions and label points, and searching those points.
#include "tools/places/place_map.h"

#include "platform/raster/line_walk.h"
#include "render/board_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace places {
namespace {

constexpr double kLaneApart = 30;  // medium pixels between the ends of two lanes
constexpr double kLaneGap = 10;    // medium pixels between any two lanes

// The continent (region) of each territory 1..n, element 0 unused.
std::vector<int> RegionsOf(const BuiltinMap& map) {
    std::vector<int> region{0};
    int c = 1;
    for (const ContinentRun& run : map.continentRuns) {
        for (int i = 0; i < run.members; ++i) region.push_back(c);
        ++c;
    }
    return region;
}

// The middle of a label's footprint from its label point at the medium size: the boxes stand
// below the paint point, which is raised by the map's y shift.
Vec2 MiddleOf(const PlaceMap& place) {
    return Vec2{10, 13.0 - place.ShiftY(2)};
}

std::vector<Site> SitesOf(const maps::MapArt& art, const PlaceMap& place) {
    const std::vector<int> region = RegionsOf(*place.map);
    std::vector<Site> sites;
    for (std::size_t t = 1; t <= art.labelsSize23.size() && t < region.size(); ++t) {
        const maps::ArtLabel& l = art.labelsSize23[t - 1];
        sites.push_back(Site{static_cast<int>(t), region[t],
                             Vec2{static_cast<double>(l.x), static_cast<double>(l.y)}, false,
                             MiddleOf(place)});
    }
    return sites;
}

Vec2 FootprintCentre(const Site& s) {
    return s.Middle();
}

// The land pixel of `region` nearest to p on the medium region board, away from the bands
// along its land borders (`away` pixels at least), where lanes would cross other cells, and away
// from the ends of lanes already `taken`.
std::optional<Vec2> NearestLand(const Board& regions, int region, Vec2 p, double away,
                                const std::vector<Vec2>& taken) {
    const std::vector<int> toOther = DistanceToOther(regions, region);
    std::optional<Vec2> best;
    double bestD = 0;
    for (int y = 0; y < regions.height; ++y)
        for (int x = 0; x < regions.width; ++x) {
            if (regions.At(x, y) != kRegionBase + region) continue;
            const int d0 = toOther[static_cast<std::size_t>(y) * regions.width + x];
            if (d0 >= 0 && d0 < away) continue;
            if (std::any_of(taken.begin(), taken.end(), [&](const Vec2& e) {
                    return std::hypot(e.x - x, e.y - y) < kLaneApart;
                }))
                continue;
            const double d = std::hypot(x - p.x, y - p.y);
            if (!best || d < bestD) best = Vec2{double(x), double(y)}, bestD = d;
        }
    return best;
}

// Whether two segments cross or come within `gap` of each other (sampled along both).
bool SegmentsNear(Vec2 a0, Vec2 a1, Vec2 b0, Vec2 b1, double gap) {
    auto distance = [](Vec2 p, Vec2 q0, Vec2 q1) {
        const double dx = q1.x - q0.x, dy = q1.y - q0.y, len2 = dx * dx + dy * dy;
        double t = len2 > 0 ? ((p.x - q0.x) * dx + (p.y - q0.y) * dy) / len2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        return std::hypot(q0.x + t * dx - p.x, q0.y + t * dy - p.y);
    };
    for (int i = 0; i <= 64; ++i) {
        const double t = i / 64.0;
        if (distance(Vec2{a0.x + t * (a1.x - a0.x), a0.y + t * (a1.y - a0.y)}, b0, b1) < gap ||
            distance(Vec2{b0.x + t * (b1.x - b0.x), b0.y + t * (b1.y - b0.y)}, a0, a1) < gap)
            return true;
    }
    return false;
}

// Whether the straight lane from `from` (in a) to `to` (in b) leaves a once, crosses only sea and
// then stays in b, on the medium board of cells.
bool ClearLane(const Board& cells, int a, int b, Vec2 from, Vec2 to) {
    int stage = 0;  // 0: in a, 1: at sea, 2: in b
    bool clear = b > 0;
    const raster::Point p0{static_cast<int>(std::lround(from.x)),
                           static_cast<int>(std::lround(from.y))};
    const raster::Point p1{static_cast<int>(std::lround(to.x)),
                           static_cast<int>(std::lround(to.y))};
    raster::WalkLine(p0, p1, [&](int x, int y) {
        const int id = cells.Inside(x, y) ? cells.At(x, y) : -1;
        const int want = id == a ? 0 : id == 0 ? 1 : id == b ? 2 : -1;
        if (want < stage || want < 0) clear = false;
        stage = std::max(stage, want);
        // At sea the lane keeps clear of every other territory's coast.
        for (int dy = -3; dy <= 3 && id == 0; ++dy)
            for (int dx = -3; dx <= 3; ++dx) {
                const int near = cells.Inside(x + dx, y + dy) ? cells.At(x + dx, y + dy) : 0;
                if (near != 0 && near != a && near != b) clear = false;
            }
    });
    return clear && stage == 2;
}

// The sea lanes of the plan: from the `count` sites of one region nearest to another region's
// land, each to the nearest coast of that region, in the territory that `cells` (the medium
// board with its cells assigned) has there.
std::vector<Lane> LanesFor(const Board& regions, const Board* cells, const std::vector<Site>& sites,
                           const CellPlan& plan) {
    std::vector<Lane> lanes;
    for (const CellPlan::Lanes& rule : plan.lanes) {
        // The sites of the first region by their distance to the second region's land.
        std::vector<std::pair<double, const Site*>> order;
        for (const Site& s : sites) {
            if (s.region != rule.from) continue;
            const Vec2 from = FootprintCentre(s);
            const auto end = NearestLand(regions, rule.to, from, plan.band + 12, {});
            if (end) order.push_back({std::hypot(end->x - from.x, end->y - from.y), &s});
        }
        std::sort(order.begin(), order.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        // Lanes of one rule end apart, so that no two of them meet.
        std::vector<Vec2> ends;
        for (const auto& [distance, site] : order) {
            if (static_cast<int>(ends.size()) == rule.count) break;
            // Each lane leaves from a territory of its own. (clang 14 cannot capture a
            // structured binding in a lambda: the lambda takes a copy.)
            const int territory = site->territory;
            if (std::any_of(lanes.begin(), lanes.end(),
                            [territory](const Lane& l) { return l.a == territory; }))
                continue;
            const Vec2 from = FootprintCentre(*site);
            auto end = NearestLand(regions, rule.to, from, plan.band + 12, ends);
            if (!end) continue;
            // The lane reaches a few pixels into the land, so that it meets it at every size.
            const double len = std::hypot(end->x - from.x, end->y - from.y);
            if (len > 0) {
                const Vec2 deeper{std::round(end->x + 4 * (end->x - from.x) / len),
                                  std::round(end->y + 4 * (end->y - from.y) / len)};
                if (regions.Inside(static_cast<int>(deeper.x), static_cast<int>(deeper.y)) &&
                    regions.At(static_cast<int>(deeper.x), static_cast<int>(deeper.y)) ==
                        kRegionBase + rule.to)
                    end = deeper;
            }
            // The territory that the cells give the lane's end (none while searching).
            const int target =
                cells ? cells->At(static_cast<int>(end->x), static_cast<int>(end->y)) : 0;
            if (cells && !ClearLane(*cells, site->territory, target, from, *end)) continue;
            if (std::any_of(lanes.begin(), lanes.end(), [&](const Lane& other) {
                    return SegmentsNear(other.from, other.to, from, *end, kLaneGap);
                }))
                continue;
            ends.push_back(*end);
            lanes.push_back(Lane{site->territory, target, from, *end, false});
        }
    }
    return lanes;
}

// The pairs of cells whose pixels meet (8-connected), with the number of edge-sharing pixel
// pairs of each contact in `length`.
std::set<std::pair<int, int>> CellContacts(const Board& cells,
                                           std::map<std::pair<int, int>, int>* length) {
    std::set<std::pair<int, int>> pairs;
    for (int y = 0; y + 1 < cells.height; ++y)
        for (int x = 1; x + 1 < cells.width; ++x) {
            const int a = cells.At(x, y);
            if (a <= 0) continue;
            for (const int b : {cells.At(x + 1, y), cells.At(x - 1, y + 1), cells.At(x, y + 1),
                                cells.At(x + 1, y + 1)})
                if (b > 0 && a != b) pairs.insert({std::min(a, b), std::max(a, b)});
            if (length)
                for (const int b : {cells.At(x + 1, y), cells.At(x, y + 1)})
                    if (b > 0 && a != b) ++(*length)[{std::min(a, b), std::max(a, b)}];
        }
    return pairs;
}

// The board of territories at one size: land rasterised with the labels' clear areas, the
// regions cut into cells, and on the small board land grown and its pieces kept apart.
Board CellBoard(const std::vector<Shape>& shapes, const Layout& drawn, const maps::MapArt& art,
                const std::vector<Site>& sites, const CellPlan& plan, int shiftY,
                const maps::PictureRules& rules, raster::Colour border,
                std::span<const raster::Point> moves = {}) {
    const auto mediumSeeds = maps::SeedsFor(art, 2);
    const int size = rules.size;
    Board thin = Rasterise(shapes, drawn, art, mediumSeeds, size, false, shiftY, moves);
    AssignCells(thin, sites, plan.band);
    if (size != 1) return thin;
    Board thick = Rasterise(shapes, drawn, art, mediumSeeds, size, true, shiftY, moves);
    AssignCells(thick, sites, plan.band);
    KeepPiecesApart(thick, thin, rules, border);
    return thick;
}

// How far the game moves the labels of `place` at `size`.
raster::Point LabelShift(const PlaceMap& place, int size) {
    return size == 3 ? place.LargeShift() : raster::Point{0, 0};
}

// Where the game paints labels or fills of `place` at `size` apart from the usual paint point.
std::vector<raster::Point> GameMoves(const PlaceMap& place, int size) {
    const raster::Point s = LabelShift(place, size);
    std::vector<raster::Point> moves;
    for (const raster::Point m : {s, raster::Point{s.x, s.y - place.FillRaise()}})
        if ((m.x != 0 || m.y != 0) &&
            std::none_of(moves.begin(), moves.end(), [&](raster::Point o) { return o == m; }))
            moves.push_back(m);
    return moves;
}

// The rules as the game paints `place`: labels moved by its shift, fills raised.
maps::PictureRules GameRules(const PlaceMap& place, maps::PictureRules rules) {
    const raster::Point s = LabelShift(place, rules.size);
    for (raster::Point& p : rules.paintPoints)
        if (p.x >= 0) p = raster::Point{p.x + s.x, p.y + s.y - place.FillRaise()};
    for (auto& rects : rules.footprints)
        for (raster::Rect& r : rects)
            r = raster::Rect{r.left + s.x, r.top + s.y, r.right + s.x, r.bottom + s.y};
    return rules;
}

// Label rows made of sites: size 1 lower by the plan's amount, the plan's rows with a size-3
// position of their own, and its count offsets.
OwnedArt ArtOf(const std::vector<Site>& sites, const CellPlan& plan) {
    OwnedArt art;
    for (const Site& s : sites) {
        const int x = static_cast<int>(std::lround(s.at.x));
        const int y = static_cast<int>(std::lround(s.at.y));
        const bool own3 = std::find(plan.ownSize3.begin(), plan.ownSize3.end(), s.territory) !=
                          plan.ownSize3.end();
        art.labelsSize23.push_back(maps::ArtLabel{x, y, "", own3 ? x + 2 : -1, own3 ? y : -1});
        art.labelsSize1.push_back(maps::ArtLabel{x, y + plan.size1Dy, ""});
    }
    art.countOffsets = plan.countOffsets;
    if (plan.iconsUndoCounts)
        for (maps::ArtOffset o : plan.countOffsets)
            if (o.size != 1 && !o.absolute)
                art.iconOffsets.push_back(
                    maps::ArtOffset{o.size, o.territory, false, -o.dx, -o.dy, -o.dyLargeFonts});
    art.narrowCodeBoxes = plan.narrowCodeBoxes;
    for (const auto& seed : plan.seeds)
        for (std::size_t k = 0; k < 3; ++k) art.seeds[k].push_back(seed[k]);
    return art;
}

// A faulty contact: the search goes back to its first territory's region, or with `reseek 2` to
// either territory's.
void MarkWeak(const std::pair<int, int>& contact, const CellPlan& plan, std::vector<int>* weak) {
    weak->push_back(contact.first);
    if (plan.reseekBoth) weak->push_back(contact.second);
}

// The tables that the cells on the medium board of regions promise (contacts of pixels, lanes):
// a quick estimate before the whole drawing. `weak` gets a territory of each contact too short to
// be seen alike at every size.
PlaceTables Estimate(const Board& regions, const std::vector<bool>& band, std::vector<Site> sites,
                     const CellPlan& plan, const BuiltinMap& map, std::vector<int>* weak) {
    MarkEdges(regions, sites, plan.clearance);
    Board cells = regions;
    AssignCells(cells, sites, band);
    std::map<std::pair<int, int>, int> length;
    std::set<std::pair<int, int>> pairs = CellContacts(cells, &length);
    if (weak) {
        weak->clear();
        for (const auto& pair : pairs)
            if (length[pair] < plan.firmContact) MarkWeak(pair, plan, weak);
    }
    for (const Lane& l : LanesFor(regions, &cells, sites, plan))
        if (l.b > 0) pairs.insert({std::min(l.a, l.b), std::max(l.a, l.b)});
    PlaceTables tables;
    tables.neighbours = NeighboursFrom({pairs.begin(), pairs.end()}, map.territories);
    tables.borders = BorderLists(tables.neighbours, map.continentRuns);
    tables.routes = MakeRoutes(tables.neighbours, map.continentRuns, map.routes, map.longestRoute);
    return tables;
}

Board RegionBoard(const std::vector<Shape>& shapes, const Layout& layout) {
    const maps::MapArt none{};
    return Rasterise(shapes, layout, none, {}, 2, false, 0);
}

// Land under the players panel (its ten rows of boxes and names) at one size.
bool LandUnderPanel(const Board& board, const PlaceMap& place) {
    const auto area = render::PlayersPanelArea(place.map, board.size);
    if (!area) return false;
    for (int y = std::max(0, area->top); y < std::min(board.height, area->bottom); ++y)
        for (int x = std::max(0, area->left); x < std::min(board.width, area->right); ++x)
            if (board.At(x, y) != 0) return true;
    return false;
}

bool ReadInts(std::istringstream& words, std::vector<int>& out) {
    int v = 0;
    while (words >> v) out.push_back(v);
    return !out.empty();
}

// The union of a territory's label footprints at every size, in medium units relative to its
// label point: left, top, right, bottom (right and bottom beyond the last pixel).
std::array<int, 4> FootprintExtent(const PlaceMap& place, const CellPlan& plan, int territory) {
    constexpr double kBase = 300;  // a label point well inside every board
    std::vector<Site> sites;
    for (int t = 1; t <= place.map->territories; ++t)
        sites.push_back(Site{t, 0, Vec2{kBase, kBase}});
    const OwnedArt art = ArtOf(sites, plan);
    std::array<int, 4> e{1000, 1000, -1000, -1000};
    for (const int size : {1, 2, 3}) {
        const double s = size == 1 ? 0.70 : size == 3 ? 1.25 : 1.0;
        for (const raster::Rect& r :
             maps::LabelFootprint(art.View(), size, territory, place.ShiftY(size))) {
            e[0] = std::min(e[0], static_cast<int>(std::floor(r.left / s - kBase)));
            e[1] = std::min(e[1], static_cast<int>(std::floor(r.top / s - kBase)));
            e[2] = std::max(e[2], static_cast<int>(std::ceil(r.right / s - kBase)));
            e[3] = std::max(e[3], static_cast<int>(std::ceil(r.bottom / s - kBase)));
        }
    }
    return e;
}

// The label point of `territory` on the medium board whose footprint extent, grown by the
// largest margin possible, covers only the territory's land; the nearest to the territory's
// middle among equals.
Vec2 RoomiestPoint(const Board& board, int territory, const std::array<int, 4>& e) {
    const int w = board.width, h = board.height;
    std::vector<int> sum(static_cast<std::size_t>(w + 1) * (h + 1), 0);
    double mx = 0, my = 0, count = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int own = board.At(x, y) == territory ? 1 : 0;
            if (own) mx += x, my += y, ++count;
            sum[(y + 1) * (w + 1) + x + 1] =
                own + sum[y * (w + 1) + x + 1] + sum[(y + 1) * (w + 1) + x] - sum[y * (w + 1) + x];
        }
    if (count > 0) mx /= count, my /= count;
    auto owned = [&](int l, int t, int r, int b) {  // own pixels in [l, r) x [t, b), clipped
        l = std::clamp(l, 0, w), r = std::clamp(r, 0, w), t = std::clamp(t, 0, h);
        b = std::clamp(b, 0, h);
        if (l >= r || t >= b) return 0;
        return sum[b * (w + 1) + r] - sum[t * (w + 1) + r] - sum[b * (w + 1) + l] +
               sum[t * (w + 1) + l];
    };
    Vec2 best{mx, my};
    for (int margin = 12; margin >= 0; --margin) {
        double bestD = -1;
        const int area = (e[2] - e[0] + 2 * margin) * (e[3] - e[1] + 2 * margin);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (owned(x + e[0] - margin, y + e[1] - margin, x + e[2] + margin,
                          y + e[3] + margin) != area)
                    continue;
                const double cx = x + (e[0] + e[2]) / 2.0, cy = y + (e[1] + e[3]) / 2.0;
                const double d = std::hypot(cx - mx, cy - my);
                if (bestD < 0 || d < bestD) bestD = d, best = Vec2{double(x), double(y)};
            }
        if (bestD >= 0) return best;
    }
    // No room anywhere: the point whose footprint covers the most of the territory.
    int most = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int own = owned(x + e[0], y + e[1], x + e[2], y + e[3]);
            if (own > most) most = own, best = Vec2{double(x), double(y)};
        }
    return best;
}

}  // namespace

maps::MapArt OwnedArt::View() const {
    return maps::MapArt{labelsSize1, labelsSize23,    countOffsets,
                        iconOffsets, narrowCodeBoxes, {seeds[0], seeds[1], seeds[2]}};
}

std::optional<CellPlan> LoadCellPlan(const std::string& path, std::string* error) {
    std::ifstream in(path);
    if (!in) {
        *error = "cannot read " + path;
        return std::nullopt;
    }
    CellPlan plan;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string kind;
        if (!(words >> kind)) continue;
        std::vector<int> v;
        bool ok = true;
        if (kind == "search") {
            ok = static_cast<bool>(words >> plan.clearance >> plan.spacing >> plan.band);
        } else if (!ReadInts(words, v)) {
            ok = false;
        } else if (kind == "region" && v.size() == 4) {
            plan.regions.push_back(RegionWish{v[0], v[1], v[2], v[3], {}});
        } else if (kind == "fixed" && v.size() == 3) {
            plan.fixed.push_back(Site{0, v[0], Vec2{double(v[1]), double(v[2])}});
        } else if (kind == "lanes" && v.size() == 3) {
            plan.lanes.push_back(CellPlan::Lanes{v[0], v[1], v[2]});
        } else if (kind == "size1dy" && v.size() == 1) {
            plan.size1Dy = v[0];
        } else if (kind == "size3") {
            plan.ownSize3 = v;
        } else if (kind == "seed" && v.size() == 7) {
            std::array<maps::FillSeed, 3> seed{};
            for (int k = 0; k < 3; ++k) seed[k] = maps::FillSeed{v[0], v[1 + 2 * k], v[2 + 2 * k]};
            plan.seeds.push_back(seed);
        } else if (kind == "label" && v.size() == 3) {
            plan.labels.push_back({v[0], Vec2{double(v[1]), double(v[2])}});
        } else if (kind == "narrow" && v.size() == 4) {
            plan.narrowCodeBoxes.push_back(maps::CodeBoxSize{v[0], v[1], v[2], v[3]});
        } else if (kind == "icons" && v.size() == 1) {
            plan.iconsUndoCounts = v[0] != 0;
        } else if (kind == "reseek" && v.size() == 1) {
            plan.reseekBoth = v[0] == 2;
        } else if (kind == "firm" && v.size() == 1) {
            plan.firmContact = v[0];
        } else if (kind == "count" && v.size() == 5) {
            plan.countOffsets.push_back(maps::ArtOffset{v[0], v[1], false, v[2], v[3], v[4]});
        } else {
            ok = false;
        }
        if (!ok) {
            *error = path + ":" + std::to_string(number) + ": cannot read \"" + line + "\"";
            return std::nullopt;
        }
    }
    return plan;
}

Drawing Draw(const PlaceMap& place, const std::vector<Country>& countries, const Layout& layout,
             const CellPlan& plan, const maps::MapArt& art) {
    Drawing d;
    std::vector<Vec2> from, to;
    for (const auto& [geo, board] : layout.controls) from.push_back(geo), to.push_back(board);
    Warp warp;
    std::string error;
    if (!warp.Fit(from, to)) return d.errors.push_back("the controls give no warp"), d;
    const auto shapes = BuildShapes(countries, layout, warp, &error);
    if (shapes.empty()) return d.errors.push_back(error), d;
    const BuiltinMap& map = *place.map;
    const int n = map.territories;
    if (static_cast<int>(art.labelsSize23.size()) != n)
        return d.errors.push_back("the label table does not cover the map"), d;

    const Board regions = RegionBoard(shapes, layout);
    std::vector<Site> sites = SitesOf(art, place);
    MarkEdges(regions, sites, plan.clearance);
    Layout drawn = layout;
    Board cells = regions;
    AssignCells(cells, sites, plan.band);
    for (const Lane& lane : LanesFor(regions, &cells, sites, plan)) drawn.lanes.push_back(lane);
    const raster::Colour border = raster::Rgb(layout.border, layout.border, layout.border);
    const raster::Colour lane = raster::Rgb(layout.lane, layout.lane, layout.lane);
    const std::vector<TerritoryContent> blank(static_cast<std::size_t>(n),
                                              TerritoryContent{" ", 0, 0, {}});
    const CodeMapContent noNeighbours{blank, {}, {}};
    auto boardAt = [&](const maps::PictureRules& rules) {
        return CellBoard(shapes, drawn, art, sites, plan, place.ShiftY(rules.size), rules, border,
                         GameMoves(place, rules.size));
    };
    auto rulesAt = [&](int size) {
        return GameRules(place, maps::RulesFor(art, noNeighbours, size, place.ShiftY(size), lane));
    };

    // The neighbours are what the medium picture shows.
    std::vector<std::pair<int, int>> pairs;
    {
        const maps::PictureRules rules = rulesAt(2);
        Board board = boardAt(rules);
        std::vector<std::string> ignored, alsoIgnored;
        const Finished first = FinishBoard(board, drawn, rules, ignored, alsoIgnored);
        pairs = maps::ContactPairs(first.picture, rules);
    }
    d.tables.neighbours = NeighboursFrom(pairs, n);
    d.tables.borders = BorderLists(d.tables.neighbours, map.continentRuns);
    d.tables.routes =
        MakeRoutes(d.tables.neighbours, map.continentRuns, map.routes, map.longestRoute);
    for (const auto& miss : CatalogueMisses(d.tables, map)) d.errors.push_back(miss);
    for (const int size : {1, 2, 3}) {
        maps::PictureRules rules = rulesAt(size);
        rules.neighbourPairs = pairs;
        Board board = boardAt(rules);
        if (LandUnderPanel(board, place))
            d.errors.push_back("size " + std::to_string(size) + ": land under the players panel");
        d.sizes[size - 1] = FinishBoard(board, drawn, rules, d.errors, d.warnings);
        // Where the game moves its paint points, the picture must also hold at the unmoved ones,
        // as the common picture checks see them.
        if (place.LargeShift().x == 0 && place.LargeShift().y == 0 && place.FillRaise() == 0)
            continue;
        maps::PictureRules unmoved =
            maps::RulesFor(art, noNeighbours, size, place.ShiftY(size), lane);
        unmoved.neighbourPairs = pairs;
        const std::string prefix = "size " + std::to_string(size) + " (unmoved): ";
        for (const auto& e : maps::ValidatePicture(d.sizes[size - 1].picture, unmoved))
            d.errors.push_back(prefix + e);
        for (const auto& e :
             maps::ValidateOutlines(d.sizes[size - 1].picture, d.sizes[size - 1].outlines, unmoved))
            d.errors.push_back(prefix + e);
    }
    return d;
}

std::optional<OwnedArt> SearchArt(const PlaceMap& place, const std::vector<Country>& countries,
                                  const Layout& layout, const CellPlan& plan, int attempts,
                                  std::uint64_t seed, OwnedArt* bestOut) {
    std::vector<Vec2> from, to;
    for (const auto& [geo, board] : layout.controls) from.push_back(geo), to.push_back(board);
    Warp warp;
    std::string error;
    if (!warp.Fit(from, to)) return std::nullopt;
    const auto shapes = BuildShapes(countries, layout, warp, &error);
    if (shapes.empty()) return std::nullopt;
    const Board regions = RegionBoard(shapes, layout);
    const std::vector<bool> band = BandOf(regions, plan.band);
    const BuiltinMap& map = *place.map;
    std::vector<int> firstOf{0, 1};
    for (const ContinentRun& run : map.continentRuns)
        firstOf.push_back(firstOf.back() + run.members);

    std::vector<OwnedArt> best;  // the attempt with the fewest faults, to look at
    std::size_t bestFaults = 0;
    std::vector<int> regionOf{0};
    for (std::size_t c = 0; c < map.continentRuns.size(); ++c)
        for (int i = 0; i < map.continentRuns[c].members; ++i)
            regionOf.push_back(static_cast<int>(c) + 1);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        Rng rng(seed + static_cast<std::uint64_t>(attempt) * 7919);
        std::vector<std::vector<Site>> byRegion(firstOf.size());
        auto gather = [&]() {
            std::vector<Site> sites;
            for (std::size_t r = 1; r < byRegion.size(); ++r)
                for (Site s : byRegion[r]) {
                    s.territory += firstOf[r] - 1;
                    sites.push_back(s);
                }
            std::sort(sites.begin(), sites.end(),
                      [](const Site& a, const Site& b) { return a.territory < b.territory; });
            return sites;
        };
        // Sites for one region (and again for the regions its lanes reach, searched after it).
        auto searchRegion = [&](int region) {
            bool after = false;
            for (RegionWish wish : plan.regions) {
                if (wish.region != region && !after) continue;
                if (after && std::none_of(plan.lanes.begin(), plan.lanes.end(),
                                          [&](const CellPlan::Lanes& r) {
                                              return r.from == region && r.to == wish.region;
                                          }))
                    continue;
                after = true;
                // Lanes into this region end where the lanes of the other regions meet it.
                CellPlan into;
                for (const CellPlan::Lanes& rule : plan.lanes)
                    if (rule.to == wish.region) into.lanes.push_back(rule);
                for (const Lane& l : LanesFor(regions, nullptr, gather(), into))
                    wish.laneEnds.push_back(l.to);
                // Sites that leave by a lane are border members of their own (islands).
                for (const CellPlan::Lanes& rule : plan.lanes)
                    if (rule.from == wish.region) wish.borderMembers -= rule.count;
                wish.middle = MiddleOf(place);
                std::vector<Site> fixed;
                for (const Site& s : plan.fixed)
                    if (s.region == wish.region) fixed.push_back(s);
                byRegion[static_cast<std::size_t>(wish.region)] = SearchRegion(
                    regions, wish, fixed, plan.clearance, plan.spacing, plan.band, 300, rng);
                if (byRegion[static_cast<std::size_t>(wish.region)].empty()) {
                    std::fprintf(stderr, "attempt %d: region %d finds no sites\n", attempt,
                                 wish.region);
                    return false;
                }
            }
            return true;
        };
        bool found = true;
        for (const RegionWish& wish : plan.regions)
            if (byRegion[static_cast<std::size_t>(wish.region)].empty())
                found = found && searchRegion(wish.region);
        if (!found) continue;
        // Regions whose cells have too many neighbours are searched again, the worst first.
        bool estimated = false;
        int tally[4] = {0, 0, 0, 0};  // catalogue misses, weak or unlike contacts, fits, checks
        for (int step = 0; step < 200 && found; ++step) {
            std::vector<int> weak;
            const PlaceTables tables = Estimate(regions, band, gather(), plan, map, &weak);
            const auto misses = CatalogueMisses(tables, map);
            if (misses.empty() && weak.empty()) {
                ++tally[3];
                // Every size must show the same contacts between cells, labels drawn.
                std::vector<Site> marked = gather();
                MarkEdges(regions, marked, plan.clearance);
                const OwnedArt trial = ArtOf(marked, plan);
                const maps::MapArt view = trial.View();
                const std::vector<TerritoryContent> blank(static_cast<std::size_t>(map.territories),
                                                          TerritoryContent{" ", 0, 0, {}});
                const CodeMapContent noNeighbours{blank, {}, {}};
                std::array<std::set<std::pair<int, int>>, 3> contacts;
                for (const int size : {1, 2, 3}) {
                    const auto rules =
                        maps::RulesFor(view, noNeighbours, size, place.ShiftY(size), 0);
                    contacts[size - 1] =
                        CellContacts(CellBoard(shapes, layout, view, marked, plan,
                                               place.ShiftY(size), rules, raster::Rgb(64, 64, 64)),
                                     nullptr);
                }
                for (const int other : {0, 2}) {
                    for (const auto& p : contacts[1])
                        if (!contacts[other].contains(p)) MarkWeak(p, plan, &weak);
                    for (const auto& p : contacts[other])
                        if (!contacts[1].contains(p)) MarkWeak(p, plan, &weak);
                }
            }
            ++(misses.empty() ? (weak.empty() ? tally[2] : tally[1]) : tally[0]);
            if (!misses.empty() && step == 199) std::fprintf(stderr, "  %s\n", misses[0].c_str());
            if (misses.empty() && !weak.empty()) {
                found = searchRegion(regionOf[static_cast<std::size_t>(
                    weak[static_cast<std::size_t>(rng.Below(static_cast<int>(weak.size())))])]);
                continue;
            }
            if (misses.empty()) {
                estimated = true;
                break;
            }
            int worst = 0;
            for (std::size_t t = 1; t < tables.neighbours.size(); ++t)
                if (worst == 0 || tables.neighbours[t].size() > tables.neighbours[worst].size())
                    worst = static_cast<int>(t);
            int continent = 0;
            if (std::sscanf(misses[0].c_str(), "continent %d:", &continent) == 1) {
                found = searchRegion(continent);
                continue;
            }
            const int again =
                worst > 0 && static_cast<int>(tables.neighbours[worst].size()) > map.maxNeighbours
                    ? regionOf[static_cast<std::size_t>(worst)]
                    : 1 + rng.Below(static_cast<int>(firstOf.size()) - 2);
            found = searchRegion(again);
        }
        if (!estimated) {
            std::fprintf(stderr,
                         "attempt %d: no estimate fits (%d missed the catalogue, %d had weak or "
                         "unlike contacts, %d sizes compared)\n",
                         attempt, tally[0], tally[1], tally[3]);
            continue;
        }
        const OwnedArt art = ArtOf(gather(), plan);
        const Drawing d = Draw(place, countries, layout, plan, art.View());
        if (d.errors.empty()) return art;
        if (best.empty() || d.errors.size() < bestFaults)
            best = {art}, bestFaults = d.errors.size();
        std::fprintf(stderr, "attempt %d: %zu faults\n", attempt, d.errors.size());
        for (std::size_t i = 0; i < d.errors.size() && i < 12; ++i)
            std::fprintf(stderr, "  %s\n", d.errors[i].c_str());
    }
    if (!best.empty() && bestOut) *bestOut = best.front();
    return std::nullopt;
}

OwnedArt LabelledArt(const PlaceMap& place, const std::vector<Country>& countries,
                     const Layout& layout, const CellPlan& plan, std::string* placed) {
    std::vector<Vec2> from, to;
    for (const auto& [geo, board] : layout.controls) from.push_back(geo), to.push_back(board);
    Warp warp;
    std::string error;
    std::vector<Site> sites;
    if (!warp.Fit(from, to)) return OwnedArt{};
    const auto shapes = BuildShapes(countries, layout, warp, &error);
    const Board board = RegionBoard(shapes, layout);
    for (int t = 1; t <= place.map->territories; ++t) {
        const auto given = std::find_if(plan.labels.begin(), plan.labels.end(),
                                        [&](const auto& l) { return l.first == t; });
        if (given != plan.labels.end()) {
            sites.push_back(Site{t, 0, given->second});
            continue;
        }
        const Vec2 at = RoomiestPoint(board, t, FootprintExtent(place, plan, t));
        sites.push_back(Site{t, 0, at});
        if (placed)
            *placed += "label " + std::to_string(t) + " " + std::to_string(int(at.x)) + " " +
                       std::to_string(int(at.y)) + "\n";
    }
    return ArtOf(sites, plan);
}

std::string ArtSource(const std::string& prefix, const maps::MapArt& art) {
    std::string s = "const ArtLabel k" + prefix + "LabelsSize1[] = {\n";
    auto label = [](const maps::ArtLabel& l, std::size_t t) {
        std::string row = "    {" + std::to_string(l.x) + ", " + std::to_string(l.y) + ", \"\"";
        if (l.x3 >= 0) row += ", " + std::to_string(l.x3) + ", " + std::to_string(l.y3);
        return row + "},  // " + std::to_string(t) + "\n";
    };
    for (std::size_t t = 1; t <= art.labelsSize1.size(); ++t) s += label(art.labelsSize1[t - 1], t);
    s += "};\nconst ArtLabel k" + prefix + "LabelsSize23[] = {\n";
    for (std::size_t t = 1; t <= art.labelsSize23.size(); ++t)
        s += label(art.labelsSize23[t - 1], t);
    return s + "};\n";
}

}  // namespace places
