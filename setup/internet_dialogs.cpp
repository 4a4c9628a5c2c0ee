// The internet dialogs' templates and handlers.
#include "setup/internet_dialogs.h"

#include "core/child_view.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "net/game_list.h"
#include "net/host_address.h"
#include "platform/clock.h"
#include "platform/dialog_host.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "platform/window_services.h"
#include "setup/new_game.h"
#include "setup/setup_dialogs_layout.h"
#include "shell/settings.h"

namespace {

using setup_layout::TemplateBuilder;

const DialogTemplate& AskFtpTemplate() {
    static const DialogTemplate t =
        TemplateBuilder(CAskftpDlg::kIdd, "Marovek", 250, 100)
            .Group("", {8, 6, 234, 64})
            .Radios(18, 16, 210,
                    {{1000, "Add your game to the server list"},
                     {1001, "Your friends know your IP address"}},
                    26)
            .Text(kIdStatic, "(anyone can connect)", {30, 27, 200, 9})
            .Text(kIdStatic, "(if you don't want to play with strangers online)", {30, 53, 205, 9})
            .OkCancel(78)
            .Build();
    return t;
}

const DialogTemplate& JoinFtpTemplate() {
    static const DialogTemplate t =
        TemplateBuilder(CJoinftpDlg::kIdd, "Marovek", 210, 80)
            .Group("", {8, 6, 194, 44})
            .Radios(18, 16, 170,
                    {{1000, "Browse the game list"}, {1001, "Type in the host's IP address"}}, 16)
            .OkCancel(58)
            .Build();
    return t;
}

const DialogTemplate& HostIpTemplate() {
    static const DialogTemplate t =
        TemplateBuilder(CHostipDlg::kIdd, "Marovek", 200, 100)
            .Text(kIdStatic, "Type your friend's IP ", {10, 8, 180, 9})
            .Text(kIdStatic, "Host's IP :", {10, 24, 50, 9})
            .Edit(CHostipDlg::kIdHost, {62, 22, 120, 13})
            .Text(kIdStatic, " ex:   92.275.8.193 ", {62, 38, 120, 9})
            .Button(CHostipDlg::kIdChatRoom, "Go to the Chat room", {10, 54, 90, 14})
            .OkCancel(78)
            .Build();
    return t;
}

const DialogTemplate& InfoIpListTemplate() {
    static const DialogTemplate t = [] {
        TemplateBuilder b(CInfoiplistDlg::kIdd, "Marovek", 470, 230, false);
        const char* lines[] = {
            "If your IP is listed on the list: it doesn't automatically mean that you can connect "
            "to it.",
            "Most often this has to do with routers, port forwarding or firewalls.",
            "The game provides an easy way of testing your game server before running everything "
            "via the internet: ",
            "Start Marovek, choose Multiplayer Game, Internet (Online) Game, Create and host a "
            "Game, World, name,",
            "your friends know your IP address, Go to listen mode.",
            "Start a second copy of Marovek on the same pc, choose Multiplayer Game, Internet "
            "(Online) Game, Join a Game, name,",
            "type in the host's IP address (enter your public/external IP).",
            "If it responds with \"Press F2 to begin with current players\" and \"Waiting for host "
            "to start game\" you are doing well.",
            "If it responds with an \"Can't find the host's game\" error then you'll have to dig "
            "deeper,",
            "go to the Settings -> Hosting Internet Games.. dialog again and try other settings.",
            "Some other hints:",
            "Try this again with the firewall(s) disabled (Windows Firewall and other firewall "
            "running).",
            "After you've configured portforwarding, you need to restart windows because it still "
            "uses the blocked connection.",
            "Versions 5.4 and 5.5 will be listed as version 5.3"};
        int y = 10;
        for (const char* line : lines) {
            b.Text(kIdStatic, line, {50, y, 412, 9});
            y += 14;
        }
        b.OkOnly(y + 6);
        return b.Build();
    }();
    return t;
}

DialogTemplate MakeIpListTemplate() {
    DialogTemplate t =
        TemplateBuilder(CIplistDlg::kIdd, "Games", 430, 200)
            .Group(
                "  IP                        Map        Version  Dice          Started at (UT)"
                "   Name",
                {6, 4, 418, 130})
            .Text(kIdStatic, "St = Strongholds", {10, 140, 90, 9})
            .Text(kIdStatic, "TE = Troop Experience", {10, 152, 100, 9})
            .Button(CIplistDlg::kIdRefresh, "Refresh", {200, 176, 50, 14}, ctl::kTabStop)
            .Button(CIplistDlg::kIdInfo, "Info...", {256, 176, 50, 14}, ctl::kTabStop)
            .Button(kIdOk, "Join", {318, 176, 50, 14}, ctl::kDefault | ctl::kTabStop)
            .Button(kIdCancel, "Cancel", {374, 176, 50, 14}, ctl::kTabStop)
            .Build();
    t.fontFace = "Courier New";
    t.controls.push_back({CIplistDlg::kIdList,
                          ControlKind::ListBox,
                          "",
                          {10, 14, 410, 116},
                          ctl::kVerticalScroll | ctl::kTabStop});
    t.controls.push_back(
        {CIplistDlg::kIdTime, ControlKind::Edit, "", {120, 144, 300, 13}, ctl::kReadOnly});
    return t;
}

const DialogTemplate& IpListTemplate() {
    static const DialogTemplate t = MakeIpListTemplate();
    return t;
}

const DialogTemplate& HostIp2Template() {
    static const DialogTemplate t =
        TemplateBuilder(CHostip2Dlg::kIdd, "Hosting Internet Games (behind a router)", 300, 250)
            .Text(kIdStatic, "How to host a game through a router:", {10, 8, 280, 9})
            .Text(kIdStatic, "Step 1. Enter your external IP address:", {10, 24, 160, 9})
            .Edit(CHostip2Dlg::kIdExternal, {176, 22, 110, 13})
            .Text(kIdStatic, "(this will be remembered for the", {20, 38, 200, 9})
            .Text(kIdStatic, "next time you run the program)", {20, 48, 200, 9})
            .Text(kIdStatic, "Your external IP is shown at myip.marovek.example:", {20, 62, 190, 9})
            .Button(CHostip2Dlg::kIdExternalIpSite, "myip.marovek.example", {210, 60, 80, 14},
                    ctl::kTabStop)
            .Text(kIdStatic, "Step 2. Configure port forwarding, see routers.marovek.example:",
                  {10, 82, 200, 9})
            .Button(CHostip2Dlg::kIdRouterGuide, "routers.marovek.example", {210, 80, 80, 14},
                    ctl::kTabStop)
            .Text(kIdStatic,
                  "Be sure to visit the default guide for your router (autoconfig is not ",
                  {20, 98, 270, 9})
            .Text(kIdStatic, "available for Marovek)", {20, 108, 270, 9})
            .Text(kIdStatic, "The Marovek port is 5466", {20, 122, 200, 9})
            .Text(kIdStatic, "Your internal IP : ", {20, 138, 80, 9})
            .Edit(CHostip2Dlg::kIdInternal, {104, 136, 110, 13})
            .Text(kIdStatic, "Step 3. Enter a name for your game:", {10, 160, 160, 9})
            .Edit(CHostip2Dlg::kIdGameName, {176, 158, 110, 13})
            .OkCancel(226)
            .Build();
    return t;
}

DialogTemplate MakeDirectIpTemplate() {
    DialogTemplate t =
        TemplateBuilder(CDirectipinfoDlg::kIdd, "Internet Game", 260, 190)
            .Group("Playing against friends", {8, 6, 244, 50})
            .Text(kIdStatic, "Email the IP to your friends so that they are able to connect.",
                  {16, 18, 230, 9})
            .Button(CDirectipinfoDlg::kIdEmail, "Email your IP", {16, 34, 80, 14}, ctl::kTabStop)
            .Button(CDirectipinfoDlg::kIdChatRoom, "Go to the Chat Room", {104, 34, 90, 14},
                    ctl::kHidden)
            .Group("IP address", {8, 62, 244, 96})
            .Text(kIdStatic, "Your IP: ", {16, 76, 40, 9})
            .Edit(CDirectipinfoDlg::kIdAddress, {60, 74, 120, 13})
            .Text(kIdStatic, "This should be the IP address of your ISP.", {16, 92, 230, 9})
            .Text(kIdStatic, "Local IP's like 192.168.x.x  , 10.x.x.x or 172.16-32.x.x ",
                  {16, 104, 230, 9})
            .Text(kIdStatic, "are unreachable and can't be used here.", {16, 116, 230, 9})
            .Button(CDirectipinfoDlg::kIdAdvanced, "Advanced...", {16, 134, 70, 14}, ctl::kTabStop)
            .Button(kIdCancel, "Go to listen mode", {90, 166, 80, 14},
                    ctl::kDefault | ctl::kTabStop)
            .Build();
    for (ControlTemplate& control : t.controls)
        if (control.id == CDirectipinfoDlg::kIdAddress) control.style |= ctl::kReadOnly;
    return t;
}

const DialogTemplate& DirectIpTemplate() {
    static const DialogTemplate t = MakeDirectIpTemplate();
    return t;
}

// The pair the router dialog opened with: nothing typed when both are unchanged.
bool IsUnchanged(const CHostip2Dlg& dialog) {
    return dialog.external == new_game::SettingsText(kExternalAddressOffset) &&
           dialog.gameName == g_settingsString236;
}

}  // namespace

