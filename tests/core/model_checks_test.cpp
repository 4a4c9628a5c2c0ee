// The model's small checks: the yes/no flag bytes, the player and territory bounds, the built-in
// campaigns and the network game kinds.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/model/yes_no.h"

namespace {

TEST(YesNoTest, OnlyItsOwnBytesReadAsYesOrNo) {
    struct Case {
        char flag;
        bool yes;
        bool no;
    };
    const Case cases[] = {
        {'j', true, false},  {'n', false, true},  {0, false, false},
        {'J', false, false}, {'y', false, false}, {'N', false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsYes(c.flag), c.yes) << static_cast<int>(c.flag);
        EXPECT_EQ(IsNo(c.flag), c.no) << static_cast<int>(c.flag);
    }
}

TEST(YesNoTest, BuildsTheBytesThatAreSavedAndSent) {
    EXPECT_EQ(YesNo(true), 'j');
    EXPECT_EQ(YesNo(false), 'n');
}

class BoundsTest : public testing::Test {
  protected:
    void TearDown() override {
        g_territoryCount = savedTerritories_;
        g_gameKind = savedKind_;
    }

  private:
    std::int32_t savedTerritories_ = g_territoryCount;
    std::int32_t savedKind_ = g_gameKind;
};

TEST_F(BoundsTest, ATerritoryInPlayIsOnTheBoardAndATerritorySlotInTheTables) {
    struct Case {
        std::int32_t boardCount;
        std::int32_t t;
        bool inPlay;
        bool slot;
    };
    const Case cases[] = {
        {42, 0, false, false},
        {42, 1, true, true},
        {42, 42, true, true},
        {42, 43, false, true},
        {42, kMaxTerritories, false, true},
        {42, -1, false, false},
        {42, kMaxTerritories + 1, false, false},
        // A count from a damaged file never reaches past the tables.
        {kMaxTerritories + 50, kMaxTerritories, true, true},
        {kMaxTerritories + 50, kMaxTerritories + 1, false, false},
        {-5, 1, false, true},
        {0, 1, false, true},
    };
    for (const Case& c : cases) {
        g_territoryCount = c.boardCount;
        EXPECT_EQ(IsTerritoryInPlay(c.t), c.inPlay) << c.boardCount << " " << c.t;
        EXPECT_EQ(IsTerritorySlot(c.t), c.slot) << c.boardCount << " " << c.t;
    }
}

TEST_F(BoundsTest, PlayersAndBuiltinCampaignsHaveTheirRanges) {
    struct Case {
        std::int32_t n;
        bool player;
        bool builtinCampaign;
    };
    const Case cases[] = {
        {-1, false, false}, {0, false, false}, {1, true, true},    {5, true, true},
        {6, true, false},   {10, true, false}, {11, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPlayer(c.n), c.player) << c.n;
        EXPECT_EQ(IsBuiltinCampaign(c.n), c.builtinCampaign) << c.n;
    }
    EXPECT_FALSE(IsBuiltinCampaign(kOwnCampaign));
}

TEST_F(BoundsTest, OnlyAHostedOrJoinedGameIsANetworkGame) {
    struct Case {
        std::int32_t kind;
        bool network;
    };
    const Case cases[] = {
        {0, false},
        {game_kind::kSinglePlayer, false},
        {game_kind::kNetworkHost, true},
        {game_kind::kNetworkJoined, true},
        {game_kind::kHotseat, false},
        {game_kind::kDemo, false},
    };
    for (const Case& c : cases) {
        g_gameKind = c.kind;
        EXPECT_EQ(IsNetworkGame(), c.network) << c.kind;
    }
}

}  // namespace
