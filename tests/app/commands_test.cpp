// The view's command table on the headless platform: check marks from the state they stand
// for, the losses pane text, and the popup the view asks for on a right click.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/child_view.h"
#include "core/commands/command_ids.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/headless/test_platform.h"
#include "shell/menu.h"

namespace {

struct ViewFixture {
    QTemporaryDir home;
    headless::TestPlatform platform{{{"HOME", home.path().toStdString()}}};
    CChildView view{platform.platform};

    CmdUI State(int id) {
        CmdUI ui{.enabled = true, .checked = true};
        EXPECT_TRUE(view.OnUpdateCommand(id, ui)) << id;
        return ui;
    }
};

TEST(CommandTable, SpeedMenuShowsExactlyOneCheck) {
    ViewFixture f;
    struct Case {
        bool fast, veryFast, fastest;
        int checked;
    };
    const Case cases[] = {{false, false, false, 151},
                          {true, false, false, 152},
                          {true, true, false, 32785},
                          {true, false, true, 32786}};
    for (const Case& c : cases) {
        g_isFastSpeed = c.fast;
        g_isVeryFastSpeed = c.veryFast;
        g_isFastestSpeed = c.fastest;
        for (int id : {151, 152, 32785, 32786}) {
            EXPECT_EQ(f.State(id).checked, id == c.checked) << "case " << c.checked << " id " << id;
        }
    }
}

TEST(CommandTable, ChecksFollowScreenSizeBackgroundSchemeAndMap) {
    ViewFixture f;
    struct Case {
        int id;
        std::function<void()> set;
    };
    const Case cases[] = {
        {32789, [] { g_screenSize = 2; }},
        {32806, [] { g_screenSize = 3; }},
        {32819, [] { g_oceansBackground = 4; }},
        {32818, [] { g_oceansBackground = 3; }},
        {32829, [] { g_colourScheme = 1; }},
        {32803, [] { g_isSafeMode = true; }},
        {32795, [] { ClearMapFlags(), g_isMapCustom = true; }},
        {32821, [] { ClearMapFlags(), g_isMapSwampII = true; }},
    };
    g_screenSize = 1;
    g_oceansBackground = 0;
    g_colourScheme = 0;
    g_isSafeMode = false;
    for (const Case& c : cases) {
        EXPECT_FALSE(f.State(c.id).checked) << c.id;
        c.set();
        EXPECT_TRUE(f.State(c.id).checked) << c.id;
    }
}

// What a command leaves behind that the player could see.
struct Trace {
    std::size_t dialogs, messageBoxes, statusTexts;
    int invalidations;
    std::map<int, int> timers;
    std::string statusText;
    std::int32_t events, messages;
    std::vector<bool> flags;  // the turn's enables and input phases
    bool operator==(const Trace&) const = default;
};

Trace TraceOf(const ViewFixture& f) {
    return {f.platform.dialogs.Shown().size(),
            f.platform.window.messageBoxes.size(),
            f.platform.window.statusTextsSet.size(),
            f.platform.window.invalidations,
            f.platform.window.timers,
            g_statusText,
            g_eventCount,
            g_messageCount,
            {g_canCancel, g_canCards, g_canMove, g_canAdd, g_canAttack, g_canNextPlayer, g_canSave,
             g_canSaveAs, g_isAttackFrom, g_isMoveFrom, g_isAddForTerritories}};
}

TEST(CommandTable, EveryMenuCommandIsKnownAndNoneRunsWhileDisabled) {
    ViewFixture f;
    // No turn command and no New Game may be chosen; a current player lets Cards show its
    // window should it run.
    rules::SetCurrentPlayer(1);
    g_canNewGame = g_newGameEnablePending = g_canOpen = g_canSave = g_canSaveAs = false;
    g_canCancel = g_canCards = g_canMove = g_canAdd = g_canAttack = g_canNextPlayer = false;
    std::vector<int> disabled;
    std::function<void(std::span<const shell::MenuEntry>)> visit =
        [&](std::span<const shell::MenuEntry> entries) {
            for (const shell::MenuEntry& e : entries) {
                if (e.kind == shell::MenuEntryKind::SubMenu) visit(e.children);
                if (e.kind != shell::MenuEntryKind::Command) continue;
                CmdUI ui;
                const bool isApps = e.id == cmd::kAbout || e.id == cmd::kExit;
                // About and Exit are the application's; every other command is the view's.
                EXPECT_EQ(f.view.OnUpdateCommand(e.id, ui), !isApps) << e.id;
                if (isApps || ui.enabled) continue;
                disabled.push_back(e.id);
                // A key press or a stale popup must not run what the menu shows disabled.
                const Trace before = TraceOf(f);
                f.view.OnCommand(e.id);
                EXPECT_EQ(TraceOf(f), before) << e.id;
            }
        };
    for (const shell::MenuPopup& popup : shell::MainMenu()) visit(popup.entries);
    for (int id : {153, 32825, 154, 155, 156, 157, 158, 159, 160, 161, 162}) {
        EXPECT_NE(std::find(disabled.begin(), disabled.end(), id), disabled.end()) << id;
    }
}

TEST(CommandTable, LossesPaneAndPopupGoThroughTheWindow) {
    ViewFixture f;
    g_lossesShown = 1234567;
    CmdUI ui;
    EXPECT_TRUE(f.view.OnUpdateCommand(cmd::kPaneLosses, ui));
    EXPECT_TRUE(ui.enabled);
    EXPECT_EQ(f.platform.window.statusPanes.at(163), "Losses : 1234567");
    f.view.OnContextMenu(12, 34);
    ASSERT_EQ(f.platform.window.popups.size(), 1u);
    EXPECT_EQ(f.platform.window.popups[0], (headless::PopupCall{shell::kContextMenuIndex, 12, 34}));
}

}  // namespace
