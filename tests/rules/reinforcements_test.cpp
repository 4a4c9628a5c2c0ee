// Tests of the turn start: reinforcement counts, the continent phase, the card demand, the
// prompts, Troop Experience and a computer player's turn start.
#include <gtest/gtest.h>

#include "core/model/options.h"
#include "core/rules/reinforcements.h"
#include "core/rules/turn_order.h"
#include "rules_fixture.h"

namespace {

using namespace rules_test;
using namespace player_field;
using Texts = std::vector<std::string>;

TEST(TerritoryReinforcements, OneArmyPerDivisorTerritoriesAndAtLeastThree) {
    struct Case {
        int territories;
        int divisor;
        int armies;
    };
    const Case cases[] = {{8, 3, 3}, {20, 3, 6}, {130, 5, 26}, {0, 3, 3}, {20, 0, 6}};
    for (const Case& c : cases)
        EXPECT_EQ(TerritoryReinforcements(c.territories, c.divisor), c.armies)
            << c.territories << "/" << c.divisor;
}

TEST(CardsHeld, APlayerOutsideTheTablesHoldsNone) {
    const PlayerRecord saved = g_players[1];
    g_players[1][kArtilleryCards] = 2;
    g_players[1][kWildCards] = 1;
    EXPECT_EQ(CardsHeld(1), 3);
    EXPECT_TRUE(HoldsCardSet(1));
    for (int player : {0, -1, kMaxPlayers + 1}) {
        EXPECT_EQ(CardsHeld(player), 0) << player;
        EXPECT_FALSE(HoldsCardSet(player)) << player;
    }
    g_players[1] = saved;
}

// Player 1 (local, "Ann") owns territories 1..3 of a six-territory board; player 2 owns 4..6.
// Continent 1 is territories 1..3 with a bonus of 2.
class TurnStart : public RulesFixture {
  protected:
    void SetUp() override {
        RulesFixture::SetUp();
        BuildBoard(6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}},
                   {{{1, 2, 3}, 2, {3}}, {{4, 5, 6}, 3, {4}}});
        for (int t = 1; t <= 3; ++t) Own(t, 1, 2);
        for (int t = 4; t <= 6; ++t) Own(t, 2, 2);
        CountPlayers();
        g_playerCount = 2;
        g_humanPlayerCount = 1;
        rules::SetCurrentPlayer(1);
        g_playerNames[1] = "Ann";
        g_playerNames[2] = "pc II";
        g_reinforcementDivisor = 3;
        g_isJustOpened = 'n';
    }
    void Hand(int artillery, int infantry, int cavalry, int wild) {
        g_players[1][kArtilleryCards] = artillery;
        g_players[1][kInfantryCards] = infantry;
        g_players[1][kCavalryCards] = cavalry;
        g_players[1][kWildCards] = wild;
    }
};

TEST_F(TurnStart, ALocalPlayerWithoutContinentIsReadyToAct) {
    g_hasAttackedThisTurn = true;
    g_hasEarnedCardThisTurn = 'j';
    g_canNextPlayer = g_canMove = true;
    View().ComputeReinforcements();
    EXPECT_EQ(MessageTexts(), (Texts{"Ann is next.", "press Attack/Add etc."}));
    ASSERT_EQ(g_messageQueue[2].type, message_type::kTurnEnables);
    EXPECT_EQ(g_messageQueue[2].a, 1) << "territory 3 can attack 4";
    EXPECT_TRUE(g_isHumanTurnStarted);
    EXPECT_EQ(g_territoryArmiesToAdd, 3);
    EXPECT_FALSE(g_isAddForContinents);
    EXPECT_FALSE(g_hasAttackedThisTurn);
    EXPECT_EQ(g_hasEarnedCardThisTurn, 'n');
    EXPECT_FALSE(g_canNextPlayer);
    EXPECT_FALSE(g_canMove);
    EXPECT_TRUE(g_canSave);
    EXPECT_TRUE(g_canSaveAs);
    EXPECT_EQ(g_cardsLinePlayer, 1);
    EXPECT_EQ(g_playerRecordSnapshot, g_players);
    EXPECT_EQ(g_playersLeft, 2);
}

TEST_F(TurnStart, AContinentOpensItsPhaseAndWithFiveCardsTheTurnInIsDemandedToo) {
    g_players[1][player_field::kContinentBonus] = 2;
    Hand(2, 2, 0, 1);
    View().ComputeReinforcements();
    EXPECT_EQ(MessageTexts(), (Texts{"Ann is next.", "Add 2 armies based on your continents."}));
    EXPECT_TRUE(g_isAddForContinents);
    EXPECT_EQ(g_continentArmiesToAdd, 2);
    EXPECT_EQ(g_mustTurnInCards, 5);
    EXPECT_FALSE(g_canAttack);
}

TEST_F(TurnStart, FiveCardsWithoutContinentOnlyDemandTheTurnIn) {
    Hand(3, 0, 1, 1);
    g_canAttack = true;
    View().ComputeReinforcements();
    EXPECT_EQ(MessageTexts(),
              (Texts{"Ann is next.", "You must turn in at least one set of cards."}));
    EXPECT_FALSE(g_isAddForContinents);
    EXPECT_EQ(g_mustTurnInCards, 5);
    EXPECT_FALSE(g_canAttack);
    EXPECT_TRUE(g_canCards);
    EXPECT_FALSE(g_canSave);
}

