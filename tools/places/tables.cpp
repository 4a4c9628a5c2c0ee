// Neighbours, border lists and routes of a map of real places, and their C++ rows.
#include "tools/places/tables.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace places {
namespace {

std::string Row(const std::vector<int>& values) {
    std::string s = "{";
    for (std::size_t i = 0; i < values.size(); ++i)
        s += (i ? ", " : "") + std::to_string(values[i]);
    return s + "}";
}

// The longest chain from `start` found depth first, stopping at `longest` or after a budget.
std::vector<int> LongestChain(const std::vector<std::vector<int>>& neighbours, int start,
                              int longest) {
    std::vector<int> path{start}, best{start};
    std::vector<bool> used(neighbours.size(), false);
    used[start] = true;
    long budget = 200000;
    std::function<bool()> extend = [&]() {
        if (path.size() > best.size()) best = path;
        if (static_cast<int>(path.size()) == longest) return true;
        if (--budget < 0) return false;
        for (const int next : neighbours[path.back()]) {
            if (used[next]) continue;
            used[next] = true;
            path.push_back(next);
            if (extend()) return true;
            path.pop_back();
            used[next] = false;
        }
        return false;
    };
    extend();
    return best;
}

}  // namespace

std::vector<std::vector<int>> NeighboursFrom(const std::vector<std::pair<int, int>>& pairs, int n) {
    std::vector<std::vector<int>> out(static_cast<std::size_t>(n) + 1);
    for (const auto& [a, b] : pairs) {
        if (a < 1 || b < 1 || a > n || b > n || a == b) continue;
        out[a].push_back(b);
        out[b].push_back(a);
    }
    for (auto& row : out) {
        std::sort(row.begin(), row.end());
        row.erase(std::unique(row.begin(), row.end()), row.end());
    }
    return out;
}

std::vector<std::vector<int>> BorderLists(const std::vector<std::vector<int>>& neighbours,
                                          std::span<const ContinentRun> runs) {
    std::vector<std::vector<int>> out(1);
    int first = 1;
    for (const ContinentRun& run : runs) {
        const int last = first + run.members - 1;
        std::vector<int> border;
        for (int t = first; t <= last && t < static_cast<int>(neighbours.size()); ++t)
            if (std::any_of(neighbours[t].begin(), neighbours[t].end(),
                            [&](int o) { return o < first || o > last; }))
                border.push_back(t);
        out.push_back(border);
        first = last + 1;
    }
    return out;
}

std::vector<std::vector<int>> MakeRoutes(const std::vector<std::vector<int>>& neighbours,
                                         std::span<const ContinentRun> runs, int count,
                                         int longest) {
    std::vector<int> starts{1};
    int first = 1;
    for (const ContinentRun& run : runs) {
        if (first != 1) starts.push_back(first);
        first += run.members;
    }
    std::vector<std::vector<int>> routes;
    for (int r = 0; r < count; ++r) {
        const int start = starts[static_cast<std::size_t>(r) % starts.size()];
        std::vector<int> chain = LongestChain(neighbours, start, longest);
        if (r == 0 && static_cast<int>(chain.size()) != longest) return {};
        routes.push_back(chain);
    }
    return routes;
}

std::vector<std::string> CatalogueMisses(const PlaceTables& tables, const BuiltinMap& map) {
    std::vector<std::string> misses;
    char line[160];
    for (std::size_t c = 0; c < map.continentRuns.size(); ++c) {
        const int got =
            c + 1 < tables.borders.size() ? static_cast<int>(tables.borders[c + 1].size()) : -1;
        if (got != map.continentRuns[c].borderLength) {
            std::snprintf(line, sizeof line, "continent %zu: %d border members, wanted %d", c + 1,
                          got, map.continentRuns[c].borderLength);
            misses.push_back(line);
        }
    }
    std::size_t most = 0;
    for (const auto& row : tables.neighbours) most = std::max(most, row.size());
    if (static_cast<int>(most) != map.maxNeighbours) {
        std::snprintf(line, sizeof line, "most neighbours %zu, wanted %d", most, map.maxNeighbours);
        misses.push_back(line);
    }
    std::size_t longest = 0;
    for (const auto& route : tables.routes) longest = std::max(longest, route.size());
    if (static_cast<int>(tables.routes.size()) != map.routes ||
        static_cast<int>(longest) != map.longestRoute)
        misses.push_back("routes: " + std::to_string(tables.routes.size()) + " (longest " +
                         std::to_string(longest) + "), wanted " + std::to_string(map.routes) +
                         " (" + std::to_string(map.longestRoute) + ")");
    return misses;
}

std::vector<std::string> CompiledMisses(const PlaceTables& tables, const maps::MapArt& art,
                                        const CodeMapContent& compiled) {
    std::vector<std::string> misses;
    const std::size_t n = tables.neighbours.size() - 1;
    if (compiled.territories.size() != n) return {"the compiled content has another size"};
    for (std::size_t t = 1; t <= n; ++t) {
        const TerritoryContent& row = compiled.territories[t - 1];
        std::vector<int> got;
        for (const std::int32_t v : row.neighbours)
            if (v > 0) got.push_back(v);
        if (got != tables.neighbours[t])
            misses.push_back("territory " + std::to_string(t) + ": compiled neighbours differ");
        if (row.x != art.labelsSize23[t - 1].x || row.y != art.labelsSize23[t - 1].y)
            misses.push_back("territory " + std::to_string(t) + ": compiled label point differs");
    }
    auto compare = [&](auto rows, const std::vector<std::vector<int>>& want, std::size_t from,
                       const char* what) {
        if (rows.size() + from != want.size()) {
            misses.push_back(std::string("compiled ") + what + " differ in number");
            return;
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            std::vector<int> got;
            for (const std::int32_t v : rows[i])
                if (v > 0) got.push_back(v);
            if (got != want[i + from])
                misses.push_back(std::string("compiled ") + what + " " + std::to_string(i + 1) +
                                 " differs");
        }
    };
    compare(compiled.borders, tables.borders, 1, "border list");
    compare(compiled.routes, tables.routes, 0, "route");
    return misses;
}

std::string ContentSource(const std::string& prefix, const PlaceTables& tables,
                          const maps::MapArt& art) {
    std::string s = "const TerritoryContent k" + prefix + "Territories[] = {\n";
    for (std::size_t t = 1; t < tables.neighbours.size(); ++t) {
        const maps::ArtLabel& l = art.labelsSize23[t - 1];
        s += "    {\" \", " + std::to_string(l.x) + ", " + std::to_string(l.y) + ", " +
             Row(tables.neighbours[t]) + "},  // " + std::to_string(t) + "\n";
    }
    s += "};\nconst BorderRow k" + prefix + "Borders[] = {\n";
    for (std::size_t c = 1; c < tables.borders.size(); ++c)
        s += "    " + Row(tables.borders[c]) + ",\n";
    s += "};\nconst RouteChain k" + prefix + "Routes[] = {\n";
    for (const auto& r : tables.routes) s += "    " + Row(r) + ",\n";
    return s + "};\n";
}

}  // namespace places
