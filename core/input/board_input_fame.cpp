// The high-score window: its template, its texts and the 14-character title of the game.
#include "core/input/board_input_fame.h"

#include <array>

#include "core/commands/web_pages.h"
#include "core/model/campaign_state.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "platform/dialog_host.h"

namespace {

constexpr std::size_t kTitleLength = 14;

DialogTemplate MakeFameTemplate() {
    DialogTemplate t;
    t.id = CFameDlg::kIdd;
    t.caption = "Submit a High Score";
    t.width = 300;
    t.height = 150;
    const auto line = [](const char* text, int y) {
        return ControlTemplate{kIdStatic, ControlKind::Static, text, {10, y, 280, 9}, 0};
    };
    t.controls = {
        {kIdStatic, ControlKind::Static, "Your Code:", {10, 10, 60, 9}, 0},
        {CFameDlg::kIdCode, ControlKind::Static, "", {75, 10, 120, 9}, 0},
        {CFameDlg::kIdTitle, ControlKind::Static, "", {75, 22, 90, 9}, 0},
        {CFameDlg::kIdLosses, ControlKind::Static, "", {170, 22, 90, 9}, 0},
        line("(Map and losses are scrambled in the Code)", 36),
        line("To submit a high score, email the above information.", 50),
        line("Don't forget to enter your name or screen name.", 62),
        line("Your score will be compared against the current top 5, a listing is not "
             "guaranteed.",
             74),
        line("The high-score list is on the Marovek web pages.", 86),
        {CFameDlg::kIdMailCode,
         ControlKind::Button,
         "Mail the Code",
         {10, 126, 70, 14},
         ctl::kTabStop},
        {kIdOk, ControlKind::Button, "OK", {240, 126, 50, 14}, ctl::kDefault | ctl::kTabStop},
    };
    return t;
}

// A name of the player's own, padded and cut to the title's width.
std::string Padded(const std::string& name) {
    return (name + std::string(15, ' ')).substr(0, kTitleLength);
}

}  // namespace

const DialogTemplate& FameTemplate() {
    static const DialogTemplate t = MakeFameTemplate();
    return t;
}

CFameDlg::CFameDlg(platform::DialogHost& host, platform::Shell& shell)
    : CDialog(FameTemplate()), mail(shell), host_(host) {}

bool CFameDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetOpacity(g_transparencyPercent);
    return true;
}

void CFameDlg::OnCommand(int controlId, Notification notification) {
    if (controlId == kIdMailCode && notification == Notification::Clicked) OnMailCode();
}

void CFameDlg::OnMailCode() {
    // The player adds the name in the mail.
    mail.subject = kHighScoreMailSubject;
    mail.body = "Code:  " + code + "  Map: " + title + " Losses: " + losses + "   Name: ";
    mail.recipient = kHighScoresMailAddress;
    mail.sendTo = "Send to:";
    host_.RunModal(mail);
}

bool CFameDlg::DoDataExchange(bool save) {
    if (save) {
        code = GetText(kIdCode);
        losses = GetText(kIdLosses);
        title = GetText(kIdTitle);
    } else {
        SetText(kIdCode, code);
        SetText(kIdLosses, losses);
        SetText(kIdTitle, title);
    }
    return true;
}

namespace board_input {

std::string HighScoreTitle() {
    if (IsBuiltinCampaign(g_campaignNumber)) return CampaignScoreTitle(g_campaignNumber);
    if (g_campaignNumber == kOwnCampaign) return Padded(g_campaignName);
    if (g_isMapCustom) return Padded(g_mapName);
    const BuiltinMap* map = SelectedBuiltinMap();
    if (const FreewareScore* freeware = FreewareScoreOf(map, g_playerCount))
        return std::string(freeware->title);
    // Maps outside the Map menu have no title of their own.
    if (map != nullptr && !map->scoreTitle.empty()) return std::string(map->scoreTitle);
    return std::string(kTitleLength, ' ');
}

}  // namespace board_input