CAskftpDlg::CAskftpDlg() : CChoiceDlg(AskFtpTemplate()) {}

CJoinftpDlg::CJoinftpDlg() : CChoiceDlg(JoinFtpTemplate()) {}

CHostipDlg::CHostipDlg(platform::Platform& platform)
    : CDialog(HostIpTemplate()), chatRooms(platform), dialogs_(platform.dialogs) {}

bool CHostipDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ApplyDialogTransparency(*this);
    return true;
}

bool CHostipDlg::DoDataExchange(bool save) {
    if (save)
        host = GetText(kIdHost);
    else
        SetText(kIdHost, host);
    return true;
}

void CHostipDlg::OnCommand(int controlId, Notification code) {
    if (controlId == kIdChatRoom && code == Notification::Clicked) dialogs_.RunModal(chatRooms);
}

CInfoiplistDlg::CInfoiplistDlg() : CInfoDlg(InfoIpListTemplate(), {15, 15}) {}

CIplistDlg::CIplistDlg(CChildView& view) : CDialog(IpListTemplate()), view_(view) {}

bool CIplistDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const std::string now = game_list::UtcTimeText(view_.Platform().clock.Now());
    if (now.empty()) {
        view_.Platform().window.MessageBox("Invalid Argument to _gmtime64_s.", "Marovek",
                                           platform::MessageButtons::Ok,
                                           platform::MessageIcon::None);
    }
    timeLine = "Universal Time (UT) is " + now;
    ResetContent(kIdList);
    // Only the columns; the lines were cleaned when they were read.
    for (const std::string& line : g_gameListLines)
        AddItem(kIdList, line.substr(0, game_list::kShownColumns));
    SetSelection(kIdList, 0);
    SetText(kIdTime, timeLine);
    ApplyDialogTransparency(*this);
    return true;
}

