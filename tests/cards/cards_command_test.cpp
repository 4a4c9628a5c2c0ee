// The Cards command through the scripted trade window, a computer's cards event, the cards pane.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cards_fixture.h"
#include "core/cards/card_windows.h"
#include "core/cards/cards.h"
#include "core/commands/command_ids.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"

namespace {

using cards_test::CardsTest;
using cards_test::Deck;
using cards_test::HandOf;
using cards_test::SetHand;
using Step = headless::ScriptStep;

class CardsCommandTest : public CardsTest {
  protected:
    void SetUp() override {
        CardsTest::SetUp();
        EmptyQueues();
        g_canCards = true;
        g_canAttack = true;
        g_canAdd = true;
        g_canTurnInCards = 'j';
        g_mustTurnInCards = 5;
    }
    void Choose(std::vector<Step> steps) {
        platform_.dialogs.Script(CKaartiDlg::kIdd, std::move(steps));
        view_->OnCards();
    }
    std::vector<std::string> QueuedMessages() const {
        std::vector<std::string> texts;
        for (std::int32_t k = 1; k <= g_messageCount; ++k) texts.push_back(g_messageQueue[k].text);
        return texts;
    }
};

TEST_F(CardsCommandTest, AChosenSetLeavesTheHandForTheDeckAndBecomesAnAddPhase) {
    SetHand(1, 2, 0, 0, 1);  // 2a + 1w = 10, 2a = 5, 1a + 1w = 5
    Choose({Step::Click(1001), Step::Click(kIdOk)});

    EXPECT_EQ(HandOf(1), (std::array<std::int32_t, 4>{0, 0, 0, 1}));
    EXPECT_EQ(Deck(), (std::array<std::int32_t, 4>{19, 17, 17, 2}));
    EXPECT_EQ(g_cardArmiesToAdd, 5);
    EXPECT_TRUE(g_isAddForCards);
    EXPECT_FALSE(g_canCards);
    EXPECT_FALSE(g_canAttack);
    EXPECT_FALSE(g_canAdd);
    EXPECT_EQ(g_mustTurnInCards, 0);
    EXPECT_EQ(g_canTurnInCards, 'n');
    EXPECT_EQ(g_hasTurnedInCards, 'n');
    EXPECT_EQ(QueuedMessages(), (std::vector<std::string>{"Add 5 armies based on your cards."}));
    // The pane shows the new hand at once.
    EXPECT_EQ(g_cardsLinePlayer, 1);
    EXPECT_EQ(g_playerRecordSnapshot[1], g_players[1]);
    std::string line;
    view_->FormatCardsLine(line);
    EXPECT_EQ(line, "Cards : W     - 1 0 0");

    // The window offered the three options, the first one selected.
    const CKaartiDlg& trade = view_->Cards().trade;
    const std::vector<bool> visible{true, true, true, false, false, false};
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(trade.IsVisible(CKaartiDlg::kOptionButtons[k]), visible[k]) << k;
    }
    ASSERT_EQ(platform_.dialogs.Shown().size(), 1u);
    EXPECT_EQ(platform_.dialogs.Shown()[0].caption, "Trading in Cards for Armies");
}

