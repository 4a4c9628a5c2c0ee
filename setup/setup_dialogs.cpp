// The set-up dialogs: their templates in dialog units, their exchange and enabling, and the view's
// set of them.
#include "setup/setup_dialogs.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/child_view.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "platform/dialog_host.h"
#include "platform/platform.h"
#include "setup/setup_dialogs_layout.h"
#include "setup/setup_dialogs_rules.h"
#include "shell/settings.h"

namespace {

using setup_layout::TemplateBuilder;
using Items = std::vector<std::pair<int, std::string>>;

// A single-choice dialog: a group box of radio buttons and OK, Cancel.
DialogTemplate Choices(int id, const char* caption, const char* group, const Items& items,
                       int width = 180) {
    const int rows = static_cast<int>(items.size());
    const int height = 40 + rows * 12 + 24;
    return TemplateBuilder(id, caption, width, height)
        .Group(group, {8, 6, width - 16, 20 + rows * 12})
        .Radios(18, 20, width - 36, items)
        .OkCancel(height - 22)
        .Build();
}

// The rules a high-score game adds on the map, as the high-score map dialog notes them.
std::string HighScoreNote(HighScoreRule rule) {
    switch (rule) {
        case HighScoreRule::kTroopExperience:
            return "   (Troop Experience)";
        case HighScoreRule::kHoldContinents:
            return "   (Hold Continents)";
        case HighScoreRule::kPlain:
            break;
    }
    return {};
}

// The maps in the order of the map choices (the Map menu's), their ids counting from 1000 past
// the load choice's; the last choice loads a map file.
Items MapItems(bool highScoreNotes) {
    Items items;
    int id = 1000;
    for (const BuiltinMap* map : MapMenuOrder()) {
        if (id == CMapDlg::kIdLoadMap) ++id;
        std::string text(map->choiceText);
        if (highScoreNotes) text += HighScoreNote(map->highScoreRule);
        items.emplace_back(id++, text);
    }
    items.emplace_back(CMapDlg::kIdLoadMap, "Load a Map...");
    return items;
}

const DialogTemplate& MainMenuTemplate() {
    static const DialogTemplate t = TemplateBuilder(CSpelersDlg::kIdd, "Main Menu", 200, 110)
                                        .Group("", {8, 6, 184, 70})
                                        .Radios(18, 18, 110,
                                                {{1000, "Single player Game"},
                                                 {1001, "High Score Game"},
                                                 {1002, "Demo mode"},
                                                 {1003, "Multiplayer Game"}},
                                                14)
                                        .Button(CSpelersDlg::kIdInfo, "Info...", {134, 30, 50, 14})
                                        .OkCancel(86)
                                        .Build();
    return t;
}

const DialogTemplate& GameTypeTemplate() {
    static const DialogTemplate t = Choices(CGametypeDlg::kIdd, "Single-map / Campaign Game", "",
                                            {{1000, "Single Map Game"}, {1001, "Campaign Game"}});
    return t;
}

const DialogTemplate& MapTemplate() {
    static const DialogTemplate t = Choices(CMapDlg::kIdd, "Map", "Choose a map", MapItems(false));
    return t;
}

// The high-score maps note the rules they are played with.
const DialogTemplate& Map1Template() {
    static const DialogTemplate t =
        Choices(CMap1Dlg::kIdd, "Map", "Choose a map", MapItems(true), 220);
    return t;
}

const DialogTemplate& CampaignsTemplate() {
    static const DialogTemplate t = [] {
        Items items;
        for (int campaign = 1; !CampaignChoiceText(campaign).empty(); ++campaign)
            items.emplace_back(999 + campaign, std::string(CampaignChoiceText(campaign)));
        items.emplace_back(CCampaignsDlg::kIdLoadCampaign, "Load a Campaign...");
        return Choices(CCampaignsDlg::kIdd, "Campaigns", "Choose a campaign", items, 300);
    }();
    return t;
}

const DialogTemplate& OptionsTemplate() {
    using D = COptiesDlg;
    static const DialogTemplate t =
        TemplateBuilder(D::kIdd, "Game options", 250, 216)
            .Group("Attack", {8, 6, 234, 40})
            .Radios(18, 18, 120, {{D::kIdRule, "1-for-1 system"}, {1001, "Dice-like results"}})
            .Button(D::kIdAttackInfo, "Info...", {184, 22, 50, 14})
            .Group("Options", {8, 50, 234, 52})
            .Check(D::kIdHidden, "Hidden territories", {18, 62, 120, 10})
            .Check(D::kIdStrongholds, "Strongholds", {18, 74, 120, 10})
            .Button(D::kIdStrongholdsInfo, "Info...", {184, 70, 50, 14})
            .Check(D::kIdTroopExperience, "Troop Experience", {18, 86, 120, 10})
            .Button(D::kIdTroopExperienceInfo, "Info...", {184, 84, 50, 14})
            .Group("Level", {8, 106, 234, 36})
            .Radios(18, 116, 60, {{D::kIdLevel, "Easy"}, {D::kIdLevelNormal, "Normal"}}, 11)
            .Text(D::kIdText, "", {150, 118, 80, 9})
            .Group("Mission", {8, 146, 234, 44})
            .Radios(18, 156, 120,
                    {{D::kIdMission, "Conquer All"},
                     {D::kIdContinents, "Continents"},
                     {D::kIdHoldContinents, "Hold Continents"}},
                    11)
            .Button(D::kIdMissionsInfo, "Info...", {184, 166, 50, 14})
            .OkCancel(196)
            .Build();
    return t;
}

const DialogTemplate& HostOptionsTemplate() {
    using D = COpties1Dlg;
    static const DialogTemplate t = [] {
        TemplateBuilder b(D::kIdd, "Game options", 300, 246);
        b.Group("Map", {8, 6, 170, 170});
        // The Map menu's maps that a network game can carry, then a map file.
        std::vector<const BuiltinMap*> hosted;
        for (const BuiltinMap* map : MapMenuOrder())
            if (FitsNetworkGame(*map)) hosted.push_back(map);
        Items maps;
        for (const BuiltinMap* map : hosted)
            maps.emplace_back(maps.empty() ? D::kIdMap : 1020 + static_cast<int>(maps.size()) - 1,
                              std::string(map->name));
        maps.emplace_back(1020 + static_cast<int>(maps.size()) - 1, "Load a Map...");
        constexpr int kTop = 18, kRowHeight = 12;
        b.Radios(18, kTop, 100, maps, kRowHeight);
        // Beside the first map of each version that the joining machines need, its note.
        std::vector<std::string_view> noted;
        for (std::size_t i = 0; i < hosted.size(); ++i) {
            const std::string_view version = hosted[i]->hostVersion;
            if (version.empty() || std::find(noted.begin(), noted.end(), version) != noted.end())
                continue;
            noted.push_back(version);
            const int y = kTop + kRowHeight * static_cast<int>(i);
            b.Text(kIdStatic, "Requires at least version " + std::string(version) + " of Marovek",
                   {100, y, 76, 18});
        }
        b.Group("Attack", {184, 6, 108, 56});
        b.Radios(192, 18, 90, {{D::kIdRule, "1-for-1 system"}, {1001, "Dice-like results"}});
        b.Button(1013, "Info...", {192, 42, 50, 14});
        b.Text(D::kIdText, "", {184, 66, 100, 9});
        b.Check(D::kIdStrongholds, "Strongholds", {184, 80, 90, 10});
        b.Button(1014, "Info...", {192, 92, 50, 14});
        b.Check(D::kIdTroopExperience, "Troop Experience", {184, 110, 90, 10});
        b.Button(1015, "Info...", {192, 122, 50, 14});
        return b.OkCancel(224).Build();
    }();
    return t;
}

const DialogTemplate& Players234Template() {
    static const DialogTemplate t = [] {
        TemplateBuilder b(CPlayers234Dlg::kIdd, "Computer players", 180, 176);
        b.Group("Number of computer players", {8, 6, 164, 130});
        b.Radios(18, 18, 60,
                 {{1000, "2 "},
                  {1001, "3 "},
                  {1002, "4 "},
                  {1003, "5 "},
                  {1004, "6 "},
                  {1005, "7 "},
                  {1007, "8"},
                  {1008, "9 "},
                  {1009, "1  *"}});
        b.Text(CPlayers234Dlg::kIdText, "", {90, 18, 76, 9});
        b.Text(kIdStatic, "* a non-attacking neutral", {8, 140, 164, 9});
        b.Text(kIdStatic, "army is assigned.", {8, 150, 164, 9});
        return b.OkCancel(160 - 2).Build();
    }();
    return t;
}

const DialogTemplate& Players810Template() {
    static const DialogTemplate t = [] {
        Items items;
        const int ids[10] = {1000, 1001, 1002, 1003, 1004, 1005, 1007, 1008, 1009, 1010};
        for (int n = 0; n < 10; ++n) items.emplace_back(ids[n], std::to_string(n));
        TemplateBuilder b(CPlayers810Dlg::kIdd, "Computer players", 180, 180);
        b.Group("Number of computer players", {8, 6, 164, 142});
        b.Radios(18, 18, 60, items);
        b.Text(CPlayers810Dlg::kIdText, "", {90, 18, 76, 9});
        return b.OkCancel(158).Build();
    }();
    return t;
}

const DialogTemplate& HotseatNameTemplate() {
    using D = CHotseatnmDlg;
    static const DialogTemplate t =
        TemplateBuilder(D::kIdd, "Marovek", 220, 96)
            .Text(D::kIdPrompt, "", {10, 10, 200, 9})
            .Edit(D::kIdName, {10, 24, 120, 12})
            .Button(D::kIdAddMore, "+ Add More Players", {140, 23, 72, 14})
            .Text(kIdStatic, "(When finished entering players)", {10, 48, 200, 9})
            .OkCancel(70, "Proceed")
            .Build();
    return t;
}

const DialogTemplate& NameTemplate() {
    using D = CNaamDlg;
    static const DialogTemplate t = TemplateBuilder(D::kIdd, "Marovek", 200, 70)
                                        .Text(D::kIdPrompt, "", {10, 10, 180, 9})
                                        .Edit(D::kIdName, {10, 24, 180, 12})
                                        .OkCancel(48)
                                        .Build();
    return t;
}

const DialogTemplate& MultiplayerTemplate() {
    static const DialogTemplate t =
        TemplateBuilder(CMultiplayerDlg::kIdd, "Multiplayer Menu", 230, 110)
            .Group("", {8, 6, 214, 72})
            .Radios(18, 16, 190,
                    {{1000, "One-pc-multiplayer Game (hotseat mode)"},
                     {1001, "Local Area Network (LAN) Game"},
                     {1002, "Internet (Online) Game"}},
                    20)
            .Text(kIdStatic, " Play with friends on a LAN.", {30, 46, 180, 9})
            .Text(kIdStatic, " Play over the internet using tcp/ip.", {30, 66, 180, 9})
            .OkCancel(88)
            .Build();
    return t;
}

const DialogTemplate& StartJoinTemplate() {
    static const DialogTemplate t =
        TemplateBuilder(CStartjoinDlg::kIdd, "Multiplayer Game", 200, 90)
            .Group("", {8, 6, 184, 50})
            .Radios(18, 16, 120, {{1000, "Create and host a Game "}, {1001, "Join a Game"}}, 14)
            .Text(CStartjoinDlg::kIdNote, "", {18, 44, 160, 9})
            .OkCancel(66)
            .Build();
    return t;
}

void ExchangeCheck(CDialog& dialog, bool save, int id, std::int32_t& value) {
    if (save) {
        value = dialog.GetCheck(id) != 0 ? 1 : 0;
    } else {
        dialog.SetCheck(id, value != 0 ? 1 : 0);
    }
}

void ExchangeRadio(CDialog& dialog, bool save, int firstId, std::int32_t& value) {
    if (save) {
        const int index = dialog.GetRadioIndex(firstId);
        value = index < 0 ? 0 : index;
    } else {
        dialog.SetRadioIndex(firstId, value);
    }
}

void ExchangeText(CDialog& dialog, bool save, int id, std::string& value) {
    if (save) {
        value = dialog.GetText(id);
    } else {
        dialog.SetText(id, value);
    }
}

// Enables each radio button of the group at `firstId` by its place.
template <std::size_t N>
void EnableChoices(CDialog& dialog, int firstId, const std::array<bool, N>& enabled) {
    const auto& controls = dialog.Template().controls;
    std::size_t first = 0;
    while (first < controls.size() && controls[first].id != firstId) ++first;
    const auto group = dialog.RadioGroupOf(first);
    for (std::size_t n = 0; n < group.size() && n < N; ++n)
        dialog.Enable(controls[group[n]].id, enabled[n]);
}

}  // namespace

