// The board text of the game's tables: every field round-trips, bad texts change nothing.
#include "core/rules/turn_order.h"
#include "net/board_state.h"
#include "turn_fixture.h"

namespace turn_test {
namespace {

using BoardGlueTest = TurnFixture;

void FillTables() {
    rules::SetCurrentPlayer(7);
    for (int t = 1; t <= 117; ++t) g_territories[t] = {t % 11, (t * 37) % 1000};
    for (int p = 1; p <= 10; ++p) {
        PlayerRecord& r = g_players[p];
        r[player_field::kTerritories] = p * 3;
        r[player_field::kArmies] = p * 101;
        r[player_field::kContinentBonus] = p;
        r[player_field::kArtilleryCards] = p % 4;
        r[player_field::kInfantryCards] = (p + 1) % 4;
        r[player_field::kCavalryCards] = (p + 2) % 4;
        r[player_field::kWildCards] = p % 2;
        for (int c = 1; c <= 15; ++c) r[c] = (c + p) % 2;
        r[player_field::kLosses] = p * 1234;
        r[player_field::kStronghold] = p + 20;
        g_turnsPlayed[p] = p * 11;
    }
    g_deckArtilleryCards = 12;
    g_deckInfantryCards = 13;
    g_deckCavalryCards = 14;
    g_deckWildCards = 2;
    g_humanPlayerCount = 2;
    g_playerCount = 10;
    g_isOneForOneRule = 'n';
    g_isTroopExperienceOn = true;
    g_areStrongholdsOn = false;
    g_isHighlightOn = true;
    g_syncTerritory = 42;
    g_roundCounter = 321;
    g_lastCardTurnIn = {3, 10, 1, 1, 0, 1};
    g_syncArmies = 77;
    g_syncOwner = 10;
    g_syncContinent = 6;
    g_syncMarked = true;
    for (int p = 1; p <= 5; ++p) g_playerNames[p] = "Name" + std::to_string(p);
    g_mapName = "World";
}

TEST_F(BoardGlueTest, EveryCarriedFieldComesBack) {
    FillTables();
    g_outgoingMessage = "1003";
    View().AppendBoardState();
    ASSERT_EQ(g_outgoingMessage.size(), 944u);
    const auto territories = g_territories;
    const auto players = g_players;
    const auto turns = g_turnsPlayed;
    const auto cards = g_lastCardTurnIn;

    // A receiving machine with other tables.
    for (int t = 1; t <= 117; ++t) g_territories[t] = {}, g_displayedTerritories[t] = {};
    for (int p = 1; p <= 10; ++p) {
        g_players[p].fill(0);
        g_players[p][player_field::kBattlesWon] = 99;  // not carried: kept
        g_turnsPlayed[p] = 0;
    }
    rules::SetCurrentPlayer(0);
    g_humanPlayerCount = g_playerCount = g_roundCounter = 0;
    g_deckArtilleryCards = g_deckInfantryCards = g_deckCavalryCards = g_deckWildCards = 0;
    g_isTroopExperienceOn = g_isHighlightOn = g_syncMarked = false;
    g_areStrongholdsOn = g_areTerritoriesHidden = true;
    g_syncTerritory = g_syncArmies = g_syncOwner = g_syncContinent = 0;
    g_lastCardTurnIn = {};
    for (int p = 1; p <= 10; ++p) g_playerNames[p] = "";
    g_mapName = "";

    g_incomingMessage = g_outgoingMessage.substr(4);
    ASSERT_TRUE(View().ReadBoardState());
    EXPECT_EQ(g_currentPlayer, 7);
    for (int t = 1; t <= 117; ++t) {
        EXPECT_EQ(g_territories[t].owner, territories[t].owner) << t;
        EXPECT_EQ(g_territories[t].armies, territories[t].armies) << t;
        EXPECT_EQ(g_displayedTerritories[t].armies, territories[t].armies) << t;
    }
    for (int p = 1; p <= 10; ++p) {
        for (int f : {1, 7, 15, 26, 27, 28, 29, 30, 31, 32, 33, 44})
            EXPECT_EQ(g_players[p][f], players[p][f]) << p << " field " << f;
        EXPECT_EQ(g_players[p][player_field::kBattlesWon], 99);
        EXPECT_EQ(g_turnsPlayed[p], turns[p]);
    }
    EXPECT_EQ(std::vector<int>({g_deckArtilleryCards, g_deckInfantryCards, g_deckCavalryCards,
                                g_deckWildCards, g_humanPlayerCount, g_playerCount}),
              std::vector<int>({12, 13, 14, 2, 2, 10}));
    EXPECT_EQ(g_isOneForOneRule, 'n');
    EXPECT_EQ(g_aiMinAttackArmies, 2);
    EXPECT_TRUE(g_isTroopExperienceOn);
    EXPECT_FALSE(g_areStrongholdsOn);
    EXPECT_FALSE(g_areTerritoriesHidden);
    EXPECT_TRUE(g_isHighlightOn);
    EXPECT_EQ(g_syncTerritory, 42);
    EXPECT_EQ(g_roundCounter, 321);
    EXPECT_EQ(g_lastCardTurnIn, cards);
    EXPECT_EQ(g_syncArmies, 77);
    EXPECT_EQ(g_syncOwner, 10);
    EXPECT_EQ(g_syncContinent, 6);
    EXPECT_TRUE(g_syncMarked);
    EXPECT_EQ(g_playerNames[1], "Name1");
    EXPECT_EQ(g_playerNames[5], "Name5");
    EXPECT_EQ(g_playerNames[6], "pc VI");
    EXPECT_EQ(g_playerNames[10], "pc X");
    EXPECT_EQ(g_mapName, "World         ");
}

TEST_F(BoardGlueTest, TheWriterLowersTheSendersOwnArmiesTo999) {
    g_territories[3] = {10, 1500};
    g_playerCount = 10;
    g_outgoingMessage = "1017";
    View().AppendBoardState();
    EXPECT_EQ(g_territories[3].armies, 999);
    EXPECT_EQ(g_outgoingMessage.substr(4 + 2 + 6, 3), "V7A");
}

TEST_F(BoardGlueTest, ATextThatFailsAppliesNothing) {
    FillTables();
    g_outgoingMessage = "";
    View().AppendBoardState();
    const std::string good = g_outgoingMessage;
    std::string badOwner = good;
    badOwner[2 + 3 * 50 + 2] = 'Z';
    const std::string cases[] = {good.substr(0, 939), good + "x", badOwner, std::string(940, ' ')};
    g_territories[51] = {4, 4};
    rules::SetCurrentPlayer(1);
    for (const std::string& text : cases) {
        g_incomingMessage = text;
        EXPECT_FALSE(View().ReadBoardState());
        EXPECT_EQ(g_currentPlayer, 1);
        EXPECT_EQ(g_territories[51].armies, 4);
    }
    EXPECT_TRUE(Window().messageBoxes.empty());
    EXPECT_TRUE(Window().statusTextsSet.empty());
}

TEST_F(BoardGlueTest, TheBattleRuleSetsTheComputersMinimumAttack) {
    for (char rule : {'j', 'n'}) {
        g_isOneForOneRule = rule;
        g_outgoingMessage.clear();
        View().AppendBoardState();
        g_isOneForOneRule = 'x';
        g_incomingMessage = g_outgoingMessage;
        ASSERT_TRUE(View().ReadBoardState());
        EXPECT_EQ(g_isOneForOneRule, rule);
        EXPECT_EQ(g_aiMinAttackArmies, rule == 'j' ? 3 : 2);
    }
}

TEST_F(BoardGlueTest, HostTerritorySelectionIsSentToEveryJoinedMachine) {
    StartGame(3, 1, 1);
    ConnectJoinedMachines(2);
    g_territories[8] = {1, 9};
    View().MarkTerritoryAndSync(8);
    EXPECT_EQ(SentCodes(), (std::vector<std::string>{"1003@1", "1003@2"}));
    EXPECT_EQ(g_syncTerritory, 8);
    EXPECT_EQ(g_displayedTerritories[8].armies, 9);
}

}  // namespace
}  // namespace turn_test