TEST_F(CardsCommandTest, OkWithoutTouchingTakesTheFirstOption) {
    SetHand(1, 0, 3, 2, 0);
    g_canTurnInCards = 'n';  // a set made during the turn leaves Attack and Add as they were
    Choose({Step::Click(kIdOk)});
    EXPECT_EQ(HandOf(1), (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(g_cardArmiesToAdd, 15);
    EXPECT_TRUE(g_canAttack);
    EXPECT_TRUE(g_canAdd);
    EXPECT_FALSE(g_canCards);
}

// Closing the window and a hand without a set turn nothing in and leave the demand to turn in
// as it was.
TEST_F(CardsCommandTest, NoChoiceTurnsNothingIn) {
    struct NoChoice {
        const char* what;
        std::array<std::int32_t, 4> hand;
        std::vector<Step> steps;
    };
    const std::vector<NoChoice> cases = {
        {"cancel", {2, 0, 0, 1}, {Step::Click(1001), Step::Click(kIdCancel)}},
        {"closed", {2, 0, 0, 1}, {Step::Cancel()}},
        {"no set", {1, 1, 1, 0}, {Step::Click(kIdOk)}},
        {"a wild card alone", {0, 0, 0, 1}, {Step::Click(kIdOk)}},
    };
    for (const NoChoice& c : cases) {
        SCOPED_TRACE(c.what);
        SetHand(1, c.hand[0], c.hand[1], c.hand[2], c.hand[3]);
        g_isAddForCards = true;
        g_cardArmiesToAdd = 7;
        Choose(c.steps);
        EXPECT_EQ(HandOf(1), c.hand);
        EXPECT_EQ(Deck(), (std::array<std::int32_t, 4>{17, 17, 17, 2}));
        EXPECT_FALSE(g_isAddForCards);
        EXPECT_EQ(g_cardArmiesToAdd, 0);
        EXPECT_TRUE(g_canCards);
        EXPECT_TRUE(g_canAttack);
        EXPECT_EQ(g_mustTurnInCards, 5);
        EXPECT_EQ(g_canTurnInCards, 'j');
        EXPECT_EQ(g_hasTurnedInCards, 'n');
        EXPECT_EQ(g_messageCount, 0);
    }
    EXPECT_EQ(platform_.dialogs.PendingScripts(), 0u);
    // The last hand made no set: the window offered no button at all, and said why.
    for (const int id : CKaartiDlg::kOptionButtons) {
        EXPECT_FALSE(view_->Cards().trade.IsVisible(id)) << id;
    }
    EXPECT_TRUE(view_->Cards().trade.IsVisible(CKaartiDlg::kNoSetText));
    EXPECT_EQ(view_->Cards().trade.GetText(CKaartiDlg::kNoSetText), CKaartiDlg::kNoSetMessage);
}

// Two cards of different kinds make no set; with a set in hand no such notice stands among the
// options.
TEST_F(CardsCommandTest, TheNoSetNoticeShowsOnlyWhenNothingCanBeTraded) {
    const struct {
        std::array<std::int32_t, 4> hand;
        bool notice;
    } kCases[] = {
        {{1, 0, 1, 0}, true}, {{0, 1, 1, 0}, true}, {{0, 2, 0, 0}, false}, {{1, 0, 0, 1}, false}};
    for (const auto& c : kCases) {
        SetHand(1, c.hand[0], c.hand[1], c.hand[2], c.hand[3]);
        Choose({Step::Cancel()});
        EXPECT_EQ(view_->Cards().trade.IsVisible(CKaartiDlg::kNoSetText), c.notice)
            << c.hand[0] << c.hand[1] << c.hand[2] << c.hand[3];
        EXPECT_EQ(view_->Cards().trade.IsVisible(CKaartiDlg::kOptionButtons[0]), !c.notice);
    }
}

// A notice still open when the view goes leaves the dialog host first: the host outlives it.
TEST_F(CardsCommandTest, ANoticeLeftOpenLeavesTheDialogHostWithTheView) {
    view_->ShowCardsNotice();
    ASSERT_TRUE(view_->Cards().notice.IsOpen());
    const int notice = view_->Cards().notice.Template().id;
    view_.reset();
    const auto& events = platform_.dialogs.ModelessEvents();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(),
              (headless::ModelessEvent{headless::ModelessEvent::Kind::Destroyed, notice}));
}

TEST_F(CardsCommandTest, ANetworkTurnInIsRecordedAndItsFailedSendShown) {
    struct Seat {
        std::int32_t seat;
        const char* error;
    };
    for (const Seat& s : {Seat{1, "socket send ERROR 1015"}, Seat{3, "socket send ERROR 1016"}}) {
        SetHand(1, 0, 0, 2, 1);
        g_networkSeat = s.seat;
        g_connectedClients = 1;
        Choose({Step::Click(kIdOk)});  // 2c + 1w = 10, and no socket to send it on
        EXPECT_EQ(g_lastCardTurnIn, (std::array<std::int32_t, 6>{1, 10, 1, 2, 0, 0}));
        ASSERT_FALSE(platform_.window.statusTextsSet.empty());
        EXPECT_EQ(platform_.window.statusTextsSet.back(), s.error);
    }
}

TEST_F(CardsCommandTest, TheCommandsAreRoutedAndCardsFollowsItsEnable) {
    SetHand(1, 3, 0, 0, 0);
    g_canCards = false;
    platform_.dialogs.Script(CKaartiDlg::kIdd, {Step::Click(kIdOk)});
    CmdUI ui;
    ASSERT_TRUE(view_->OnUpdateCommand(cmd::kCards, ui));
    EXPECT_FALSE(ui.enabled);
    EXPECT_TRUE(view_->OnCommand(cmd::kCards));
    EXPECT_EQ(HandOf(1)[0], 3);

    g_canCards = true;
    ASSERT_TRUE(view_->OnUpdateCommand(cmd::kCards, ui));
    EXPECT_TRUE(ui.enabled);
    EXPECT_TRUE(view_->OnCommand(cmd::kCards));
    EXPECT_EQ(HandOf(1)[0], 0);

    EXPECT_TRUE(view_->OnCommand(cmd::kShowCards));
    ASSERT_EQ(platform_.dialogs.Shown().size(), 2u);
    EXPECT_EQ(platform_.dialogs.Shown()[1].templateId, CKaartenDlg::kIdd);

    ASSERT_TRUE(view_->OnUpdateCommand(cmd::kPaneCards, ui));
    EXPECT_TRUE(ui.enabled);
    EXPECT_EQ(platform_.window.statusPanes[cmd::kPaneCards], "Cards :       - 0 0 0");
}

TEST_F(CardsCommandTest, TheCardsLineShowsTheLocalHandAndEveryPlayersTotal) {
    struct LineCase {
        std::int32_t players, humans;
        const char* line;
    };
    const std::vector<LineCase> cases = {
        {3, 1, "Cards : CCIAW - 5 1 0"},   {10, 1, "Cards : CCIAW - 5 1 0 0 0 0 0 0 0 4"},
        {4, 2, "Cards :       - 5 1 0 0"},  // at one screen nobody's hand shows
        {2, 1, "Cards : CCIAW -     "},    {0, 0, "Cards :       -     "},
    };
    SetHand(1, 1, 1, 2, 1);
    SetHand(2, 0, 0, 1, 0);
    SetHand(10, 2, 0, 0, 2);
    for (std::int32_t p = 1; p <= 10; ++p) g_playerRecordSnapshot[p] = g_players[p];
    SetHand(1, 0, 0, 0, 0);  // the pane shows the snapshot, not the live hand
    for (const LineCase& c : cases) {
        g_playerCount = c.players;
        g_humanPlayerCount = c.humans;
        g_cardsLinePlayer = c.players == 0 ? 0 : 1;
        std::string line;
        view_->FormatCardsLine(line);
        EXPECT_EQ(line, c.line) << c.players << " players, " << c.humans << " humans";
    }
}

TEST_F(CardsCommandTest, AComputerTurnInIsQueuedAsTheCountsTheNoticeShows) {
    struct EventCase {
        const char* what;
        std::array<std::int32_t, 4> selected;  // artillery, infantry, cavalry, wild
        std::int32_t setArmies;
        std::array<std::int32_t, 4> shown;
    };
    const std::vector<EventCase> cases = {
        {"one cavalry and one wild", {0, 0, 1, 1}, 5, {0, 0, 1, 1}},
        {"two wilds beside single cards", {1, 1, 0, 2}, 5, {0, 0, 0, 2}},
        {"three infantry and a wild", {1, 3, 0, 1}, 15, {0, 3, 0, 1}},
        {"two kinds twice", {2, 0, 2, 0}, 10, {2, 0, 2, 0}},
    };
    rules::SetCurrentPlayer(3);
    for (const EventCase& c : cases) {
        SCOPED_TRACE(c.what);
        EmptyQueues();
        g_cardTurnInMarker = 0;
        g_aiArtilleryCards = c.selected[0];
        g_aiInfantryCards = c.selected[1];
        g_aiCavalryCards = c.selected[2];
        g_aiWildCards = c.selected[3];
        g_cardSetArmies = c.setArmies;
        g_turnInArmies = c.setArmies;
        view_->QueueCardsEvent();
        EXPECT_EQ(g_cardTurnInMarker, 177);
        ASSERT_EQ(g_eventCount, 5);
        const QueueRecord& r = g_eventQueue[1];
        EXPECT_EQ(r.type, event_type::kCardTurnIn);
        EXPECT_EQ((std::array<std::int32_t, 4>{r.a, r.b, r.c, r.d}), c.shown);
        EXPECT_EQ(r.e, c.setArmies);
        EXPECT_EQ(r.f, 3);
        for (int k = 2; k <= 4; ++k) EXPECT_EQ(g_eventQueue[k].type, event_type::kPause);
        EXPECT_EQ(g_eventQueue[5].type, event_type::kCardsWindowOff);
    }
}

}  // namespace
