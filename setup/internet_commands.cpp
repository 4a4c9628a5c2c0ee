// The Settings command "Hosting Internet Games..." and the view's internet windows.
#include "core/child_view.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/dialog_host.h"
#include "platform/socket.h"
#include "setup/internet_dialogs.h"
#include "setup/new_game.h"
#include "shell/settings.h"

void DestroyInternetWindows(InternetWindows* windows) {
    delete windows;
}

InternetWindows& CChildView::Internet() {
    if (!internetWindows_) internetWindows_.reset(new InternetWindows(*this));
    return *internetWindows_;
}

void CChildView::DestroyDirectIpWindow() {
    if (internetWindows_) platform_.dialogs.DestroyModeless(internetWindows_->directIp);
}

void CChildView::OnHostingInternetGames() {
    CHostip2Dlg& dialog = Internet().hostip2;
    dialog.external = new_game::SettingsText(kExternalAddressOffset);
    dialog.gameName = new_game::SettingsText(kGameListNameOffset);
    dialog.internal = platform_.sockets.LocalAddress();
    if (platform_.dialogs.RunModal(dialog) != kIdOk) return;
    if (dialog.external == new_game::SettingsText(kExternalAddressOffset) &&
        dialog.gameName == g_settingsString236)
        return;
    if (!CheckHostAddress(*this, dialog.external)) return;
    g_hostIpText = dialog.external;
    g_settingsString216 = dialog.external;
    g_settingsString236 = dialog.gameName;
    g_isSavingHostAddress = true;
    SaveSettings();
    g_isSavingHostAddress = false;
}
