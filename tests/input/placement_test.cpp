// Board clicks through the entry refusals, the demo stop, the stronghold choice, the initial
// placement with its hand-over on one machine, and the three add phases.
#include <algorithm>

#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/turn/queues.h"
#include "tests/input/input_fixture.h"

namespace input_test {
namespace {

class PlacementTest : public InputFixture {
  protected:
    void SetUp() override {
        InputFixture::SetUp();
        StartGame(2, 2);
        g_isJustOpened = 'n';
        // Player 1 holds 1 and 3, player 2 holds 2, 4 and 5.
        SetBoard({{1, 1}, {2, 1}, {1, 1}, {2, 1}, {2, 1}});
    }
    int CountEvents(int type, int player) const {
        int n = 0;
        for (int i = 1; i <= g_eventCount; ++i)
            if (g_eventQueue[i].type == type && g_eventQueue[i].a == player) ++n;
        return n;
    }
};

TEST_F(PlacementTest, ClicksRefusedBeforeAnyPhase) {
    g_isInitialPlacement = true;
    g_initialArmiesLeft = 3;
    g_isPainting = true;
    Click(1);
    EXPECT_EQ(Beeps(), 0);
    g_isPainting = false;
    g_eventCount = 1;
    Click(1);
    EXPECT_EQ(Beeps(), 1);
    g_eventCount = 0;
    g_networkSeat = 2;  // a joined machine while player 1 plays
    Click(1);
    EXPECT_EQ(Beeps(), 2);
    EXPECT_EQ(Armies(1), 1);
    EXPECT_TRUE(platform_->dialogs.Shown().empty());
}

TEST_F(PlacementTest, ClickStopsTheDemoAndNothingElse) {
    g_isDemoRunning = true;
    g_canNewGame = g_canOpen = false;
    platform_->window.SetCapture();
    g_screenWidth = 800;
    Click(1);
    EXPECT_FALSE(g_isDemoRunning);
    EXPECT_TRUE(g_canNewGame && g_canOpen && g_canSetSlowSpeed && g_canSetFastSpeeds);
    EXPECT_FALSE(platform_->window.hasCapture);
    EXPECT_EQ(g_screenSize, 1);
    EXPECT_EQ(Beeps(), 0);
}

// The demo chosen from New Game shows the same "click anywhere" text; the click ends it too.
TEST_F(PlacementTest, ClickEndsADemoChosenFromNewGame) {
    g_isDemoRunning = false;
    g_gameKind = game_kind::kDemo;
    g_canNewGame = g_canOpen = g_canChangeMap = false;
    g_eventCount = 3;  // the computer players' moves still queued
    Click(1);
    EXPECT_EQ(g_gameKind, game_kind::kSinglePlayer);
    EXPECT_EQ(g_eventCount, 0);
    EXPECT_TRUE(g_canNewGame && g_canOpen && g_canChangeMap);
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(PlacementTest, NoPhaseClickOpensAddingOrBeeps) {
    g_canAdd = false;
    Click(1);
    EXPECT_EQ(Beeps(), 1);
    g_canAdd = true;
    Click(2);  // no own territory there
    EXPECT_EQ(Beeps(), 3);
    EXPECT_FALSE(g_isAddForTerritories);
    // On an own territory the phase opens and the count is asked at once: 3 armies to add,
    // the list offers 3, 0, 2, 1.
    g_territoryArmiesToAdd = 3;
    ChooseEntry(2);
    Click(1);
    EXPECT_TRUE(g_isAddForTerritories);
    EXPECT_EQ(Armies(1), 3);
    EXPECT_EQ(g_territoryArmiesToAdd, 1);
    EXPECT_EQ(Messages().back(), "Add 1 army based on your territories.");
    EXPECT_EQ(g_players[1][player_field::kLosses], 1);  // the first placement of the turn
    EXPECT_EQ(g_players[1][player_field::kReinforcementCount], 1);
    EXPECT_FALSE(g_canAttack || g_canSave);
}

TEST_F(PlacementTest, DecliningTheFirstTerritoryCountBacksOut) {
    g_territories[1].armies = 3;  // can attack territory 2
    g_isAddForTerritories = true;
    g_territoryArmiesToAdd = 3;
    ChooseEntry(1);  // 3, 0, 2, 1: none
    Click(1);
    EXPECT_FALSE(g_isAddForTerritories);
    EXPECT_EQ(g_territoryArmiesToAdd, 3);
    EXPECT_TRUE(g_canAttack);
    EXPECT_EQ(g_players[1][player_field::kLosses], 0);
    EXPECT_EQ(g_territoryPicked[1], 'n');
}

TEST_F(PlacementTest, PlacingTheLastTerritoryArmyPassesTheTurn) {
    g_isAddForTerritories = true;
    g_territoryArmiesToAdd = 1;  // already placed 2 of 3: no further loss
    g_players[1][player_field::kLosses] = 4;
    ChooseEntry(0);  // 1
    Click(3);
    EXPECT_EQ(Armies(3), 2);
    EXPECT_FALSE(g_isAddForTerritories || g_canAdd);
    EXPECT_EQ(g_players[1][player_field::kLosses], 4);
    // The hand-over to the next player is queued for the clock.
    EXPECT_EQ(g_messageQueue[g_messageCount].type, message_type::kComputerTurns);
}

TEST_F(PlacementTest, VeteranWhoAvoidsBattleLosesOneMore) {
    g_isAddForTerritories = true;
    g_territoryArmiesToAdd = 3;
    g_players[1][player_field::kBattlesFought] = 2;
    g_players[2][player_field::kBattlesFought] = 2;  // a tie goes to the lower number
    g_turnsPlayed[1] = 5;
    ChooseEntry(2);  // 3, 0, 2, 1: two armies
    Click(1);
    EXPECT_EQ(g_players[1][player_field::kLosses], 2);
    EXPECT_EQ(g_lossesShown, 2);
    g_isTroopExperienceOn = true;
    g_players[1][player_field::kLosses] = 0;
    g_territoryArmiesToAdd = 3;
    ChooseEntry(2);
    Click(1);
    EXPECT_EQ(g_players[1][player_field::kLosses], 0);
}

TEST_F(PlacementTest, InitialPlacementLimitsAndRefusals) {
    g_isInitialPlacement = true;
    g_initialArmiesLeft = 5;
    g_territories[1].armies = 3;
    // 3 armies asked for a territory of 3: refused with the limit, then 1.
    ChooseEntry(0);
    ChooseEntry(2);
    Click(1);
    EXPECT_EQ(Armies(1), 4);
    EXPECT_EQ(g_initialArmiesLeft, 4);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"no more than 1 army.",
                                        "Select a territory for initial army placement, "
                                        "available: 4"}));
    // Full at 4, and the stronghold, are refused without a question.
    g_players[1][player_field::kStronghold] = 3;
    Click(1);
    Click(3);
    EXPECT_EQ(Beeps(), 2);
    EXPECT_EQ(platform_->dialogs.Shown().size(), 2u);
    // Declining places nothing and asks again with the same number.
    g_players[1][player_field::kStronghold] = 0;
    ChooseEntry(3);
    Click(3);
    EXPECT_EQ(Armies(3), 1);
    EXPECT_EQ(Messages().back(), "Select a territory for initial army placement, available: 4");
    EXPECT_EQ(g_territoryPicked[3], 'n');
}

