// Attack and move clicks with scripted army counts under the 1-for-1 rule, the continent-gained
// records, and the end of the game with and without the high-score window.
#include "core/commands/web_pages.h"
#include "core/input/board_input_fame.h"
#include "core/input/high_score_code.h"
#include "core/model/campaign_state.h"
#include "core/model/map_catalogue.h"
#include "tests/input/input_fixture.h"

namespace input_test {
namespace {

class AttackClicksTest : public InputFixture {
  protected:
    void SetUp() override {
        InputFixture::SetUp();
        StartGame(2, 2);
        g_isOneForOneRule = 'j';
        g_hasEarnedCardThisTurn = 'n';
        g_deckInfantryCards = 5;
        // Player 1: 1 (5 armies) and 3; player 2: 2 (2 armies), 4 and 5.
        SetBoard({{1, 5}, {2, 2}, {1, 1}, {2, 1}, {2, 1}});
    }
    std::vector<std::pair<int, int>> MessageRecords(int type) const {
        std::vector<std::pair<int, int>> records;
        for (int i = 1; i <= g_messageCount; ++i)
            if (g_messageQueue[i].type == type)
                records.emplace_back(g_messageQueue[i].a, g_messageQueue[i].b);
        return records;
    }
};

TEST_F(AttackClicksTest, AttackSourceNeedsArmiesAndAnEnemyNeighbour) {
    g_isAttackFrom = true;
    Click(3);  // 1 army
    EXPECT_EQ(Beeps(), 1);
    g_territories[3].armies = 3;
    g_territories[4].owner = 1;  // now only own neighbours
    Click(3);
    EXPECT_EQ(Beeps(), 2);
    EXPECT_TRUE(g_isAttackFrom);
    EXPECT_EQ(g_territoryPicked[3], 'n');
    Click(1);
    EXPECT_FALSE(g_isAttackFrom);
    EXPECT_TRUE(g_isAttackTo && g_canCancel);
    EXPECT_EQ(g_fromTerritory, 1);
    EXPECT_EQ(g_territoryPicked[1], 'j');
    EXPECT_EQ(Messages().back(), "to ?");
}

TEST_F(AttackClicksTest, TargetThatIsNoNeighbourLeavesThePhaseOpen) {
    g_isAttackTo = true;
    g_fromTerritory = 1;
    g_territoryPicked[1] = 'j';
    Click(5);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_TRUE(g_isAttackTo);
    EXPECT_EQ(g_territoryPicked[5], 'n');
    EXPECT_TRUE(platform_->dialogs.Shown().empty());
}

TEST_F(AttackClicksTest, DecliningTheCountReenablesAddOnlyBeforeAnAttack) {
    for (bool attackedBefore : {false, true}) {
        g_isAttackTo = true;
        g_fromTerritory = 1;
        g_hasAttackedThisTurn = attackedBefore;
        g_canAdd = g_canCards = false;
        g_canTurnInCards = 'j';
        ChooseEntry(1);  // 4, 0, 3, 2, 1: none
        Click(2);
        EXPECT_EQ(g_canAdd, !attackedBefore);
        EXPECT_EQ(g_canCards, !attackedBefore);
        EXPECT_EQ(g_armyCount, 0);
        EXPECT_EQ(Armies(2), 2);
        EXPECT_FALSE(g_isAttackTo);
        EXPECT_TRUE(g_canAttack);  // still possible
    }
}

TEST_F(AttackClicksTest, ConquestMovesInAndQueuesTheGainedContinent) {
    g_isAttackTo = true;
    g_fromTerritory = 1;
    ChooseEntry(0);  // attack with 4: both lose 2, territory 2 falls
    ChooseEntry(0);  // move in: 1, 0
    Click(2);
    EXPECT_EQ(g_territories[2].owner, 1);
    EXPECT_EQ(Armies(1), 1);
    EXPECT_EQ(Armies(2), 2);
    EXPECT_EQ(PendingScripts(), 0u);
    // Continent 1 is complete: it blinks, with pauses between.
    EXPECT_EQ(MessageRecords(message_type::kContinentHighlight),
              (std::vector<std::pair<int, int>>{{1, 0}}));
    EXPECT_EQ(MessageRecords(message_type::kContinentRepaint),
              (std::vector<std::pair<int, int>>{{1, 0}}));
    EXPECT_EQ(g_lastGainedContinent, 0);
    // Territory 2 can attack on: the next click chooses a source directly.
    EXPECT_TRUE(g_isAttackFrom && g_canAttack && g_canNextPlayer && g_canMove);
    EXPECT_EQ(g_movesLeft, 7);
    EXPECT_EQ(g_hasEarnedCardThisTurn, 'j');
    const auto texts = Messages();
    EXPECT_EQ(texts.back(), "Attack from ? or press Move/Next.");
    EXPECT_EQ(texts[texts.size() - 2].rfind("You have earned", 0), 0u) << texts[texts.size() - 2];
    EXPECT_EQ(g_territoryPicked[1], 'n');
    EXPECT_EQ(g_territoryPicked[2], 'n');
}

TEST_F(AttackClicksTest, NoMoveInAskedWithOneArmyLeft) {
    g_territories[1].armies = 3;
    g_territories[2].armies = 1;
    g_isAttackTo = true;
    g_fromTerritory = 1;
    ChooseEntry(0);  // 2, 0, 1: attack with 2
    Click(2);
    EXPECT_EQ(g_territories[2].owner, 1);
    EXPECT_EQ(platform_->dialogs.Shown().size(), 1u);
}

TEST_F(AttackClicksTest, MissionContinentsShowsTheNextGoal) {
    g_missionKind = 1;
    g_missionProgress = 1;
    g_missionOrders[1][1] = 1;
    g_missionOrders[1][2] = 2;
    g_isAttackTo = true;
    g_fromTerritory = 1;
    ChooseEntry(0);
    ChooseEntry(0);
    Click(2);
    EXPECT_EQ(MessageRecords(message_type::kContinentHighlight),
              (std::vector<std::pair<int, int>>{{1, 0}, {2, 100}}));
    EXPECT_EQ(MessageRecords(message_type::kContinentRepaint),
              (std::vector<std::pair<int, int>>{{1, 0}, {2, 100}}));
}

TEST_F(AttackClicksTest, MoveSourceNeedsAnOwnNeighbourAndArmies) {
    g_isMoveFrom = true;
    g_territories[3].owner = 2;
    g_territories[2].owner = 2;
    g_territories[4].owner = 1;
    g_territories[4].armies = 3;  // only enemy neighbours
    Click(4);
    EXPECT_EQ(Beeps(), 1);
    g_territories[3].owner = 1;
    Click(3);  // 1 army
    EXPECT_EQ(Beeps(), 2);
    Click(1);
    EXPECT_TRUE(g_isMoveTo);
    EXPECT_FALSE(g_isMoveFrom || g_canNextPlayer);
    EXPECT_EQ(Messages().back(), "to ? ");
}

TEST_F(AttackClicksTest, MoveLimitAndTheTurnEndsWithTheLastMove) {
    g_movesLeft = 7;
    g_territories[1].armies = 3;
    g_isMoveTo = true;
    g_fromTerritory = 1;
    // The limit is 2 (3 armies, 7 moves left): asking 2 after 2, 0, 1.
    ChooseEntry(0);
    Click(3);
    EXPECT_EQ(Armies(1), 1);
    EXPECT_EQ(Armies(3), 3);
    EXPECT_EQ(g_movesLeft, 5);
    // Territory 3 can move on: the next click chooses a source.
    EXPECT_TRUE(g_isMoveFrom && g_canMove && g_canNextPlayer);
    EXPECT_EQ(Messages().back(), "Move from ? or press Next.");

    // 4 and then 3 armies from a territory of 10 end the turn.
    g_territories[1].armies = 10;
    g_movesLeft = 7;
    Click(1);
    ChooseEntry(4);  // 7, 0, 6, 5, 4
    Click(3);
    EXPECT_EQ(g_movesLeft, 3);
    EXPECT_TRUE(g_isMoveFrom);
    Click(1);
    ChooseEntry(0);  // 3, 0, 2, 1
    Click(3);
    EXPECT_EQ(g_movesLeft, 0);
    EXPECT_EQ(Armies(1), 3);
    EXPECT_FALSE(g_isMoveFrom || g_isMoveTo || g_canMove);
    EXPECT_EQ(g_messageQueue[g_messageCount].type, message_type::kComputerTurns);
}

TEST_F(AttackClicksTest, MoveTargetMustBeANeighbour) {
    g_movesLeft = 7;
    g_isMoveTo = true;
    g_fromTerritory = 3;
    g_territories[4].owner = 1;
    g_territories[2].owner = 1;
    Click(2);  // own, but no neighbour of 3
    EXPECT_EQ(Beeps(), 1);
    Click(3);  // the source itself: beeps twice, as itself and as no neighbour
    EXPECT_EQ(Beeps(), 3);
    EXPECT_TRUE(g_isMoveTo);
    EXPECT_TRUE(platform_->dialogs.Shown().empty());
}

class EndOfGameTest : public AttackClicksTest {
  protected:
    void SetUp() override {
        AttackClicksTest::SetUp();
        // Territory 2 is player 2's last.
        SetBoard({{1, 5}, {2, 2}, {1, 1}, {1, 1}, {1, 1}});
        g_isMapWorld = true;
        g_players[1][player_field::kLosses] = 17;
        g_isAttackTo = true;
        g_fromTerritory = 1;
        g_canAttack = g_canMove = g_canNextPlayer = g_canSave = true;
        ChooseEntry(0);
    }
    void ExpectInputClosed() {
        EXPECT_TRUE(g_isGameOver);
        EXPECT_FALSE(g_canAttack || g_canAdd || g_canMove || g_canCards || g_canNextPlayer ||
                     g_canCancel || g_canSave || g_canSaveAs);
        EXPECT_FALSE(board_input::IsAnyPhaseOpen());
    }
};

TEST_F(EndOfGameTest, HighScoreGameShowsTheCode) {
    g_isHighScoreGame = true;
    Click(2);
    ExpectInputClosed();
    const auto& shown = platform_->dialogs.Shown();
    ASSERT_EQ(shown.back().templateId, CFameDlg::kIdd);
    EXPECT_EQ(shown.back().caption, "Submit a High Score");
    EXPECT_EQ(shown.back().texts.at(CFameDlg::kIdTitle), "World Freeware");
    const int losses = g_players[1][player_field::kLosses];
    EXPECT_EQ(shown.back().texts.at(CFameDlg::kIdLosses),
              "(" + std::to_string(losses) + " losses)");
    const auto decoded = high_score::Decode(shown.back().texts.at(CFameDlg::kIdCode));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded,
              (high_score::Result{BuiltinMapByFlag(&g_isMapWorld)->freeware.number, losses}));
    // Once the clock has played the end, a click does nothing, not even a beep.
    EmptyQueues();
    const int beeps = Beeps();
    Click(1);
    EXPECT_EQ(Beeps(), beeps);
}

TEST_F(EndOfGameTest, MailTheCodeOpensTheComposedMailWhateverIsTyped) {
    g_isHighScoreGame = true;
    g_transparencyPercent = 70;
    using headless::ScriptStep;
    platform_->dialogs.Script(CFameDlg::kIdd, {ScriptStep::Click(CFameDlg::kIdMailCode)});
    // What the player types into the fields is there to be copied; the link keeps the lines.
    platform_->dialogs.Script(CPrepmailDlg::kIdd, {ScriptStep::Edit(CPrepmailDlg::kIdBody, "typed"),
                                                   ScriptStep::Click(CPrepmailDlg::kIdLaunchMail)});
    Click(2);
    const auto& shown = platform_->dialogs.Shown();
    ASSERT_GE(shown.size(), 2u);
    const headless::ShownDialog& compose = shown[shown.size() - 2];
    ASSERT_EQ(compose.templateId, CPrepmailDlg::kIdd);
    EXPECT_EQ(compose.caption, "Compose email");
    EXPECT_EQ(compose.alpha, 70 * 255 / 100);
    EXPECT_EQ(compose.texts.at(CPrepmailDlg::kIdSubject), "Marovek High Score");
    EXPECT_EQ(compose.texts.at(CPrepmailDlg::kIdRecipient), kHighScoresMailAddress);
    EXPECT_EQ(compose.texts.at(CPrepmailDlg::kIdSendTo), "Send to:");
    const std::string code = shown.back().texts.at(CFameDlg::kIdCode);
    const std::string losses = shown.back().texts.at(CFameDlg::kIdLosses);
    const std::string body =
        "Code:  " + code + "  Map: World Freeware Losses: " + losses + "   Name: ";
    ASSERT_EQ(platform_->shell.mails.size(), 1u);
    EXPECT_EQ(platform_->shell.mails[0],
              MailtoLink(kHighScoresMailAddress, "Marovek High Score", body));
    EXPECT_EQ(
        platform_->shell.mails[0].rfind(
            "mailto:highscores@marovek.org?subject=Marovek%20High%20Score&body=Code%3A%20%20", 0),
        0u);
}

TEST_F(EndOfGameTest, OtherGamesEndWithoutAWindow) {
    g_isHighScoreGame = true;
    g_campaignNumber = 2;
    g_isCampaignLost = true;
    Click(2);
    ExpectInputClosed();
    EXPECT_EQ(platform_->dialogs.Shown().size(), 1u);  // the army count only
}

TEST_F(EndOfGameTest, NoWindowOutsideTheHighScoreMode) {
    Click(2);
    ExpectInputClosed();
    EXPECT_EQ(platform_->dialogs.Shown().size(), 1u);
}

TEST(HighScoreTitle, NamesTheMapOrCampaignIn14Characters) {
    struct Case {
        int campaign;
        bool* map;
        int players;
        std::string title;
    } cases[] = {
        {1, nullptr, 6, "Worlds        "},
        {5, nullptr, 6, "Marovek       "},
        {0, &g_isMapWorld, 5, "World Freeware"},
        {0, &g_isMapWorld, 6, "World         "},
        {0, &g_isMapRealWorld, 6, "Real world    "},
        {0, &g_isMapSwampII, 6, "Swamp II      "},
        {0, &g_isMapCustom, 6, "A very long map"},
        {6, nullptr, 6, "Camp          "},
        {0, &g_isMapThreeNationsA, 6, "              "},
    };
    g_mapName = "A very long map name";
    g_campaignName = "Camp";
    for (const Case& c : cases) {
        ClearMapFlags();
        if (c.map != nullptr) *c.map = true;
        g_campaignNumber = c.campaign;
        g_playerCount = c.players;
        const std::string expected = c.title.substr(0, 14);
        EXPECT_EQ(board_input::HighScoreTitle(), expected) << c.title;
        EXPECT_EQ(board_input::HighScoreTitle().size(), 14u);
    }
}

}  // namespace
}  // namespace input_test
