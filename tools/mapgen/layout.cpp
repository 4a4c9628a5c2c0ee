// Cutting strips into territories and the search for the contacts that give the exact counts.
#include "tools/mapgen/layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <set>

namespace mapgen {
namespace {

constexpr double kCutClearance = 14;  // no cut this close to a lane's anchor
constexpr double kCornerMargin = 6;   // closed stretches keep this far from every cut
constexpr int kAttempts = 3000;

bool Same(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

void FindJoins(MapInputs& inputs) {
    for (Row& a : inputs.rows)
        for (Row& b : inputs.rows) {
            if (&a == &b || a.group != b.group || !Same(a.v0, b.v0) || !Same(a.v1, b.v1)) continue;
            const double period = inputs.groups[static_cast<std::size_t>(a.group)].Period();
            if (Same(a.u1, b.u0) || (period > 0 && Same(a.u1, period) && Same(b.u0, 0)))
                a.joinedEnd = b.joinedStart = true;
        }
}

std::vector<double> Anchors(const MapInputs& inputs, int row) {
    std::vector<double> us;
    for (const SeaLane& lane : inputs.lanes) {
        if (lane.rowA == row && (lane.sideA == 't' || lane.sideA == 'b')) us.push_back(lane.uA);
        if (lane.rowB == row && (lane.sideB == 't' || lane.sideB == 'b')) us.push_back(lane.uB);
    }
    return us;
}

// Cuts spread evenly with some jitter, kept clear of lane anchors; false when they crowd.
bool CutRow(Row& row, const std::vector<double>& anchors, double jitter, Rng& rng) {
    const int n = row.segments;
    std::vector<double> weights = row.weights;
    if (weights.empty()) weights.assign(static_cast<std::size_t>(n), 1.0);
    double total = 0;
    for (double w : weights) total += w;
    const double unit = (row.u1 - row.u0) / total;
    row.cuts.clear();
    double at = row.u0;
    for (int k = 1; k < n; ++k) {
        const double step = unit * weights[static_cast<std::size_t>(k - 1)];
        at += step;
        double cut = at + (rng.Unit() - 0.5) * jitter * unit *
                              std::min(weights[static_cast<std::size_t>(k - 1)],
                                       weights[static_cast<std::size_t>(k)]);
        for (double anchor : anchors)
            if (std::abs(cut - anchor) < kCutClearance)
                cut = anchor + (cut < anchor ? -kCutClearance : kCutClearance);
        row.cuts.push_back(cut);
    }
    for (int s = 0; s < n; ++s) {
        const double length = row.SegmentEnd(s) - row.SegmentStart(s);
        const double want = unit * weights[static_cast<std::size_t>(s)];
        const bool capped =
            row.round && ((s == 0 && !row.joinedStart) || (s == n - 1 && !row.joinedEnd));
        if (length < (capped ? 0.8 : 0.5) * want) return false;
    }
    return true;
}

void NumberTerritories(MapInputs& inputs, int continents, std::vector<int>& continentOf) {
    continentOf.assign(1, 0);
    int next = 1;
    for (int c = 1; c <= continents; ++c)
        for (Row& row : inputs.rows) {
            if (row.continent != c) continue;
            row.territories.clear();
            for (int s = 0; s < row.segments; ++s) {
                row.territories.push_back(next++);
                continentOf.push_back(c);
            }
        }
}

// The part of [a0, a1] that lies away from the row's rounded free ends.
void ClipToBody(const Row& row, double& a0, double& a1) {
    const double cap = (row.v1 - row.v0) / 2;
    if (row.round && !row.joinedStart) a0 = std::max(a0, row.u0 + cap);
    if (row.round && !row.joinedEnd) a1 = std::min(a1, row.u1 - cap);
}

void AddContacts(const MapInputs& inputs, int upper, int lower, std::vector<Link>& out) {
    const Row& a = inputs.rows[static_cast<std::size_t>(upper)];
    const Row& b = inputs.rows[static_cast<std::size_t>(lower)];
    const double gap = b.v0 - a.v1;
    for (int i = 0; i < a.segments; ++i)
        for (int j = 0; j < b.segments; ++j) {
            double o0 = std::max(a.SegmentStart(i), b.SegmentStart(j));
            double o1 = std::min(a.SegmentEnd(i), b.SegmentEnd(j));
            ClipToBody(a, o0, o1);
            ClipToBody(b, o0, o1);
            o0 += kCornerMargin + inputs.ramp;
            o1 -= kCornerMargin + inputs.ramp;
            if (o1 - o0 < inputs.minContact) continue;
            const double mid = (o0 + o1) / 2, half = std::min(o1 - o0, inputs.maxContact) / 2;
            Link link;
            link.kind = Link::Kind::kContact;
            link.a = a.territories[static_cast<std::size_t>(i)];
            link.b = b.territories[static_cast<std::size_t>(j)];
            link.upper = upper;
            link.lower = lower;
            link.stretch = Contact{mid - half, mid + half, gap};
            out.push_back(link);
        }
}

struct Candidates {
    std::vector<Link> fixed;     // cuts: always there
    std::vector<Link> optional;  // contacts and lanes
};

Link CutLink(int a, int b) {
    Link link;
    link.a = a;
    link.b = b;
    return link;
}

Candidates FindCandidates(const MapInputs& inputs) {
    Candidates c;
    const int rows = static_cast<int>(inputs.rows.size());
    for (int r = 0; r < rows; ++r) {
        const Row& row = inputs.rows[static_cast<std::size_t>(r)];
        for (int s = 0; s + 1 < row.segments; ++s)
            c.fixed.push_back(CutLink(row.territories[static_cast<std::size_t>(s)],
                                      row.territories[static_cast<std::size_t>(s + 1)]));
        for (int q = 0; q < rows; ++q) {
            const Row& other = inputs.rows[static_cast<std::size_t>(q)];
            if (q == r || other.group != row.group) continue;
            const double period = inputs.groups[static_cast<std::size_t>(row.group)].Period();
            if (Same(row.u1, other.u0) || (period > 0 && Same(row.u1, period) && Same(other.u0, 0)))
                if (Same(row.v0, other.v0) && Same(row.v1, other.v1))
                    c.fixed.push_back(CutLink(row.territories.back(), other.territories.front()));
            const double gap = other.v0 - row.v1;
            if (gap > 0 && gap <= 2 * inputs.gap && other.u0 < row.u1 && row.u0 < other.u1)
                AddContacts(inputs, r, q, c.optional);
        }
    }
    for (int l = 0; l < static_cast<int>(inputs.lanes.size()); ++l) {
        const SeaLane& lane = inputs.lanes[static_cast<std::size_t>(l)];
        auto territoryAt = [&](int r, double u, char side) {
            const Row& row = inputs.rows[static_cast<std::size_t>(r)];
            const int s = side == 's' ? 0 : side == 'e' ? row.segments - 1 : row.SegmentAt(u);
            return row.territories[static_cast<std::size_t>(s)];
        };
        Link link;
        link.kind = Link::Kind::kLane;
        link.a = territoryAt(lane.rowA, lane.uA, lane.sideA);
        link.b = territoryAt(lane.rowB, lane.uB, lane.sideB);
        link.lane = l;
        (lane.fixed ? c.fixed : c.optional).push_back(link);
    }
    return c;
}

// The state of one search: links taken, degrees, border members.
class Search {
  public:
    Search(const Targets& targets, const std::vector<int>& continentOf)
        : targets_(targets),
          continentOf_(continentOf),
          degree_(continentOf.size(), 0),
          border_(continentOf.size(), false),
          borderCount_(targets.borders.size(), 0) {}

    bool Linked(int a, int b) const { return pairs_.contains({std::min(a, b), std::max(a, b)}); }

    // Whether the link fits: no pair twice, degrees within the limit, no continent beyond its
    // border count; `newBorders` false asks for a link that makes no new border member.
    bool Fits(const Link& link, bool newBorders) const {
        if (link.a == link.b || Linked(link.a, link.b)) return false;
        if (degree_[Idx(link.a)] >= targets_.maxNeighbours ||
            degree_[Idx(link.b)] >= targets_.maxNeighbours)
            return false;
        const int ca = continentOf_[Idx(link.a)], cb = continentOf_[Idx(link.b)];
        if (ca == cb) return true;
        const int addA = border_[Idx(link.a)] ? 0 : 1, addB = border_[Idx(link.b)] ? 0 : 1;
        if (!newBorders && addA + addB > 0) return false;
        return borderCount_[Idx(ca)] + addA <= Most(ca) && borderCount_[Idx(cb)] + addB <= Most(cb);
    }

    void Take(const Link& link) {
        pairs_.insert({std::min(link.a, link.b), std::max(link.a, link.b)});
        ++degree_[Idx(link.a)];
        ++degree_[Idx(link.b)];
        if (continentOf_[Idx(link.a)] != continentOf_[Idx(link.b)]) {
            for (int t : {link.a, link.b}) {
                if (border_[Idx(t)]) continue;
                border_[Idx(t)] = true;
                ++borderCount_[Idx(continentOf_[Idx(t)])];
            }
        }
        taken_.push_back(link);
    }

    // How much the link helps: the missing border members of the continents it gives one.
    int Need(const Link& link) const {
        int need = 0;
        for (int t : {link.a, link.b}) {
            const int c = continentOf_[Idx(t)];
            if (border_[Idx(t)]) continue;
            // A continent with a cap only welcomes border members; one with a count needs them.
            need += targets_.borders[Idx(c)] >= 0 ? targets_.borders[Idx(c)] - borderCount_[Idx(c)]
                                                  : (borderCount_[Idx(c)] < Most(c) ? 1 : 0);
        }
        return need;
    }

    bool CountsMet() const {
        for (std::size_t c = 1; c < borderCount_.size(); ++c)
            if (targets_.borders[c] >= 0 && borderCount_[c] != targets_.borders[c]) return false;
        return true;
    }
    int MostNeighbours() const { return *std::max_element(degree_.begin(), degree_.end()); }
    int Degree(int t) const { return degree_[Idx(t)]; }
    const std::vector<Link>& Taken() const { return taken_; }

  private:
    static std::size_t Idx(int i) { return static_cast<std::size_t>(i); }
    // A negative target asks for at most that many border members.
    int Most(int c) const { return std::abs(targets_.borders[Idx(c)]); }
    const Targets& targets_;
    const std::vector<int>& continentOf_;
    std::vector<int> degree_;
    std::vector<bool> border_;
    std::vector<int> borderCount_;
    std::set<std::pair<int, int>> pairs_;
    std::vector<Link> taken_;
};

void Shuffle(std::vector<Link>& links, Rng& rng) {
    for (std::size_t i = links.size(); i > 1; --i)
        std::swap(links[i - 1], links[static_cast<std::size_t>(rng.Below(static_cast<int>(i)))]);
}

bool Connected(const std::vector<Link>& links, int territories) {
    std::vector<std::vector<int>> adj(static_cast<std::size_t>(territories) + 1);
    for (const Link& l : links) {
        adj[static_cast<std::size_t>(l.a)].push_back(l.b);
        adj[static_cast<std::size_t>(l.b)].push_back(l.a);
    }
    std::vector<bool> seen(adj.size(), false);
    std::vector<int> stack{1};
    seen[1] = true;
    int count = 0;
    while (!stack.empty()) {
        const int t = stack.back();
        stack.pop_back();
        ++count;
        for (int n : adj[static_cast<std::size_t>(t)])
            if (!seen[static_cast<std::size_t>(n)])
                seen[static_cast<std::size_t>(n)] = true, stack.push_back(n);
    }
    return count == territories;
}

std::optional<std::vector<Link>> Choose(const Candidates& c, const Targets& targets,
                                        const std::vector<int>& continentOf, bool dense, Rng& rng,
                                        std::array<int, 3>& misses) {
    const int territories = static_cast<int>(continentOf.size()) - 1;
    Search search(targets, continentOf);
    for (const Link& link : c.fixed) {
        if (!search.Fits(link, true)) return std::nullopt;
        search.Take(link);
    }
    std::vector<Link> optional = c.optional;
    Shuffle(optional, rng);
    // Links that make new border members, the neediest continents first, chance breaking ties.
    for (;;) {
        const Link* best = nullptr;
        double bestScore = 0;
        for (const Link& link : optional) {
            if (continentOf[static_cast<std::size_t>(link.a)] ==
                    continentOf[static_cast<std::size_t>(link.b)] ||
                !search.Fits(link, true))
                continue;
            const double score = search.Need(link) + rng.Unit();
            if (search.Need(link) > 0 && score > bestScore) best = &link, bestScore = score;
        }
        if (best == nullptr) break;
        search.Take(*best);
    }
    if (!search.CountsMet()) return ++misses[0], std::nullopt;
    if (dense) {
        for (const Link& link : optional)
            if (link.kind == Link::Kind::kContact && search.Fits(link, false)) search.Take(link);
    }
    // Raise one of the busiest territories to the largest neighbour count, if links allow.
    std::vector<int> order;
    for (int t = 1; t <= territories; ++t) order.push_back(t);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return search.Degree(a) > search.Degree(b); });
    for (std::size_t k = 0; k < order.size() && search.MostNeighbours() < targets.maxNeighbours;
         ++k) {
        const int t = order[k];
        std::vector<const Link*> fitting;
        for (const Link& link : optional)
            if ((link.a == t || link.b == t) && search.Fits(link, false)) fitting.push_back(&link);
        if (search.Degree(t) + static_cast<int>(fitting.size()) < targets.maxNeighbours) continue;
        for (const Link* link : fitting)
            if (search.Degree(t) < targets.maxNeighbours && search.Fits(*link, false))
                search.Take(*link);
    }
    if (search.MostNeighbours() != targets.maxNeighbours) return ++misses[1], std::nullopt;
    if (!Connected(search.Taken(), territories)) return ++misses[2], std::nullopt;
    return search.Taken();
}

Layout Assemble(const MapInputs& inputs, const std::vector<int>& continentOf,
                const std::vector<Link>& links) {
    Layout layout;
    layout.inputs = inputs;
    layout.territories = static_cast<int>(continentOf.size()) - 1;
    layout.continentOf = continentOf;
    layout.neighbours.resize(continentOf.size());
    for (const Link& l : links) {
        layout.neighbours[static_cast<std::size_t>(l.a)].push_back(l.b);
        layout.neighbours[static_cast<std::size_t>(l.b)].push_back(l.a);
        if (l.kind == Link::Kind::kContact) {
            layout.inputs.rows[static_cast<std::size_t>(l.upper)].bottom.push_back(l.stretch);
            layout.inputs.rows[static_cast<std::size_t>(l.lower)].top.push_back(l.stretch);
        }
        if (l.kind == Link::Kind::kLane) layout.lanes.push_back(l.lane);
    }
    for (auto& list : layout.neighbours) std::sort(list.begin(), list.end());
    std::sort(layout.lanes.begin(), layout.lanes.end());
    return layout;
}

}  // namespace

