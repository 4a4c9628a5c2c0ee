// Tests of the attack resolution: both rules, Troop Experience, conquest and statistics,
// continents, elimination, strongholds, missions, campaigns, stalemate, the end of the game and
// the card a conquest earns.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/model/files.h"
#include "core/model/options.h"
#include "core/rules/attack.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"
#include "platform/random.h"
#include "rules_fixture.h"
#include "setup/scores_file.h"
#include "shell/storage.h"

namespace {

using namespace rules_test;
using namespace player_field;
using Texts = std::vector<std::string>;

TEST(Battle, OneForOneLosesTheSmallerForceOnBothSides) {
    struct Case {
        int count, defenders;
        bool succeeded;
        int attackerLoss, defenderLoss;
    };
    const Case cases[] = {{5, 5, false, 4, 4},
                          {6, 5, true, 5, 5},
                          {3, 5, false, 3, 3},
                          {1, 1, false, 0, 0},
                          {9, 1, true, 1, 1}};
    for (const Case& c : cases) {
        const attack::BattleResult r = attack::FightOneForOne(c.count, c.defenders);
        EXPECT_EQ(r.succeeded, c.succeeded) << c.count << " vs " << c.defenders;
        EXPECT_EQ(r.attackerLoss, c.attackerLoss) << c.count << " vs " << c.defenders;
        EXPECT_EQ(r.defenderLoss, c.defenderLoss) << c.count << " vs " << c.defenders;
    }
}

TEST(Battle, DiceLikeEndsWhenOneSideHasNoArmyLeft) {
    int wins = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        platform::Random random(seed);
        const attack::BattleResult r = attack::FightDiceLike(random, 4, 3);
        EXPECT_EQ(r.succeeded, r.defenderLoss == 3) << seed;
        EXPECT_TRUE(r.succeeded || r.attackerLoss == 4) << seed;
        EXPECT_LE(r.attackerLoss, 4);
        wins += r.succeeded ? 1 : 0;
    }
    EXPECT_GT(wins, 0);
    EXPECT_LT(wins, 200);
}

TEST(Battle, TroopExperienceHitsByPercent) {
    platform::Random random(1);
    // 150 % against 50 % under 1-for-1, 3 against 3: after two steps the defender is at 0 and
    // the attacker has lost 1.0.
    attack::BattleResult r = attack::FightWithExperience(random, 3, 3, 150, 50, true);
    EXPECT_TRUE(r.succeeded);
    EXPECT_EQ(r.attackerLoss, 1);
    EXPECT_EQ(r.defenderLoss, 3);
    // Without experience on both sides the plain rule decides.
    r = attack::FightWithExperience(random, 6, 5, 0, 0, true);
    EXPECT_TRUE(r.succeeded);
    EXPECT_EQ(r.attackerLoss, 5);
    // An attacker without experience never hits: the battle still ends, lost.
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        platform::Random dice(seed);
        r = attack::FightWithExperience(dice, 4, 2, 0, 50, false);
        EXPECT_FALSE(r.succeeded);
        EXPECT_EQ(r.defenderLoss, 0);
    }
}

TEST(CardDraw, DrawsByTheCardsLeftAndNothingFromAnEmptyDeck) {
    platform::Random random(7);
    EXPECT_EQ(attack::DrawCardKind(random, 0, 0, 0, 0), attack::CardKind::None);
    EXPECT_EQ(attack::DrawCardKind(random, -1, 0, 0, 0), attack::CardKind::None);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(attack::DrawCardKind(random, 0, 0, 0, 2), attack::CardKind::Wild);
        EXPECT_EQ(attack::DrawCardKind(random, 1, 0, 0, 0), attack::CardKind::Artillery);
        EXPECT_EQ(attack::DrawCardKind(random, 0, 0, 3, 0), attack::CardKind::Cavalry);
    }
    std::map<attack::CardKind, int> seen;
    for (int i = 0; i < 400; ++i) ++seen[attack::DrawCardKind(random, 17, 17, 17, 2)];
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen.count(attack::CardKind::None), 0u);
}

