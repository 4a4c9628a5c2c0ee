// The Settings menu's board commands: screen size, fill, the oceans and smilies. The oceans and
// smilies rebuild the whole board, so they run in two steps through the message queue: a click
// shows the notice and queues the command, and the clock plays it on a later tick.
#include <cstdint>
#include <optional>

#include "core/child_view.h"
#include "core/mapsel/map_selection.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"
#include "render/pictures.h"
#include "shell/settings_menu.h"

namespace {

constexpr char kCaption[] = "Marovek";

// The oceans backgrounds by number.
namespace oceans {
constexpr std::int32_t kBackground1 = 0;
constexpr std::int32_t kYourColorSettings = 1;
constexpr std::int32_t kDesktopShiningThrough = 2;
constexpr std::int32_t kBackground2 = 4;
constexpr std::int32_t kBackground3 = 5;
}  // namespace oceans

// True when the command's work waits for the clock (or is not done at all): a click queues it
// once, and a second click before the clock played it changes nothing more. Only the clock's
// play of the record runs the work.
bool DeferSlowCommand(CChildView& view, std::int32_t type) {
    if (g_isPlayingSlowCommand) return false;
    if (g_gameKind == game_kind::kDemo || IsMessagePending(type)) return true;
    view.ShowStatus(kSlowCommandNotice);
    g_deferSlowCommands = false;
    view.QueuePauseMessage();
    AppendMessage(type);
    view.Platform().window.ShowCursor(false);
    return true;
}

void RunOceansCommand(CChildView& view, std::int32_t type, std::int32_t background) {
    if (DeferSlowCommand(view, type)) return;
    SetOneCharacterText(g_statusText, ' ');
    view.MinimiseChatWindow();
    g_oceansBackground = background;
    render::LoadOceansPictures(view.Platform().files, background);
    settings_menu::ShowBoardChange(view);
}

void ChangeScreenSize(CChildView& view, std::int32_t size) {
    // Asked before the size changes: a paint while the question is open must not draw the
    // board at a size the window does not have.
    if (view.Platform().window.MessageBox("Click OK to close Marovek and apply the new setting.",
                                          kCaption, platform::MessageButtons::OkCancel,
                                          platform::MessageIcon::Exclamation) !=
        platform::MessageAnswer::Ok) {
        return;
    }
    g_screenSize = size;
    view.SaveSettings();
    view.Platform().window.Quit();
}

// Why smilies cannot be shown now, if they cannot. Only the first reason refuses without
// turning them off.
struct SmiliesRefusal {
    const char* text;
    platform::MessageIcon icon;
    bool turnsOff;
};
std::optional<SmiliesRefusal> SmiliesRefused() {
    using I = platform::MessageIcon;
    if (!g_isSmiliesOn && g_isSafeMode)
        return SmiliesRefusal{"Safe Mode disables smilies.", I::Information, false};
    if (g_screenWidth < 1024)
        return SmiliesRefusal{"Please set the screen resolution to at least 1024x768 pixels.",
                              I::None, true};
    if (g_screenSize == 1)
        return SmiliesRefusal{"Please set the Screen Size (Marovek Settings) to at least 1024x768.",
                              I::None, true};
    if (g_isMapNorthAmerica && g_screenWidth <= 1024)
        return SmiliesRefusal{"Please set the screen resolution to at least 1280x1024 pixels.",
                              I::None, true};
    if (g_isMapNorthAmerica && g_screenSize < 3)
        return SmiliesRefusal{
            "Please set the Screen Size (Marovek Settings) to at least 1280x1024.", I::None, true};
    return std::nullopt;
}

}  // namespace

namespace settings_menu {

void ShowBoardChange(CChildView& view) {
    SetOneCharacterText(g_freshMapMarker, '0');
    view.Platform().window.Invalidate();
    if (IsGameUnderWay()) view.QueueNextPlayerEvent();
    view.SaveSettings();
}

}  // namespace settings_menu

void CChildView::OnScreenSmall() {
    ChangeScreenSize(*this, 1);
}
void CChildView::OnScreenMedium() {
    ChangeScreenSize(*this, 2);
}
void CChildView::OnScreenLarge() {
    ChangeScreenSize(*this, 3);
}

void CChildView::OnBackground1() {
    RunOceansCommand(*this, message_type::kBackground1, oceans::kBackground1);
}
void CChildView::OnBackground2() {
    RunOceansCommand(*this, message_type::kBackground2, oceans::kBackground2);
}
void CChildView::OnBackground3() {
    RunOceansCommand(*this, message_type::kBackground3, oceans::kBackground3);
}
void CChildView::OnDesktopShiningThrough() {
    RunOceansCommand(*this, message_type::kDesktopShiningThrough, oceans::kDesktopShiningThrough);
}
void CChildView::OnYourColorSettings() {
    RunOceansCommand(*this, message_type::kYourColorSettings, oceans::kYourColorSettings);
}

void CChildView::OnGradients() {
    g_isGradientFill = g_isGradientPaint = true;
    g_oceansBackground = oceans::kBackground1;
    g_colourScheme = 0;
    // Gradients need the territories' outlines, which flat painting did not make.
    g_isBoardRebuildPending = true;
    OnBackground1();
}

void CChildView::OnSolidColors() {
    g_isGradientFill = g_isGradientPaint = false;
    g_oceansBackground = oceans::kBackground3;
    g_colourScheme = 1;
    OnBackground3();
}

void CChildView::OnSmilies() {
    if (const std::optional<SmiliesRefusal> refusal = SmiliesRefused()) {
        platform_.window.MessageBox(refusal->text, kCaption, platform::MessageButtons::Ok,
                                    refusal->icon);
        if (!refusal->turnsOff) return;
        g_isSmiliesOn = false;
        SaveSettings();
        return;
    }
    if (DeferSlowCommand(*this, message_type::kSmilies)) return;
    SetOneCharacterText(g_statusText, ' ');
    MinimiseChatWindow();
    g_isSmiliesOn = !g_isSmiliesOn;
    map_selection::RedrawWholeBoard(*this);
    settings_menu::ShowBoardChange(*this);
}
