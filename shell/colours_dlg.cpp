// The colours dialog: its template, the swatches it paints, the colour picker and its rules.
#include "shell/colours_dlg.h"

#include <algorithm>

#include "core/model/options.h"
#include "platform/dialog_host.h"
#include "platform/raster/fill.h"
#include "platform/window_services.h"

namespace {

constexpr char kCaption[] = "Change Colors";
// The players as the list names them: four characters each, right-aligned.
constexpr const char* kPlayerEntries[10] = {"   I", "  II", " III", "  IV", "   V",
                                            "  VI", " VII", "VIII", "  IX", "   X"};
constexpr std::size_t kEntryWidth = 4;

// Where the swatches stand, in dialog units, so that they line up with the controls whatever
// the dialog font: the chosen player's two colours, the row of every player's colour over its
// attack colour, and the oceans.
constexpr DialogRect kChosenColour{100, 21, 14, 12};
constexpr DialogRect kChosenAttackColour{100, 42, 14, 12};
constexpr int kRowLeft = 16;
constexpr int kRowStep = 19;
constexpr DialogRect kRowColour{0, 92, 13, 12};
constexpr DialogRect kRowAttackColour{0, 108, 13, 12};
constexpr DialogRect kOceansColour{16, 153, 14, 12};

DialogTemplate MakeColoursTemplate() {
    using K = ControlKind;
    using D = CSpkleurenDlg;
    DialogTemplate t;
    t.id = D::kIdd;
    t.caption = kCaption;
    t.width = 215;
    t.height = 222;
    t.controls = {
        {kIdStatic, K::GroupBox, "Player colors (Solid Fill territories only)", {7, 7, 201, 126}},
        {D::kIdPlayer, K::ListBox, "", {14, 19, 34, 66}, ctl::kTabStop | ctl::kVerticalScroll},
        {kIdStatic, K::Static, "Color", {56, 23, 42, 8}},
        {D::kIdChangePlayerColour, K::Button, "Change", {120, 20, 40, 14}, ctl::kTabStop},
        {kIdStatic, K::Static, "Attack Color", {56, 44, 42, 8}},
        {D::kIdChangeAttackColour, K::Button, "Change", {120, 41, 40, 14}, ctl::kTabStop},
        {kIdStatic, K::GroupBox, "Background color, Oceans", {7, 138, 98, 34}},
        {D::kIdChangeOceansColour, K::Button, "Change", {40, 152, 40, 14}, ctl::kTabStop},
        {kIdStatic, K::GroupBox, "Territories", {110, 138, 98, 34}},
        {D::kIdGradedFill,
         K::RadioButton,
         "Graded Fill  *",
         {118, 149, 80, 10},
         ctl::kGroup | ctl::kTabStop},
        {D::kIdSolidFill, K::RadioButton, "Solid Fill", {118, 160, 80, 10}},
        {kIdStatic, K::Static, "* Many custom maps were not designed for this", {7, 177, 201, 8}},
        {kIdStatic, K::Static, "and default to Solid Fill.", {7, 186, 201, 8}},
        {D::kIdRestoreDefaults, K::Button, "Restore defaults", {7, 202, 70, 14}, ctl::kTabStop},
        {kIdOk, K::Button, "OK", {104, 202, 50, 14}, ctl::kDefault | ctl::kTabStop | ctl::kGroup},
        {kIdCancel, K::Button, "Cancel", {158, 202, 50, 14}, ctl::kTabStop},
    };
    return t;
}

// A swatch's rectangle in the pixels of a dialog painted `surface` large.
raster::Rect InPixels(const DialogTemplate& t, const raster::Surface& surface,
                      const DialogRect& r) {
    const auto x = [&](int units) { return units * surface.Width() / t.width; };
    const auto y = [&](int units) { return units * surface.Height() / t.height; };
    return {x(r.x), y(r.y), x(r.x + r.width), y(r.y + r.height)};
}

}  // namespace

const DialogTemplate& ColoursTemplate() {
    static const DialogTemplate t = MakeColoursTemplate();
    return t;
}

CSpkleurenDlg::CSpkleurenDlg(platform::DialogHost& host, platform::WindowServices& window)
    : CDialog(ColoursTemplate()), host_(host), window_(window) {}

bool CSpkleurenDlg::DoDataExchange(bool save) {
    if (save) {
        fillChoice = std::max(GetRadioIndex(kIdGradedFill), 0);
        selectedPlayer = ItemText(kIdPlayer, GetSelection(kIdPlayer));
    } else {
        SetRadioIndex(kIdGradedFill, fillChoice);
        SelectItemByPrefix(kIdPlayer, selectedPlayer);
    }
    return true;
}