bool CIplistDlg::DoDataExchange(bool save) {
    if (save) {
        const int index = GetSelection(kIdList);
        selected = index >= 0 ? ItemText(kIdList, index) : std::string();
    } else {
        SetText(kIdTime, timeLine);
    }
    return true;
}

void CIplistDlg::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) {
        // A double click on a line joins it, as Join does.
        if (controlId == kIdList && code == Notification::DoubleClick) OnOK();
        return;
    }
    if (controlId == kIdRefresh) OnRefresh();
    if (controlId == kIdInfo) OnInfo();
}

void CIplistDlg::OnRefresh() {
    ResetContent(kIdList);
    std::string status;
    view_.FetchInternetGameList(status);
    OnInitDialog();
}

void CIplistDlg::OnInfo() {
    view_.Platform().dialogs.RunModal(info);
}

CHostip2Dlg::CHostip2Dlg(platform::Shell& shell) : CDialog(HostIp2Template()), shell_(shell) {}

bool CHostip2Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTextLimit(kIdGameName, kGameNameLimit);
    ApplyDialogTransparency(*this);
    return true;
}

bool CHostip2Dlg::DoDataExchange(bool save) {
    if (save) {
        external = GetText(kIdExternal);
        internal = GetText(kIdInternal);
        gameName = GetText(kIdGameName).substr(0, kGameNameLimit);
    } else {
        SetText(kIdExternal, external);
        SetText(kIdInternal, internal);
        SetText(kIdGameName, gameName);
    }
    return true;
}

