// The sound dialog: its template, the None box that greys the events, and the sounds' preview.
#include "shell/sound_dlg.h"

#include "core/model/options.h"
#include "core/turn/game_sounds.h"
#include "core/turn/turn_state.h"
#include "platform/resources.h"
#include "platform/sound.h"

namespace {

// What each event box switches, and the sound its "Play" button lets the player hear (the
// attack's switch covers the failed attack's sound as well).
constexpr std::array<std::int32_t, 8> kEventSounds{
    game_sound::kAttack,     game_sound::kPlaceArmies, game_sound::kMove,
    game_sound::kNextPlayer, game_sound::kPlayerOut,   game_sound::kContinentTaken,
    game_sound::kVictory,    game_sound::kSonar};
constexpr const char* kEventTexts[8] = {"Attack",
                                        "Add",
                                        "Move",
                                        "Next player",
                                        "Player out of game",
                                        "Continent conquered",
                                        "Victory",
                                        "Sonar sound while connecting"};

constexpr int kFirstEventY = 47;
constexpr int kEventStep = 12;

DialogTemplate MakeSoundTemplate() {
    using K = ControlKind;
    DialogTemplate t;
    t.id = CSoundDlg::kIdd;
    t.caption = "Sound Settings";
    t.width = 222;
    t.height = 152;
    t.controls = {
        {kIdStatic, K::GroupBox, "Sound", {7, 7, 150, 26}},
        {CSoundDlg::kIdNone, K::CheckBox, "None", {14, 18, 120, 10}, ctl::kTabStop},
        {kIdStatic, K::GroupBox, "Program events", {7, 36, 150, 109}},
    };
    for (std::size_t i = 0; i < CSoundDlg::kEventIds.size(); ++i) {
        const int y = kFirstEventY + kEventStep * static_cast<int>(i);
        t.controls.push_back({CSoundDlg::kEventIds[i],
                              K::CheckBox,
                              kEventTexts[i],
                              {14, y, 108, 10},
                              ctl::kTabStop});
        t.controls.push_back(
            {CSoundDlg::kPlayIds[i], K::Button, "Play", {124, y - 1, 28, 11}, ctl::kTabStop});
    }
    t.controls.push_back(
        {kIdOk, K::Button, "OK", {165, 7, 50, 14}, ctl::kDefault | ctl::kTabStop | ctl::kGroup});
    t.controls.push_back({kIdCancel, K::Button, "Cancel", {165, 24, 50, 14}, ctl::kTabStop});
    return t;
}

}  // namespace

const DialogTemplate& SoundTemplate() {
    static const DialogTemplate t = MakeSoundTemplate();
    return t;
}

CSoundDlg::CSoundDlg(platform::SoundPlayer& sound, std::string programFolder)
    : CDialog(SoundTemplate()), sound_(sound), programFolder_(std::move(programFolder)) {}

bool CSoundDlg::DoDataExchange(bool save) {
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const int id = i == 0 ? kIdNone : kEventIds[i - 1];
        if (save) {
            checks[i] = GetCheck(id);
        } else {
            SetCheck(id, checks[i]);
        }
    }
    return true;
}

void CSoundDlg::EnableEvents() {
    const bool on = GetCheck(kIdNone) == 0;
    for (int id : kEventIds) Enable(id, on);
}

bool CSoundDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    EnableEvents();
    SetOpacity(g_transparencyPercent);
    return true;
}

void CSoundDlg::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) return;
    if (controlId == kIdNone) return OnNone();
    for (std::size_t i = 0; i < kPlayIds.size(); ++i) {
        if (controlId == kPlayIds[i]) return OnPlay(i);
    }
}

void CSoundDlg::OnNone() {
    UpdateData(true);
    EnableEvents();
}

// Heard once, whatever the switches say: the player chooses by hearing it.
void CSoundDlg::OnPlay(std::size_t event) {
    if (event >= kEventSounds.size()) return;
    const GameSound* sound = FindGameSound(static_cast<std::uint32_t>(kEventSounds[event]));
    if (sound == nullptr) return;
    sound_.Play(platform::SoundPath(programFolder_, std::string(sound->name)), false);
}
