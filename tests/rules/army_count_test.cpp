// Tests of the army count: the counts offered, the "Armies" window, the limit and the re-asking.
#include <gtest/gtest.h>

#include "core/model/options.h"
#include "core/rules/army_count.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"
#include "rules_fixture.h"

namespace {

using namespace rules_test;
using Counts = std::vector<std::int32_t>;
using headless::ScriptStep;

TEST(ArmyCountChoices, ListTheLargestFirstThenZeroThenStepsDown) {
    struct Case {
        int n;
        Counts counts;
    };
    const Case cases[] = {
        {5, {4, 0, 3, 2, 1}},
        {3, {2, 0, 1}},
        {2, {1, 0}},
        {1, {0}},
        {31, {30, 0, 25, 20, 15, 10, 5}},
        {40, {39, 0, 34, 29, 24, 19, 14, 9, 4}},
        {200, {199, 0,  189, 179, 169, 159, 149, 139, 129, 119, 109,
               99,  89, 79,  69,  59,  49,  39,  29,  19,  9}},
    };
    for (const Case& c : cases) EXPECT_EQ(army_count::CountChoices(c.n), c.counts) << c.n;
    EXPECT_EQ(army_count::CountChoices(30).size(), 30u);
    EXPECT_EQ(army_count::PlacementChoices(5), (Counts{3, 2, 1, 0}));
    EXPECT_EQ(army_count::PlacementChoices(2), (Counts{2, 1, 0}));
    EXPECT_EQ(army_count::PlacementChoices(0), (Counts{0}));
}

class AskArmyCount : public RulesFixture {
  protected:
    void SetUp() override {
        RulesFixture::SetUp();
        BuildBoard(2, {{1, 2}}, {});
        Own(1, 1, 5);
        Own(2, 2, 3);
        g_fromTerritory = 1;
        rules::SetCurrentPlayer(1);
    }
    std::int32_t Ask(int afterConquest, int limit) {
        std::int32_t count = -1;
        View().AskArmyCount(&count, afterConquest, limit);
        return count;
    }
    headless::ScriptedDialogHost& Dialogs() { return Platform().dialogs; }
};

TEST_F(AskArmyCount, OkWithoutChangingTheSelectionAttacksWithTheMost) {
    g_isAttackTo = true;
    g_transparencyPercent = 80;
    Dialogs().Script(ClegersDlg::kIdd, {ScriptStep::Click(kIdOk)});
    EXPECT_EQ(Ask(0, 4), 4);
    ASSERT_EQ(Dialogs().Shown().size(), 1u);
    EXPECT_EQ(Dialogs().Shown()[0].caption, "Armies");
    EXPECT_EQ(Dialogs().Shown()[0].alpha, 80 * 255 / 100);
    EXPECT_EQ(View().ArmiesDialog().ItemCount(ClegersDlg::kIdList), 5);
    EXPECT_EQ(g_statusText, "How many armies do you want to attack with ?");
    EXPECT_FALSE(g_isAskingArmyCount);
    EXPECT_EQ(g_messageCount, 0);
}

TEST_F(AskArmyCount, ACountAboveTheLimitIsRefusedAndAskedAgain) {
    g_isAttackTo = true;
    Own(1, 1, 6);  // offers 5, 0, 4, ...
    Dialogs().Script(ClegersDlg::kIdd, {ScriptStep::Click(kIdOk)});
    Dialogs().Script(ClegersDlg::kIdd,
                     {ScriptStep::Select(ClegersDlg::kIdList, 2), ScriptStep::Click(kIdOk)});
    EXPECT_EQ(Ask(1, 4), 4);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"leave 1 behind, no more than 4 armies."}));
    EXPECT_EQ(g_statusText, "How many armies do you want to move ?");
}

TEST_F(AskArmyCount, ClosingTheWindowAsksAgainAndZeroClearsThePrompt) {
    g_isMoveTo = true;
    g_movesLeft = 7;
    Own(1, 1, 3);  // min(8, 3): 2, 0, 1
    Dialogs().Script(ClegersDlg::kIdd, {ScriptStep::Cancel()});
    Dialogs().Script(ClegersDlg::kIdd,
                     {ScriptStep::Select(ClegersDlg::kIdList, 1), ScriptStep::Click(kIdOk)});
    EXPECT_EQ(Ask(0, 2), 0);
    EXPECT_EQ(Dialogs().Shown().size(), 2u);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{" "}));
    EXPECT_EQ(g_statusText, "Move 7 armies across your territories.");
}

TEST(ArmyCountLimit, TheTextOfOneArmy) {
    EXPECT_EQ(army_count::OverLimitText("no more than ", 1), "no more than 1 army.");
}

TEST_F(AskArmyCount, ALimitOfZeroOffersZeroOnlyAndReturns) {
    g_isAttackTo = true;
    EXPECT_EQ(Ask(1, 0), 0) << "no script: the window is closed, and asked only once";
    EXPECT_EQ(Dialogs().Shown().size(), 1u);
    EXPECT_EQ(View().ArmiesDialog().ItemCount(ClegersDlg::kIdList), 1);
    EXPECT_EQ(View().ArmiesDialog().ItemText(ClegersDlg::kIdList, 0), "0");
}

TEST_F(AskArmyCount, TheInitialPlacementOffersUpToThreeAndShowsNoQuestion) {
    g_isInitialPlacement = true;
    g_initialArmiesLeft = 2;
    g_statusText = "placing";
    Dialogs().Script(ClegersDlg::kIdd, {ScriptStep::Click(kIdOk)});
    EXPECT_EQ(Ask(0, 2), 2);
    EXPECT_EQ(g_statusText, "placing");
}

TEST_F(AskArmyCount, EachAddPhaseOffersItsOwnPool) {
    struct Case {
        bool* phase;
        std::int32_t* pool;
        int expectedFirst;
    };
    const Case cases[] = {{&g_isAddForTerritories, &g_territoryArmiesToAdd, 6},
                          {&g_isAddForContinents, &g_continentArmiesToAdd, 3},
                          {&g_isAddForCards, &g_cardArmiesToAdd, 10}};
    g_territoryArmiesToAdd = 6;
    g_continentArmiesToAdd = 3;
    g_cardArmiesToAdd = 10;
    for (const Case& c : cases) {
        *c.phase = true;
        EXPECT_EQ(army_count::ChoicesNow(50).front(), c.expectedFirst);
    }
}

}  // namespace
