// The network windows' templates and handlers, and the view's operations on them.
#include "setup/network_windows.h"

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "platform/dialog_host.h"
#include "setup/setup_dialogs.h"
#include "setup/setup_dialogs_layout.h"

namespace {

using setup_layout::TemplateBuilder;

// The most lines the chat list keeps; older ones scroll away.
constexpr int kMostChatLines = 200;

const DialogTemplate& HostNameTemplate() {
    static const DialogTemplate t =
        TemplateBuilder(CHostnaamDlg::kIdd, "Marovek", 240, 120)
            .Text(kIdStatic, "Enter the host's computer name : ", {10, 8, 220, 9})
            .Edit(CHostnaamDlg::kIdHost, {10, 20, 150, 13})
            .Text(kIdStatic, "ex: 192.168.1.10 or MYPC02 etc.", {10, 38, 220, 9})
            .Text(kIdStatic, "or press Enter to start searching.", {10, 50, 220, 9})
            .Text(kIdStatic, "Be sure to start the server first.", {10, 62, 220, 9})
            .Text(kIdStatic, "Firewalls can block traffic !  Allow access to port 5466",
                  {10, 74, 220, 9})
            .OkCancel(96)
            .Build();
    return t;
}

DialogTemplate ChatTemplate() {
    DialogTemplate t;
    t.id = CChatterDlg::kIdd;
    t.caption = "Chatter";
    t.width = 260;
    t.height = 170;
    t.controls = {
        {CChatterDlg::kIdLines, ControlKind::ListBox, "", {6, 6, 248, 120}, ctl::kVerticalScroll},
        {CChatterDlg::kIdSent, ControlKind::ListBox, "", {6, 6, 0, 0}, ctl::kHidden},
        {CChatterDlg::kIdLine, ControlKind::Edit, "", {6, 132, 200, 14}, ctl::kTabStop},
        {kIdOk, ControlKind::Button, "Send", {210, 132, 44, 14}, ctl::kDefault | ctl::kTabStop},
    };
    return t;
}

DialogTemplate UsersJoinedTemplate() {
    DialogTemplate t;
    t.id = CUsersjoinedDlg::kIdd;
    t.width = 140;
    t.height = 80;
    t.controls.push_back({kIdStatic, ControlKind::GroupBox, "Connected Players", {6, 4, 128, 70}});
    for (std::size_t i = 0; i < CUsersjoinedDlg::kIdNames.size(); ++i)
        t.controls.push_back({CUsersjoinedDlg::kIdNames[i],
                              ControlKind::Static,
                              "",
                              {14, 16 + 14 * static_cast<int>(i), 110, 9}});
    return t;
}

}  // namespace

CHostnaamDlg::CHostnaamDlg() : CDialog(HostNameTemplate()) {}

bool CHostnaamDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ApplyDialogTransparency(*this);
    return true;
}

bool CHostnaamDlg::DoDataExchange(bool save) {
    if (save)
        host = GetText(kIdHost);
    else
        SetText(kIdHost, host);
    return true;
}

CChatterDlg::CChatterDlg() : CDialog(ChatTemplate()) {}

bool CChatterDlg::DoDataExchange(bool save) {
    if (save)
        line = GetText(kIdLine);
    else
        SetText(kIdLine, line);
    return true;
}

void CChatterDlg::OnOK() {
    // Only the line typed last goes, once, at the clock's next tick.
    DoDataExchange(true);
    g_isChatLinePending = true;
}

void CChatterDlg::OnCancel() {}

CUsersjoinedDlg::CUsersjoinedDlg() : CDialog(UsersJoinedTemplate()) {}

bool CUsersjoinedDlg::DoDataExchange(bool save) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (save)
            names[i] = GetText(kIdNames[i]);
        else
            SetText(kIdNames[i], names[i]);
    }
    return true;
}

void DestroyNetworkWindows(NetworkWindows* windows) {
    delete windows;
}

NetworkWindows& CChildView::NetWindows() {
    if (!networkWindows_) networkWindows_.reset(new NetworkWindows);
    return *networkWindows_;
}

void CChildView::ShowChatWindow() {
    CChatterDlg& chat = NetWindows().chat;
    // It opens as an icon, out of the board's way; the player brings it up to chat.
    if (!chat.IsOpen() && platform_.dialogs.CreateModeless(chat))
        platform_.dialogs.MinimiseModeless(chat);
    g_isChatWindowShown = true;
}

void CChildView::MinimiseChatWindow() {
    if (g_isChatWindowShown && networkWindows_)
        platform_.dialogs.MinimiseModeless(networkWindows_->chat);
}

void CChildView::CloseNetworkWindows() {
    // The Internet Game window may still be open when the view goes.
    DestroyDirectIpWindow();
    if (!networkWindows_) return;
    platform_.dialogs.DestroyModeless(networkWindows_->chat);
    platform_.dialogs.DestroyModeless(networkWindows_->usersJoined);
}

void CChildView::ShowUsersJoinedWindow() {
    CUsersjoinedDlg& window = NetWindows().usersJoined;
    for (std::size_t i = 0; i < window.names.size(); ++i) {
        const auto seat = static_cast<std::int32_t>(i) + 2;
        window.names[i] = seat <= g_joinedSeatCount ? g_playerNames[seat] : "";
    }
    if (!window.IsOpen()) platform_.dialogs.CreateModeless(window);
    window.DoDataExchange(false);
}

void CChildView::DestroyUsersJoinedWindow() {
    if (networkWindows_) platform_.dialogs.DestroyModeless(networkWindows_->usersJoined);
}

void CChildView::GetChatText(std::string* text) {
    *text = networkWindows_ ? networkWindows_->chat.line : std::string();
}

void CChildView::ClearChatText() {
    if (!networkWindows_) return;
    CChatterDlg& chat = networkWindows_->chat;
    chat.line.clear();
    chat.SetText(CChatterDlg::kIdLine, "");
}

void CChildView::AddChatLine(const std::string& line) {
    CChatterDlg& chat = NetWindows().chat;
    chat.InsertItem(CChatterDlg::kIdLines, 0, line);
    while (chat.ItemCount(CChatterDlg::kIdLines) > kMostChatLines)
        chat.DeleteItem(CChatterDlg::kIdLines, chat.ItemCount(CChatterDlg::kIdLines) - 1);
}
