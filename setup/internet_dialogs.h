// The internet game's dialogs: the host's and the joining player's choices, the Games window
// and its information, the typed host address, the router dialog and the "Internet Game" window.
#pragma once

#include <memory>
#include <string>

#include "core/commands/mail_dlg.h"
#include "net/chat_rooms.h"
#include "platform/dialog.h"
#include "setup/setup_dialogs.h"
#include "setup/setup_dialogs_info.h"

class CChildView;
namespace platform {
class DialogHost;
class Shell;
struct Platform;
}  // namespace platform

// The outside web pages of the router dialog's two buttons.
inline constexpr char kExternalIpSite[] = "https://myip.marovek.example";
inline constexpr char kRouterGuideSite[] = "https://routers.marovek.example/routers.htm";

// The host: announce the game in the list (0) or play with friends who know the address (1).
class CAskftpDlg : public CChoiceDlg {
  public:
    static constexpr int kIdd = 354;
    CAskftpDlg();
};

// The joining player: browse the list (0) or type the host's address (1).
class CJoinftpDlg : public CChoiceDlg {
  public:
    static constexpr int kIdd = 355;
    CJoinftpDlg();
};

// The host's address typed by a joining player, who may meet the others in the chat rooms first.
class CHostipDlg : public CDialog {
  public:
    static constexpr int kIdd = 244;
    static constexpr int kIdHost = 1006;
    static constexpr int kIdChatRoom = 1013;
    explicit CHostipDlg(platform::Platform& platform);
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    std::string host;
    CChatDlg chatRooms;

  private:
    platform::DialogHost& dialogs_;
};

// Why a listed game may still be out of reach, and how to test hosting.
class CInfoiplistDlg : public CInfoDlg {
  public:
    static constexpr int kIdd = 363;
    CInfoiplistDlg();
};

// "Games": the fetched list in fixed columns, the current Universal Time, Refresh, Info and Join.
class CIplistDlg : public CDialog {
  public:
    static constexpr int kIdd = 353;
    static constexpr int kIdList = 1010;
    static constexpr int kIdTime = 1006;
    static constexpr int kIdRefresh = 1013;
    static constexpr int kIdInfo = 1014;
    explicit CIplistDlg(CChildView& view);
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    void OnRefresh();
    void OnInfo();

    std::string selected;
    std::string timeLine;
    CInfoiplistDlg info;

  private:
    CChildView& view_;
};

// "Hosting Internet Games (behind a router)": the external address, the internal one and the
// game's name in the list.
class CHostip2Dlg : public CDialog {
  public:
    static constexpr int kIdd = 262;
    static constexpr int kIdExternal = 1007;
    static constexpr int kIdInternal = 1006;
    static constexpr int kIdGameName = 1012;
    static constexpr int kIdExternalIpSite = 1013;
    static constexpr int kIdRouterGuide = 1014;
    static constexpr int kGameNameLimit = 18;
    explicit CHostip2Dlg(platform::Shell& shell);
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    void OnExternalIpWebsite();
    void OnRouterGuideWebsite();

    std::string external;
    std::string internal;
    std::string gameName;

  private:
    platform::Shell& shell_;
};

// "Internet Game": this host's address, a prepared e-mail with it and "Advanced..." to change it;
// "Go to listen mode" hides it.
class CDirectipinfoDlg : public CDialog {
  public:
    static constexpr int kIdd = 245;
    static constexpr int kIdAddress = 1006;
    static constexpr int kIdChatRoom = 1013;
    static constexpr int kIdEmail = 1014;
    static constexpr int kIdAdvanced = 1015;
    explicit CDirectipinfoDlg(CChildView& view);
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    void OnEmailIP();
    void OnAdvanced();

    std::string address;
    CPrepmailDlg mail;
    CHostip2Dlg hostip2;

  private:
    CChildView& view_;
};

// The internet dialogs the view holds for its lifetime.
struct InternetWindows {
    explicit InternetWindows(CChildView& view);
    CAskftpDlg askFtp;
    CJoinftpDlg joinFtp;
    CHostipDlg hostIp;
    CIplistDlg gameList;
    CHostip2Dlg hostip2;
    CDirectipinfoDlg directIp;
};

// The check every host address passes before it is kept or tried: "Invalid IP" when refused.
bool CheckHostAddress(CChildView& view, const std::string& address);
