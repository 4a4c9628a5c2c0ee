// Making an imagined map text: continents grown over the contacts, territories numbered by
// continent, label points where the whole label stands on its land, and the text's lines.
#include "tools/mapgen/text_map.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <tuple>

#include "core/model/game_state.h"
#include "core/model/map_text.h"
#include "maps/map_texts.h"
#include "maps/validate_picture.h"
#include "tools/mapgen/board_rules.h"
#include "tools/mapgen/strip_map.h"
#include "tools/mapgen/text_map_fitted.h"
#include "tools/mapgen/trace_check.h"

namespace mapgen {
namespace {

constexpr int kMapFilePaintShift = 12;  // the board raises a map file's paint point this far
constexpr int kContinentAttempts = 60;

struct Centre {
    double x = 0;
    double y = 0;
};

std::vector<Centre> Centres(const OwnerGrid& g, int n) {
    std::vector<Centre> c(static_cast<std::size_t>(n) + 1);
    std::vector<double> count(c.size(), 0);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const int o = g.owner[g.At(x, y)];
            if (o <= 0) continue;
            c[o].x += x, c[o].y += y, count[o] += 1;
        }
    for (std::size_t t = 1; t < c.size(); ++t)
        if (count[t] > 0) c[t].x /= count[t], c[t].y /= count[t];
    return c;
}

using Graph = std::vector<std::vector<int>>;

Graph GraphOf(const PairSet& pairs, int n) {
    Graph g(static_cast<std::size_t>(n) + 1);
    for (const auto& [a, b] : pairs) g[a].push_back(b), g[b].push_back(a);
    for (auto& list : g) std::sort(list.begin(), list.end());
    return g;
}

std::vector<int> BorderCounts(const Graph& g, const std::vector<int>& continentOf, int c) {
    std::vector<int> borders(static_cast<std::size_t>(c) + 1, 0);
    for (std::size_t t = 1; t < g.size(); ++t) {
        if (continentOf[t] == 0) continue;
        for (int u : g[t])
            if (continentOf[u] != continentOf[t]) {
                ++borders[continentOf[t]];
                break;
            }
    }
    return borders;
}

// One attempt: continent seeds far apart along the contacts, then the smallest continent takes
// the free neighbour most bound to it, until none can grow.
std::vector<int> GrowContinents(const Graph& g, const std::vector<Centre>& at, int c, Rng& rng) {
    const int n = static_cast<int>(g.size()) - 1;
    std::vector<int> continentOf(g.size(), 0), size(static_cast<std::size_t>(c) + 1, 0);
    std::vector<int> seeds{1 + rng.Below(n)};
    while (static_cast<int>(seeds.size()) < c) {
        std::vector<int> hops(g.size(), 1 << 20);
        std::vector<int> queue;
        for (int s : seeds) hops[s] = 0, queue.push_back(s);
        for (std::size_t k = 0; k < queue.size(); ++k)
            for (int u : g[queue[k]])
                if (hops[u] > hops[queue[k]] + 1) hops[u] = hops[queue[k]] + 1, queue.push_back(u);
        std::vector<int> order(static_cast<std::size_t>(n));
        for (int t = 1; t <= n; ++t) order[t - 1] = t;
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return hops[a] > hops[b]; });
        seeds.push_back(order[static_cast<std::size_t>(rng.Below(3))]);
    }
    for (int k = 0; k < c; ++k) continentOf[seeds[k]] = k + 1, size[k + 1] = 1;
    const int cap = kMaxContinentMembers;
    for (;;) {
        int bestC = 0, bestT = 0;
        double bestScore = -1e18;
        for (int k = 1; k <= c; ++k) {
            if (size[k] >= cap || (bestC != 0 && size[k] > size[bestC])) continue;
            const Centre s = at[seeds[k - 1]];
            for (int t = 1; t <= n; ++t) {
                if (continentOf[t] != 0) continue;
                int bound = 0;
                for (int u : g[t]) bound += continentOf[u] == k;
                if (bound == 0) continue;
                const double score =
                    bound * 40.0 - std::hypot(at[t].x - s.x, at[t].y - s.y) - size[k] * 1000.0;
                if (score > bestScore) bestScore = score, bestC = k, bestT = t;
            }
        }
        if (bestC == 0) break;
        continentOf[bestT] = bestC;
        ++size[bestC];
    }
    return continentOf;
}