void ApplyDialogTransparency(CDialog& dialog) {
    dialog.SetOpacity(g_transparencyPercent);
}

bool CChoiceDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ApplyDialogTransparency(*this);
    return true;
}

bool CChoiceDlg::DoDataExchange(bool save) {
    ExchangeRadio(*this, save, kIdFirstChoice, choice);
    return true;
}

CSpelersDlg::CSpelersDlg(platform::DialogHost& host, platform::Shell& shell)
    : CChoiceDlg(MainMenuTemplate()), world100(shell), host_(host) {}

void CSpelersDlg::OnCommand(int controlId, Notification code) {
    if (controlId == kIdInfo && code == Notification::Clicked) host_.RunModal(world100);
}

CGametypeDlg::CGametypeDlg() : CChoiceDlg(GameTypeTemplate()) {}

CMapDlg::CMapDlg() : CChoiceDlg(MapTemplate()) {}

bool CMapDlg::OnInitDialog() {
    CChoiceDlg::OnInitDialog();
    Show(kIdLoadMap, setup_rules::LoadChoiceShown(isHighScoreGame));
    return true;
}

CMap1Dlg::CMap1Dlg() : CMapDlg(Map1Template()) {
    isHighScoreGame = true;  // shown in a high-score game only
}

CCampaignsDlg::CCampaignsDlg() : CChoiceDlg(CampaignsTemplate()) {}

