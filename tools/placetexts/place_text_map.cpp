// Making a map text of a real place: projection, rasterising of outlines and cells, islands
// bridged to their land, then the drawing, labels, lines and checks of the text maps.
#include "tools/placetexts/place_text_map.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "core/model/game_state.h"
#include "maps/map_texts.h"
#include "tools/mapgen/board_rules.h"
#include "tools/mapgen/drawing.h"

namespace placetexts {
namespace {

using places::Ring;
using places::Vec2;

constexpr double kPi = 3.14159265358979323846;
constexpr int kPanelMargin = 6;      // land stays this far off the players panel
constexpr int kSmallestIsland = 30;  // medium pixels: smaller islands are not bridged

std::string Underscored(std::string s) {
    std::replace(s.begin(), s.end(), ' ', '_');
    return s;
}

// Albers equal-area conic, or plate carree; y grows to the south.
Vec2 Project(const PlaceInputs& in, Vec2 lonLat) {
    if (in.miller) {
        const double r = kPi / 180;
        const double y = 1.25 * std::log(std::tan(kPi / 4 + 0.4 * lonLat.y * r)) / r;
        return Vec2{lonLat.x, -y * in.stretch};
    }
    if (!in.conic) return Vec2{lonLat.x, -lonLat.y * in.stretch};
    const double r = kPi / 180, p1 = in.lat1 * r, p2 = in.lat2 * r;
    const double n = (std::sin(p1) + std::sin(p2)) / 2;
    const double c = std::cos(p1) * std::cos(p1) + 2 * n * std::sin(p1);
    const double rho = std::sqrt(std::max(0.0, c - 2 * n * std::sin(lonLat.y * r))) / n;
    const double theta = n * (lonLat.x - in.lon0) * r;
    return Vec2{rho * std::sin(theta) / r, rho * std::cos(theta) / r};
}

// True when p lies inside the convex polygon (either orientation) or no polygon is given.
bool InsideConvex(const Ring& polygon, Vec2 p) {
    int sign = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Vec2 a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        const int s = cross > 0 ? 1 : cross < 0 ? -1 : 0;
        if (s != 0 && sign != 0 && s != sign) return false;
        if (s != 0) sign = s;
    }
    return true;
}

// The polygon with a point every quarter degree along its edges, so that it bends as the
// projection bends the lines of latitude.
Ring Densified(const Ring& polygon) {
    Ring out;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Vec2 a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        const int steps = std::max(1, static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) * 4));
        for (int k = 0; k < steps; ++k)
            out.push_back(Vec2{a.x + (b.x - a.x) * k / steps, a.y + (b.y - a.y) * k / steps});
    }
    return out;
}

Vec2 Middle(const Ring& ring) {
    Vec2 m;
    for (const Vec2& p : ring) m.x += p.x, m.y += p.y;
    if (!ring.empty()) m.x /= static_cast<double>(ring.size()), m.y /= ring.size();
    return m;
}

// Every kept ring of each outline, in degrees.
std::map<std::string, std::vector<Ring>> KeptRings(const PlaceInputs& in,
                                                   const std::vector<places::Country>& all) {
    std::map<std::string, std::vector<Ring>> out;
    for (const places::Country& country : all)
        for (Ring ring : country.rings) {
            // A ring west of the seam moves east whole, so that none is torn across the map; one
            // that crosses the date line has its western half moved east.
            double west = 1e18, east = -1e18;
            for (const Vec2& p : ring) west = std::min(west, p.x), east = std::max(east, p.x);
            if (east - west > 180) {
                for (Vec2& p : ring)
                    if (p.x < 0) p.x += 360;
            } else if (Middle(ring).x < in.wrapBelow) {
                for (Vec2& p : ring) p.x += 360;
            }
            const Vec2 m = Middle(ring);
            if (in.hasKeep && (m.x < in.keepFrom.x || m.x > in.keepTo.x || m.y < in.keepFrom.y ||
                               m.y > in.keepTo.y))
                continue;
            out[country.name].push_back(std::move(ring));
        }
    return out;
}

