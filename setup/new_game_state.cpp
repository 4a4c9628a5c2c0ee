// The set-up's process-wide values: play time, saved-game name flags and the personalities' copies.
#include "core/model/session_state.h"

std::int64_t g_gameStartTime = 0;
std::int64_t g_playResumeTime = 0;
double g_playingSeconds = 0.0;
bool g_hasOpenedFileName = false;
bool g_hasFileName = false;
std::uint8_t g_savedGameByte3708 = 0;
bool g_moreNamesFollow = false;
bool g_isGreyOutline = false;
bool g_isFixedPalette = false;
std::int32_t g_networkPort = 0;
std::array<std::int32_t, kMaxPlayers + 1> g_savedPersonalities{};
bool g_savedRandomMix = false;
std::array<std::int32_t, kMaxPlayers + 1> g_personalitiesBackup{};
std::array<std::int32_t, kMaxPlayers + 1> g_avengeTargetsBackup{};
std::array<std::int32_t, kMaxPlayers + 1> g_unstableMarksBackup{};
bool g_isRandomMixBackup = false;

void ResetNewGameState() {
    g_gameStartTime = g_playResumeTime = 0;
    g_playingSeconds = 0.0;
    g_hasOpenedFileName = g_hasFileName = false;
    g_savedGameByte3708 = 0;
    g_moreNamesFollow = g_isGreyOutline = g_isFixedPalette = false;
    g_networkPort = 0;
    g_savedPersonalities.fill(0);
    g_savedRandomMix = false;
    g_personalitiesBackup.fill(0);
    g_avengeTargetsBackup.fill(0);
    g_unstableMarksBackup.fill(0);
    g_isRandomMixBackup = false;
}