TEST_F(TurnStart, TheContinentTextNamesOneArmyAndRepeatsInANetworkGame) {
    g_players[1][player_field::kContinentBonus] = 1;
    g_networkSeat = 1;
    g_isFastSpeed = true;
    View().ComputeReinforcements();
    const std::string text = "Add 1 army based on your continents.";
    EXPECT_EQ(MessageTexts(), (Texts{text, text, text}));
}

TEST_F(TurnStart, CardsThatMakeASetCanBeTurnedIn) {
    struct Case {
        int artillery, infantry, cavalry, wild;
        bool cards;
        char canTurnIn;
    };
    const Case cases[] = {
        {2, 0, 0, 0, true, 'j'}, {1, 0, 0, 1, true, 'j'},  {1, 1, 1, 0, true, 'n'},
        {0, 0, 0, 2, true, 'j'}, {1, 0, 0, 0, false, 'n'},
    };
    for (const Case& c : cases) {
        Hand(c.artillery, c.infantry, c.cavalry, c.wild);
        g_canCards = false;
        View().ComputeReinforcements();
        EXPECT_EQ(g_canCards, c.cards) << c.artillery << c.infantry << c.cavalry << c.wild;
        EXPECT_EQ(g_canTurnInCards, c.canTurnIn)
            << c.artillery << c.infantry << c.cavalry << c.wild;
    }
}

TEST_F(TurnStart, ATurnRestoredFromASavedGameKeepsItsFlagsAndSkipsTheContinentPhase) {
    g_isJustOpened = 'j';
    g_hasAttackedThisTurn = true;
    g_players[1][player_field::kContinentBonus] = 2;
    View().ComputeReinforcements();
    EXPECT_TRUE(g_hasAttackedThisTurn);
    EXPECT_FALSE(g_isAddForContinents);
    EXPECT_EQ(g_isJustOpened, 'n');
    EXPECT_EQ(MessageTexts().back(), "press Attack/Add etc.");
}

TEST_F(TurnStart, AComputerPlayerIsOnlyAnnounced) {
    rules::SetCurrentPlayer(2);
    g_territoryArmiesToAdd = 44;
    g_players[2][player_field::kContinentBonus] = 3;
    const int invalidations = Platform().window.invalidations;
    View().ComputeReinforcements();
    EXPECT_EQ(MessageTexts(), (Texts{" is next."}));
    EXPECT_EQ(g_messageCount, 1);
    EXPECT_EQ(g_territoryArmiesToAdd, 44);
    EXPECT_FALSE(g_isAddForContinents);
    EXPECT_GT(Platform().window.invalidations, invalidations);
}

TEST_F(TurnStart, TroopExperienceFollowsTheLossesFromTheTenthTurn) {
    g_isTroopExperienceOn = true;
    g_playerCount = 3;
    Own(6, 3, 2);
    CountPlayers();
    g_players[1][kLosses] = 10;
    g_players[2][kLosses] = 50;
    g_players[3][kLosses] = 90;  // all losses 150, 3 players: 100 % is 50 losses
    struct Case {
        int turn;
        std::array<int, 4> percent;
    };
    const Case cases[] = {
        {9, {0, 0, 0, 0}},        // not yet
        {11, {0, 50, 100, 180}},  // 20 % is raised to 50 up to turn 12
        {13, {0, 20, 100, 180}},
    };
    for (const Case& c : cases) {
        g_troopExperience.fill(0);
        g_turnsPlayed[1] = c.turn;
        View().ComputeReinforcements();
        for (int p = 1; p <= 3; ++p) {
            EXPECT_EQ(g_troopExperience[p], c.percent[static_cast<std::size_t>(p)])
                << "turn " << c.turn << " player " << p;
            EXPECT_EQ(g_troopExperienceSnapshots[1][p], c.percent[static_cast<std::size_t>(p)]);
        }
    }
}

TEST_F(TurnStart, TroopExperienceOfALostStrongholdAndOfTheNeutralArmy) {
    g_isTroopExperienceOn = true;
    g_playerCount = 3;
    Own(6, 3, 2);
    CountPlayers();
    g_players[1][kLosses] = 10;
    g_players[2][kLosses] = 10;
    g_players[3][kLosses] = 10;
    g_turnsPlayed[1] = 20;
    g_areStrongholdsOn = true;
    g_players[1][kStronghold] = 1;
    g_players[2][kStronghold] = 0;
    g_players[3][kStronghold] = 6;
    g_hasNeutralArmy = true;
    g_players[3][kLosses] = 40;
    View().ComputeReinforcements();
    EXPECT_EQ(g_troopExperience[1], 50);
    EXPECT_EQ(g_troopExperience[2], 0) << "stronghold lost";
    EXPECT_EQ(g_troopExperience[3], 100) << "the neutral army";
}

}  // namespace
