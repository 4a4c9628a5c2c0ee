// A whole game on World through the rules: a seeded deal, a turn start, attacks under the
// dice-like rule until one player has conquered the board, with the bookkeeping checked after
// every attack; and the attack-rules help window.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/model/files.h"
#include "core/rules/attack_help.h"
#include "core/rules/reinforcements.h"
#include "core/rules/turn_order.h"
#include "rules_fixture.h"
#include "setup/scores_file.h"

namespace {

using namespace rules_test;
using namespace player_field;

class WorldGame : public RulesFixture {
  protected:
    void SetUp() override {
        RulesFixture::SetUp();
        ClearMapFlags();
        g_isMapWorld = true;
        View().SetBuiltinMapSize();
        ASSERT_TRUE(View().SetupMapWorld());
        View().ResetGame();
        g_playerCount = 3;
        g_humanPlayerCount = 1;
        g_playerNames[1] = "Ann";
        g_playerNames[2] = "Bob";
        g_playerNames[3] = "Cyd";
        g_isOneForOneRule = 'n';
        g_reinforcementDivisor = 3;
        Platform().clock.Set(1'790'000'000);
    }
    static int CardsInPlay() {
        int cards =
            g_deckArtilleryCards + g_deckInfantryCards + g_deckCavalryCards + g_deckWildCards;
        for (int p = 1; p <= kMaxPlayers; ++p)
            for (int f = kArtilleryCards; f <= kWildCards; ++f) cards += g_players[p][f];
        return cards;
    }
    // Ann's first territory that can attack, and its first enemy neighbour.
    static std::pair<int, int> NextAttack() {
        for (int t = 1; t <= g_territoryCount; ++t) {
            if (g_territories[t].owner != 1 || g_territories[t].armies < 2) continue;
            for (int k = 1; k <= kMaxNeighbours && g_neighbours[t][k] != 0; ++k) {
                const int n = g_neighbours[t][k];
                if (g_territories[n].owner != 1) return {t, n};
            }
        }
        return {0, 0};
    }
    static void ExpectBookkeeping() {
        std::array<int, kMaxPlayers + 1> owned{};
        for (int t = 1; t <= g_territoryCount; ++t) {
            ASSERT_GE(g_territories[t].armies, 1) << t;
            ++owned[static_cast<std::size_t>(g_territories[t].owner)];
        }
        for (int p = 1; p <= g_playerCount; ++p)
            ASSERT_EQ(g_players[p][kTerritories], owned[static_cast<std::size_t>(p)]) << p;
        ASSERT_EQ(CardsInPlay(), 53);
    }
};

TEST_F(WorldGame, AnnConquersTheWorldAndTheGameEndsWithHerScore) {
    View().DealTerritories();
    ASSERT_TRUE(g_areTerritoriesDealt);
    rules::SetCurrentPlayer(1);
    View().ComputeReinforcements();
    EXPECT_EQ(MessageTexts().front(), "Ann is next.");
    EXPECT_EQ(g_territoryArmiesToAdd, 4) << "14 territories / 3";
    // Ann's placements, generously.
    for (int t = 1; t <= g_territoryCount; ++t)
        if (g_territories[t].owner == 1) g_territories[t].armies = 400;
    Platform().random.Seed(2024);
    int attacks = 0;
    while (!g_isGameOver && attacks < 5000) {
        if (g_hasEarnedCardThisTurn == 'j' && attacks % 7 == 0) g_hasEarnedCardThisTurn = 'n';
        const auto [from, to] = NextAttack();
        ASSERT_NE(from, 0) << "Ann ran out of armies after " << attacks << " attacks";
        View().ResolveAttack(from, g_territories[from].armies - 1, to, g_hasEarnedCardThisTurn);
        ++attacks;
        if (g_territories[to].owner == 1 && !g_isGameOver) {
            const int move = (g_territories[from].armies - 1) / 2;
            g_territories[from].armies -= move;
            g_territories[to].armies += move;
        }
        ExpectBookkeeping();
        if (HasFatalFailure()) return;
    }
    ASSERT_TRUE(g_isGameOver);
    EXPECT_EQ(g_players[1][kTerritories], 42);
    EXPECT_EQ(g_players[2][kTerritories] + g_players[3][kTerritories], 0);
    EXPECT_EQ(g_players[2][kArtilleryCards] + g_players[3][kWildCards], 0);
    char won[80];
    std::snprintf(won, sizeof won, "Ann has won the game ! , %d losses. ", g_players[1][kLosses]);
    EXPECT_EQ(EventTexts(), (std::vector<std::string>{won, won, won}));
    int allBonuses = 0;
    for (int c = 1; c <= g_continentCount; ++c) allBonuses += g_continents[c][::kContinentBonus];
    EXPECT_EQ(g_players[1][player_field::kContinentBonus], allBonuses) << "every continent";
    const std::string scores = g_appDataFolder + "/" + kScoresFileName;
    ASSERT_EQ(std::filesystem::file_size(scores), kScoreRecordSize);
}

TEST_F(WorldGame, TheAttackRulesHelpWindowShowsBothRules) {
    CAttackhelpDlg help;
    Platform().dialogs.Script(CAttackhelpDlg::kIdd, {headless::ScriptStep::Click(kIdOk)});
    EXPECT_EQ(Platform().dialogs.RunModal(help), kIdOk);
    EXPECT_EQ(help.Caption(), "Attacking");
    std::vector<std::string> texts;
    for (const ControlTemplate& control : help.Template().controls) texts.push_back(control.text);
    for (const char* text : {"Dice-like", "1-for-1", "The outcome of the attack is unpredictable",
                             "Largest force loses as many as the smaller force",
                             "This option makes the game more challenging.", "OK"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
}

}  // namespace