bool CCampaignsDlg::OnInitDialog() {
    CChoiceDlg::OnInitDialog();
    Show(kIdLoadCampaign, setup_rules::LoadChoiceShown(isHighScoreGame));
    return true;
}

COptiesDlg::COptiesDlg(platform::DialogHost& host) : CDialog(OptionsTemplate()), host_(host) {}

bool COptiesDlg::DoDataExchange(bool save) {
    ExchangeRadio(*this, save, kIdRule, rule);
    ExchangeCheck(*this, save, kIdHidden, hidden);
    ExchangeCheck(*this, save, kIdStrongholds, strongholds);
    ExchangeCheck(*this, save, kIdTroopExperience, troopExperience);
    ExchangeRadio(*this, save, kIdLevel, level);
    ExchangeRadio(*this, save, kIdMission, mission);
    return true;
}

void COptiesDlg::EnableMissions() {
    const bool enable =
        setup_rules::MissionChoicesEnabled(gameKind == game_kind::kHotseat, strongholds != 0);
    Enable(kIdContinents, enable);
    Enable(kIdHoldContinents, enable);
}

bool COptiesDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const bool local = setup_rules::HiddenAndLevelEnabled(gameKind);
    Enable(kIdHidden, local);
    Enable(kIdLevel, local);
    Enable(kIdLevelNormal, local);
    EnableMissions();
    Show(kIdText, false);
    ApplyDialogTransparency(*this);
    return true;
}