bool CSpkleurenDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    backup_ = working_ = g_playerColours;
    oceansBackup_ = oceansWorking_ = g_oceansColour;
    ResetContent(kIdPlayer);
    for (const char* entry : kPlayerEntries) AddItem(kIdPlayer, entry);
    SetSelection(kIdPlayer, 0);
    player_ = 1;
    UpdateData(true);
    UpdateData(false);
    return true;
}

void CSpkleurenDlg::OnCommand(int controlId, Notification code) {
    if (controlId == kIdPlayer && code == Notification::SelectionChange) return OnSelchangePlayer();
    if (code != Notification::Clicked) return;
    switch (controlId) {
        case kIdChangePlayerColour:
            return OnChangePlayerColor();
        case kIdChangeAttackColour:
            return OnChangeAttackColor();
        case kIdChangeOceansColour:
            return OnChangeBackgroundColor();
        case kIdRestoreDefaults:
            return OnRestoreDefaults();
        default:
            return;
    }
}

void CSpkleurenDlg::OnSelchangePlayer() {
    UpdateData(true);
    const std::string chosen = selectedPlayer.substr(0, kEntryWidth);
    for (int p = 1; p <= 10; ++p) {
        if (chosen == kPlayerEntries[p - 1]) player_ = p;
    }
    Invalidate();
}

void CSpkleurenDlg::ChangeSlot(std::size_t slot) {
    const std::optional<raster::Colour> chosen = host_.ChooseColour(working_[slot]);
    if (!chosen) return;
    const render::ColourCheck check = render::CheckPlayerColour(working_, slot, *chosen);
    if (check.verdict == render::ColourVerdict::kRefused) {
        window_.MessageBox(check.reason, kCaption, platform::MessageButtons::Ok,
                           platform::MessageIcon::Exclamation);
        return;
    }
    if (check.verdict == render::ColourVerdict::kNudged) {
        window_.MessageBox(check.reason, kCaption, platform::MessageButtons::Ok,
                           platform::MessageIcon::Information);
    }
    working_[slot] = check.colour;
    Invalidate();
}

void CSpkleurenDlg::OnChangePlayerColor() {
    ChangeSlot(PlayerColourSlot(player_));
}

void CSpkleurenDlg::OnChangeAttackColor() {
    ChangeSlot(PlayerHighlightSlot(player_));
}

void CSpkleurenDlg::OnChangeBackgroundColor() {
    if (const std::optional<raster::Colour> chosen = host_.ChooseColour(oceansWorking_)) {
        oceansWorking_ = *chosen & 0x00FFFFFFu;
        Invalidate();
    }
}

// The defaults go in at once; Cancel still brings back the colours the dialog opened with.
void CSpkleurenDlg::OnRestoreDefaults() {
    std::copy(kDefaultPlayerColours.begin(), kDefaultPlayerColours.end(),
              g_playerColours.begin() + 1);
    g_oceansColour = kDefaultOceansColour;
    working_ = g_playerColours;
    oceansWorking_ = g_oceansColour;
    Invalidate();
}

void CSpkleurenDlg::OnOK() {
    g_playerColours = working_;
    g_oceansColour = oceansWorking_;
    CDialog::OnOK();
}

void CSpkleurenDlg::OnCancel() {
    g_playerColours = backup_;
    g_oceansColour = oceansBackup_;
    CDialog::OnCancel();
}

void CSpkleurenDlg::OnPaint(raster::Surface& surface) {
    const DialogTemplate& t = Template();
    const auto swatch = [&](const DialogRect& at, raster::Colour colour) {
        raster::FillRect(surface, InPixels(t, surface, at), colour);
    };
    swatch(kChosenColour, working_[PlayerColourSlot(player_)]);
    swatch(kChosenAttackColour, working_[PlayerHighlightSlot(player_)]);
    for (int p = 1; p <= 10; ++p) {
        const int x = kRowLeft + kRowStep * (p - 1);
        DialogRect colour = kRowColour;
        DialogRect attack = kRowAttackColour;
        colour.x = attack.x = x;
        swatch(colour, working_[PlayerColourSlot(p)]);
        swatch(attack, working_[PlayerHighlightSlot(p)]);
    }
    swatch(kOceansColour, oceansWorking_);
}