TEST(EndMessage, EveryEndHasItsText) {
    struct Case {
        attack::EndFacts facts;
        const char* message;
    };
    auto facts = [](auto adjust) {
        attack::EndFacts f;
        f.attackerName = "Ann";
        f.attackerLosses = 12;
        f.defenderName = "Bob";
        f.defenderLosses = 34;
        adjust(f);
        return f;
    };
    const Case cases[] = {
        {facts([](auto& f) { f.inCampaign = f.campaignLost = f.stalemate = true; }),
         "Campaign failed, Stalemate ! "},
        {facts([](auto& f) {
             f.inCampaign = f.campaignLost = f.strongholdsOn = f.defenderStrongholdLost = true;
         }),
         "Bob Campaign failed ! , Stronghold lost. "},
        {facts([](auto& f) { f.inCampaign = f.campaignLost = true; }),
         "Bob Campaign failed ! , 34 losses. "},
        {facts([](auto& f) {
             f.inCampaign = f.campaignLost = f.missionGame = f.missionFailed = true;
         }),
         "Campaign Mission Failed !! "},
        {facts([](auto& f) { f.stalemate = true; }), "Stalemate ! "},
        {facts([](auto& f) { f.strongholdsOn = f.attackerStrongholdLost = true; }),
         "Stronghold lost, there is no winner in this game."},
        {facts([](auto&) {}), "Ann has won the game ! , 12 losses. "},
        {facts([](auto& f) { f.missionGame = f.missionFailed = true; }), "Mission Failed !! "},
        {facts([](auto& f) { f.missionGame = true; }), "Mission Completed !! "},
        {facts([](auto& f) { f.inCampaign = f.campaignFinished = true; }),
         "Ann has won the Campaign game ! , 12 losses. "},
        {facts([](auto& f) { f.inCampaign = f.campaignFinished = f.missionGame = true; }),
         "Campaign Mission Completed !! "},
        {facts([](auto& f) { f.inCampaign = true; }), " "},
    };
    for (const Case& c : cases) EXPECT_EQ(attack::EndMessage(c.facts), c.message);
}

// Ann (player 1, local) against the computer players Bob (2) and Cyd (3) on a ring of six:
// continent 1 is {1, 2} (bonus 2), continent 2 {3, 4} (bonus 3), continent 3 {5, 6} (bonus 5).
class Attack : public RulesFixture {
  protected:
    void SetUp() override {
        RulesFixture::SetUp();
        BuildBoard(6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 1}},
                   {{{1, 2}, 2, {1, 2}}, {{3, 4}, 3, {3, 4}}, {{5, 6}, 5, {5, 6}}});
        g_playerCount = 3;
        g_humanPlayerCount = 1;
        rules::SetCurrentPlayer(1);
        g_playerNames[1] = "Ann";
        g_playerNames[2] = "Bob";
        g_playerNames[3] = "Cyd";
        g_isOneForOneRule = 'j';
        g_deckArtilleryCards = 17;
        g_deckInfantryCards = 17;
        g_deckCavalryCards = 17;
        g_deckWildCards = 2;
        Layout({{1, 7}, {2, 5}, {2, 2}, {3, 3}, {3, 3}, {3, 2}});
    }
    void Layout(const std::vector<std::pair<int, int>>& ownerArmies) {
        for (std::size_t i = 0; i < ownerArmies.size(); ++i)
            Own(static_cast<int>(i) + 1, ownerArmies[i].first, ownerArmies[i].second);
        CountPlayers();
    }
    void Resolve(int from, int count, int to) { View().ResolveAttack(from, count, to, cardFlag_); }
    int Cards(int player) const {
        const PlayerRecord& r = g_players[player];
        return r[kArtilleryCards] + r[kInfantryCards] + r[kCavalryCards] + r[kWildCards];
    }
    int Deck() const {
        return g_deckArtilleryCards + g_deckInfantryCards + g_deckCavalryCards + g_deckWildCards;
    }
    std::uintmax_t ScoresFileSize() const {
        const std::string path = g_appDataFolder + "/" + kScoresFileName;
        return std::filesystem::exists(path) ? std::filesystem::file_size(path) : 0;
    }

    char cardFlag_ = 'n';
};

