// The Scores and All-scores windows: their templates, data exchange and listing.
#include "setup/scores_dlg.h"

#include "core/model/files.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/window_services.h"

namespace {

using K = ControlKind;
constexpr unsigned kList = ctl::kSorted | ctl::kVerticalScroll | ctl::kTabStop;
constexpr unsigned kFirstRadio = ctl::kGroup | ctl::kTabStop;

// The radio groups in the order the window exchanges them, with their members.
struct RadioGroup {
    int firstId;
    std::int32_t scores::Filters::*value;
};
constexpr RadioGroup kRadioGroups[] = {
    {CScoresDlg::kIdRule, &scores::Filters::rule},
    {CScoresDlg::kIdHidden, &scores::Filters::hidden},
    {CScoresDlg::kIdLevel, &scores::Filters::level},
    {CScoresDlg::kIdPersonalities, &scores::Filters::personalities},
    {CScoresDlg::kIdStrongholds, &scores::Filters::strongholds},
    {CScoresDlg::kIdExperience, &scores::Filters::experience},
    {CScoresDlg::kIdMission, &scores::Filters::mission},
};

DialogTemplate MakeScoresTemplate() {
    DialogTemplate t;
    t.id = CScoresDlg::kIdd;
    t.caption = "Scores";
    t.width = 383;
    t.height = 253;
    // Fixed pitch, so that the lines stand under their column headers.
    t.fontFace = "Courier New";
    t.style = dlg::kNoSystemMenu;
    t.controls = {
        {1040, K::ListBox, "", {12, 15, 91, 31}, kList},
        {1041, K::ListBox, "", {123, 14, 26, 25}, kList},
        {1000, K::RadioButton, "Dice like", {12, 65, 52, 10}, kFirstRadio},
        {1001, K::RadioButton, "1-for-1 system", {12, 75, 72, 10}, 0},
        {1002, K::RadioButton, "Both", {12, 85, 32, 10}, 0},
        {1003, K::RadioButton, "Visible", {12, 108, 44, 10}, kFirstRadio},
        {1008, K::RadioButton, "Hidden", {12, 118, 40, 10}, 0},
        {1009, K::RadioButton, "Both", {12, 128, 32, 10}, 0},
        {1026, K::RadioButton, "Easy", {101, 65, 32, 10}, kFirstRadio},
        {1037, K::RadioButton, "Normal", {101, 75, 40, 10}, 0},
        {1038, K::RadioButton, "Both", {101, 85, 32, 10}, 0},
        {1042, K::RadioButton, "Strongholds", {101, 108, 62, 10}, kFirstRadio},
        {1053, K::RadioButton, "Without", {101, 118, 64, 10}, 0},
        {1054, K::RadioButton, "Both", {101, 128, 56, 10}, 0},
        {1039, K::RadioButton, "All Normal", {12, 151, 56, 10}, kFirstRadio},
        {1051, K::RadioButton, "Random Mix", {12, 160, 56, 10}, 0},
        {1052, K::RadioButton, "Custom", {12, 170, 40, 10}, 0},
        {1027, K::RadioButton, "All", {12, 179, 28, 10}, 0},
        {kIdOk, K::Button, "OK", {326, 232, 50, 14}, ctl::kDefault | kFirstRadio},
        {1013, K::Button, "List All", {269, 232, 50, 14}, ctl::kTabStop},
        {1010, K::ListBox, "", {194, 15, 171, 199}, kList},
        {kIdStatic, K::GroupBox, "Territories", {7, 99, 81, 41}, 0},
        {kIdStatic, K::GroupBox, "Attacking", {7, 56, 81, 41}, 0},
        {kIdStatic, K::GroupBox, "Players", {118, 3, 59, 51}, 0},
        {kIdStatic, K::GroupBox, "Map", {7, 3, 104, 51}, 0},
        {kIdStatic, K::GroupBox, "  Losses  Date       Name", {185, 3, 189, 221}, 0},
        {1014,
         K::Button,
         "World top 20 (website)",
         {185, 224, 58, 22},
         ctl::kMultiLine | ctl::kHidden | ctl::kTabStop},
        {kIdStatic, K::GroupBox, "Difficulty Level", {96, 56, 81, 41}, 0},
        {kIdStatic, K::GroupBox, "Personalities", {7, 142, 82, 49}, 0},
        {kIdStatic, K::GroupBox, "Strongholds", {96, 99, 81, 41}, 0},
        {1028, K::RadioButton, "TE", {101, 151, 54, 10}, kFirstRadio},
        {1043, K::RadioButton, "Without", {101, 161, 59, 10}, 0},
        {1044, K::RadioButton, "Both", {101, 172, 32, 10}, 0},
        {kIdStatic, K::GroupBox, "Troop Experience", {96, 143, 81, 48}, 0},
        {1045, K::RadioButton, "Conquer All", {12, 202, 60, 10}, kFirstRadio},
        {1055, K::RadioButton, "Continents", {12, 212, 56, 10}, 0},
        {1056, K::RadioButton, "Hold Continents", {12, 222, 72, 10}, 0},
        {1029, K::RadioButton, "All", {12, 233, 28, 10}, 0},
        {kIdStatic, K::GroupBox, "Missions", {7, 194, 82, 52}, 0},
    };
    return t;
}

DialogTemplate MakeScoresAllTemplate() {
    DialogTemplate t;
    t.id = CScoresallDlg::kIdd;
    t.caption = "Scores";
    t.width = 427;
    t.height = 294;
    t.fontFace = "Courier New";
    t.style = dlg::kNoSystemMenu;
    const auto label = [](const char* text, DialogRect rect) {
        return ControlTemplate{kIdStatic, K::Static, text, rect, 0};
    };
    t.controls = {
        {kIdOk, K::Button, "OK", {370, 273, 50, 14}, ctl::kDefault | ctl::kTabStop},
        {CScoresallDlg::kIdList, K::ListBox, "", {15, 15, 397, 224}, kList},
        {kIdStatic,
         K::GroupBox,
         " Map        Players Dice  Hi St TE Mi Level  Personality  Losses Date       Name",
         {7, 3, 413, 245},
         0},
        label("Personality: ", {7, 261, 51, 8}),
        label("N = Normal", {61, 261, 60, 8}),
        label("C = Conqueror", {61, 268, 55, 8}),
        label("D = Defender", {121, 261, 56, 8}),
        label("A = Avenger", {121, 268, 54, 8}),
        label("T = Determined", {176, 261, 67, 8}),
        label("U = Unstable", {176, 268, 61, 8}),
        label("H = Hunter", {241, 261, 48, 8}),
        label("P = Player (human)", {241, 268, 73, 8}),
        label("Hi = Hidden territories          St = Strongholds              TE = Troop "
              "Experience",
              {7, 251, 372, 8}),
        label("Mi = Mission:  A = Conquer All  C = Continents  H = Hold Continents",
              {6, 277, 336, 8}),
    };
    return t;
}

// A list's selected text, or towards the list the first entry beginning with it.
void ExchangeListText(CDialog& dialog, int id, std::string& text, bool save) {
    if (save)
        text = dialog.GetText(id);
    else if (text.empty())
        dialog.SetSelection(id, -1);  // every entry begins with nothing
    else
        dialog.SelectItemByPrefix(id, text);
}

bool IsRadioButton(const DialogTemplate& t, int id) {
    for (const ControlTemplate& c : t.controls)
        if (c.id == id) return c.kind == ControlKind::RadioButton;
    return false;
}

void FillList(CDialog& dialog, int id, const std::vector<std::string>& lines) {
    dialog.ResetContent(id);
    for (const std::string& line : lines) dialog.AddItem(id, line);
}

}  // namespace

