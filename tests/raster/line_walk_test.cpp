// The line walker: which pixels it visits, in which order.
#include "platform/raster/line_walk.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using Points = std::vector<raster::Point>;

Points Walk(raster::Point from, raster::Point to) {
    Points visited;
    raster::WalkLine(from, to, [&](int x, int y) { visited.push_back({x, y}); });
    return visited;
}

TEST(LineWalk, StartIncludedEndLeftOut) {
    EXPECT_EQ(Walk({0, 0}, {5, 2}), (Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
    EXPECT_EQ(Walk({3, 3}, {3, 0}), (Points{{3, 3}, {3, 2}, {3, 1}}));
    EXPECT_EQ(Walk({0, 0}, {-3, 3}), (Points{{0, 0}, {-1, 1}, {-2, 2}}));
    EXPECT_EQ(Walk({7, 7}, {7, 7}), Points{});
    EXPECT_EQ(Walk({0, 0}, {1, 0}), (Points{{0, 0}}));
}

TEST(LineWalk, HalfwayStepsStayOnTheStartSide) {
    EXPECT_EQ(Walk({0, 0}, {2, 1}), (Points{{0, 0}, {1, 0}}));
    EXPECT_EQ(Walk({2, 1}, {0, 0}), (Points{{2, 1}, {1, 1}}));
    EXPECT_EQ(Walk({0, 0}, {1, 2}), (Points{{0, 0}, {0, 1}}));
}

TEST(LineWalk, EveryLineIsAnUnbrokenChainEndingNextToItsEnd) {
    const Points ends{{9, 4}, {-9, 4}, {4, -9}, {-4, -9}, {13, 13}, {0, -6}, {1, 12}, {-12, -1}};
    for (const raster::Point& end : ends) {
        const Points p = Walk({0, 0}, end);
        ASSERT_EQ(p.size(), static_cast<std::size_t>(std::max(std::abs(end.x), std::abs(end.y))));
        EXPECT_EQ(p.front(), (raster::Point{0, 0}));
        for (std::size_t i = 1; i <= p.size(); ++i) {
            const raster::Point next = i < p.size() ? p[i] : end;
            EXPECT_LE(std::abs(next.x - p[i - 1].x), 1);
            EXPECT_LE(std::abs(next.y - p[i - 1].y), 1);
        }
    }
}

TEST(LineWalk, AStoppedWalkEndsAtThePixelThatStoppedIt) {
    Points visited;
    const bool ran = raster::WalkLineWhile({0, 0}, {5, 2}, [&](int x, int y) {
        visited.push_back({x, y});
        return x < 2;
    });
    EXPECT_FALSE(ran);
    EXPECT_EQ(visited, (Points{{0, 0}, {1, 0}, {2, 1}}));
    EXPECT_TRUE(raster::WalkLineWhile({0, 0}, {5, 2}, [](int, int) { return true; }));
}

}  // namespace
