// The About box: template 100, its texts, its pictures and the web-site button.
#pragma once

#include <optional>
#include <string>

#include "core/commands/web_pages.h"
#include "platform/dialog.h"
#include "platform/raster/surface.h"

namespace platform {
class DialogHost;
class Files;
class Shell;
}  // namespace platform

const DialogTemplate& AboutTemplate();

class CAboutDlg : public CDialog {
  public:
    static constexpr int kIddAbout = 100;
    static constexpr int kIdWebsite = 1013;
    static constexpr int kIdNotice = 1006;
    static constexpr int kIdVersion = 1007;
    static constexpr int kIdYear = 1012;
    static constexpr int kIdText1035 = 1035;
    static constexpr int kIdText1053 = 1053;

    // The pictures come from the program folder that `files` names; largeFonts moves them to
    // where the larger dialog font puts the texts.
    CAboutDlg(platform::Shell& shell, const platform::Files& files, bool largeFonts);

    // Exchanged with the static texts of the same names.
    std::string notice;
    std::string version;
    std::string year;
    std::string text1035;
    std::string text1053;

    bool OnInitDialog() override;
    void OnPaint(raster::Surface& surface) override;
    void OnCommand(int controlId, Notification code) override;
    bool DoDataExchange(bool save) override;
    void OnWebsite();

  private:
    std::optional<raster::Surface> LoadPicture(const std::string& path) const;

    platform::Shell& shell_;
    const platform::Files& files_;
    bool largeFonts_;
    std::optional<raster::Surface> icon_;
    std::optional<raster::Surface> separator_;
};

// The About command (kAbout of shell/menu.h): runs the About box modally with the program's
// texts; its result is not used.
void RunAboutBox(platform::DialogHost& host, platform::Shell& shell, const platform::Files& files,
                 bool largeFonts);