// Fills a ring (medium units) into the grid with `value` where `only` is found (any when -1).
void FillRing(mapgen::OwnerGrid& g, const Ring& ring, int value, int only) {
    const std::size_t count = ring.size();
    if (count < 3) return;
    std::vector<double> xs;
    for (int y = 0; y < g.height; ++y) {
        const double sy = y + 0.5;
        xs.clear();
        for (std::size_t i = 0; i < count; ++i) {
            const Vec2 a = ring[i], b = ring[(i + 1) % count];
            if ((a.y <= sy) == (b.y <= sy)) continue;
            xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
            const int from = std::max(0, static_cast<int>(std::ceil(xs[k] - 0.5)));
            const int to = std::min(g.width - 1, static_cast<int>(std::floor(xs[k + 1] - 0.5)));
            for (int x = from; x <= to; ++x) {
                int& o = g.owner[g.At(x, y)];
                if (only < 0 || o == only) o = value;
            }
        }
    }
}

// Joins each island of a territory to its main land by the shortest way over open sea (a strip
// five pixels wide, so that white runs along it between its coasts), when that is no longer than
// `longest`; other islands stay as they are (the stray pieces are merged or sunk afterwards).
void BridgeIslands(mapgen::OwnerGrid& g, int territories, int longest) {
    if (longest <= 0) return;
    // Bridges only ever join pieces of their own territory: those with an island are found once.
    std::vector<bool> hasIsland(static_cast<std::size_t>(territories) + 1, false);
    {
        std::vector<int> sizes;
        const std::vector<int> piece = mapgen::Pieces(g.owner, g.width, g.height, &sizes);
        std::vector<int> largest(hasIsland.size(), -1);
        for (std::size_t p = 0; p < piece.size(); ++p) {
            const int o = g.owner[p];
            if (o > 0 && (largest[o] < 0 || sizes[piece[p]] > sizes[largest[o]]))
                largest[o] = piece[p];
        }
        for (std::size_t p = 0; p < piece.size(); ++p) {
            const int o = g.owner[p];
            if (o > 0 && piece[p] != largest[o] && sizes[piece[p]] >= kSmallestIsland)
                hasIsland[o] = true;
        }
    }
    for (int t = 1; t <= territories; ++t) {
        for (int round = 0; round < 40 && hasIsland[t]; ++round) {
            std::vector<int> sizes;
            const std::vector<int> piece = mapgen::Pieces(g.owner, g.width, g.height, &sizes);
            int main = -1;
            for (std::size_t p = 0; p < piece.size(); ++p)
                if (g.owner[p] == t && (main < 0 || sizes[piece[p]] > sizes[main])) main = piece[p];
            // The largest island not yet joined.
            int island = -1;
            for (std::size_t p = 0; p < piece.size(); ++p)
                if (g.owner[p] == t && piece[p] != main && sizes[piece[p]] >= kSmallestIsland &&
                    (island < 0 || sizes[piece[p]] > sizes[island]))
                    island = piece[p];
            if (island < 0) break;
            // Breadth-first over sea pixels whose 5x5 square is all sea or this territory.
            auto open = [&](int x, int y) {
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx) {
                        if (!g.Inside(x + dx, y + dy)) return false;
                        const int o = g.owner[g.At(x + dx, y + dy)];
                        if (o != 0 && o != t) return false;
                    }
                return true;
            };
            std::vector<int> from(g.owner.size(), -2), queue, steps(g.owner.size(), 0);
            for (std::size_t p = 0; p < piece.size(); ++p)
                if (piece[p] == island) from[p] = -1, queue.push_back(static_cast<int>(p));
            int reached = -1;
            for (std::size_t k = 0; k < queue.size() && reached < 0; ++k) {
                const int p = queue[k], x = p % g.width, y = p / g.width;
                const std::array<std::array<int, 2>, 4> next{
                    {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}};
                for (const auto& n : next) {
                    if (!g.Inside(n[0], n[1])) continue;
                    const int q = g.At(n[0], n[1]);
                    if (from[q] != -2) continue;
                    if (piece[q] == main) {
                        from[q] = p;
                        reached = q;
                        break;
                    }
                    if (g.owner[q] != 0 || !open(n[0], n[1]) || steps[p] >= longest) continue;
                    from[q] = p, steps[q] = steps[p] + 1, queue.push_back(q);
                }
            }
            if (reached < 0) {
                // Left alone: marked so that it is not tried again, restored below.
                for (std::size_t p = 0; p < piece.size(); ++p)
                    if (piece[p] == island) g.owner[p] = -100 - t;
                continue;
            }
            for (int p = from[reached]; p >= 0; p = from[p]) {
                const int x = p % g.width, y = p / g.width;
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx) {
                        if (!g.Inside(x + dx, y + dy)) continue;
                        int& o = g.owner[g.At(x + dx, y + dy)];
                        if (o == 0) o = t;
                    }
            }
        }
    }
    for (int& o : g.owner)
        if (o <= -100) o = -100 - o;
}