// The best of many attempts: no continent over the border list's room, the fewest territories
// left without a continent, then the shortest border lists.
std::optional<std::vector<int>> Continents(const Graph& g, const std::vector<Centre>& at, int c,
                                           std::uint32_t seed) {
    Rng rng(seed ^ 0xC0DEu);
    std::optional<std::vector<int>> best;
    long bestScore = 0;
    for (int attempt = 0; attempt < kContinentAttempts; ++attempt) {
        std::vector<int> continentOf = GrowContinents(g, at, c, rng);
        const std::vector<int> borders = BorderCounts(g, continentOf, c);
        long score = 0;
        for (std::size_t t = 1; t < continentOf.size(); ++t)
            score += continentOf[t] == 0 ? 1000 : 0;
        for (int k = 1; k <= c; ++k) {
            if (borders[k] == 0 || borders[k] > kMaxContinentBorder) score += 100000;
            score += borders[k] * borders[k];
        }
        if (!best || score < bestScore) bestScore = score, best = std::move(continentOf);
    }
    return best;
}

std::string Letters(std::string_view name) {
    std::string out;
    for (char ch : name)
        if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) out += ch;
    return out;
}

char Place(int index) {
    return index <= 9 ? static_cast<char>('0' + index) : static_cast<char>('a' + index - 10);
}

std::string CodeOf(CodeStyle style, std::string_view continent, int index) {
    std::string letters = Letters(continent) + "xx";
    letters[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(letters[0])));
    letters[1] = static_cast<char>(std::tolower(static_cast<unsigned char>(letters[1])));
    switch (style) {
        case CodeStyle::kXxx:
            return "xxx";
        case CodeStyle::kDots:
            return "...";
        case CodeStyle::kOwn3:
            return letters.substr(0, 2) + Place(index);
        case CodeStyle::kOwn3Repeating:
            return letters.substr(0, 2) + Place((index - 1) % 4 + 1);
        case CodeStyle::kOwn2:
            return std::string(1, letters[0]) + Place(index);
    }
    return "xxx";
}

// Chessboard distance from each white pixel to the nearest pixel outside its territory's white.
std::vector<int> Room(const TextDrawing& d) {
    const int w = d.picture.Width(), h = d.picture.Height();
    std::vector<int> room(d.white.size(), 0);
    auto same = [&](int x, int y, int t) {
        return x >= 0 && y >= 0 && x < w && y < h &&
               d.white[static_cast<std::size_t>(y * w + x)] == t;
    };
    for (int pass = 0; pass < 2; ++pass)
        for (int k = 0; k < w * h; ++k) {
            const int p = pass == 0 ? k : w * h - 1 - k, x = p % w, y = p / w, t = d.white[p];
            if (t == 0) continue;
            const int s = pass == 0 ? -1 : 1;
            int best = pass == 0 ? 1 << 20 : room[p];
            const int nx[4] = {x + s, x - 1, x, x + 1}, ny[4] = {y, y + s, y + s, y + s};
            for (int i = 0; i < 4; ++i)
                best = std::min(best, same(nx[i], ny[i], t) ? room[ny[i] * w + nx[i]] + 1 : 1);
            room[p] = best;
        }
    return room;
}

bool FootprintFits(const maps::MapArt& art, const TextDrawing& d, int t) {
    for (const raster::Rect& r : maps::LabelFootprint(art, d.size, t, kMapFilePaintShift))
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (x < 0 || y < 0 || x >= d.picture.Width() || y >= d.picture.Height() ||
                    d.white[static_cast<std::size_t>(y * d.picture.Width() + x)] != t)
                    return false;
    return true;
}

}  // namespace