void COptiesDlg::OnStrongholds() {
    UpdateData(true);
    if (strongholds != 0) mission = 0;
    EnableMissions();
    UpdateData(false);
}

void COptiesDlg::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) return;
    switch (controlId) {
        case kIdStrongholds:
            OnStrongholds();
            break;
        case kIdAttackInfo:
            host_.RunModal(attackHelp);
            break;
        case kIdStrongholdsInfo:
            host_.RunModal(strongholdsInfo);
            break;
        case kIdTroopExperienceInfo:
            host_.RunModal(troopExperienceInfo);
            break;
        case kIdMissionsInfo:
            host_.RunModal(missionsInfo);
            break;
        default:
            break;
    }
}

COpties1Dlg::COpties1Dlg(platform::DialogHost& host)
    : CDialog(HostOptionsTemplate()), host_(host) {}

bool COpties1Dlg::DoDataExchange(bool save) {
    ExchangeRadio(*this, save, kIdMap, map);
    ExchangeRadio(*this, save, kIdRule, rule);
    ExchangeCheck(*this, save, kIdStrongholds, strongholds);
    ExchangeCheck(*this, save, kIdTroopExperience, troopExperience);
    return true;
}

bool COpties1Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    Show(kIdText, false);
    ApplyDialogTransparency(*this);
    return true;
}