TEST_F(Attack, OneForOneConquestCountsTheBattleAndGainsTheContinentAndACard) {
    Resolve(1, 6, 2);
    EXPECT_EQ(g_territories[2].owner, 1);
    EXPECT_EQ(g_territories[2].armies, 1);
    EXPECT_EQ(g_territories[1].armies, 1) << "7 - 5 lost - 1 moved";
    const PlayerRecord& ann = g_players[1];
    const PlayerRecord& bob = g_players[2];
    EXPECT_EQ(ann[kLosses], 5);
    EXPECT_EQ(bob[kLosses], 5);
    EXPECT_EQ(ann[kBattlesFought], 1);
    EXPECT_EQ(bob[kBattlesFought], 1);
    EXPECT_EQ(ann[kAttacksMade], 1);
    EXPECT_EQ(ann[kArmiesCommitted], 6);
    EXPECT_EQ(ann[kBattlesWon], 1);
    EXPECT_EQ(bob[kBattlesLost], 1);
    EXPECT_EQ(ann[kTerritories], 2);
    EXPECT_EQ(bob[kTerritories], 1);
    EXPECT_EQ(ann[kArmies], 2);
    EXPECT_EQ(bob[kArmies], 2);
    EXPECT_EQ(ann[1], 1);
    EXPECT_EQ(ann[player_field::kContinentBonus], 2);
    EXPECT_EQ(ann[kContinentsTaken], 1);
    EXPECT_EQ(g_lastGainedContinent, 1);
    EXPECT_EQ(g_lossesShown, 5);
    EXPECT_TRUE(g_hasAttackedThisTurn);
    EXPECT_EQ(g_eventCount, 0) << "a local attacker's continent is shown by the click";
    EXPECT_EQ(cardFlag_, 'j');
    EXPECT_EQ(Cards(1), 1);
    EXPECT_EQ(Deck(), 52);
    EXPECT_EQ(g_statusText.rfind("You have earned a Vorn card : ", 0), 0u) << g_statusText;
    EXPECT_FALSE(g_isGameOver);
}

TEST_F(Attack, OneForOneAtEqualForcesFailsAndTheDefenderKeepsOne) {
    Layout({{1, 6}, {2, 5}, {2, 2}, {3, 3}, {3, 3}, {3, 2}});
    Resolve(1, 5, 2);
    EXPECT_EQ(g_territories[1].armies, 2);
    EXPECT_EQ(g_territories[2].armies, 1);
    EXPECT_EQ(g_territories[2].owner, 2);
    EXPECT_EQ(g_players[1][kLosses], 5) << "a failed attack counts every army sent";
    EXPECT_EQ(g_players[2][kLosses], 4);
    EXPECT_EQ(g_players[1][kBattlesLost], 1);
    EXPECT_EQ(g_players[2][kBattlesWon], 1);
    EXPECT_EQ(g_players[1][kArmies], 2);
    EXPECT_EQ(g_players[2][kArmies], 3);
    EXPECT_EQ(cardFlag_, 'n');
    EXPECT_EQ(Cards(1), 0);
}

TEST_F(Attack, NoCountOrAnOwnTerritoryChangesOnlyTheCounters) {
    Resolve(1, 0, 2);
    Resolve(3, 1, 2);
    EXPECT_EQ(g_territories[1].armies, 7);
    EXPECT_EQ(g_territories[2].armies, 5);
    EXPECT_EQ(g_territories[3].armies, 2);
    EXPECT_EQ(g_players[1][kAttacksMade], 1);
    EXPECT_EQ(g_players[2][kAttacksMade], 1);
    EXPECT_EQ(g_players[2][kBattlesFought], 3);
    EXPECT_EQ(g_players[2][kArmiesCommitted], 1);
    EXPECT_EQ(cardFlag_, 'n');
}

TEST_F(Attack, DiceLikeOneAgainstOneIsASingleCoin) {
    g_isOneForOneRule = 'n';
    int conquests = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Layout({{1, 2}, {2, 1}, {2, 2}, {3, 3}, {3, 3}, {3, 2}});
        Platform().random.Seed(seed);
        Resolve(1, 1, 2);
        if (g_territories[2].owner == 1) {
            ++conquests;
            EXPECT_EQ(g_territories[1].armies, 1);
            EXPECT_EQ(g_territories[2].armies, 1);
        } else {
            EXPECT_EQ(g_territories[1].armies, 1);
            EXPECT_EQ(g_territories[2].armies, 1);
            EXPECT_EQ(g_territories[2].owner, 2);
        }
    }
    EXPECT_GT(conquests, 0);
    EXPECT_LT(conquests, 40);
}

TEST_F(Attack, TroopExperienceFromTheTenthTurn) {
    g_isTroopExperienceOn = true;
    g_turnsPlayed[1] = 10;
    g_troopExperience[1] = 150;
    g_troopExperience[2] = 50;
    Layout({{1, 4}, {2, 3}, {2, 2}, {3, 3}, {3, 3}, {3, 2}});
    Resolve(1, 3, 2);
    EXPECT_EQ(g_territories[2].owner, 1);
    EXPECT_EQ(g_territories[1].armies, 2) << "4 - trunc(1.0) - 1 moved";
    EXPECT_EQ(g_players[1][kLosses], 1);
    EXPECT_EQ(g_players[2][kLosses], 3);
}

