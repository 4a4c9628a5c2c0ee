// The Settings menu's board commands through the headless platform: screen size, the oceans and
// smilies in two steps through the message queue, fill, safe mode, and what the board shows.
#include <tuple>

#include "core/commands/command_ids.h"
#include "core/mapsel/map_selection.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/raster/bmp.h"
#include "shell/process_state.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

class SettingsMenu : public ShellFixture {
  protected:
    CChildView& Start(int width = 1280, int height = 1024) {
        CChildView& view = StartView(width, height);
        // The start-up demo would take the clock's ticks.
        g_isDemoRunning = false;
        return view;
    }
    headless::RecordingWindow& Window() { return platform_->window; }
    // Ticks until both queues are played out (a bound keeps a fault from hanging the test).
    void PlayQueues() {
        for (int tick = 0; tick < 20 && !AreQueuesEmpty(); ++tick) view_->OnTimer(1);
    }
    int QueuedOfType(std::int32_t type) const {
        int count = 0;
        for (std::int32_t i = g_messageReadIndex + 1; i <= g_messageCount; ++i)
            count += g_messageQueue[static_cast<std::size_t>(i)].type == type ? 1 : 0;
        return count;
    }
    CmdUI State(int id) {
        CmdUI ui;
        EXPECT_TRUE(view_->OnUpdateCommand(id, ui)) << id;
        return ui;
    }
};

TEST_F(SettingsMenu, ScreenSizeAsksAndOnlyOkStoresTheSizeAndEndsTheProgram) {
    const std::tuple<int, std::int32_t> sizes[] = {
        {cmd::kScreenSmall, 1}, {cmd::kScreenMedium, 2}, {cmd::kScreenLarge, 3}};
    for (const auto& [id, size] : sizes) {
        SCOPED_TRACE(size);
        ShellFixture::TearDown();
        ResetProcessState();
        ShellFixture::SetUp();
        CChildView& view = Start(1280, 1024);
        g_screenSize = size == 3 ? 2 : 3;
        const std::int32_t before = g_screenSize;
        view.SaveSettings();

        Window().ScriptAnswer(MessageAnswer::Cancel);
        ASSERT_TRUE(view.OnCommand(id));
        EXPECT_EQ(g_screenSize, before);
        EXPECT_EQ(U32At(SettingsBytes(), 104), static_cast<std::uint32_t>(before));
        EXPECT_FALSE(Window().hasQuit);

        view.OnCommand(id);
        EXPECT_EQ(U32At(SettingsBytes(), 104), static_cast<std::uint32_t>(size));
        EXPECT_TRUE(Window().hasQuit);
        const headless::MessageBoxCall question{
            "Click OK to close Marovek and apply the new setting.", "Marovek",
            MessageButtons::OkCancel, MessageIcon::Exclamation};
        EXPECT_EQ(MessageBoxes(), (std::vector{question, question}));
    }
}

TEST_F(SettingsMenu, ScreenSizesAreOfferedByTheScreenAndNotForAMapFile) {
    Start(1280, 1024);
    EXPECT_TRUE(State(cmd::kScreenLarge).enabled);
    EXPECT_TRUE(State(cmd::kScreenLarge).checked);
    g_isMapCustom = true;
    EXPECT_FALSE(State(cmd::kScreenSmall).enabled);
    EXPECT_FALSE(State(cmd::kScreenLarge).enabled);
}

// Each oceans command: a click shows the notice, hides the cursor and queues its record once,
// however often it is clicked; the clock's play sets and stores the background, asks for a
// rebuild, checks its menu item and gives the cursor back.
TEST_F(SettingsMenu, OceansCommandsRunInTwoStepsAndQueueOnce) {
    const std::tuple<int, std::int32_t, std::int32_t> commands[] = {
        {cmd::kBackground2, message_type::kBackground2, 4},
        {cmd::kBackground3, message_type::kBackground3, 5},
        {cmd::kDesktopShiningThrough, message_type::kDesktopShiningThrough, 2},
        {cmd::kYourColorSettings, message_type::kYourColorSettings, 1},
        {cmd::kBackground1, message_type::kBackground1, 0},
    };
    CChildView& view = Start();
    for (const auto& [id, type, background] : commands) {
        SCOPED_TRACE(background);
        const std::int32_t before = g_oceansBackground;
        SetOneCharacterText(g_freshMapMarker, '1');
        ASSERT_TRUE(view.OnCommand(id));
        view.OnCommand(id);
        EXPECT_EQ(g_statusText, kSlowCommandNotice);
        EXPECT_EQ(Window().cursorCount, -1);
        EXPECT_EQ(QueuedOfType(type), 1);
        EXPECT_EQ(g_oceansBackground, before);
        EXPECT_EQ(U32At(SettingsBytes(), 88), static_cast<std::uint32_t>(before));

        PlayQueues();
        EXPECT_EQ(g_oceansBackground, background);
        EXPECT_EQ(U32At(SettingsBytes(), 88), static_cast<std::uint32_t>(background));
        EXPECT_EQ(g_freshMapMarker, "0");
        EXPECT_EQ(g_statusText, " ");
        EXPECT_EQ(Window().cursorCount, 0);
        EXPECT_TRUE(g_deferSlowCommands);
        EXPECT_TRUE(State(id).checked);
    }
}