void COpties1Dlg::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) return;
    if (controlId == 1013) host_.RunModal(attackHelp);
    if (controlId == 1014) host_.RunModal(strongholdsInfo);
    if (controlId == 1015) host_.RunModal(troopExperienceInfo);
}

CPlayers234Dlg::CPlayers234Dlg() : CChoiceDlg(Players234Template()) {}

bool CPlayers234Dlg::OnInitDialog() {
    CChoiceDlg::OnInitDialog();
    EnableChoices(*this, kIdFirstChoice,
                  setup_rules::Players234Enabled(isDemo, areStrongholdsOn, continents));
    Show(kIdText, false);
    return true;
}

CPlayers810Dlg::CPlayers810Dlg() : CChoiceDlg(Players810Template()) {}

bool CPlayers810Dlg::OnInitDialog() {
    CChoiceDlg::OnInitDialog();
    EnableChoices(*this, kIdFirstChoice,
                  setup_rules::Players810Enabled(isHotseat, areStrongholdsOn, continents, seated));
    Show(kIdText, false);
    return true;
}

CHotseatnmDlg::CHotseatnmDlg() : CDialog(HotseatNameTemplate()) {}

bool CHotseatnmDlg::OnInitDialog() {
    SetTextLimit(kIdName, kNameLimit);
    CDialog::OnInitDialog();
    ApplyDialogTransparency(*this);
    return true;
}

bool CHotseatnmDlg::DoDataExchange(bool save) {
    if (!save) SetText(kIdPrompt, prompt);
    ExchangeText(*this, save, kIdName, name);
    return true;
}

void CHotseatnmDlg::OnCommand(int controlId, Notification code) {
    if (controlId != kIdAddMore || code != Notification::Clicked) return;
    g_moreNamesFollow = true;
    OnOK();
}

CNaamDlg::CNaamDlg() : CDialog(NameTemplate()) {}

bool CNaamDlg::OnInitDialog() {
    SetTextLimit(kIdName, kNameLimit);
    CDialog::OnInitDialog();
    ApplyDialogTransparency(*this);
    return true;
}

bool CNaamDlg::DoDataExchange(bool save) {
    ExchangeText(*this, save, kIdName, name);
    if (!save) SetText(kIdPrompt, prompt);
    return true;
}

CMultiplayerDlg::CMultiplayerDlg() : CChoiceDlg(MultiplayerTemplate()) {}

CStartjoinDlg::CStartjoinDlg() : CChoiceDlg(StartJoinTemplate()) {}

bool CStartjoinDlg::DoDataExchange(bool save) {
    CChoiceDlg::DoDataExchange(save);
    if (!save) SetText(kIdNote, note);
    return true;
}

SetupDialogs::SetupDialogs(platform::DialogHost& host, platform::Shell& shell,
                           const platform::Files& files)
    : mainMenu(host, shell),
      options(host),
      hostOptions(host),
      personalities(host),
      mission(files) {}

void DestroySetupDialogs(SetupDialogs* dialogs) {
    delete dialogs;
}

SetupDialogs& CChildView::Setup() {
    if (!setupDialogs_)
        setupDialogs_.reset(new SetupDialogs(platform_.dialogs, platform_.shell, platform_.files));
    return *setupDialogs_;
}

void CChildView::ShowMissionDialog(const std::string& text) {
    CMissionDlg& dialog = Setup().mission;
    dialog.text = text;
    platform_.dialogs.RunModal(dialog);
}

bool CChildView::RunCreatingMapsNotice(bool hidden) {
    CCreamapDlg& notice = Setup().creatingMaps;
    notice.dontShowAgain = hidden ? 1 : 0;
    platform_.dialogs.RunModal(notice);
    return notice.dontShowAgain != 0;
}