// Smooths coasts and borders: a pixel takes the value that holds most of its 3x3 square when
// that is five or more, so that one-pixel spurs, inlets and stairs go (the board's tracer walks
// every step of a coast).
void Smooth(mapgen::OwnerGrid& g, int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<int> next = g.owner;
        for (int y = 1; y + 1 < g.height; ++y)
            for (int x = 1; x + 1 < g.width; ++x) {
                std::array<int, 9> values{};
                int k = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) values[k++] = g.owner[g.At(x + dx, y + dy)];
                for (int v : values)
                    if (v != g.owner[g.At(x, y)] &&
                        std::count(values.begin(), values.end(), v) >= 5) {
                        next[g.At(x, y)] = v;
                        break;
                    }
            }
        g.owner = std::move(next);
    }
}

// A territory with no room for a label (a rectangle of kRoomW x kRoomH of its own) grows by a
// pixel all round, over land and sea, until it has that room: a small country then stays
// readable, its shape kept, at the cost of a little of the sea's or a large neighbour's land.
// Territories that have grown are not taken from again.
constexpr int kRoomW = 21, kRoomH = 28, kMostGrowth = 30;

// The rectangle holding every pixel of territory t (empty when it has none).
raster::Rect BoxOf(const mapgen::OwnerGrid& g, int t) {
    raster::Rect box{g.width, g.height, 0, 0};
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.owner[g.At(x, y)] == t)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

// Whether a kRoomW x kRoomH rectangle inside `box` is all territory t.
bool HasRoom(const mapgen::OwnerGrid& g, int t, const raster::Rect& box, std::vector<int>& sum) {
    const int w = box.right - box.left, h = box.bottom - box.top;
    if (w < kRoomW || h < kRoomH) return false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            sum[(y + 1) * (w + 1) + x + 1] = (g.owner[g.At(box.left + x, box.top + y)] == t) +
                                             sum[y * (w + 1) + x + 1] + sum[(y + 1) * (w + 1) + x] -
                                             sum[y * (w + 1) + x];
    for (int y = 0; y + kRoomH <= h; ++y)
        for (int x = 0; x + kRoomW <= w; ++x)
            if (sum[(y + kRoomH) * (w + 1) + x + kRoomW] - sum[y * (w + 1) + x + kRoomW] -
                    sum[(y + kRoomH) * (w + 1) + x] + sum[y * (w + 1) + x] ==
                kRoomW * kRoomH)
                return true;
    return false;
}