// Two oceans clicked before the clock came round: both are played, in order, and the last one
// chosen is the one that stays.
TEST_F(SettingsMenu, TheLastOceansChosenWinsWhileAnotherIsQueued) {
    CChildView& view = Start();
    view.OnCommand(cmd::kBackground2);
    view.OnCommand(cmd::kBackground3);
    view.OnCommand(cmd::kBackground2);
    EXPECT_EQ(QueuedOfType(message_type::kBackground2), 1);
    EXPECT_EQ(QueuedOfType(message_type::kBackground3), 1);
    PlayQueues();
    EXPECT_EQ(g_oceansBackground, 5);
    EXPECT_EQ(U32At(SettingsBytes(), 88), 5u);
    EXPECT_EQ(Window().cursorCount, 0);
}

TEST_F(SettingsMenu, OceansDoNothingWhileADemoGameRuns) {
    CChildView& view = Start();
    g_gameKind = game_kind::kDemo;
    g_statusText = "demo";
    view.OnCommand(cmd::kBackground2);
    EXPECT_EQ(g_statusText, "demo");
    EXPECT_EQ(g_messageCount, 0);
    EXPECT_EQ(g_oceansBackground, 0);
    EXPECT_EQ(Window().cursorCount, 0);
}

TEST_F(SettingsMenu, AGameUnderWayHasItsPlayersPanelRedrawnAfterTheChange) {
    CChildView& view = Start();
    g_roundCounter = 1;
    rules::SetCurrentPlayer(2);
    view.OnCommand(cmd::kYourColorSettings);
    view.OnTimer(1);  // the pause
    ASSERT_EQ(g_eventCount, 0);
    view.OnTimer(1);  // the command
    ASSERT_EQ(g_eventCount, 1);
    EXPECT_EQ(g_eventQueue[1].type, event_type::kNextPlayer);
    EXPECT_EQ(g_eventQueue[1].a, 2);
}

TEST_F(SettingsMenu, SolidColorsAndGradientsSetFillSchemeAndOceans) {
    CChildView& view = Start();
    view.OnCommand(cmd::kSolidColors);
    EXPECT_FALSE(g_isGradientFill);
    EXPECT_FALSE(g_isGradientPaint);
    PlayQueues();
    Bytes bytes = SettingsBytes();
    EXPECT_EQ(bytes[166], 0);
    EXPECT_EQ(U32At(bytes, 172), 1u);
    EXPECT_EQ(U32At(bytes, 88), 5u);
    EXPECT_TRUE(State(cmd::kSolidColors).checked);
    EXPECT_FALSE(State(cmd::kGradients).checked);

    view.OnCommand(cmd::kGradients);
    EXPECT_TRUE(g_isBoardRebuildPending);
    PlayQueues();
    bytes = SettingsBytes();
    EXPECT_EQ(bytes[166], 1);
    EXPECT_EQ(U32At(bytes, 172), 0u);
    EXPECT_EQ(U32At(bytes, 88), 0u);
    EXPECT_TRUE(g_isGradientPaint);
    EXPECT_TRUE(State(cmd::kGradients).checked);
}

TEST_F(SettingsMenu, SmiliesToggleInTwoStepsAndAreStored) {
    CChildView& view = Start(1024, 768);
    ASSERT_TRUE(g_isMapWorld);
    ASSERT_EQ(g_screenSize, 2);
    view.OnCommand(cmd::kSmilies);
    view.OnCommand(cmd::kSmilies);
    EXPECT_FALSE(g_isSmiliesOn);
    EXPECT_EQ(QueuedOfType(message_type::kSmilies), 1);
    PlayQueues();
    EXPECT_TRUE(g_isSmiliesOn);
    EXPECT_EQ(SettingsBytes()[96], 1);
    EXPECT_TRUE(State(cmd::kSmilies).checked);
    EXPECT_TRUE(MessageBoxes().empty());
}

