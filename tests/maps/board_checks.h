// Checks of a parsed board that every map text must pass.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <vector>

#include "core/model/game_state.h"

namespace board_checks {

// The continent that names territory t among its members, or 0.
inline int ContinentOf(int t) {
    for (int c = 1; c <= g_continentCount; ++c)
        for (int k = 1; k <= g_continents[c][kContinentMemberCount]; ++k)
            if (g_continents[c][k] == t) return c;
    return 0;
}

// Every neighbour names its territory back, and every territory is reached from territory 1.
inline void ExpectSymmetricConnectedNeighbours() {
    std::vector<int> reached{1};
    std::set<int> seen{1};
    for (std::size_t k = 0; k < reached.size(); ++k)
        for (int j = 1; j <= kMaxNeighbours; ++j) {
            const int u = g_neighbours[reached[k]][j];
            if (u == 0) continue;
            ASSERT_TRUE(u >= 1 && u <= g_territoryCount);
            const auto& back = g_neighbours[u];
            EXPECT_NE(std::find(back.begin() + 1, back.end(), reached[k]), back.end())
                << u << " does not name " << reached[k];
            if (seen.insert(u).second) reached.push_back(u);
        }
    EXPECT_EQ(static_cast<int>(reached.size()), g_territoryCount) << "not all reachable";
}

}  // namespace board_checks
