// The About box: its template, data exchange, opacity, pictures and the home-page button.
#include "shell/about_dlg.h"

#include <cstdint>

#include "core/model/options.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/raster/blit.h"
#include "platform/raster/bmp.h"
#include "platform/resources.h"
#include "platform/shell.h"

namespace {

constexpr int kIconId = 128;
constexpr int kSeparatorId = 261;
constexpr int kIconSize = 64;
constexpr int kSeparatorWidth = 264;
constexpr int kSeparatorHeight = 2;
// Generated pictures are small; anything near this size is not one of ours.
constexpr std::size_t kMaxPictureBytes = 4u << 20;

// Where the pictures go with the normal and with the large dialog font, in pixels.
constexpr raster::Point kIconAt{125, 20};
constexpr raster::Point kIconAtLarge{145, 40};
constexpr raster::Point kSeparatorAt{33, 250};
constexpr raster::Point kSeparatorAtLarge{53, 305};

DialogTemplate MakeAboutTemplate() {
    using K = ControlKind;
    DialogTemplate t;
    t.id = CAboutDlg::kIddAbout;
    t.caption = "About Marovek";
    t.width = 220;
    t.height = 196;
    t.controls = {
        {CAboutDlg::kIdVersion, K::Static, "", {10, 62, 200, 10}, ctl::kCenter},
        {CAboutDlg::kIdYear, K::Static, "", {10, 74, 200, 10}, ctl::kCenter},
        {CAboutDlg::kIdNotice, K::Static, "", {10, 88, 200, 20}, ctl::kCenter},
        {CAboutDlg::kIdText1035, K::Static, "", {10, 110, 200, 10}, ctl::kCenter},
        {CAboutDlg::kIdText1053, K::Static, "", {10, 122, 200, 10}, ctl::kCenter},
        {CAboutDlg::kIdWebsite, K::Button, "Marovek Website", {60, 134, 100, 14}, ctl::kTabStop},
        {kIdOk, K::Button, "OK", {85, 172, 50, 14}, ctl::kDefault | ctl::kTabStop | ctl::kGroup},
    };
    return t;
}

}  // namespace

const DialogTemplate& AboutTemplate() {
    static const DialogTemplate t = MakeAboutTemplate();
    return t;
}

CAboutDlg::CAboutDlg(platform::Shell& shell, const platform::Files& files, bool largeFonts)
    : CDialog(AboutTemplate()), shell_(shell), files_(files), largeFonts_(largeFonts) {}

bool CAboutDlg::DoDataExchange(bool save) {
    struct Binding {
        int id;
        std::string* text;
    };
    const Binding bindings[] = {{kIdNotice, &notice},
                                {kIdVersion, &version},
                                {kIdYear, &year},
                                {kIdText1035, &text1035},
                                {kIdText1053, &text1053}};
    for (const Binding& b : bindings) {
        if (save) {
            *b.text = GetText(b.id);
        } else {
            SetText(b.id, *b.text);
        }
    }
    return true;
}

std::optional<raster::Surface> CAboutDlg::LoadPicture(const std::string& path) const {
    const auto bytes = files_.Read(path, kMaxPictureBytes);
    if (!bytes) return std::nullopt;
    return raster::ReadBmp(*bytes, nullptr);
}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetOpacity(g_transparencyPercent);
    icon_.reset();
    separator_.reset();
    if (const auto folder = files_.ProgramFolder()) {
        icon_ = LoadPicture(platform::IconPath(*folder, kIconId));
        separator_ = LoadPicture(platform::BitmapPath(*folder, kSeparatorId));
    }
    return true;
}

void CAboutDlg::OnPaint(raster::Surface& surface) {
    // A picture that could not be loaded is simply not drawn.
    if (icon_) {
        const raster::Point at = largeFonts_ ? kIconAtLarge : kIconAt;
        raster::StretchBlit(surface, {at.x, at.y, at.x + kIconSize, at.y + kIconSize}, *icon_,
                            {0, 0, icon_->Width(), icon_->Height()});
    }
    if (separator_) {
        const raster::Point at = largeFonts_ ? kSeparatorAtLarge : kSeparatorAt;
        raster::Blit(surface, at.x, at.y, *separator_, {0, 0, kSeparatorWidth, kSeparatorHeight});
    }
}

void CAboutDlg::OnCommand(int controlId, Notification code) {
    if (controlId == kIdWebsite && code == Notification::Clicked) OnWebsite();
}

void CAboutDlg::OnWebsite() {
    shell_.OpenUrl(std::string(kWebsiteHost) + kHomePagePath);
}

void RunAboutBox(platform::DialogHost& host, platform::Shell& shell, const platform::Files& files,
                 bool largeFonts) {
    CAboutDlg about(shell, files, largeFonts);
    about.version = "Version 5.5";
    about.year = "2009";
    about.notice = "Copyright (C) 2009 the Marovek developers.";
    host.RunModal(about);
}
