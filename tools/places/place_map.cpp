// Drawing a map of real places from its regions and label points, and searching those points.
#include "tools/places/place_map.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace places {
namespace {

double ScaleOf(int size) {
    return size == 1 ? 0.70 : size == 3 ? 1.25 : 1.0;
}

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

std::vector<Site> SitesOf(const maps::MapArt& art, const BuiltinMap& map) {
    const std::vector<int> region = RegionsOf(map);
    std::vector<Site> sites;
    for (std::size_t t = 1; t <= art.labelsSize23.size() && t < region.size(); ++t) {
        const maps::ArtLabel& l = art.labelsSize23[t - 1];
        sites.push_back(Site{static_cast<int>(t), region[t],
                             Vec2{static_cast<double>(l.x), static_cast<double>(l.y)}});
    }
    return sites;
}

Vec2 FootprintCentre(const Site& s) {
    return Vec2{s.at.x + kFootprintCentre.x, s.at.y + kFootprintCentre.y};
}

// The land pixel of `region` nearest to p on the medium region board.
std::optional<Vec2> NearestLand(const Board& regions, int region, Vec2 p) {
    std::optional<Vec2> best;
    double bestD = 0;
    for (int y = 0; y < regions.height; ++y)
        for (int x = 0; x < regions.width; ++x) {
            if (regions.At(x, y) != kRegionBase + region) continue;
            const double d = std::hypot(x + 0.5 - p.x, y + 0.5 - p.y);
            if (!best || d < bestD) best = Vec2{x + 0.5, y + 0.5}, bestD = d;
        }
    return best;
}

// The sea lanes of the plan: from the `count` sites of one region nearest to another region's
// land, each to the nearest coast of that region.
std::vector<Lane> LanesFor(const Board& regions, const std::vector<Site>& sites,
                           const CellPlan& plan) {
    std::vector<Lane> lanes;
    for (const CellPlan::Lanes& rule : plan.lanes) {
        std::vector<std::pair<double, Lane>> options;
        for (const Site& s : sites) {
            if (s.region != rule.from) continue;
            const auto end = NearestLand(regions, rule.to, FootprintCentre(s));
            if (!end) continue;
            int target = 0;
            double nearest = 0;
            for (const Site& o : sites) {
                if (o.region != rule.to) continue;
                const Vec2 c = FootprintCentre(o);
                const double d = std::hypot(c.x - end->x, c.y - end->y);
                if (target == 0 || d < nearest) target = o.territory, nearest = d;
            }
            const Vec2 from = FootprintCentre(s);
            options.push_back({std::hypot(from.x - end->x, from.y - end->y),
                               Lane{s.territory, target, from, *end, false}});
        }
        std::sort(options.begin(), options.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        for (int i = 0; i < rule.count && i < static_cast<int>(options.size()); ++i)
            lanes.push_back(options[static_cast<std::size_t>(i)].second);
    }
    return lanes;
}

Board RegionBoard(const std::vector<Shape>& shapes, const Layout& layout) {
    const maps::MapArt none{};
    return Rasterise(shapes, layout, none, {}, 2, false, 0);
}

// Land under the players panel (its ten rows of boxes and names) at one size.
bool LandUnderPanel(const Board& board, const PlaceMap& place) {
    const double s = ScaleOf(board.size);
    const int x0 = static_cast<int>(place.panelX * s), y0 = static_cast<int>(place.panelY * s);
    const int x1 = static_cast<int>((place.panelX + 170) * s);
    const int y1 = static_cast<int>((place.panelY + 205) * s);
    for (int y = std::max(0, y0); y < std::min(board.height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(board.width, x1); ++x)
            if (board.At(x, y) != 0) return true;
    return false;
}

bool ReadInts(std::istringstream& words, std::vector<int>& out) {
    int v = 0;
    while (words >> v) out.push_back(v);
    return !out.empty();
}

}  // namespace

maps::MapArt OwnedArt::View() const {
    return maps::MapArt{labelsSize1, labelsSize23, countOffsets,
                        iconOffsets, {},           {seeds[0], seeds[1], seeds[2]}};
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
    std::vector<Site> sites = SitesOf(art, map);
    MarkEdges(regions, sites, plan.clearance);
    Layout drawn = layout;
    for (const Lane& lane : LanesFor(regions, sites, plan)) drawn.lanes.push_back(lane);
    const raster::Colour border = raster::Rgb(layout.border, layout.border, layout.border);
    const raster::Colour lane = raster::Rgb(layout.lane, layout.lane, layout.lane);
    const std::vector<TerritoryContent> blank(static_cast<std::size_t>(n),
                                              TerritoryContent{" ", 0, 0, {}});
    const CodeMapContent noNeighbours{blank, {}, {}};
    const auto mediumSeeds = maps::SeedsFor(art, 2);
    auto boardAt = [&](const maps::PictureRules& rules) {
        const int size = rules.size, shift = place.shiftY[size - 1];
        Board thin = Rasterise(shapes, drawn, art, mediumSeeds, size, false, shift);
        AssignCells(thin, sites, plan.band);
        if (size != 1) return thin;
        Board thick = Rasterise(shapes, drawn, art, mediumSeeds, size, true, shift);
        AssignCells(thick, sites, plan.band);
        KeepPiecesApart(thick, thin, rules, border);
        return thick;
    };
    auto rulesAt = [&](int size) {
        return maps::RulesFor(art, noNeighbours, size, place.shiftY[size - 1], lane);
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
    }
    return d;
}

std::optional<OwnedArt> SearchArt(const PlaceMap& place, const std::vector<Country>& countries,
                                  const Layout& layout, const CellPlan& plan, int attempts,
                                  std::uint64_t seed) {
    std::vector<Vec2> from, to;
    for (const auto& [geo, board] : layout.controls) from.push_back(geo), to.push_back(board);
    Warp warp;
    std::string error;
    if (!warp.Fit(from, to)) return std::nullopt;
    const auto shapes = BuildShapes(countries, layout, warp, &error);
    if (shapes.empty()) return std::nullopt;
    const Board regions = RegionBoard(shapes, layout);
    const BuiltinMap& map = *place.map;
    std::vector<int> firstOf{0, 1};
    for (const ContinentRun& run : map.continentRuns)
        firstOf.push_back(firstOf.back() + run.members);

    for (int attempt = 0; attempt < attempts; ++attempt) {
        Rng rng(seed + static_cast<std::uint64_t>(attempt) * 7919);
        std::vector<Site> sites;
        bool found = true;
        for (RegionWish wish : plan.regions) {
            // Lanes into this region end where the lanes of the regions searched before meet it.
            CellPlan into;
            for (const CellPlan::Lanes& rule : plan.lanes)
                if (rule.to == wish.region) into.lanes.push_back(rule);
            for (const Lane& l : LanesFor(regions, sites, into)) wish.laneEnds.push_back(l.to);
            // Sites that leave by a lane are border members of their own (islands).
            for (const CellPlan::Lanes& rule : plan.lanes)
                if (rule.from == wish.region) wish.borderMembers -= rule.count;
            std::vector<Site> fixed;
            for (const Site& s : plan.fixed)
                if (s.region == wish.region) fixed.push_back(s);
            const auto local = SearchRegion(regions, wish, fixed, plan.clearance, plan.spacing,
                                            plan.band, 300, rng);
            if (local.empty()) {
                std::fprintf(stderr, "attempt %d: region %d finds no sites\n", attempt,
                             wish.region);
                found = false;
                break;
            }
            for (Site s : local) {
                s.territory += firstOf[static_cast<std::size_t>(wish.region)] - 1;
                sites.push_back(s);
            }
        }
        if (!found) continue;
        std::sort(sites.begin(), sites.end(),
                  [](const Site& a, const Site& b) { return a.territory < b.territory; });
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
        const Drawing d = Draw(place, countries, layout, plan, art.View());
        if (d.errors.empty()) return art;
        std::fprintf(stderr, "attempt %d: %zu faults, first: %s\n", attempt, d.errors.size(),
                     d.errors.front().c_str());
    }
    return std::nullopt;
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