TEST_F(Attack, TroopExperienceOfZeroOnBothSidesFightsThePlainRule) {
    g_isTroopExperienceOn = true;
    g_turnsPlayed[1] = 12;
    g_troopExperience[1] = g_troopExperience[2] = 0;
    Resolve(1, 6, 2);
    EXPECT_EQ(g_territories[2].owner, 1);
    EXPECT_EQ(g_territories[1].armies, 1);
}

TEST_F(Attack, AContinentFlaggedAsHeldBeforeIsNoNewGain) {
    g_players[1][1] = 1;
    Resolve(1, 6, 2);
    EXPECT_EQ(g_lastGainedContinent, 0);
    EXPECT_EQ(g_players[1][kContinentsTaken], 0);
    EXPECT_EQ(g_players[1][player_field::kContinentBonus], 2);
}

TEST_F(Attack, AComputerPlayersGainIsQueuedAndItsCardAnnounced) {
    rules::SetCurrentPlayer(2);
    Layout({{1, 1}, {2, 5}, {2, 4}, {3, 1}, {3, 3}, {3, 2}});
    Resolve(3, 3, 4);
    EXPECT_EQ(g_territories[4].owner, 2);
    // Both territories after the battle and again after the conquest, then the continent.
    const int t = event_type::kTerritory;
    EXPECT_EQ(TypesOf(g_eventQueue, g_eventCount),
              (std::vector<int>{t, t, t, t, event_type::kContinentGained,
                                event_type::kContinentRepaint, event_type::kText}));
    EXPECT_EQ(g_eventQueue[5].a, 2);
    EXPECT_EQ(g_eventQueue[4].b, 1);
    EXPECT_EQ(g_eventQueue[4].c, 2);
    EXPECT_EQ(EventTexts(), (Texts{"Bob has earned a Vorn card."}));
    EXPECT_EQ(Cards(2), 1);
}

TEST_F(Attack, BreakingAContinentCountsForTheAttackerAndMarksTheAvengersTarget) {
    Layout({{1, 7}, {1, 4}, {2, 2}, {2, 3}, {3, 3}, {3, 2}});
    g_players[2][2] = 1;
    g_players[2][player_field::kContinentBonus] = 3;
    g_arePersonalitiesActive = true;
    g_personalities[2] = 3;
    Resolve(2, 3, 3);
    ASSERT_EQ(g_territories[3].owner, 1);
    EXPECT_EQ(g_players[1][kContinentsBroken], 1);
    EXPECT_EQ(g_players[2][2], 0);
    EXPECT_EQ(g_players[2][player_field::kContinentBonus], 0);
    EXPECT_EQ(g_avengeTargets[2], 1);
}

TEST_F(Attack, AnEliminatedPlayersCardsGoBackToTheDeckBeforeTheDraw) {
    Layout({{1, 7}, {2, 1}, {3, 2}, {3, 3}, {3, 3}, {3, 2}});
    g_players[2][kArtilleryCards] = 1;
    g_players[2][kInfantryCards] = 1;
    g_players[2][kCavalryCards] = 1;
    g_deckArtilleryCards = g_deckInfantryCards = g_deckCavalryCards = g_deckWildCards = 0;
    Resolve(1, 3, 2);
    EXPECT_EQ(g_players[2][kTerritories], 0);
    EXPECT_EQ(Cards(2), 0);
    EXPECT_EQ(Cards(1), 1);
    EXPECT_EQ(Deck(), 2);
    EXPECT_GE(g_deckArtilleryCards, 0);
    EXPECT_GE(g_deckInfantryCards, 0);
    EXPECT_GE(g_deckCavalryCards, 0);
    EXPECT_FALSE(g_isGameOver);
}

TEST_F(Attack, AnEmptyDeckGivesNoCard) {
    g_deckArtilleryCards = g_deckInfantryCards = g_deckCavalryCards = g_deckWildCards = 0;
    g_statusText.clear();
    Resolve(1, 6, 2);
    EXPECT_EQ(cardFlag_, 'j');
    EXPECT_EQ(Cards(1), 0);
    EXPECT_EQ(Deck(), 0);
    EXPECT_EQ(g_statusText, "");
}

