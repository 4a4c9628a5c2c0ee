// Attack chains: random self-avoiding walks, retried until they reach their length.
#include "tools/mapgen/routes.h"

#include <algorithm>

namespace mapgen {
namespace {

constexpr int kTries = 20000;

// A walk from a random territory that never steps on itself and stops at `length`.
std::vector<int> Walk(const std::vector<std::vector<int>>& neighbours, int length, Rng& rng) {
    const int n = static_cast<int>(neighbours.size()) - 1;
    std::vector<int> path{1 + rng.Below(n)};
    while (static_cast<int>(path.size()) < length) {
        std::vector<int> free;
        for (int next : neighbours[static_cast<std::size_t>(path.back())])
            if (std::find(path.begin(), path.end(), next) == path.end()) free.push_back(next);
        if (free.empty()) break;
        path.push_back(free[static_cast<std::size_t>(rng.Below(static_cast<int>(free.size())))]);
    }
    return path;
}

}  // namespace

std::optional<std::vector<std::vector<int>>> MakeRoutes(
    const std::vector<std::vector<int>>& neighbours, int count, int longest, Rng& rng) {
    std::vector<std::vector<int>> routes;
    for (int r = 0; r < count; ++r) {
        const int length = r == 0 ? longest : 6 + rng.Below(longest - 5);
        bool found = false;
        for (int attempt = 0; attempt < kTries && !found; ++attempt) {
            std::vector<int> path = Walk(neighbours, length, rng);
            if (static_cast<int>(path.size()) == length) routes.push_back(path), found = true;
        }
        if (!found) return std::nullopt;
    }
    return routes;
}

}  // namespace mapgen
