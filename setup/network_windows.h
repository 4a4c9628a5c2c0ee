// The network windows: the LAN host dialog, the in-game chat window and the joined players'
// window, held by the view for its lifetime.
#pragma once

#include <array>
#include <string>

#include "platform/dialog.h"

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
    CHostnaamDlg hostName;
    CChatterDlg chat;
    CUsersjoinedDlg usersJoined;
};