void CHostip2Dlg::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) return;
    if (controlId == kIdExternalIpSite) OnExternalIpWebsite();
    if (controlId == kIdRouterGuide) OnRouterGuideWebsite();
}

void CHostip2Dlg::OnExternalIpWebsite() {
    shell_.OpenUrl(kExternalIpSite);
}

void CHostip2Dlg::OnRouterGuideWebsite() {
    shell_.OpenUrl(kRouterGuideSite);
}

CDirectipinfoDlg::CDirectipinfoDlg(CChildView& view)
    : CDialog(DirectIpTemplate()),
      mail(view.Platform().shell),
      hostip2(view.Platform().shell),
      view_(view) {}

bool CDirectipinfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    address = g_hostIpText;
    Show(kIdChatRoom, false);
    SetText(kIdAddress, address);
    SetOpacity(g_transparencyPercent);
    return true;
}

bool CDirectipinfoDlg::DoDataExchange(bool save) {
    if (save)
        address = GetText(kIdAddress);
    else
        SetText(kIdAddress, address);
    return true;
}

void CDirectipinfoDlg::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) return;
    if (controlId == kIdEmail) OnEmailIP();
    if (controlId == kIdAdvanced) OnAdvanced();
}

void CDirectipinfoDlg::OnEmailIP() {
    mail.subject = "Marovek Game ready at IP   " + g_hostIpText;
    mail.body = "Load Marovek, go to Multiplayer/Internet Game/Join and type this IP number.";
    mail.recipient = " ";
    mail.sendTo = " ";
    if (view_.Platform().dialogs.RunModal(mail) == kIdOk) g_emailIpRequest = true;
}

void CDirectipinfoDlg::OnAdvanced() {
    hostip2.external = new_game::SettingsText(kExternalAddressOffset);
    hostip2.gameName = new_game::SettingsText(kGameListNameOffset);
    if (view_.Platform().dialogs.RunModal(hostip2) != kIdOk || IsUnchanged(hostip2)) return;
    if (!CheckHostAddress(view_, hostip2.external)) return;
    // The previous address stays until a new one is accepted.
    g_hostIpText = hostip2.external;
    address = hostip2.external;
    SetText(kIdAddress, address);
    g_settingsString216 = hostip2.external;
    g_settingsString236 = hostip2.gameName;
    g_advancedIpRequest = true;
}

InternetWindows::InternetWindows(CChildView& view)
    : hostIp(view.Platform()), gameList(view), hostip2(view.Platform().shell), directIp(view) {}

bool CheckHostAddress(CChildView& view, const std::string& address) {
    if (host_address::IsAcceptable(address)) return true;
    view.Platform().window.MessageBox("Invalid IP", "Marovek", platform::MessageButtons::Ok,
                                      platform::MessageIcon::None);
    return false;
}