void MakeRoom(mapgen::OwnerGrid& g, int territories, const raster::Rect& keepClear, int largeArea) {
    std::vector<bool> grown(static_cast<std::size_t>(territories) + 1, false);
    std::vector<int> sum(static_cast<std::size_t>((g.width + 1) * (g.height + 1)), 0);
    // Only the sea and large territories give land.
    std::vector<int> area(static_cast<std::size_t>(territories) + 1, 0);
    for (int o : g.owner)
        if (o > 0) ++area[o];
    for (int t = 1; t <= territories; ++t) {
        raster::Rect box = BoxOf(g, t);
        for (int step = 0; step < kMostGrowth && !HasRoom(g, t, box, sum); ++step) {
            grown[t] = true;
            // Only pixels beside the territory change: those within its box grown by one.
            box = {std::max(0, box.left - 1), std::max(0, box.top - 1),
                   std::min(g.width, box.right + 1), std::min(g.height, box.bottom + 1)};
            std::vector<int> next = g.owner;
            for (int y = box.top; y < box.bottom; ++y)
                for (int x = box.left; x < box.right; ++x) {
                    const int o = g.owner[g.At(x, y)];
                    if (o == t || (o > 0 && (grown[o] || area[o] < largeArea))) continue;
                    if (x >= keepClear.left && x < keepClear.right && y >= keepClear.top &&
                        y < keepClear.bottom)
                        continue;
                    // Square and diamond steps in turn, so that it grows round.
                    const int reach = step % 2 == 0 ? 4 : 8;
                    const std::array<std::array<int, 2>, 8> near{{{x - 1, y},
                                                                  {x + 1, y},
                                                                  {x, y - 1},
                                                                  {x, y + 1},
                                                                  {x - 1, y - 1},
                                                                  {x + 1, y - 1},
                                                                  {x - 1, y + 1},
                                                                  {x + 1, y + 1}}};
                    for (int k = 0; k < reach; ++k)
                        if (g.Inside(near[k][0], near[k][1]) &&
                            g.owner[g.At(near[k][0], near[k][1])] == t) {
                            next[g.At(x, y)] = t;
                            break;
                        }
                }
            g.owner = std::move(next);
        }
    }
}

std::string Join(const std::vector<int>& numbers) {
    std::string out;
    for (int v : numbers) out += " " + std::to_string(v);
    return out;
}

int TerritoryByCode(const PlaceInputs& in, const std::string& code) {
    for (std::size_t k = 0; k < in.territories.size(); ++k)
        if (in.territories[k].code == code) return static_cast<int>(k) + 1;
    return 0;
}

}  // namespace

