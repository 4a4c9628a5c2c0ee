// The personalities dialog: its template, the live rows, Reset, Cancel's restore, and the draws of
// a game's personalities.
#include "setup/personalities.h"

#include <string>

#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "platform/dialog_host.h"
#include "platform/random.h"
#include "setup/setup_dialogs.h"
#include "setup/setup_dialogs_layout.h"
#include "setup/setup_dialogs_rules.h"
#include "shell/settings.h"

namespace {

// Buttons of players II..X, Normal to Unstable; Normal is 1024 + k and Unstable 1080 + k.
constexpr std::array<std::array<int, kPersonalityCount>, 11> kButtons{{
    {},
    {},
    {1026, 1037, 1038, 1039, 1051, 1052, 1082},
    {1027, 1040, 1041, 1042, 1053, 1054, 1083},
    {1028, 1059, 1060, 1061, 1091, 1092, 1084},
    {1029, 1062, 1063, 1064, 1093, 1094, 1085},
    {1030, 1065, 1066, 1067, 1095, 1096, 1086},
    {1031, 1068, 1069, 1070, 1097, 1098, 1087},
    {1032, 1071, 1072, 1073, 1099, 1100, 1088},
    {1033, 1074, 1075, 1076, 1101, 1102, 1089},
    {1034, 1077, 1078, 1079, 1080, 1081, 1090},
}};

constexpr const char* kRowHeads[11] = {"",   "",    "II",   "III", "IV", "V",
                                       "VI", "VII", "VIII", "IX",  "X"};
constexpr const char* kNames[kPersonalityCount] = {
    "Normal", "Conqueror", "Defensive", "Avenger", "Determined", "Hunter", "Unstable"};

// The players stand in columns, the personalities in lines, so that each player's group of
// buttons runs from top to bottom.
DialogTemplate MakeTemplate() {
    setup_layout::TemplateBuilder b(CPersonalitiesDlg::kIdd, "Personalities", 300, 168);
    b.Text(kIdStatic, "Computer Player", {8, 8, 60, 9});
    for (int k = 2; k <= kMaxPlayers; ++k)
        b.Text(kIdStatic, kRowHeads[k], {78 + (k - 2) * 24, 8, 20, 9}, ctl::kCenter);
    for (int n = 0; n < kPersonalityCount; ++n)
        b.Text(kIdStatic, kNames[n], {8, 22 + n * 13, 60, 9});
    for (int k = 2; k <= kMaxPlayers; ++k) {
        std::vector<std::pair<int, std::string>> items;
        for (int n = 0; n < kPersonalityCount; ++n) items.emplace_back(kButtons[k][n], "");
        b.Radios(84 + (k - 2) * 24, 22, 10, items, 13);
    }
    b.Check(CPersonalitiesDlg::kIdRandomMix, "Random Mix", {8, 118, 80, 10});
    b.Button(CPersonalitiesDlg::kIdReset, "Reset", {100, 116, 50, 14});
    b.Button(CPersonalitiesDlg::kIdInfo, "Info...", {160, 116, 50, 14});
    return b.OkCancel(144).Build();
}

const DialogTemplate& PersonalitiesTemplate() {
    static const DialogTemplate t = MakeTemplate();
    return t;
}

bool IsLive(int player) {
    return setup_rules::PersonalityRowLive(player, g_playerCount, g_humanPlayerCount);
}

// A game from a file or under way only shows its personalities.
bool IsLocked() {
    return IsYes(g_isGameFromFile) || g_roundCounter >= 1;
}

}  // namespace

std::array<int, kPersonalityCount> PersonalityButtons(int player) {
    if (player < 2 || player > kMaxPlayers) return {};
    return kButtons[static_cast<std::size_t>(player)];
}

CPersonalitiesDlg::CPersonalitiesDlg(platform::DialogHost& host)
    : CDialog(PersonalitiesTemplate()), host_(host) {}

bool CPersonalitiesDlg::DoDataExchange(bool save) {
    if (save) {
        randomMix = GetCheck(kIdRandomMix) != 0 ? 1 : 0;
        for (int k = 2; k <= kMaxPlayers; ++k) {
            const int index = GetRadioIndex(kButtons[k][0]);
            choices[static_cast<std::size_t>(k)] = index < 0 ? 0 : index;
        }
    } else {
        SetCheck(kIdRandomMix, randomMix != 0 ? 1 : 0);
        for (int k = 2; k <= kMaxPlayers; ++k)
            SetRadioIndex(kButtons[k][0], choices[static_cast<std::size_t>(k)]);
    }
    return true;
}

void CPersonalitiesDlg::EnableRows(bool live) {
    for (int k = 2; k <= kMaxPlayers; ++k)
        for (int id : kButtons[static_cast<std::size_t>(k)]) Enable(id, live && IsLive(k));
}

bool CPersonalitiesDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    g_personalitiesBackup = g_personalities;
    g_avengeTargetsBackup = g_avengeTargets;
    g_unstableMarksBackup = g_unstableMarks;
    g_isRandomMixBackup = g_isRandomMix;
    const bool locked = IsLocked();
    if (locked) Enable(kIdReset, false);
    EnableRows(GetCheck(kIdRandomMix) == 0);
    if (locked) {
        Enable(kIdRandomMix, false);
        EnableRows(false);
    }
    ApplyDialogTransparency(*this);
    return true;
}

void CPersonalitiesDlg::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) return;
    if (controlId == kIdRandomMix) OnRandomMix();
    if (controlId == kIdReset) OnReset();
    if (controlId == kIdInfo) host_.RunModal(info);
}

void CPersonalitiesDlg::OnRandomMix() {
    UpdateData(true);
    EnableRows(randomMix == 0);
}

void CPersonalitiesDlg::OnReset() {
    for (int p = 1; p <= kMaxPlayers; ++p)
        g_personalities[p] = g_avengeTargets[p] = g_unstableMarks[p] = 0;
    g_isRandomMix = false;
    randomMix = 0;
    choices.fill(0);
    UpdateData(false);
    Enable(kIdRandomMix, true);
    EnableRows(true);
}

void CPersonalitiesDlg::OnCancel() {
    g_personalities = g_personalitiesBackup;
    g_avengeTargets = g_avengeTargetsBackup;
    g_unstableMarks = g_unstableMarksBackup;
    g_isRandomMix = g_isRandomMixBackup;
    CDialog::OnCancel();
}

std::array<std::int32_t, 11> ShownPersonalities() {
    std::array<std::int32_t, 11> shown = g_personalities;
    for (int p = 1; p <= kMaxPlayers; ++p)
        if (g_unstableMarks[p] == personality::kUnstableMark) shown[p] = personality::kUnstableMark;
    return shown;
}

void DrawGamePersonalities(platform::Random& random) {
    for (int p = 1; p <= kMaxPlayers; ++p) {
        g_avengeTargets[p] = g_unstableMarks[p] = 0;
        if (g_isRandomMix) g_personalities[p] = random.Next() % kPersonalityCount;
        if (g_personalities[p] == personality::kUnstableMark) {
            g_unstableMarks[p] = personality::kUnstableMark;
            g_personalities[p] = random.Next() % personality::kUnstableMark;
        }
    }
}
