// The high-score window of a high-score game's end, and the map or campaign title it shows.
#pragma once

#include <string>

#include "platform/dialog.h"

class CFameDlg : public CDialog {
  public:
    static constexpr int kIdd = 240;
    static constexpr int kIdCode = 1006;
    static constexpr int kIdLosses = 1007;
    static constexpr int kIdTitle = 1012;
    static constexpr int kIdMailCode = 1014;

    CFameDlg();

    std::string code;
    std::string losses;
    std::string title;

    bool DoDataExchange(bool save) override;
};

const DialogTemplate& FameTemplate();

namespace board_input {
// The 14-character title of the game being played, as the scores know it.
std::string HighScoreTitle();
}  // namespace board_input
