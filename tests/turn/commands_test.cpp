// Command states as rules over the game state; the speed, Statistics, More Maps and focus commands.
#include "core/commands/command_ids.h"
#include "core/commands/command_state.h"
#include "core/model/options.h"
#include "core/rules/turn_order.h"
#include "shell/menu.h"
#include "turn_fixture.h"

namespace turn_test {
namespace {

using CommandsTest = TurnFixture;

TEST_F(CommandsTest, AddFollowsItsFlagOrAnOpenPlacementOnThisMachine) {
    struct Case {
        bool canAdd;
        bool placement;
        int events;
        int seat;
        int current;
        bool enabled;
    };
    const Case cases[] = {
        {true, false, 5, 0, 1, true}, {false, false, 0, 0, 1, false},
        {false, true, 0, 0, 1, true}, {false, true, 1, 0, 1, false},
        {false, true, 0, 2, 2, true}, {false, true, 0, 2, 3, false},
    };
    for (const Case& c : cases) {
        g_canAdd = c.canAdd;
        g_isAddForCards = c.placement;
        g_eventCount = c.events;
        g_networkSeat = c.seat;
        rules::SetCurrentPlayer(c.current);
        CmdUI ui;
        command_state::UpdateAdd(ui);
        EXPECT_EQ(ui.enabled, c.enabled)
            << c.canAdd << c.placement << c.events << c.seat << c.current;
    }
}

TEST_F(CommandsTest, NextPlayerContinentsAndPersonalitiesWaitForBothQueues) {
    g_canNextPlayer = g_isHumanTurnStarted = g_isNormalLevel = true;
    g_playerCount = 3;
    g_humanPlayerCount = 1;
    g_gameKind = 1;
    struct Case {
        int events;
        int messages;
        bool enabled;
    };
    for (const Case& c : {Case{0, 0, true}, Case{1, 0, false}, Case{0, 1, false}}) {
        g_eventCount = c.events;
        g_messageCount = c.messages;
        for (auto update : {command_state::UpdateNextPlayer, command_state::UpdateContinents,
                            command_state::UpdatePersonalities}) {
            CmdUI ui;
            update(ui);
            EXPECT_EQ(ui.enabled, c.enabled) << c.events << c.messages;
        }
    }
}

TEST_F(CommandsTest, PersonalitiesOnlyForAComputerGameOnThisMachine) {
    g_isHumanTurnStarted = true;
    EmptyQueues();
    struct Case {
        bool normal;
        bool highScore;
        int gameKind;
        bool neutral;
        int humans;
        bool enabled;
    };
    const Case cases[] = {{true, false, 1, false, 1, true},  {false, false, 1, false, 1, false},
                          {true, true, 1, false, 1, false},  {true, false, 2, false, 1, false},
                          {true, false, 3, false, 1, false}, {true, false, 4, true, 1, false},
                          {true, false, 4, false, 3, false}};
    g_playerCount = 3;
    for (const Case& c : cases) {
        g_isNormalLevel = c.normal;
        g_isHighScoreGame = c.highScore;
        g_gameKind = c.gameKind;
        g_hasNeutralArmy = c.neutral;
        g_humanPlayerCount = c.humans;
        CmdUI ui;
        command_state::UpdatePersonalities(ui);
        EXPECT_EQ(ui.enabled, c.enabled)
            << c.normal << c.highScore << c.gameKind << c.neutral << c.humans;
    }
}

TEST_F(CommandsTest, SpeedCommandsRearmTheClockSetTheFlagsAndCheckExactlyOne) {
    g_canSetSlowSpeed = g_canSetFastSpeeds = true;
    struct Case {
        int id;
        int period;
        bool fast, veryFast, fastest;
    };
    const Case cases[] = {{cmd::kSpeedVeryFast, 384, true, true, false},
                          {cmd::kSpeedFast, 768, true, false, false},
                          {cmd::kSpeedFastest, 384, true, false, true},
                          {cmd::kSpeedSlow, 768, false, false, false}};
    const int speeds[] = {cmd::kSpeedSlow, cmd::kSpeedFast, cmd::kSpeedVeryFast,
                          cmd::kSpeedFastest};
    for (const Case& c : cases) {
        ASSERT_TRUE(View().OnCommand(c.id));
        EXPECT_EQ(Window().timers.at(1), c.period);
        EXPECT_EQ(g_isFastSpeed, c.fast);
        EXPECT_EQ(g_isVeryFastSpeed, c.veryFast);
        EXPECT_EQ(g_isFastestSpeed, c.fastest);
        int checks = 0;
        for (int id : speeds) {
            CmdUI ui;
            ASSERT_TRUE(View().OnUpdateCommand(id, ui));
            EXPECT_TRUE(ui.enabled);
            if (ui.checked) {
                ++checks;
                EXPECT_EQ(id, c.id);
            }
        }
        EXPECT_EQ(checks, 1);
    }
    // The speed is stored in the settings file.
    g_isFastSpeed = true;
    View().LoadSettings();
    EXPECT_FALSE(g_isFastSpeed);
}

TEST_F(CommandsTest, DisabledSpeedsAndNextPlayerDoNotRun) {
    g_canSetSlowSpeed = g_canSetFastSpeeds = false;
    View().OnCommand(cmd::kSpeedFastest);
    EXPECT_FALSE(g_isFastestSpeed);
    EXPECT_TRUE(Window().timers.empty());
    g_canNextPlayer = true;
    View().QueueMessage("pending");
    View().OnCommand(cmd::kNextPlayer);
    EXPECT_EQ(g_messageCount, 1);  // refused while a record waits
    EmptyQueues();
    View().OnCommand(cmd::kNextPlayer);
    EXPECT_EQ(g_messageQueue[g_messageCount].type, 5);
}

TEST_F(CommandsTest, LossesPaneStatisticsMoreMapsAndFocus) {
    g_lossesShown = 42;
    CmdUI ui;
    ASSERT_TRUE(View().OnUpdateCommand(cmd::kPaneLosses, ui));
    EXPECT_EQ(Window().statusPanes.at(cmd::kPaneLosses), "Losses :     42");
    // Statistics may be chosen at any time; before the first turn its window has no figures.
    ASSERT_TRUE(View().OnUpdateCommand(cmd::kStatistics, ui));
    EXPECT_TRUE(ui.enabled);
    View().OnCommand(cmd::kStatistics);
    ASSERT_EQ(platform_->dialogs.Shown().size(), 1u);
    EXPECT_EQ(platform_->dialogs.Shown()[0].caption, "Statistics");
    EXPECT_EQ(platform_->dialogs.Shown()[0].texts.at(1007), "0");
    EXPECT_TRUE(Window().messageBoxes.empty());
    g_canChangeMap = true;
    View().OnCommand(cmd::kMoreMaps);
    EXPECT_EQ(platform_->shell.urls, (std::vector<std::string>{"www.marovek.org//maps.html"}));
    const int before = Window().invalidations;
    g_repaintOnFocus = false;
    View().RepaintOnFocus();
    EXPECT_EQ(Window().invalidations, before);
    g_repaintOnFocus = true;
    View().RepaintOnFocus();
    EXPECT_EQ(Window().invalidations, before + 1);
    View().OnContextMenu(10, 20);
    EXPECT_EQ(Window().popups.back(), (headless::PopupCall{8, 10, 20}));
}

}  // namespace
}  // namespace turn_test