// Each refusal shows its message; all but Safe Mode's turn smilies off and store that.
TEST_F(SettingsMenu, SmiliesAreRefusedWhereTheyCannotShow) {
    struct Case {
        int width;
        int height;
        std::int32_t size;
        bool northAmerica;
        bool safeMode;
        const char* text;
        MessageIcon icon;
    };
    const Case cases[] = {
        {1280, 1024, 3, false, true, "Safe Mode disables smilies.", MessageIcon::Information},
        {1000, 768, 2, false, false,
         "Please set the screen resolution to at least 1024x768 pixels.", MessageIcon::None},
        {1280, 1024, 1, false, false,
         "Please set the Screen Size (Marovek Settings) to at least 1024x768.", MessageIcon::None},
        {1024, 768, 2, true, false,
         "Please set the screen resolution to at least 1280x1024 pixels.", MessageIcon::None},
        {1280, 1024, 2, true, false,
         "Please set the Screen Size (Marovek Settings) to at least 1280x1024.", MessageIcon::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ShellFixture::TearDown();
        ResetProcessState();
        ShellFixture::SetUp();
        CChildView& view = Start(c.width, c.height);
        g_screenSize = c.size;
        g_isSafeMode = c.safeMode;
        if (c.northAmerica) {
            ClearMapFlags();
            g_isMapNorthAmerica = true;
        }
        // Smilies left on by an older setting are turned off by every refusal but Safe Mode's.
        g_isSmiliesOn = !c.safeMode;
        view.SaveSettings();
        // The handler itself: on North America the menu item would not even be offered.
        view.OnSmilies();
        ASSERT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(MessageBoxes()[0],
                  (headless::MessageBoxCall{c.text, "Marovek", MessageButtons::Ok, c.icon}));
        EXPECT_FALSE(g_isSmiliesOn);
        EXPECT_EQ(SettingsBytes()[96], 0);
        EXPECT_EQ(g_messageCount, 0);
    }
}

TEST_F(SettingsMenu, SafeModeAsksOnlyToTurnOnAndTurnsSmiliesOff) {
    CChildView& view = Start(1024, 768);
    g_isSmiliesOn = true;
    Window().ScriptAnswer(MessageAnswer::Cancel);
    view.OnCommand(cmd::kSafeMode);
    EXPECT_FALSE(g_isSafeMode);
    EXPECT_TRUE(g_isSmiliesOn);

    view.OnCommand(cmd::kSafeMode);
    EXPECT_TRUE(g_isSafeMode);
    EXPECT_FALSE(g_isSmiliesOn);
    EXPECT_EQ(g_freshMapMarker, "0");
    Bytes bytes = SettingsBytes();
    EXPECT_EQ(bytes[165], 1);
    EXPECT_EQ(bytes[96], 0);
    EXPECT_TRUE(State(cmd::kSafeMode).checked);

    view.OnCommand(cmd::kSafeMode);
    EXPECT_FALSE(g_isSafeMode);
    EXPECT_EQ(SettingsBytes()[165], 0);
    const headless::MessageBoxCall question{
        "Use this if you have problems with the screen display.", "Marovek",
        MessageButtons::OkCancel, MessageIcon::Information};
    EXPECT_EQ(MessageBoxes(), (std::vector{question, question}));
}

// The chat window opens as an icon and goes out of the board's way again for the changes that
// redraw the board; with none shown there is nothing to minimise.
TEST_F(SettingsMenu, BoardChangesMinimiseAShownChatWindow) {
    using Event = headless::ModelessEvent;
    CChildView& view = Start();
    const auto minimised = [this] {
        int count = 0;
        for (const Event& event : platform_->dialogs.ModelessEvents())
            count += event.kind == Event::Kind::Minimised ? 1 : 0;
        return count;
    };
    view.OnCommand(cmd::kColors);
    Window().ScriptAnswer(MessageAnswer::Ok);
    view.OnCommand(cmd::kSafeMode);
    EXPECT_EQ(minimised(), 0);

    view.ShowChatWindow();
    EXPECT_EQ(minimised(), 1) << "the chat window opens as an icon";
    view.OnCommand(cmd::kColors);
    EXPECT_EQ(minimised(), 2);
    view.OnCommand(cmd::kSafeMode);  // turning it off asks nothing
    EXPECT_EQ(minimised(), 3);
    view.OnCommand(cmd::kBackground2);
    EXPECT_EQ(minimised(), 3) << "only the clock's step makes the change";
    PlayQueues();
    EXPECT_EQ(minimised(), 4);
    view.OnCommand(cmd::kSmilies);
    PlayQueues();
    EXPECT_EQ(minimised(), 5);
}

// Without a map picture the board is its oceans: what each background shows is the board.
TEST_F(SettingsMenu, TheBoardShowsTheOwnColourAndTheDesktopBehindTheWindow) {
    raster::Surface desktop(1200, 1000, 0);
    desktop.SetPixel(110, 220, 0x123456);
    Platform({.width = 1280, .height = 1024}).window.screenPicture = desktop;
    CChildView& view = Start();
    Window().viewOrigin = {100, 200};
    g_oceansColour = 0x2040A0;
    raster::Surface shown(kBoardWidth, kBoardHeight);

    view.OnCommand(cmd::kYourColorSettings);
    PlayQueues();
    view.OnPaint(shown);
    EXPECT_EQ(shown.Pixel(10, 20), 0x2040A0u);
    EXPECT_EQ(g_colourScheme, 2);

    view.OnCommand(cmd::kDesktopShiningThrough);
    PlayQueues();
    view.OnPaint(shown);
    EXPECT_EQ(shown.Pixel(10, 20), 0x123456u);
    EXPECT_EQ(shown.Pixel(11, 20), 0u);
    // Past the screen's right edge there is no desktop: the own colour, never black.
    EXPECT_EQ(shown.Pixel(1150, 20), 0x2040A0u);
    // The desktop was kept once, when the view was made: painting reads that copy.
    EXPECT_EQ(Window().screenSnapshots, 1);
}

// The desktop lies under every background and shows wherever the background leaves the oceans
// uncovered: all of them without the program's pictures, beside a picture that is smaller.
TEST_F(SettingsMenu, TheDesktopShowsWhereTheBackgroundLeavesTheOceans) {
    raster::Surface desktop(1600, 1000);
    for (int y = 0; y < desktop.Height(); ++y)
        for (int x = 0; x < desktop.Width(); ++x)
            desktop.SetPixel(x, y, raster::Rgb(x % 251, y % 241, (x + y) % 239));
    Platform({.width = 1280, .height = 1024}).window.screenPicture = desktop;
    CChildView& view = Start();
    Window().viewOrigin = {100, 200};
    raster::Surface shown(kBoardWidth, kBoardHeight);

    // Background 1 without its pictures (none in this program folder): the desktop only.
    view.OnCommand(cmd::kBackground1);
    PlayQueues();
    view.OnPaint(shown);
    for (const raster::Point at : {raster::Point{0, 0}, raster::Point{600, 400},
                                   raster::Point{kBoardWidth - 1, kOceanHeight - 1}})
        EXPECT_EQ(shown.Pixel(at.x, at.y), desktop.Pixel(at.x + 100, at.y + 200));

    // The user's picture, smaller than the board, stretched over the screen size's board; the
    // desktop beside it.
    raster::Surface picture(40, 30, raster::Rgb(0, 170, 0));
    WriteBytes(DocumentsFolder() + "/oceans.bmp", raster::WriteBmp(picture));
    g_oceansBackground = 3;
    g_freshMapMarker = "0";
    view.OnPaint(shown);
    EXPECT_EQ(shown.Pixel(0, 0), raster::Rgb(0, 170, 0));
    EXPECT_EQ(shown.Pixel(kBoardWidth - 1, 20), desktop.Pixel(kBoardWidth - 1 + 100, 220));
    EXPECT_EQ(shown.Pixel(kBoardWidth - 1, kOceanHeight - 1),
              desktop.Pixel(kBoardWidth - 1 + 100, kOceanHeight - 1 + 200));
    // The window moved: the desktop from where it stands now.
    Window().viewOrigin = {300, 50};
    g_freshMapMarker = "0";
    view.OnPaint(shown);
    EXPECT_EQ(shown.Pixel(kBoardWidth - 1, 20), desktop.Pixel(kBoardWidth - 1 + 300, 70));
}

TEST_F(SettingsMenu, WithoutAPictureOfTheScreenTheDesktopIsTheOwnColour) {
    CChildView& view = Start();
    g_oceansColour = 0x507090;
    view.OnCommand(cmd::kDesktopShiningThrough);
    PlayQueues();
    raster::Surface shown(kBoardWidth, kBoardHeight);
    view.OnPaint(shown);
    EXPECT_EQ(shown.Pixel(0, 0), 0x507090u);
    EXPECT_EQ(shown.Pixel(kBoardWidth - 1, kOceanHeight - 1), 0x507090u);
}

// A new user changes the settings, quits, starts again and finds them kept.
TEST_F(SettingsMenu, EverySettingIsThereAtTheNextStart) {
    CChildView& view = Start(1024, 768);
    view.OnCommand(cmd::kSolidColors);
    view.OnCommand(cmd::kSmilies);
    PlayQueues();
    view.OnCommand(cmd::kDesktopShiningThrough);
    PlayQueues();
    ASSERT_TRUE(g_isSmiliesOn);

    view_.reset();
    platform_.reset();
    ResetProcessState();
    Start(1024, 768);
    EXPECT_EQ(g_oceansBackground, 2);
    EXPECT_TRUE(g_isSmiliesOn);
    EXPECT_FALSE(g_isGradientFill);
    EXPECT_EQ(g_colourScheme, 1);
}

}  // namespace
}  // namespace shell_test