TEST_F(PlacementTest, TwoArmiesLeftLimitTheCount) {
    g_isInitialPlacement = true;
    g_initialArmiesLeft = 2;
    // The list offers 2, 1, 0.
    ChooseEntry(0);
    Click(1);
    EXPECT_EQ(Armies(1), 3);
    EXPECT_EQ(g_initialArmiesLeft, 0);
    EXPECT_EQ(PendingScripts(), 0u);
}

TEST_F(PlacementTest, ComputersAfterTheLastHumanArmyAreQueuedThenPlayerOne) {
    StartGame(4, 2, 2);
    SetBoard({{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 1}});
    g_isInitialPlacement = true;
    g_initialArmiesLeft = 1;
    g_roundCounter = 1;
    ChooseEntry(0);
    Click(2);
    EXPECT_TRUE(g_isInitialPlacement);
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_EQ(g_roundCounter, 4);
    EXPECT_EQ(CountEvents(event_type::kComputerPlacement, 3), 1);
    EXPECT_EQ(CountEvents(event_type::kComputerPlacement, 4), 1);
    EXPECT_EQ(CountEvents(event_type::kNextPlayer, 1), 1);
    EXPECT_EQ(g_initialArmiesLeft, g_startArmies);
    EXPECT_EQ(Messages().back(), "Select a territory for initial army placement, available: " +
                                     std::to_string(g_startArmies));
}

