// The "Attacking" help window that explains the two attack rules.
#pragma once

#include "platform/dialog.h"

const DialogTemplate& AttackHelpTemplate();

// Shown by the game set-up's first "Info..." button; it has no behaviour of its own.
class CAttackhelpDlg : public CDialog {
  public:
    static constexpr int kIdd = 210;
    CAttackhelpDlg();
};