std::optional<Layout> BuildLayout(const MapInputs& given, const Targets& targets,
                                  std::string* error) {
    MapInputs inputs = given;
    FindJoins(inputs);
    const int continents = static_cast<int>(targets.members.size()) - 1;
    int total = 0;
    for (int c = 1; c <= continents; ++c) {
        int members = 0;
        for (const Row& row : inputs.rows)
            if (row.continent == c) members += row.segments;
        if (members != targets.members[static_cast<std::size_t>(c)]) {
            *error = inputs.name + ": continent " + std::to_string(c) + " has " +
                     std::to_string(members) + " members in its rows";
            return std::nullopt;
        }
        total += members;
    }
    int cutFailures = 0;
    std::array<int, 3> misses{};
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        Rng rng(inputs.seed + static_cast<std::uint32_t>(attempt) * 7919u);
        bool cut = true;
        for (int r = 0; r < static_cast<int>(inputs.rows.size()); ++r)
            cut = cut && CutRow(inputs.rows[static_cast<std::size_t>(r)], Anchors(inputs, r),
                                inputs.jitter, rng);
        if (!cut) {
            ++cutFailures;
            continue;
        }
        std::vector<int> continentOf;
        NumberTerritories(inputs, continents, continentOf);
        const auto links =
            Choose(FindCandidates(inputs), targets, continentOf, inputs.dense, rng, misses);
        if (links) return Assemble(inputs, continentOf, *links);
    }
    *error = inputs.name + ": no layout gives the counts (" + std::to_string(cutFailures) +
             " crowded cuts; border counts missed " + std::to_string(misses[0]) +
             ", neighbour count " + std::to_string(misses[1]) + ", not connected " +
             std::to_string(misses[2]) + "; " + std::to_string(total) + " territories)";
    return std::nullopt;
}

}  // namespace mapgen
