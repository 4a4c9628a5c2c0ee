// The transparency dialog: its template, the slider that sets the dialogs' opacity at once, and
// Restore.
#include "shell/transparency_dlg.h"

#include <algorithm>

#include "core/model/options.h"

namespace {

DialogTemplate MakeTransparencyTemplate() {
    using K = ControlKind;
    DialogTemplate t;
    t.id = CTransparencyDlg::kIdd;
    t.caption = "Dialog Transparency";
    t.width = 210;
    t.height = 64;
    t.controls = {
        {CTransparencyDlg::kIdSlider, K::Slider, "", {10, 12, 160, 18}, ctl::kTabStop},
        {CTransparencyDlg::kIdPercent, K::Static, "", {176, 17, 24, 8}},
        {CTransparencyDlg::kIdRestore, K::Button, "Restore", {10, 42, 50, 14}, ctl::kTabStop},
        {kIdOk, K::Button, "OK", {96, 42, 50, 14}, ctl::kDefault | ctl::kTabStop | ctl::kGroup},
        {kIdCancel, K::Button, "Cancel", {152, 42, 50, 14}, ctl::kTabStop},
    };
    return t;
}

// A percent read from anywhere is kept to what a dialog can show.
int Clamped(int percent) {
    return std::clamp(percent, kMinTransparencyPercent, kMaxTransparencyPercent);
}

}  // namespace

const DialogTemplate& TransparencyTemplate() {
    static const DialogTemplate t = MakeTransparencyTemplate();
    return t;
}

CTransparencyDlg::CTransparencyDlg() : CDialog(TransparencyTemplate()) {}

bool CTransparencyDlg::DoDataExchange(bool save) {
    if (save) {
        position = GetPosition(kIdSlider);
        percentText = GetText(kIdPercent);
    } else {
        SetPosition(kIdSlider, position);
        SetText(kIdPercent, percentText);
    }
    return true;
}

void CTransparencyDlg::Show(int percent) {
    g_transparencyPercent = percent;
    position = percent;
    percentText = std::to_string(percent);
    UpdateData(false);
    SetOpacity(percent);
}

bool CTransparencyDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetRange(kIdSlider, kMinTransparencyPercent, kMaxTransparencyPercent);
    Show(Clamped(g_transparencyPercent));
    return true;
}

void CTransparencyDlg::OnCommand(int controlId, Notification code) {
    if (controlId == kIdSlider && code == Notification::Scroll) return OnHScroll();
    if (controlId == kIdRestore && code == Notification::Clicked) return OnRestore();
}

void CTransparencyDlg::OnHScroll() {
    Show(Clamped(GetPosition(kIdSlider)));
}

void CTransparencyDlg::OnRestore() {
    Show(kDefaultTransparencyPercent);
}