TEST_F(Attack, ATakenStrongholdIsAnnounced) {
    g_areStrongholdsOn = true;
    g_players[1][kStronghold] = 1;
    g_players[2][kStronghold] = 2;
    g_players[3][kStronghold] = 5;
    Resolve(1, 6, 2);
    EXPECT_EQ(g_players[2][kStronghold], 0);
    EXPECT_EQ(EventTexts(), (Texts{"Stronghold lost !!"}));
    EXPECT_FALSE(g_isGameOver);
}

TEST_F(Attack, TheLastStrongholdHolderTakesTheBoardAndWins) {
    g_areStrongholdsOn = true;
    g_players[1][kStronghold] = 1;
    g_players[2][kStronghold] = 2;
    g_players[3][kStronghold] = 0;
    Resolve(1, 6, 2);
    ASSERT_TRUE(g_isGameOver);
    for (int t = 1; t <= 6; ++t) EXPECT_EQ(g_territories[t].owner, 1) << t;
    EXPECT_EQ(g_players[1][kTerritories], 6);
    EXPECT_EQ(g_players[3][kTerritories], 0);
    EXPECT_EQ(g_players[3][kArmies], 0);
    EXPECT_EQ(g_displayedTerritories[5].owner, 1);
    const std::string won = "Ann has won the game ! , 5 losses. ";
    EXPECT_EQ(EventTexts(), (Texts{"Stronghold lost !!", won, won, won}));
    EXPECT_EQ(ScoresFileSize(), kScoreRecordSize);
    EXPECT_EQ(cardFlag_, 'n') << "no card at the end";
}

// Ann holds everything but territory 2.
class EndOfGame : public Attack {
  protected:
    void SetUp() override {
        Attack::SetUp();
        Layout({{1, 7}, {2, 5}, {1, 2}, {1, 3}, {1, 3}, {1, 2}});
        Platform().clock.Set(1'765'000'000);
    }
};

TEST_F(EndOfGame, ALocalWinnerEndsTheGameAndIsRecorded) {
    g_isFastSpeed = true;
    Resolve(1, 6, 2);
    ASSERT_TRUE(g_isGameOver);
    const std::string won = "Ann has won the game ! , 5 losses. ";
    EXPECT_EQ(EventTexts(), (Texts{won, won, won})) << "played even at the fast speeds";
    EXPECT_TRUE(g_isFastSpeed);
    ASSERT_EQ(g_messageCount, 1);
    EXPECT_EQ(g_messageQueue[1].type, message_type::kLocalGameEnd);
    EXPECT_EQ(ScoresFileSize(), kScoreRecordSize);
    EXPECT_EQ(g_gameEndTime, 1'765'000'000);
}

TEST_F(EndOfGame, AComputerWinnerIsShownInTheStatusLine) {
    rules::SetCurrentPlayer(2);
    Layout({{2, 7}, {1, 5}, {2, 2}, {2, 3}, {2, 3}, {2, 2}});
    Resolve(1, 6, 2);
    ASSERT_TRUE(g_isGameOver);
    const std::string won = "Bob has won the game ! , 5 losses. ";
    EXPECT_EQ(g_statusText, won);
    EXPECT_EQ(EventTexts(), (Texts{won, won, won}));
    EXPECT_EQ(g_eventQueue[static_cast<std::size_t>(g_eventCount)].type, event_type::kGameEnd);
}

TEST_F(EndOfGame, AStalemateHasNoWinnerAndNoScore) {
    // Territory 6 of Cyd lies beyond Ann's reach.
    BuildBoard(6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}}, {{{1, 2}, 2, {}}, {{3, 4, 5, 6}, 3, {}}});
    Layout({{1, 7}, {2, 5}, {1, 2}, {1, 3}, {1, 3}, {3, 2}});
    Resolve(1, 6, 2);
    EXPECT_TRUE(g_isGameOver);
    EXPECT_TRUE(g_isGameWithoutWinner);
    EXPECT_EQ(EventTexts(), (Texts{"Stalemate ! ", "Stalemate ! ", "Stalemate ! "}));
    EXPECT_EQ(ScoresFileSize(), 0u);
}

TEST_F(EndOfGame, ALostCampaignNamesTheDefender) {
    g_campaignNumber = 1;
    g_campaignStep = 2;
    g_campaignLength = 3;
    g_campaignPlayer = 1;
    rules::SetCurrentPlayer(2);
    Layout({{1, 1}, {2, 5}, {2, 2}, {2, 3}, {2, 3}, {3, 2}});
    g_players[1][kLosses] = 17;
    Resolve(2, 4, 1);
    EXPECT_TRUE(g_isCampaignLost);
    EXPECT_EQ(g_statusText, "Ann Campaign failed ! , 18 losses. ");
    EXPECT_EQ(ScoresFileSize(), 0u);
}

