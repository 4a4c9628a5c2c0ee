// The sound table and the small services every game area uses to talk to the player.
#include "core/turn/game_sounds.h"

#include <array>
#include <cerrno>
#include <cstdio>

#include "core/child_view.h"
#include "core/model/files.h"
#include "core/model/options.h"
#include "core/turn/turn_state.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "platform/window_services.h"

namespace {

// The file names are the sounds' resource ids.
const std::array kSounds = std::to_array<GameSound>({
    {game_sound::kPlaceArmies, "236", &g_isAddSoundOn, false},
    {game_sound::kFailedAttack, "225", &g_isAttackSoundOn, false},
    {game_sound::kAttack, "222", &g_isAttackSoundOn, false},
    {game_sound::kMove, "237", &g_isMoveSoundOn, false},
    {game_sound::kPlayerOut, "238", &g_isPlayerOutSoundOn, false},
    {game_sound::kNextPlayer, "230", &g_isNextPlayerSoundOn, false},
    {game_sound::kContinentTaken, "229", &g_isContinentSoundOn, false},
    {game_sound::kVictory, "228", &g_isVictorySoundOn, false},
    {game_sound::kSonar, "231", &g_isSonarSoundOn, true},
});

}  // namespace

std::span<const GameSound> GameSounds() {
    return kSounds;
}

const GameSound* FindGameSound(std::uint32_t number) {
    for (const GameSound& sound : kSounds)
        if (sound.number == number) return &sound;
    return nullptr;
}

void CChildView::PlayGameSound(std::uint32_t sound) {
    if (g_isSoundOff || sound > game_sound::kSonar) return;
    if (sound == game_sound::kSilence) {
        platform_.sound.Stop();
        return;
    }
    const GameSound* entry = FindGameSound(sound);
    if (entry == nullptr || !*entry->isOn) return;
    platform_.sound.Play(platform::SoundPath(g_programFolder, std::string(entry->name)),
                         entry->loops);
}

void CChildView::SetBusy() {
    g_isHighlightOn = true;
}

void CChildView::ClearBusy() {
    g_isHighlightOn = false;
}

// The system's last error is errno here.
void CChildView::ReportLastError(const std::string& text) {
    const int code = errno;
    char line[512];
    std::snprintf(line, sizeof line, " %s Error number %d ", text.c_str(), code);
    platform_.window.MessageBox(line, "Marovek", platform::MessageButtons::Ok,
                                platform::MessageIcon::None);
}

void CChildView::GetComputerPlayerName(std::string* name) {
    name->clear();
    if (IsPlayer(g_aiActingPlayer))
        *name = g_playerNames[static_cast<std::size_t>(g_aiActingPlayer)];
}