bool PlaceTextLabels(TextMap& m, int n, std::string* error) {
    std::vector<maps::ArtLabel> rows(static_cast<std::size_t>(n));
    maps::MapArt art;
    art.labelsSize1 = rows;
    art.labelsSize23 = rows;
    const TextDrawing& medium = m.drawings[0];
    const std::vector<int> room = Room(medium);
    std::vector<std::vector<std::pair<int, int>>> spots(static_cast<std::size_t>(n) + 1);
    for (std::size_t p = 0; p < room.size(); ++p)
        if (medium.white[p] != 0) spots[medium.white[p]].emplace_back(room[p], static_cast<int>(p));
    // The footprint's middle lies about (9, 2) right of and below the label point.
    constexpr int kMiddleX = 9, kMiddleY = 2;
    for (int t = 1; t <= n; ++t) {
        auto& list = spots[t];
        std::stable_sort(list.begin(), list.end(),
                         [](auto& a, auto& b) { return a.first > b.first; });
        bool placed = false;
        for (std::size_t k = 0; k < list.size() && k < 4000 && !placed; ++k) {
            const int p = list[k].second;
            rows[t - 1] = maps::ArtLabel{p % medium.picture.Width() - kMiddleX,
                                         p / medium.picture.Width() - kMiddleY, "xxx"};
            placed = FootprintFits(art, m.drawings[0], t) && FootprintFits(art, m.drawings[1], t);
        }
        if (!placed) {
            *error = "territory " + std::to_string(t) + " has no room for its label";
            return false;
        }
    }
    for (int t = 1; t <= n; ++t) {
        TerritoryContent& tc = m.territories[t - 1];
        tc.x = rows[t - 1].x;
        tc.y = rows[t - 1].y;
    }
    return true;
}

namespace {

std::string Join(const std::vector<int>& numbers) {
    std::string out;
    for (int v : numbers) out += " " + std::to_string(v);
    return out;
}

// A text whose lines are fixed: the land is drawn around them, and the lines stay as they are.
std::optional<TextMap> MakeFittedTextMap(TextMap m, std::string* error) {
    const std::string name(m.recipe->name);
    if (name != "ParisByNight") {
        *error = name + ": no land is drawn to fit this text";
        return std::nullopt;
    }
    const MapTextContent& content = ParisByNightContent();
    const std::vector<std::string> lines(content.territoryLines.begin(),
                                         content.territoryLines.end());
    const auto given = ReadTerritoryLines(lines, error);
    if (!given) {
        *error = name + ": " + *error;
        return std::nullopt;
    }
    const int n = m.text->territories;
    auto grid = FittedOwners(ParisLand(), *given, TextPanelArea(*m.text, 2), error);
    if (!grid) {
        *error = name + ": " + *error;
        return std::nullopt;
    }
    PairSet pairs;
    if (!AgreeOnContacts(*grid, n, &pairs)) {
        *error = name + ": the two pictures disagree on which territories touch";
        return std::nullopt;
    }
    m.grid = std::move(*grid);
    m.drawings = {DrawTextMap(m.grid, 2, n), DrawTextMap(m.grid, 3, n)};
    m.codes.assign(static_cast<std::size_t>(n) + 1, "");
    for (int t = 1; t <= n; ++t) {
        std::istringstream in(lines[static_cast<std::size_t>(t - 1)]);
        int id = 0;
        TerritoryContent tc{"", 0, 0, {}};
        in >> id >> m.codes[t] >> tc.x >> tc.y;
        tc.code = m.codes[t];
        for (std::size_t k = 0; k < tc.neighbours.size() && in >> tc.neighbours[k]; ++k) {
        }
        m.territories.push_back(tc);
    }
    m.continentLines.assign(content.continentLines.begin(), content.continentLines.end());
    m.territoryLines = lines;
    return m;
}

}  // namespace