std::optional<PlaceInputs> LoadPlaceInputs(const std::string& folder, std::string* error) {
    const std::string path = folder + "/map.txt";
    std::ifstream file(path);
    if (!file) {
        *error = "cannot read " + path;
        return std::nullopt;
    }
    PlaceInputs in;
    std::string line;
    int number = 0;
    auto fail = [&](const std::string& why) {
        *error = path + ":" + std::to_string(number) + ": " + why;
        return std::nullopt;
    };
    while (std::getline(file, line)) {
        ++number;
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string kind;
        if (!(words >> kind)) continue;
        bool ok = true;
        if (kind == "name") {
            ok = static_cast<bool>(words >> in.name);
        } else if (kind == "outlines") {
            ok = static_cast<bool>(words >> in.outlines);
        } else if (kind == "keep") {
            ok = static_cast<bool>(words >> in.keepFrom.x >> in.keepFrom.y >> in.keepTo.x >>
                                   in.keepTo.y);
            in.hasKeep = true;
        } else if (kind == "clip") {
            for (Vec2 p; words >> p.x >> p.y;) in.clip.push_back(p);
            ok = in.clip.size() >= 3;
        } else if (kind == "wrap") {
            ok = static_cast<bool>(words >> in.wrapBelow);
        } else if (kind == "conic") {
            ok = static_cast<bool>(words >> in.lon0 >> in.lat1 >> in.lat2);
            in.conic = true;
        } else if (kind == "plate") {
            in.conic = false;
        } else if (kind == "miller") {
            in.conic = false;
            in.miller = true;
        } else if (kind == "stretch") {
            ok = static_cast<bool>(words >> in.stretch) && in.stretch > 0.5 && in.stretch < 2;
        } else if (kind == "box") {
            ok = static_cast<bool>(words >> in.boxLeft >> in.boxTop >> in.boxRight >> in.boxBottom);
        } else if (kind == "codes") {
            std::string style;
            ok = static_cast<bool>(words >> style) && (style == "own" || style == "xxx");
            in.codes = style == "own" ? mapgen::CodeStyle::kOwn3 : mapgen::CodeStyle::kXxx;
        } else if (kind == "donor") {
            ok = static_cast<bool>(words >> in.donorArea) && in.donorArea > 0;
        } else if (kind == "smooth") {
            ok = static_cast<bool>(words >> in.smooth) && in.smooth >= 0 && in.smooth <= 10;
        } else if (kind == "bridge") {
            ok = static_cast<bool>(words >> in.bridge);
        } else if (kind == "magnify") {
            PlaceInputs::Magnify g;
            ok = static_cast<bool>(words >> g.at.x >> g.at.y >> g.radius >> g.factor) &&
                 g.radius > 0 && g.factor >= 1 && g.factor <= 2.5;
            in.magnify.push_back(g);
        } else if (kind == "land") {
            for (std::string name; words >> name;) in.land.push_back(name);
        } else if (kind == "continent") {
            std::string name;
            ok = static_cast<bool>(words >> name);
            // The game reads a continent's name as one word of at most 20 characters.
            if (ok && name.size() > 20) return fail("the continent name " + name + " is over 20");
            in.continents.push_back(name);
        } else if (kind == "cell" || kind == "area") {
            if (in.continents.empty()) return fail("a territory before any continent");
            PlaceTerritory t;
            t.continent = static_cast<int>(in.continents.size());
            ok = static_cast<bool>(words >> t.code >> t.name);
            if (kind == "cell")
                ok = ok && static_cast<bool>(words >> t.at.x >> t.at.y), words >> t.within;
            else
                for (std::string name; words >> name;) t.outlines.push_back(name);
            ok = ok && (kind == "cell" || !t.outlines.empty()) &&
                 (t.code.size() == 2 || t.code.size() == 3);
            in.territories.push_back(t);
        } else if (kind == "towns") {
            // More points of a cell's region: the cell is the land nearest to any of them, so
            // that its borders follow the real region's.
            std::string code;
            ok = static_cast<bool>(words >> code);
            const int t = ok ? TerritoryByCode(in, code) : 0;
            if (t == 0 || !in.territories[t - 1].outlines.empty())
                return fail("towns of a code that is no cell");
            std::vector<double> v;
            for (double d; words >> d;) v.push_back(d);
            ok = words.eof() && !v.empty() && v.size() % 2 == 0;
            for (std::size_t k = 0; ok && k < v.size(); k += 2)
                in.territories[t - 1].towns.push_back(Vec2{v[k], v[k + 1]});
        } else if (kind == "lane") {
            std::pair<std::string, std::string> lane;
            ok = static_cast<bool>(words >> lane.first >> lane.second);
            in.lanes.push_back(lane);
        } else {
            return fail("unknown line '" + kind + "'");
        }
        if (!ok) return fail("cannot read this '" + kind + "' line");
    }
    if (in.name.empty()) return fail("no name line");
    std::set<std::string> codes;
    for (const PlaceTerritory& t : in.territories)
        if (!codes.insert(t.code).second) return fail("the code " + t.code + " repeats");
    for (const auto& [a, b] : in.lanes)
        if (TerritoryByCode(in, a) == 0 || TerritoryByCode(in, b) == 0)
            return fail("a lane names an unknown code");
    return in;
}

