// The high-score window of a high-score game's end, and the map or campaign title it shows.
#pragma once

#include <string>

#include "core/commands/mail_dlg.h"
#include "platform/dialog.h"

namespace platform {
class DialogHost;
class Shell;
}  // namespace platform

class CFameDlg : public CDialog {
  public:
    static constexpr int kIdd = 240;
    static constexpr int kIdCode = 1006;
    static constexpr int kIdLosses = 1007;
    static constexpr int kIdTitle = 1012;
    static constexpr int kIdMailCode = 1014;

    CFameDlg(platform::DialogHost& host, platform::Shell& shell);

    std::string code;
    std::string losses;
    std::string title;

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification notification) override;
    // Composes the mail of the code, map and losses the window was opened with, and shows it.
    void OnMailCode();

    CPrepmailDlg mail;

  private:
    platform::DialogHost& host_;
};

inline constexpr char kHighScoreMailSubject[] = "Marovek High Score";

const DialogTemplate& FameTemplate();

namespace board_input {
// The 14-character title of the game being played, as the scores know it.
std::string HighScoreTitle();
}  // namespace board_input
