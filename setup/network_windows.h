// The network windows: the LAN host dialog, the Internet host's address, the in-game chat window
// and the joined players' window, held by the view for its lifetime.
#pragma once

#include <array>
#include <string>

#include "net/chat_rooms.h"
#include "platform/dialog.h"

namespace platform {
class DialogHost;
struct Platform;
}  // namespace platform

// The host's computer name or address of a LAN game; empty searches the LAN.
class CHostnaamDlg : public CDialog {
  public:
    static constexpr int kIdd = 209;
    static constexpr int kIdHost = 1007;
    CHostnaamDlg();
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    std::string host;
};

// The host's address of an Internet game, typed by the joining player, who may meet the others in
// the chat rooms first.
class CHostipDlg : public CDialog {
  public:
    static constexpr int kIdd = 244;
    static constexpr int kIdHost = 1006;
    static constexpr int kIdChatRooms = 1013;
    explicit CHostipDlg(platform::Platform& platform);
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    std::string host;
    CChatDlg chatRooms;

  private:
    platform::DialogHost& dialogs_;
};

// The chat window: "Send" hands the typed line to the clock; the window never closes.
class CChatterDlg : public CDialog {
  public:
    static constexpr int kIdd = 256;
    static constexpr int kIdLine = 1006;
    static constexpr int kIdSent = 1010;
    static constexpr int kIdLines = 1040;
    CChatterDlg();
    bool DoDataExchange(bool save) override;
    void OnOK() override;
    void OnCancel() override;
    std::string line;
};

// The names of the players who joined this host (seats 2 to 5).
class CUsersjoinedDlg : public CDialog {
  public:
    static constexpr int kIdd = 248;
    static constexpr std::array<int, 4> kIdNames{1006, 1007, 1012, 1035};
    CUsersjoinedDlg();
    bool DoDataExchange(bool save) override;
    std::array<std::string, 4> names;
};

struct NetworkWindows {
    explicit NetworkWindows(platform::Platform& platform) : hostIp(platform) {}
    CHostnaamDlg hostName;
    CHostipDlg hostIp;
    CChatterDlg chat;
    CUsersjoinedDlg usersJoined;
};