std::optional<mapgen::TextMap> MakePlaceTextMap(const PlaceInputs& in,
                                                const std::vector<places::Country>& outlines,
                                                std::string* error) {
    mapgen::TextMap m;
    m.text = BuiltinMapTextByName(in.name);
    m.name = in.name;
    m.codeStyle = in.codes;
    auto fail = [&](const std::string& why) {
        *error = in.name + ": " + why;
        return std::nullopt;
    };
    if (m.text == nullptr) return fail("no such map text in the game");
    const int n = m.text->territories, c = m.text->continents;
    if (static_cast<int>(in.territories.size()) != n || static_cast<int>(in.continents.size()) != c)
        return fail("the inputs give " + std::to_string(in.territories.size()) +
                    " territories in " + std::to_string(in.continents.size()) +
                    " continents; the text has " + std::to_string(n) + " in " + std::to_string(c));

    // Every ring the map draws, projected, with the territory it fills (0: land for cells).
    const auto kept = KeptRings(in, outlines);
    struct Drawn {
        int territory;  // 0: land cut into cells
        int land;       // which `land` outline
        Ring ring;
    };
    std::vector<Drawn> rings;
    // The frame is fitted to the land inside the clip polygon.
    Vec2 low{1e18, 1e18}, high{-1e18, -1e18};
    std::vector<Vec2> framePoints;
    auto add = [&](const std::string& name, int territory, int land) {
        const auto found = kept.find(Underscored(name));
        if (found == kept.end()) return false;
        for (const Ring& ring : found->second) {
            Ring projected;
            for (const Vec2& p : ring) {
                projected.push_back(Project(in, p));
                if (!InsideConvex(in.clip, p)) continue;
                low = {std::min(low.x, projected.back().x), std::min(low.y, projected.back().y)};
                high = {std::max(high.x, projected.back().x), std::max(high.y, projected.back().y)};
                framePoints.push_back(projected.back());
            }
            rings.push_back(Drawn{territory, land, std::move(projected)});
        }
        return true;
    };
    for (std::size_t k = 0; k < in.land.size(); ++k)
        if (!add(in.land[k], 0, static_cast<int>(k))) return fail("no outline " + in.land[k]);
    for (int t = 1; t <= n; ++t)
        for (const std::string& name : in.territories[t - 1].outlines)
            if (!add(name, t, 0)) return fail("no outline " + name);

    const double scale = std::min((in.boxRight - in.boxLeft) / (high.x - low.x),
                                  (in.boxBottom - in.boxTop) / (high.y - low.y));
    const Vec2 offset{(in.boxLeft + in.boxRight - (high.x - low.x) * scale) / 2 - low.x * scale,
                      (in.boxTop + in.boxBottom - (high.y - low.y) * scale) / 2 - low.y * scale};
    auto fitted = [&](Vec2 p) { return Vec2{p.x * scale + offset.x, p.y * scale + offset.y}; };
    std::vector<Vec2> lenses;
    for (const PlaceInputs::Magnify& lens : in.magnify)
        lenses.push_back(fitted(Project(in, lens.at)));
    // Each lens pushes points away from its middle, most near it, none far off (the growth
    // r * (1 + (k - 1) exp(-(r / R)^2)) keeps the order of distances for k up to 2.5).
    auto lensed = [&](Vec2 p) {
        p = fitted(p);
        for (std::size_t k = 0; k < lenses.size(); ++k) {
            const double dx = p.x - lenses[k].x, dy = p.y - lenses[k].y;
            const double q = (dx * dx + dy * dy) / (in.magnify[k].radius * in.magnify[k].radius);
            const double grow = 1 + (in.magnify[k].factor - 1) * std::exp(-q);
            p = Vec2{lenses[k].x + dx * grow, lenses[k].y + dy * grow};
        }
        return p;
    };
    // Fitted again, so that the lenses push nothing out of the box.
    Vec2 lensLow{1e18, 1e18}, lensHigh{-1e18, -1e18};
    for (const Vec2& p : framePoints) {
        const Vec2 q = lensed(p);
        lensLow = {std::min(lensLow.x, q.x), std::min(lensLow.y, q.y)};
        lensHigh = {std::max(lensHigh.x, q.x), std::max(lensHigh.y, q.y)};
    }
    const double refit = std::min((in.boxRight - in.boxLeft) / (lensHigh.x - lensLow.x),
                                  (in.boxBottom - in.boxTop) / (lensHigh.y - lensLow.y));
    const Vec2 reshift{
        (in.boxLeft + in.boxRight - (lensHigh.x - lensLow.x) * refit) / 2 - lensLow.x * refit,
        (in.boxTop + in.boxBottom - (lensHigh.y - lensLow.y) * refit) / 2 - lensLow.y * refit};
    auto toBoard = [&](Vec2 p) {
        p = lensed(p);
        return Vec2{p.x * refit + reshift.x, p.y * refit + reshift.y};
    };

    const mapgen::PictureSize size = mapgen::BoardSize(2);
    mapgen::OwnerGrid g{size.width, size.height,
                        std::vector<int>(static_cast<std::size_t>(size.width * size.height), 0)};
    // Land to be cut into cells is first drawn as kCellLand - its outline's index.
    constexpr int kCellLand = -10;
    for (Drawn& d : rings) {
        for (Vec2& p : d.ring) p = toBoard(p);
        if (d.territory != 0) FillRing(g, d.ring, d.territory, -1);
    }
    for (const Drawn& d : rings)
        if (d.territory == 0) FillRing(g, d.ring, kCellLand - d.land, 0);
    if (!in.clip.empty()) {
        mapgen::OwnerGrid inside{g.width, g.height, std::vector<int>(g.owner.size(), 0)};
        Ring frame;
        for (const Vec2& p : Densified(in.clip)) frame.push_back(toBoard(Project(in, p)));
        FillRing(inside, frame, 1, -1);
        for (std::size_t p = 0; p < g.owner.size(); ++p)
            if (inside.owner[p] == 0) g.owner[p] = 0;
    }
    // Cells: each pixel of the land goes to the nearest point of a cell of its outline (or of a
    // cell that names none).
    struct Site {
        int territory;
        int land;  // -1: any
        Vec2 at;
    };
    std::vector<Site> sites;
    for (int t = 1; t <= n; ++t) {
        const PlaceTerritory& pt = in.territories[t - 1];
        if (!pt.outlines.empty()) continue;
        const auto named = std::find(in.land.begin(), in.land.end(), pt.within);
        if (!pt.within.empty() && named == in.land.end())
            return fail(pt.code + " is cut from " + pt.within + ", which no land line names");
        const int land = pt.within.empty() ? -1 : static_cast<int>(named - in.land.begin());
        // The seat, and the towns of the real region when the inputs give them, so that the
        // cell's borders follow the region's.
        for (std::size_t k = 0; k <= pt.towns.size(); ++k) {
            Vec2 at = k == 0 ? pt.at : pt.towns[k - 1];
            if (at.x < in.wrapBelow) at.x += 360;
            sites.push_back(Site{t, land, toBoard(Project(in, at))});
        }
    }
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            int& o = g.owner[g.At(x, y)];
            if (o > kCellLand) continue;
            const int land = kCellLand - o;
            double best = 1e18;
            o = 0;
            for (const Site& site : sites)
                if (const double d = std::hypot(site.at.x - x - 0.5, site.at.y - y - 0.5);
                    (site.land < 0 || site.land == land) && d < best)
                    best = d, o = site.territory;
        }
    const raster::Rect panel = mapgen::TextPanelArea(*m.text, 2);
    for (int y = panel.top - kPanelMargin; y < panel.bottom + kPanelMargin; ++y)
        for (int x = panel.left - kPanelMargin; x < panel.right + kPanelMargin; ++x)
            if (g.Inside(x, y) && g.owner[g.At(x, y)] != 0) {
                if (!in.draft)
                    return fail("land lies under the players panel at (" + std::to_string(x) +
                                ", " + std::to_string(y) + ")");
                g.owner[g.At(x, y)] = 0;
            }

    Smooth(g, in.smooth);
    {
        raster::Rect clear = panel;
        clear.left -= kPanelMargin, clear.top -= kPanelMargin;
        clear.right += kPanelMargin, clear.bottom += kPanelMargin;
        MakeRoom(g, n, clear, in.donorArea);
    }
    BridgeIslands(g, n, in.bridge);
    if (!mapgen::MergeStrayPieces(g, n)) return fail("a territory has no land left");
    mapgen::PairSet pairs;
    if (!mapgen::AgreeOnContacts(g, n, &pairs))
        return fail("the two pictures disagree on which territories touch");
    for (const auto& [a, b] : in.lanes) {
        const int ta = TerritoryByCode(in, a), tb = TerritoryByCode(in, b);
        if (!mapgen::LaySeaLaneBetween(g, n, panel, ta, tb, pairs))
            return fail("no sea lane can join " + a + " and " + b);
    }
    if (!mapgen::LaySeaLanes(g, n, panel, 0, 1, kMaxNeighbours, pairs))
        return fail("a land mass cannot be reached by a sea lane");

    m.grid = std::move(g);
    m.drawings = {mapgen::DrawTextMap(m.grid, 2, n), mapgen::DrawTextMap(m.grid, 3, n)};
    std::vector<std::vector<int>> neighbours(static_cast<std::size_t>(n) + 1);
    for (const auto& [a, b] : pairs) neighbours[a].push_back(b), neighbours[b].push_back(a);
    for (auto& list : neighbours) std::sort(list.begin(), list.end());
    m.codes.assign(static_cast<std::size_t>(n) + 1, "xxx");
    for (int t = 1; t <= n; ++t) {
        if (in.codes == mapgen::CodeStyle::kOwn3) m.codes[t] = in.territories[t - 1].code;
        if (neighbours[t].size() > static_cast<std::size_t>(kMaxNeighbours))
            return fail(in.territories[t - 1].code + " has too many neighbours");
        TerritoryContent tc{m.codes[t], 0, 0, {}};
        std::copy(neighbours[t].begin(), neighbours[t].end(), tc.neighbours.begin());
        m.territories.push_back(tc);
    }
    if (!mapgen::PlaceTextLabels(m, n, error)) {
        const int t = std::atoi(error->c_str() + std::string("territory ").size());
        const std::string why =
            *error + (t >= 1 && t <= n ? " (" + in.territories[t - 1].code + ")" : "");
        if (!in.draft) return fail(why);
        std::fprintf(stderr, "%s: %s\n", in.name.c_str(), why.c_str());
    }
    for (int k = 1; k <= c; ++k) {
        std::vector<int> members;
        int borders = 0;
        for (int t = 1; t <= n; ++t) {
            if (in.territories[t - 1].continent != k) continue;
            members.push_back(t);
            borders += std::any_of(neighbours[t].begin(), neighbours[t].end(),
                                   [&](int u) { return in.territories[u - 1].continent != k; });
        }
        if (members.empty()) return fail("continent " + in.continents[k - 1] + " is empty");
        const int bonus = std::max(1, (static_cast<int>(members.size()) + borders - 1) / 2);
        m.continentLines.push_back(std::to_string(bonus) + " " + in.continents[k - 1] +
                                   Join(members));
    }
    for (int t = 1; t <= n; ++t) {
        const TerritoryContent& tc = m.territories[t - 1];
        m.territoryLines.push_back(std::to_string(t) + " " + m.codes[t] + " " +
                                   std::to_string(tc.x) + " " + std::to_string(tc.y) +
                                   Join(neighbours[t]));
    }
    return m;
}

std::string PlaceTextFile(const mapgen::TextMap& m, const std::string& function) {
    std::string out = "// " + m.name +
                      "'s map text, printed by `gen_place_text_maps tools/placetexts --print " +
                      m.name + "` from tools/placetexts/" + m.name +
                      "/.\n#include \"maps/place_texts.h\"\n\nnamespace {\n\n"
                      "// clang-format off\nconst char* const kContinents[] = {\n";
    for (const std::string& line : m.continentLines) out += "    \"" + line + "\",\n";
    out += "};\nconst char* const kTerritories[] = {\n";
    for (const std::string& line : m.territoryLines) out += "    \"" + line + "\",\n";
    out += "};\n// clang-format on\n\n}  // namespace\n\nconst MapTextContent& " + function +
           "() {\n    static const MapTextContent kLines{kContinents, kTerritories};\n"
           "    return kLines;\n}\n";
    return out;
}

}  // namespace placetexts
