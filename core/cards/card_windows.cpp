// The card windows: their templates, pictures and painting, and the view's hold on them.
#include "core/cards/card_windows.h"

#include "core/child_view.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "platform/files.h"
#include "platform/raster/blit.h"
#include "platform/raster/bmp.h"
#include "platform/raster/text_draw.h"
#include "platform/resources.h"

namespace {

// Generated card pictures are tiny; anything near this size is not one of ours.
constexpr std::size_t kMaxPictureBytes = 1u << 20;

using K = ControlKind;

DialogTemplate MakeCardsWindowTemplate() {
    DialogTemplate t;
    t.id = CKaartenDlg::kIdd;
    t.caption = "Cards";
    t.width = 190;
    t.height = 215;
    t.controls = {
        {kIdStatic, K::Static, "your cards", {10, 4, 80, 8}, 0},
        {kIdStatic, K::Static, "opponents", {10, 64, 80, 8}, 0},
        {kIdOk, K::Button, "OK", {70, 195, 50, 14}, ctl::kDefault | ctl::kTabStop},
    };
    return t;
}

// One radio button per option, level with its row of cards.
DialogTemplate MakeTradeWindowTemplate() {
    DialogTemplate t;
    t.id = CKaartiDlg::kIdd;
    t.caption = "Trading in Cards for Armies";
    t.width = 250;
    t.height = 185;
    t.controls.push_back({kIdStatic, K::Static, "Choose :", {5, 3, 40, 8}, 0});
    t.controls.push_back(
        {CKaartiDlg::kNoSetText, K::Static, CKaartiDlg::kNoSetMessage, {15, 21, 225, 30}, 0});
    int y = 21;
    for (const int id : CKaartiDlg::kOptionButtons) {
        const unsigned group = id == CKaartiDlg::kOptionButtons[0] ? ctl::kGroup : 0;
        t.controls.push_back({id, K::RadioButton, "", {5, y, 10, 10}, group | ctl::kTabStop});
        y += 25;
    }
    t.controls.push_back(
        {kIdOk, K::Button, "OK", {70, 165, 50, 14}, ctl::kDefault | ctl::kTabStop});
    t.controls.push_back({kIdCancel, K::Button, "Cancel", {130, 165, 50, 14}, ctl::kTabStop});
    return t;
}

DialogTemplate MakeExchangeNoticeTemplate() {
    DialogTemplate t;
    t.id = CCkaartDlg::kIdd;
    t.caption = "Cards";
    t.width = 180;
    t.height = 90;
    return t;
}

std::size_t PictureSlot(int icon) {
    return static_cast<std::size_t>(icon - card_icon::kCavalry);
}

}  // namespace

const DialogTemplate& CardsWindowTemplate() {
    static const DialogTemplate t = MakeCardsWindowTemplate();
    return t;
}
const DialogTemplate& TradeWindowTemplate() {
    static const DialogTemplate t = MakeTradeWindowTemplate();
    return t;
}
const DialogTemplate& ExchangeNoticeTemplate() {
    static const DialogTemplate t = MakeExchangeNoticeTemplate();
    return t;
}

void CardPictures::Load() {
    for (auto& picture : pictures_) picture.reset();
    const auto folder = files_.ProgramFolder();
    if (!folder) return;
    for (int icon = card_icon::kCavalry; icon <= card_icon::kArtillery; ++icon) {
        const auto bytes = files_.Read(platform::IconPath(*folder, icon), kMaxPictureBytes);
        if (bytes) pictures_[PictureSlot(icon)] = raster::ReadBmp(*bytes, nullptr);
    }
}

void CardPictures::Draw(raster::Surface& surface, const CardLayout& layout,
                        raster::GlyphSource* glyphs) const {
    for (const CardIconAt& at : layout.icons) {
        if (at.icon < card_icon::kCavalry || at.icon > card_icon::kArtillery) continue;
        const auto& picture = pictures_[PictureSlot(at.icon)];
        if (picture) raster::Blit(surface, at.x, at.y, *picture);
    }
    if (glyphs == nullptr) return;
    const raster::FontDescription font{"MS Sans Serif", 13};
    for (const CardTextAt& text : layout.texts) {
        raster::DrawText(surface, text.x, text.y, text.text, font, text.colour, *glyphs);
    }
}

CardWindow::CardWindow(const DialogTemplate& dialogTemplate, const platform::Files& files,
                       raster::GlyphSource*& glyphs)
    : CDialog(dialogTemplate), pictures_(files), glyphs_(glyphs) {}

bool CardWindow::OnInitDialog() {
    CDialog::OnInitDialog();
    SetOpacity(g_transparencyPercent);
    pictures_.Load();
    return true;
}

void CardWindow::OnPaint(raster::Surface& surface) {
    pictures_.Draw(surface, Layout(), glyphs_);
}

CKaartenDlg::CKaartenDlg(const platform::Files& files, raster::GlyphSource*& glyphs)
    : CardWindow(CardsWindowTemplate(), files, glyphs) {}

CardLayout CKaartenDlg::Layout() const {
    return CardsWindowLayout();
}

CKaartiDlg::CKaartiDlg(const platform::Files& files, raster::GlyphSource*& glyphs)
    : CardWindow(TradeWindowTemplate(), files, glyphs) {}

bool CKaartiDlg::DoDataExchange(bool save) {
    if (save) {
        choice = GetRadioIndex(kOptionButtons[0]);
    } else {
        SetRadioIndex(kOptionButtons[0], choice);
    }
    return true;
}

// One button for each row the Cards command filled, in order; a hand that makes no set (the
// command is offered from two cards on) is told so instead of facing an empty choice.
bool CKaartiDlg::OnInitDialog() {
    CardWindow::OnInitDialog();
    bool shown = true;
    for (std::size_t k = 0; k < kOptionButtons.size(); ++k) {
        shown = shown && g_cardSetOptions[k][4] > 0;
        Show(kOptionButtons[k], shown);
    }
    Show(kNoSetText, g_cardSetOptions[0][4] <= 0);
    return true;
}

CardLayout CKaartiDlg::Layout() const {
    return TradeWindowLayout();
}

CCkaartDlg::CCkaartDlg(const platform::Files& files, raster::GlyphSource*& glyphs)
    : CardWindow(ExchangeNoticeTemplate(), files, glyphs) {}

CardLayout CCkaartDlg::Layout() const {
    return ExchangeNoticeLayout();
}

CardWindows::CardWindows(const platform::Files& files, raster::GlyphSource& glyphSource)
    : glyphs(&glyphSource), cards(files, glyphs), trade(files, glyphs), notice(files, glyphs) {}

void DestroyCardWindows(CardWindows* windows) {
    delete windows;
}

CardWindows& CChildView::Cards() {
    if (!cardWindows_) cardWindows_.reset(new CardWindows(platform_.files, platform_.glyphs));
    return *cardWindows_;
}