const DialogTemplate& ScoresTemplate() {
    static const DialogTemplate t = MakeScoresTemplate();
    return t;
}

const DialogTemplate& ScoresAllTemplate() {
    static const DialogTemplate t = MakeScoresAllTemplate();
    return t;
}

namespace scores {

std::string FilePath() {
    g_scoresFilePath = g_appDataFolder.empty()
                           ? std::string()
                           : platform::JoinPath(g_appDataFolder, kScoresFileName);
    return g_scoresFilePath;
}

void ReportUnreadable(platform::Platform& platform, const std::string& path) {
    platform.window.MessageBox(std::string(kCannotReadMessage) + "\n" + path, kApplicationCaption,
                               platform::MessageButtons::Ok, platform::MessageIcon::Error);
}

}  // namespace scores

CScoresallDlg::CScoresallDlg(platform::Platform& platform)
    : CDialog(ScoresAllTemplate()), platform_(platform) {}

bool CScoresallDlg::DoDataExchange(bool save) {
    ExchangeListText(*this, kIdList, selectedLine, save);
    return true;
}

bool CScoresallDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const std::string path = scores::FilePath();
    const scores::ReadResult read = scores::ReadScores(platform_.files, path);
    if (!read.opened) scores::ReportUnreadable(platform_, path);
    FillList(*this, kIdList, scores::AllScoresLines(read.entries));
    SetOpacity(g_transparencyPercent);
    return true;
}

CScoresDlg::CScoresDlg(platform::Platform& platform)
    : CDialog(ScoresTemplate()), all(platform), platform_(platform) {}

bool CScoresDlg::DoDataExchange(bool save) {
    ExchangeListText(*this, kIdRecords, selectedLine, save);
    ExchangeListText(*this, kIdMaps, filters.map, save);
    ExchangeListText(*this, kIdPlayers, filters.players, save);
    for (const RadioGroup& group : kRadioGroups) {
        if (save)
            filters.*group.value = GetRadioIndex(group.firstId);
        else
            SetRadioIndex(group.firstId, filters.*group.value);
    }
    return true;
}

bool CScoresDlg::Read(std::vector<scores::Entry>& entries, bool tell) {
    const std::string path = scores::FilePath();
    scores::ReadResult read = scores::ReadScores(platform_.files, path);
    if (!read.opened && tell) scores::ReportUnreadable(platform_, path);
    entries = std::move(read.entries);
    return read.opened;
}

bool CScoresDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    std::vector<scores::Entry> entries;
    if (Read(entries, true)) {
        FillList(*this, kIdMaps, scores::MapChoices(entries));
        FillList(*this, kIdPlayers, scores::PlayerChoices());
    }
    filters = scores::CurrentGameFilters();
    FillList(*this, kIdRecords, scores::ListedLines(entries, filters));
    UpdateData(false);
    SetOpacity(g_transparencyPercent);
    return true;
}

void CScoresDlg::RefreshList() {
    UpdateData(true);
    std::vector<scores::Entry> entries;
    Read(entries, false);
    FillList(*this, kIdRecords, scores::ListedLines(entries, filters));
}

void CScoresDlg::OnCommand(int controlId, Notification code) {
    if (controlId == kIdListAll && code == Notification::Clicked) {
        platform_.dialogs.RunModal(all);
        return;
    }
    if (code == Notification::SelectionChange) {
        if (controlId == kIdMaps && GetSelection(kIdMaps) < 0) return;
        if (controlId == kIdPlayers && GetSelection(kIdPlayers) < 0) return;
        if (controlId == kIdMaps || controlId == kIdPlayers) RefreshList();
        return;
    }
    // Every radio button of the seven groups lists again.
    if (code == Notification::Clicked && IsRadioButton(Template(), controlId)) RefreshList();
}
