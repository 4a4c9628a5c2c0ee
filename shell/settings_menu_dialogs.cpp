// The Settings menu's dialog commands: Colors..., Safe Mode..., Sound... and Transparency....
#include <array>

#include "core/child_view.h"
#include "core/mapsel/map_selection.h"
#include "core/model/board_picture.h"
#include "core/model/files.h"
#include "core/model/options.h"
#include "platform/dialog_host.h"
#include "platform/window_services.h"
#include "shell/colours_dlg.h"
#include "shell/settings_menu.h"
#include "shell/sound_dlg.h"
#include "shell/transparency_dlg.h"

namespace {

// The sound switches in the order of the sound dialog's boxes.
const std::array<bool*, 9> kSoundFlags{
    &g_isSoundOff,         &g_isAttackSoundOn,     &g_isAddSoundOn,
    &g_isMoveSoundOn,      &g_isNextPlayerSoundOn, &g_isPlayerOutSoundOn,
    &g_isContinentSoundOn, &g_isVictorySoundOn,    &g_isSonarSoundOn};

}  // namespace

void CChildView::OnColors() {
    MinimiseChatWindow();
    CSpkleurenDlg dialog(platform_.dialogs, platform_.window);
    dialog.fillChoice = g_isGradientFill ? CSpkleurenDlg::kGradedFill : CSpkleurenDlg::kSolidFill;
    // Anything but OK: the dialog has put the colours back.
    if (platform_.dialogs.RunModal(dialog) != kIdOk) return;
    const bool graded = dialog.fillChoice == CSpkleurenDlg::kGradedFill;
    g_isGradientFill = g_isGradientPaint = graded;
    // A preset scheme whose fill the player departed from becomes the player's own.
    if ((g_colourScheme == 0 && !graded) || (g_colourScheme == 1 && graded)) g_colourScheme = 2;
    g_isBoardRebuildPending = true;
    settings_menu::ShowBoardChange(*this);
}

void CChildView::OnSafeMode() {
    if (!g_isSafeMode && platform_.window.MessageBox(
                             "Use this if you have problems with the screen display.", "Marovek",
                             platform::MessageButtons::OkCancel,
                             platform::MessageIcon::Information) != platform::MessageAnswer::Ok) {
        return;
    }
    MinimiseChatWindow();
    g_isSafeMode = !g_isSafeMode;
    if (g_isSafeMode) g_isSmiliesOn = false;
    map_selection::RedrawWholeBoard(*this);
    settings_menu::ShowBoardChange(*this);
}

void CChildView::OnSound() {
    CSoundDlg dialog(platform_.sound, g_programFolder);
    for (std::size_t i = 0; i < kSoundFlags.size(); ++i) dialog.checks[i] = *kSoundFlags[i] ? 1 : 0;
    if (platform_.dialogs.RunModal(dialog) != kIdOk) return;
    for (std::size_t i = 0; i < kSoundFlags.size(); ++i) *kSoundFlags[i] = dialog.checks[i] != 0;
    SaveSettings();
}

// The dialog changes the percent while its slider moves; only OK keeps the change.
void CChildView::OnTransparency() {
    const std::int32_t kept = g_transparencyPercent;
    CTransparencyDlg dialog;
    if (platform_.dialogs.RunModal(dialog) == kIdOk) {
        SaveSettings();
    } else {
        g_transparencyPercent = kept;
    }
}
