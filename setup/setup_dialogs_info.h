// The information dialogs of the set-up (fixed texts and a painted icon), the mission window and
// the high-score rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/dialog.h"
#include "platform/raster/surface.h"

namespace platform {
class Files;
class Shell;
}  // namespace platform

// A dialog of fixed lines, an OK button and the information icon at `iconAt`.
class CInfoDlg : public CDialog {
  public:
    CInfoDlg(const DialogTemplate& dialogTemplate, raster::Point iconAt)
        : CDialog(dialogTemplate), iconAt_(iconAt) {}
    void OnPaint(raster::Surface& surface) override;

  private:
    raster::Point iconAt_;
};

class CStronginfoDlg : public CInfoDlg {
  public:
    static constexpr int kIdd = 342;
    CStronginfoDlg();
};
class CTEInfoDlg : public CInfoDlg {
  public:
    static constexpr int kIdd = 352;
    CTEInfoDlg();
};
class CMissioninfoDlg : public CInfoDlg {
  public:
    static constexpr int kIdd = 374;
    CMissioninfoDlg();
};
class CPersinfoDlg : public CInfoDlg {
  public:
    static constexpr int kIdd = 255;
    CPersinfoDlg();
};
class CQuickDlg : public CInfoDlg {
  public:
    static constexpr int kIdd = 356;
    CQuickDlg();
};

// "Creating Maps", shown by the map and campaign loaders; its box hides it from then on.
class CCreamapDlg : public CInfoDlg {
  public:
    static constexpr int kIdd = 220;
    static constexpr int kIdDontShow = 1004;
    CCreamapDlg();
    bool DoDataExchange(bool save) override;
    std::int32_t dontShowAgain = 0;
};

// "Mission": the mission's text beside the icon of its kind (g_missionTextKind 0 or 1).
class CMissionDlg : public CDialog {
  public:
    static constexpr int kIdd = 368;
    static constexpr int kIdText = 1006;
    explicit CMissionDlg(const platform::Files& files);
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnPaint(raster::Surface& surface) override;
    std::string text;

  private:
    const platform::Files& files_;
    std::optional<raster::Surface> icon_;
};

// "Submit High Scores": the rules of a high-score game and the list's web page.
class CWorld100Dlg : public CInfoDlg {
  public:
    static constexpr int kIdd = 243;
    static constexpr int kIdWebsite = 1013;
    explicit CWorld100Dlg(platform::Shell& shell);
    void OnCommand(int controlId, Notification code) override;

  private:
    platform::Shell& shell_;
};