TEST_F(PlacementTest, NextHumanChoosesAStrongholdFirst) {
    g_areStrongholdsOn = true;
    g_isInitialPlacement = true;
    g_initialArmiesLeft = 1;
    g_roundCounter = 1;
    ChooseEntry(0);
    Click(1);
    EXPECT_EQ(g_currentPlayer, 2);
    EXPECT_TRUE(g_isStrongholdChoice);
    EXPECT_FALSE(g_isInitialPlacement);
    EXPECT_EQ(Messages().back(), "Choose your stronghold");
}

TEST_F(PlacementTest, StrongholdChoiceRefusesANeighbourOfAStronghold) {
    g_isStrongholdChoice = true;
    g_startArmies = 9;
    g_territories[2].armies = 15;  // player 2's stronghold, next to territory 1
    Click(1);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_TRUE(g_isStrongholdChoice);
    Click(3);
    EXPECT_EQ(g_players[1][player_field::kStronghold], 3);
    EXPECT_EQ(Armies(3), 15);
    EXPECT_TRUE(g_isInitialPlacement);
    EXPECT_FALSE(g_isStrongholdChoice);
    EXPECT_EQ(g_initialArmiesLeft, g_startArmies);
    // Shown highlighted until the clock plays the record that draws it plainly.
    EXPECT_TRUE(g_isHighlightOn);
    EXPECT_EQ(g_messageQueue[1].type, message_type::kUnpick);
    EXPECT_EQ(g_messageQueue[1].a, 3);
}

TEST_F(PlacementTest, LastPlacementStartsTheFirstTurnInTheSameClick) {
    // One human against a computer: after player 1's last army the computer's placement is
    // queued, the placement closes and player 1's turn opens the continent phase, which the
    // same click serves on the same territory.
    StartGame(2, 1, 1);
    SetBoard({{1, 1}, {1, 1}, {2, 1}, {2, 1}, {2, 1}});
    g_players[1][player_field::kContinentBonus] = 3;
    g_isInitialPlacement = true;
    g_initialArmiesLeft = 1;
    g_roundCounter = 1;
    ChooseEntry(0);  // the last initial army
    ChooseEntry(0);  // then all 3 continent armies: 3, 0, 2, 1
    Click(1);
    EXPECT_FALSE(g_isInitialPlacement);
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_EQ(CountEvents(event_type::kComputerPlacement, 2), 1);
    EXPECT_EQ(Armies(1), 5);
    EXPECT_FALSE(g_isAddForContinents);
    EXPECT_EQ(g_players[1][player_field::kPlacedFromContinents], 3);
    EXPECT_TRUE(g_canAdd);
    EXPECT_EQ(Messages().back(), "Press Attack/Add etc.");
}

TEST_F(PlacementTest, BonusPhasesCountDownAndEnableTheTurn) {
    struct Case {
        bool* phase;
        std::int32_t* pool;
        int field;
        const char* left;
    } cases[] = {
        {&g_isAddForContinents, &g_continentArmiesToAdd, player_field::kPlacedFromContinents,
         "Add 1 army based on your continents."},
        {&g_isAddForCards, &g_cardArmiesToAdd, player_field::kPlacedFromCards,
         "Add 1 army based on your cards."},
    };
    for (const Case& c : cases) {
        *c.phase = true;
        *c.pool = 3;
        ChooseEntry(2);  // 3, 0, 2, 1: two armies
        Click(1);
        EXPECT_EQ(Messages().back(), c.left);
        ChooseEntry(0);  // 1, 0: the last one
        Click(3);
        EXPECT_EQ(*c.pool, 0);
        EXPECT_FALSE(*c.phase);
        EXPECT_EQ(g_players[1][c.field], 3);
        EXPECT_TRUE(g_canAdd && g_canSave);
        EXPECT_EQ(Messages().back(), "Press Attack/Add etc.");
    }
}

TEST_F(PlacementTest, ContinentArmiesLeftPromptAndForcedCards) {
    g_isAddForContinents = true;
    g_continentArmiesToAdd = 3;
    ChooseEntry(2);  // 3, 0, 2, 1: two armies
    Click(1);
    EXPECT_EQ(Messages().back(), "Add 1 army based on your continents.");
    EXPECT_TRUE(g_isAddForContinents);
    g_mustTurnInCards = 5;
    ChooseEntry(0);  // 1, 0
    Click(3);
    EXPECT_FALSE(g_isAddForContinents);
    EXPECT_EQ(Messages().back(), "You must turn in at least one set of cards.");
    EXPECT_TRUE(g_canCards);
    EXPECT_FALSE(g_canAdd);
}

}  // namespace
}  // namespace input_test
