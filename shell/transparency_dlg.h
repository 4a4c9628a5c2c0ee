// The "Dialog Transparency" dialog: the dialogs' opacity from 20 to 100 percent, shown on the
// dialog itself as the slider moves.
#pragma once

#include <string>

#include "platform/dialog.h"

const DialogTemplate& TransparencyTemplate();

class CTransparencyDlg : public CDialog {
  public:
    static constexpr int kIdd = 364;
    static constexpr int kIdSlider = 1092;
    static constexpr int kIdPercent = 1006;
    static constexpr int kIdRestore = 1013;

    CTransparencyDlg();

    // Exchanged with the slider and the percent text.
    int position = 0;
    std::string percentText;

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    // Any movement of the slider: the process-wide percent follows it at once.
    void OnHScroll();
    void OnRestore();

  private:
    void Show(int percent);
};