TEST_F(EndOfGame, AFinishedCampaignIsRecordedUnderItsTitle) {
    g_campaignNumber = 1;
    g_campaignStep = 3;
    g_campaignLength = 3;
    g_campaignPlayer = 1;
    Resolve(1, 6, 2);
    EXPECT_TRUE(g_isCampaignFinished);
    EXPECT_EQ(EventTexts().front(), "Ann has won the Campaign game ! , 5 losses. ");
    ASSERT_EQ(ScoresFileSize(), kScoreRecordSize);
    EXPECT_EQ(std::string(g_scoreRecord.begin(), g_scoreRecord.begin() + 14), "Worlds        ");
}

TEST_F(EndOfGame, AStepOfACampaignEndsWithABlankAndNoScore) {
    g_campaignNumber = 1;
    g_campaignStep = 1;
    g_campaignLength = 3;
    g_campaignPlayer = 1;
    Resolve(1, 6, 2);
    EXPECT_TRUE(g_isGameOver);
    EXPECT_EQ(EventTexts(), (Texts{" ", " ", " "}));
    EXPECT_EQ(ScoresFileSize(), 0u);
}

// The mission "Continents" on single-territory continents: continent c is territory c + 1 for
// c = 1..3, continent 4 is Ann's territory 1. Ann's order: 4, 2, 1, 3; continent 4 is done.
class Mission : public Attack {
  protected:
    void SetUp() override {
        Attack::SetUp();
        BuildBoard(4, {{1, 2}, {1, 3}, {1, 4}},
                   {{{2}, 1, {}}, {{3}, 1, {}}, {{4}, 1, {}}, {{1}, 1, {}}});
        Layout({{1, 20}, {2, 1}, {2, 1}, {3, 1}});
        g_players[1][4] = 1;
        g_missionKind = 1;
        g_missionOrders[1] = {0, 4, 2, 1, 3};
        g_missionProgress = 2;
    }
    void Take(int territory) {
        cardFlag_ = 'j';
        Resolve(1, 2, territory);
        ASSERT_EQ(g_territories[territory].owner, 1);
    }
};

TEST_F(Mission, ContinentsTakenInOrderCompleteTheMission) {
    Take(3);
    EXPECT_EQ(g_missionProgress, 3);
    EXPECT_FALSE(g_isGameOver);
    Take(2);
    EXPECT_EQ(g_missionProgress, 4);
    Take(4);
    EXPECT_TRUE(g_isGameOver);
    EXPECT_FALSE(g_isMissionFailed);
    EXPECT_EQ(EventTexts().back(), "Mission Completed !! ");
}

TEST_F(Mission, AContinentOutOfOrderFailsTheMission) {
    Take(4);
    EXPECT_TRUE(g_isMissionFailed);
    EXPECT_TRUE(g_isGameOver);
    EXPECT_EQ(EventTexts(),
              (Texts{"Mission Failed !! ", "Mission Failed !! ", "Mission Failed !! "}));
}

TEST_F(Mission, AContinentOfTheOrderRetakenFailsNothing) {
    Take(3);
    g_territories[3].owner = 2;
    g_players[1][2] = 0;
    Take(3);
    EXPECT_EQ(g_retakenMissionContinent, 2);
    EXPECT_EQ(g_missionProgress, 3);
    EXPECT_FALSE(g_isMissionFailed);
}

TEST_F(Mission, AComputerPlayerHasNoMissionToFail) {
    rules::SetCurrentPlayer(2);
    Layout({{2, 20}, {1, 1}, {1, 1}, {3, 1}});
    cardFlag_ = 'j';
    Resolve(1, 2, 4);
    ASSERT_EQ(g_territories[4].owner, 2);
    EXPECT_FALSE(g_isMissionFailed);
    EXPECT_FALSE(g_isGameOver);
}

TEST_F(Mission, HoldContinentsFailsWhenALocalPlayerLosesOne) {
    g_missionKind = 2;
    rules::SetCurrentPlayer(2);
    Layout({{1, 20}, {1, 1}, {2, 5}, {3, 1}});
    g_players[1][1] = 1;
    Resolve(3, 3, 2);
    EXPECT_TRUE(g_isMissionFailed);
    EXPECT_EQ(g_statusText, "Mission Failed !! ");
}

}  // namespace
