// The indexes the computer player searches with answer as the scans of the tables they replace:
// the route table's rows by territory as routes are added and rewritten, and the map's
// memberships and neighbour lists within a turn.
#include <functional>
#include <set>
#include <span>

#include "ai/map_index.h"
#include "ai/route_index.h"
#include "ai_fixture.h"

namespace {

using namespace ai_test;

class Indexes : public AiFixture {};

// Every row in use holding t in any place, by scanning the table.
std::vector<std::int32_t> ScannedRows(std::int32_t t) {
    std::vector<std::int32_t> rows;
    for (int r = 1; r <= g_routeCount; ++r)
        for (int k = 1; k <= kRouteLength; ++k)
            if (g_routeTable[r][k] == t) {
                rows.push_back(r);
                break;
            }
    return rows;
}

void ExpectRowsAsScanned(const char* step) {
    for (int t = 1; t <= 12; ++t) {
        const std::span<const std::int32_t> rows = ai::RowsThrough(t);
        EXPECT_EQ(std::vector<std::int32_t>(rows.begin(), rows.end()), ScannedRows(t))
            << step << ", territory " << t;
        for (int u = 1; u <= 12; ++u) {
            std::vector<std::int32_t> both, scanned;
            ai::ForEachRowThroughBoth(t, u, [&](std::int32_t r) {
                both.push_back(r);
                return true;
            });
            for (std::int32_t r : ScannedRows(t))
                if (std::ranges::count(ScannedRows(u), r) != 0) scanned.push_back(r);
            EXPECT_EQ(both, scanned) << step << ", territories " << t << " and " << u;
        }
    }
}

TEST_F(Indexes, RouteRowsFollowTheTableAsItChanges) {
    BuildBoard(12, {{1, 2}}, {});
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"empty table", [] {}},
        {"rows appended",
         [] {
             AddRoute({1, 2, 3, 2});
             AddRoute({4, 5, 6});
         }},
        {"a row with a gap",
         [] {
             AddRoute({7, 0, 8});
         }},
        {"count lowered, a row rewritten",
         [] {
             g_routeCount = 1;
             AddRoute({9, 10, 11});
         }},
        {"the last row rewritten in place", [] { g_routeTable[2][2] = 12; }},
        {"table cleared",
         [] {
             ClearRouteTable();
             g_routeCount = 0;
         }},
        {"rewritten and noted",
         [] {
             AddRoute({3, 4});
             AddRoute({5, 6});
             g_routeTable[1][1] = 7;
             NoteRouteTableRewritten();
         }},
    };
    for (const auto& [name, change] : steps) {
        change();
        ExpectRowsAsScanned(name);
    }
    AddRoute({0, 1, 2});
    AddRoute({1, 2});
    EXPECT_EQ(ai::FirstEmptyRow(), 3) << "a row starting empty ends every row scan";
}

// A board with the odd cases of map tables: a territory in two continents, a member past the
// territories in play, a continent without members, a one-way neighbour.
void BuildOddBoard() {
    BuildBoard(6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}},
               {{{1, 2}, 3, {2}}, {{2, 3, 9}, 2, {3}}, {{}, 1, {}}, {{5, 4, 4}, 2, {4}}});
    g_neighbours[6][1] = 5;  // 5 does not name 6
    SetBoard({{1, 3}, {1, 2}, {1, 4}, {2, 1}, {2, 5}, {3, 2}});
}

TEST_F(Indexes, MapAnswersWithinATurnAreTheScansAnswers) {
    BuildOddBoard();
    std::vector<std::int32_t> scanned;
    auto ask = [&] {
        std::vector<std::int32_t> answers;
        for (int t = -1; t <= kMaxTerritories + 1; ++t) answers.push_back(ai::ContinentOf(t));
        for (int c = -1; c <= kMaxContinents + 1; ++c) {
            for (int t = -1; t <= 10; ++t) answers.push_back(ai::IsMemberOf(c, t));
            for (int p = 0; p <= kMaxPlayers; ++p) answers.push_back(ai::Holds(p, c));
        }
        return answers;
    };
    scanned = ask();
    EXPECT_EQ(ai::ContinentOf(2), 1);
    EXPECT_TRUE(ai::Holds(1, 2)) << "9 is not in play";
    EXPECT_FALSE(ai::Holds(1, 3)) << "no members, never held";
    {
        const ai::MapIndexScope scope;
        EXPECT_EQ(ask(), scanned);
        ai::BoardCopy copy;
        copy[4] = {2, 1};
        copy[5] = {2, 1};
        EXPECT_TRUE(ai::Holds(2, 4)) << "owners are read from the board in force";
    }
    EXPECT_EQ(ask(), scanned);
}

TEST_F(Indexes, NeighbourListsAreReadBackwardsOneWayLinksIncluded) {
    BuildOddBoard();
    const ai::MapIndexScope scope;
    auto listing = [](int x) {
        std::multiset<int> from;
        for (int i = ai::g_mapIndex->listedFrom[x]; i < ai::g_mapIndex->listedFrom[x + 1]; ++i)
            from.insert(ai::g_mapIndex->listedBy[static_cast<std::size_t>(i)]);
        return from;
    };
    EXPECT_EQ(listing(5), (std::multiset<int>{4, 6}));
    EXPECT_EQ(listing(6), (std::multiset<int>{}));
    EXPECT_EQ(listing(2), (std::multiset<int>{1, 3}));
}

// A one-way link is walked only the way it points: the distances that prune the search must not
// take it backwards.
TEST_F(Indexes, AttackPathsFollowOneWayLinksOnlyForwards) {
    BuildBoard(4, {{1, 2}, {3, 4}}, {});
    g_neighbours[2][2] = 3;  // 2 -> 3 only
    SetBoard({{1, 20}, {2, 1}, {2, 1}, {2, 1}});
    const ai::PathChoice forwards = ai::FindAttackPath(1, 4, ai::chain_choice::kFewestDefenders);
    ASSERT_NE(forwards.row, 0);
    SetBoard({{2, 1}, {2, 1}, {2, 1}, {1, 20}});
    g_routeCount = 0;  // forget the route just learned: it would be walked back
    ClearRouteTable();
    EXPECT_EQ(ai::FindAttackPath(4, 1, ai::chain_choice::kFewestDefenders).row, 0);
    const ai::MapIndexScope scope;
    EXPECT_EQ(ai::FindAttackPath(4, 1, ai::chain_choice::kFewestDefenders).row, 0);
}

}  // namespace
