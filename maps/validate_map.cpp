// The map checker: reports every rule of a code-built map that the tables break.
// It reads the tables as the game does: at most 11 neighbours, 12 border entries, 16 route entries.
#include "maps/validate_map.h"

#include <algorithm>
#include <set>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/route_table.h"

namespace {

class Report {
  public:
    explicit Report(const BuiltinMap& map) : map_(map) {}

    void Add(MapRule rule, std::int32_t where, const std::string& text) {
        // A rule the map breaks by design, as its row records.
        for (const RuleException& e : map_.ruleExceptions)
            if (e.rule == rule && (e.where == 0 || e.where == where)) return;
        lines_.push_back(text);
    }
    std::vector<std::string> Take() { return std::move(lines_); }

  private:
    const BuiltinMap& map_;
    std::vector<std::string> lines_;
};

std::string Num(std::int32_t n) {
    return std::to_string(n);
}

int Territories() {
    return std::clamp(g_territoryCount, 0, kMaxTerritories);
}
int Continents() {
    return std::clamp(g_continentCount, 0, kMaxContinents);
}

std::vector<std::int32_t> NeighboursOf(int t) {
    std::vector<std::int32_t> list;
    for (int k = 1; k <= kMaxNeighbours && g_neighbours[t][k] != 0; ++k)
        list.push_back(g_neighbours[t][k]);
    return list;
}

std::vector<std::int32_t> BordersOf(int c) {
    std::vector<std::int32_t> list;
    for (int k = 1; k <= kMaxContinentBorder && g_continentBorders[c][k] != 0; ++k)
        list.push_back(g_continentBorders[c][k]);
    return list;
}

std::vector<std::int32_t> RouteOf(int r) {
    std::vector<std::int32_t> list;
    for (int k = 1; k <= kRouteLength && g_routeTable[r][k] != 0; ++k)
        list.push_back(g_routeTable[r][k]);
    return list;
}

bool Lists(const std::vector<std::int32_t>& list, std::int32_t value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool HasDuplicates(std::vector<std::int32_t> list) {
    std::sort(list.begin(), list.end());
    return std::adjacent_find(list.begin(), list.end()) != list.end();
}

// The continent of every territory 1..200, 0 for none.
std::vector<int> ContinentMap() {
    std::vector<int> of(kMaxTerritories + 1, 0);
    for (int c = Continents(); c >= 1; --c) {
        const int members = std::clamp(g_continents[c][kContinentMemberCount], 0, 20);
        for (int k = 1; k <= members; ++k) {
            const std::int32_t m = g_continents[c][k];
            if (IsTerritorySlot(m)) of[static_cast<std::size_t>(m)] = c;
        }
    }
    return of;
}

void CheckCounts(const BuiltinMap& map, Report& report) {
    auto expect = [&](const char* what, std::int32_t have, std::int32_t want) {
        if (have != want)
            report.Add(MapRule::kCounts, 0,
                       std::string(what) + " is " + Num(have) + ", expected " + Num(want));
    };
    expect("territory count", g_territoryCount, map.territories);
    expect("continent count", g_continentCount, map.continents);
    expect("route count", g_routeCount, map.routes);
    if (!map.continentRuns.empty()) {
        expect("largest continent", g_maxContinentSize, MaxContinentSize(map));
        expect("most border territories", g_maxContinentBorder, MaxContinentBorder(map));
        expect("border territories in all", g_borderTerritoryTotal, BorderTerritoryTotal(map));
    }
    for (int t = Territories() + 1; t <= kMaxTerritories; ++t)
        if (!NeighboursOf(t).empty())
            report.Add(MapRule::kCounts, 0,
                       "territory " + Num(t) + " beyond the map has neighbours");
    for (int c = Continents() + 1; c <= kMaxContinents; ++c)
        if (g_continents[c][kContinentMemberCount] != 0 || !BordersOf(c).empty())
            report.Add(MapRule::kCounts, 0, "continent " + Num(c) + " beyond the map is not empty");
}

void CheckRuns(const BuiltinMap& map, Report& report) {
    std::int32_t next = 1;
    int c = 1;
    for (const ContinentRun& run : map.continentRuns) {
        if (c > Continents()) break;
        const ContinentRecord& record = g_continents[c];
        bool ok = record[kContinentMemberCount] == run.members &&
                  record[kContinentBonus] == run.bonus &&
                  record[kContinentBonusTimes10] == run.bonus * 10;
        for (int k = 1; k <= kMaxContinentMembers; ++k)
            ok = ok && record[k] == (k <= run.members ? next + k - 1 : 0);
        if (!ok)
            report.Add(MapRule::kContinentRuns, c,
                       "continent " + Num(c) + " is not territories " + Num(next) + ".." +
                           Num(next + run.members - 1) + " with bonus " + Num(run.bonus));
        next += run.members;
        ++c;
    }
}

// Members of continent c that name, or are named by, a territory of another continent.
std::set<std::int32_t> OutsideLinked(int c, const std::vector<int>& continentOf) {
    std::set<std::int32_t> linked;
    for (int t = 1; t <= Territories(); ++t)
        for (std::int32_t n : NeighboursOf(t)) {
            if (n < 1 || n > kMaxTerritories) continue;
            const int tc = continentOf[static_cast<std::size_t>(t)];
            const int nc = continentOf[static_cast<std::size_t>(n)];
            if (tc == c && nc != c) linked.insert(t);
            if (nc == c && tc != c) linked.insert(n);
        }
    return linked;
}

void CheckBorders(const BuiltinMap& map, Report& report) {
    const std::vector<int> continentOf = ContinentMap();
    for (int c = 1; c <= Continents(); ++c) {
        const std::vector<std::int32_t> borders = BordersOf(c);
        const std::set<std::int32_t> linked = OutsideLinked(c, continentOf);
        const std::string name = "continent " + Num(c);
        for (std::int32_t b : borders)
            if (!linked.contains(b))
                report.Add(MapRule::kBorderMembers, c,
                           name + ": border entry " + Num(b) + " has no neighbour outside");
        if (HasDuplicates(borders))
            report.Add(MapRule::kBorderMembers, c, name + ": border list repeats an entry");
        for (std::int32_t m : linked)
            if (!Lists(borders, m))
                report.Add(MapRule::kBorderComplete, c, name + ": border list misses " + Num(m));
        const std::size_t index = static_cast<std::size_t>(c - 1);
        if (index < map.continentRuns.size() &&
            static_cast<std::int32_t>(borders.size()) != map.continentRuns[index].borderLength)
            report.Add(MapRule::kBorderLengths, c,
                       name + ": border list has " +
                           Num(static_cast<std::int32_t>(borders.size())) + " entries, expected " +
                           Num(map.continentRuns[index].borderLength));
    }
}

void CheckNeighbours(const BuiltinMap& map, Report& report) {
    std::int32_t most = 0;
    for (int t = 1; t <= Territories(); ++t) {
        const std::vector<std::int32_t> list = NeighboursOf(t);
        most = std::max(most, static_cast<std::int32_t>(list.size()));
        for (std::int32_t n : list) {
            if (n < 1 || n > Territories() || n == t) {
                report.Add(MapRule::kNeighbourEntries, 0,
                           "territory " + Num(t) + " names " + Num(n) + " as neighbour");
            } else if (!Lists(NeighboursOf(n), t)) {
                report.Add(MapRule::kSymmetricNeighbours, 0,
                           "territory " + Num(t) + " names " + Num(n) + ", which does not name it");
            }
        }
        if (HasDuplicates(list))
            report.Add(MapRule::kNeighbourEntries, 0,
                       "territory " + Num(t) + " lists a neighbour twice");
        if (list.empty())
            report.Add(MapRule::kNeighbourEntries, 0, "territory " + Num(t) + " has no neighbours");
    }
    if (map.maxNeighbours != 0 && most != map.maxNeighbours)
        report.Add(MapRule::kMostNeighbours, 0,
                   "most neighbours is " + Num(most) + ", expected " + Num(map.maxNeighbours));
}

void CheckRoute(int r, Report& report) {
    const std::vector<std::int32_t> chain = RouteOf(r);
    const std::string name = "route " + Num(r);
    if (chain.empty() || chain.size() >= static_cast<std::size_t>(kRouteLength))
        report.Add(MapRule::kRouteChains, r, name + " has no room for its end (or is empty)");
    for (std::size_t k = 0; k < chain.size(); ++k) {
        const std::int32_t t = chain[k];
        if (t < 1 || t > Territories()) {
            report.Add(MapRule::kRouteChains, r, name + " names " + Num(t));
            return;
        }
        if (k == 0) continue;
        if (chain[k - 1] == t)
            report.Add(MapRule::kRouteRepeatInRow, r,
                       name + " names " + Num(t) + " twice in a row");
        else if (!Lists(NeighboursOf(chain[k - 1]), t))
            report.Add(
                MapRule::kRouteChains, r,
                name + " steps from " + Num(chain[k - 1]) + " to " + Num(t) + ", not a neighbour");
    }
    std::vector<std::int32_t> distinct = chain;
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    if (HasDuplicates(distinct))
        report.Add(MapRule::kRouteRepeats, r, name + " repeats a territory");
}

void CheckRoutes(const BuiltinMap& map, Report& report) {
    const int count = std::clamp(g_routeCount, 0, g_routeTableCapacity);
    std::int32_t longest = 0;
    for (int r = 1; r <= count; ++r) {
        CheckRoute(r, report);
        longest = std::max(longest, static_cast<std::int32_t>(RouteOf(r).size()));
    }
    if (longest != map.longestRoute)
        report.Add(
            MapRule::kRouteChains, 0,
            "longest route has " + Num(longest) + " entries, expected " + Num(map.longestRoute));
    for (int r = count + 1; r <= g_routeTableCapacity && r < kRouteTableRecords; ++r)
        if (!RouteOf(r).empty())
            report.Add(MapRule::kRouteChains, r, "route " + Num(r) + " beyond the count is set");
}

}  // namespace

std::vector<std::string> ValidateCurrentMap(const BuiltinMap& map) {
    Report report(map);
    CheckCounts(map, report);
    CheckRuns(map, report);
    CheckBorders(map, report);
    CheckNeighbours(map, report);
    CheckRoutes(map, report);
    return report.Take();
}