raster::Rect TextPanelArea(const BuiltinMapText& text, int size) {
    int x = 0, y = 0;
    std::sscanf(std::string(text.panel).c_str(), "%d %d", &x, &y);
    if (size == 3) x = x * 125 / 100, y = y * 125 / 100;
    return raster::Rect{x, y, x + 170, y + 205};
}

std::optional<TextMap> MakeTextMap(const TextMapRecipe& recipe, std::string* error) {
    TextMap m;
    m.recipe = &recipe;
    m.text = BuiltinMapTextByName(recipe.name);
    m.name = std::string(recipe.name);
    m.codeStyle = recipe.codes;
    const std::string name(recipe.name);
    if (m.text == nullptr) {
        *error = name + ": no such map text in the game";
        return std::nullopt;
    }
    const int n = m.text->territories, c = m.text->continents;
    if (static_cast<int>(recipe.continentNames.size()) != c) {
        *error = name + ": the recipe names " + std::to_string(recipe.continentNames.size()) +
                 " continents";
        return std::nullopt;
    }
    if (recipe.style == TextMapStyle::kFitted) return MakeFittedTextMap(std::move(m), error);
    const raster::Rect panel = TextPanelArea(*m.text, 2);
    auto grid = MakeOwners(recipe, n, panel, error);
    if (!grid) {
        *error = name + ": " + *error;
        return std::nullopt;
    }
    PairSet pairs;
    if (!AgreeOnContacts(*grid, n, &pairs)) {
        *error = name + ": the two pictures disagree on which territories touch";
        return std::nullopt;
    }
    if (!LaySeaLanes(*grid, n, panel, recipe.extraLanes, recipe.seed, kMaxNeighbours, pairs)) {
        *error = name + ": a land mass cannot be reached by a sea lane";
        return std::nullopt;
    }
    const Graph graph = GraphOf(pairs, n);
    const std::vector<Centre> centres = Centres(*grid, n);
    const auto continentOf = Continents(graph, centres, c, recipe.seed);
    // Continents numbered from the top left, territories by continent and then row by row.
    std::vector<std::pair<double, int>> continentOrder;
    for (int k = 1; k <= c; ++k) {
        double sy = 0, sx = 0, count = 0;
        for (int t = 1; t <= n; ++t)
            if ((*continentOf)[t] == k) sx += centres[t].x, sy += centres[t].y, count += 1;
        continentOrder.emplace_back(std::floor(sy / count / 160) * 10000 + sx / count, k);
    }
    std::sort(continentOrder.begin(), continentOrder.end());
    std::vector<int> rank(static_cast<std::size_t>(c) + 1, c + 1);
    for (int k = 0; k < c; ++k) rank[continentOrder[k].second] = k + 1;
    std::vector<int> order;
    for (int t = 1; t <= n; ++t) order.push_back(t);
    auto key = [&](int t) {
        const int k = (*continentOf)[t] == 0 ? c + 1 : rank[(*continentOf)[t]];
        return std::make_tuple(k, std::floor(centres[t].y / 60), centres[t].x);
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    std::vector<int> renamed(static_cast<std::size_t>(n) + 1, 0);
    for (int k = 0; k < n; ++k) renamed[order[k]] = k + 1;
    for (int& o : grid->owner)
        if (o > 0) o = renamed[o];
    m.grid = std::move(*grid);
    m.drawings = {DrawTextMap(m.grid, 2, n), DrawTextMap(m.grid, 3, n)};

    std::vector<std::vector<int>> members(static_cast<std::size_t>(c) + 1);
    std::vector<int> continentOfNew(static_cast<std::size_t>(n) + 1, 0);
    for (int t = 1; t <= n; ++t)
        if ((*continentOf)[t] != 0) continentOfNew[renamed[t]] = rank[(*continentOf)[t]];
    for (int t = 1; t <= n; ++t) members[continentOfNew[t]].push_back(t);
    Graph renamedGraph(static_cast<std::size_t>(n) + 1);
    for (int t = 1; t <= n; ++t) {
        for (int u : graph[t]) renamedGraph[renamed[t]].push_back(renamed[u]);
        std::sort(renamedGraph[renamed[t]].begin(), renamedGraph[renamed[t]].end());
    }
    const std::vector<int> borders = BorderCounts(renamedGraph, continentOfNew, c);
    for (int k = 1; k <= c; ++k) {
        const int bonus = std::max(1, (static_cast<int>(members[k].size()) + borders[k] - 1) / 2);
        m.continentLines.push_back(std::to_string(bonus) + " " +
                                   std::string(recipe.continentNames[k - 1]) + Join(members[k]));
    }
    m.codes.assign(static_cast<std::size_t>(n) + 1, "");
    for (int k = 0; k <= c; ++k)
        for (std::size_t i = 0; i < members[k].size(); ++i)
            m.codes[members[k][i]] =
                CodeOf(recipe.codes, k == 0 ? "Nomansland" : recipe.continentNames[k - 1],
                       static_cast<int>(i) + 1);
    for (int t = 1; t <= n; ++t) {
        TerritoryContent tc{m.codes[t], 0, 0, {}};
        if (renamedGraph[t].size() > static_cast<std::size_t>(kMaxNeighbours)) {
            *error = name + ": territory " + std::to_string(t) + " has too many neighbours";
            return std::nullopt;
        }
        std::copy(renamedGraph[t].begin(), renamedGraph[t].end(), tc.neighbours.begin());
        m.territories.push_back(tc);
    }
    if (!PlaceTextLabels(m, n, error)) {
        *error = name + ": " + *error;
        return std::nullopt;
    }
    for (int t = 1; t <= n; ++t) {
        const TerritoryContent& tc = m.territories[t - 1];
        m.territoryLines.push_back(std::to_string(t) + " " + m.codes[t] + " " +
                                   std::to_string(tc.x) + " " + std::to_string(tc.y) +
                                   Join(renamedGraph[t]));
    }
    return m;
}

std::vector<std::string> CheckTextMap(const TextMap& m) {
    std::vector<std::string> errors;
    const std::string& name = m.name;
    const int n = m.text->territories;
    const CodeMapContent content{m.territories, {}, {}};
    const LabelArt art(content);
    for (const TextDrawing& d : m.drawings) {
        const std::string at = name + " size " + std::to_string(d.size) + ": ";
        const maps::PictureRules rules =
            maps::RulesFor(art.Art(), content, d.size, kMapFilePaintShift, kLaneGrey);
        for (const std::string& e : maps::ValidatePicture(d.picture, rules))
            errors.push_back(at + e);
        const raster::Rect panel = TextPanelArea(*m.text, d.size);
        for (int y = panel.top; y < panel.bottom; ++y)
            for (int x = panel.left; x < panel.right; ++x)
                if (d.picture.Inside(x, y) && d.picture.Pixel(x, y) != 0) {
                    errors.push_back(at + "the players panel is not on sea");
                    y = panel.bottom;
                    break;
                }
        for (const std::string& e : TraceShortfalls(d.picture, content, d.size, true))
            errors.push_back(at + e);
    }
    // The text: symmetric neighbours, every territory reachable, codes as the table says.
    std::vector<int> reached{1};
    std::vector<bool> seen(static_cast<std::size_t>(n) + 1, false);
    seen[1] = true;
    for (std::size_t k = 0; k < reached.size(); ++k)
        for (std::int32_t u : m.territories[reached[k] - 1].neighbours) {
            if (u == 0) break;
            const auto& back = m.territories[u - 1].neighbours;
            if (std::find(back.begin(), back.end(), reached[k]) == back.end())
                errors.push_back(name + ": " + std::to_string(u) + " does not name " +
                                 std::to_string(reached[k]) + " back");
            if (!seen[u]) seen[u] = true, reached.push_back(u);
        }
    if (static_cast<int>(reached.size()) != n)
        errors.push_back(name + ": not every territory can be reached");
    // The text as the game parses it.
    g_mapTextBuffer.assign({"[map]", std::string(m.text->name), "", "[player names]",
                            std::string(m.text->panel), "", "[smilies and codes]",
                            std::string(m.text->smilies), "", "[continents]"});
    for (const std::string& line : m.continentLines) g_mapTextBuffer.push_back(line);
    for (int blank = 0; blank <= m.text->extraBlankLines; ++blank) g_mapTextBuffer.emplace_back();
    g_mapTextBuffer.emplace_back("[territories]");
    for (const std::string& line : m.territoryLines) g_mapTextBuffer.push_back(line);
    const std::int32_t parsed = ParseMapTextBuffer();
    if (parsed != map_text_result::kAccepted || g_territoryCount != n ||
        g_continentCount != m.text->continents)
        errors.push_back(name + ": the game's parser refuses the text (" + std::to_string(parsed) +
                         ")");
    g_mapTextBuffer.clear();
    std::map<std::string, int> uses;
    for (int t = 1; t <= n; ++t) ++uses[m.codes[t]];
    const bool repeats =
        std::any_of(uses.begin(), uses.end(), [](auto& e) { return e.second > 1; });
    if (m.codeStyle == CodeStyle::kOwn3 && repeats)
        errors.push_back(name + ": codes repeat where each should be its own");
    if (m.codeStyle == CodeStyle::kOwn3Repeating && !repeats)
        errors.push_back(name + ": no code repeats");
    return errors;
}

bool MatchesCompiledText(const TextMap& m) {
    const MapTextContent* compiled = m.recipe->style == TextMapStyle::kFitted
                                         ? &ParisByNightContent()
                                         : TextMapContent(m.recipe->name);
    if (compiled == nullptr || compiled->continentLines.size() != m.continentLines.size() ||
        compiled->territoryLines.size() != m.territoryLines.size())
        return false;
    for (std::size_t k = 0; k < m.continentLines.size(); ++k)
        if (m.continentLines[k] != compiled->continentLines[k]) return false;
    for (std::size_t k = 0; k < m.territoryLines.size(); ++k)
        if (m.territoryLines[k] != compiled->territoryLines[k]) return false;
    return true;
}

std::string TextMapsFile(const std::vector<TextMap>& maps) {
    std::string out =
        "// The lines of the imagined map texts; printed by `gen_text_maps --print-texts`.\n"
        "#include \"maps/map_texts.h\"\n\nnamespace {\n\n// clang-format off\n";
    auto key = [](std::string_view name) {
        std::string k;
        for (char ch : name)
            if (std::isalnum(static_cast<unsigned char>(ch))) k += ch;
        if (!k.empty()) k[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(k[0])));
        return k;
    };
    for (const TextMap& m : maps) {
        const std::string k = key(m.recipe->name);
        out += "const char* const k" + k + "Continents[] = {\n";
        for (const std::string& line : m.continentLines) out += "    \"" + line + "\",\n";
        out += "};\nconst char* const k" + k + "Territories[] = {\n";
        for (const std::string& line : m.territoryLines) out += "    \"" + line + "\",\n";
        out += "};\n";
    }
    out +=
        "// clang-format on\n\nstruct TextMapEntry {\n    std::string_view name;\n"
        "    MapTextContent content;\n};\n\nconst TextMapEntry kTextMaps[] = {\n";
    for (const TextMap& m : maps) {
        const std::string k = key(m.recipe->name);
        out += "    {\"" + std::string(m.recipe->name) + "\", {k" + k + "Continents, k" + k +
               "Territories}},\n";
    }
    out +=
        "};\n\n}  // namespace\n\nconst MapTextContent* TextMapContent(std::string_view name) {\n"
        "    for (const TextMapEntry& entry : kTextMaps)\n"
        "        if (entry.name == name) return &entry.content;\n    return nullptr;\n}\n";
    return out;
}

}  // namespace mapgen
