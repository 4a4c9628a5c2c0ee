// The player's options and the owner colours read from them.
#include "core/model/options.h"

#include "core/model/game_state.h"

std::array<raster::Colour, kPlayerColourSlots + 1> g_playerColours{};
std::array<std::int32_t, 11> g_personalities{};
bool g_isRandomMix = false;
bool g_isFastSpeed = false;
bool g_isVeryFastSpeed = false;
bool g_isFastestSpeed = false;
std::int32_t g_oceansBackground = 0;
raster::Colour g_oceansColour = 0;
bool g_isSmiliesOn = false;
bool g_hideCreatingMapsNotice = false;
std::int32_t g_screenSize = 0;
bool g_isSafeMode = false;
bool g_isGradientFill = false;
std::int32_t g_transparencyPercent = 0;
std::int32_t g_colourScheme = 0;
bool g_isGradientPaint = false;
bool g_isSoundOff = false;
bool g_isAttackSoundOn = false;
bool g_isAddSoundOn = false;
bool g_isMoveSoundOn = false;
bool g_isNextPlayerSoundOn = false;
bool g_isPlayerOutSoundOn = false;
bool g_isContinentSoundOn = false;
bool g_isVictorySoundOn = false;
bool g_isSonarSoundOn = false;
bool g_isSavingPlayerName = false;
bool g_isSavingHotseatNames = false;
bool g_isSavingHostAddress = false;

// Players 1..5 take slots 1..5 and their highlights 6..10; players 6..10 take 11..15 and 16..20.
std::size_t PlayerColourSlot(std::int32_t player) {
    return static_cast<std::size_t>(player <= 5 ? player : player + 5);
}

std::size_t PlayerHighlightSlot(std::int32_t player) {
    return static_cast<std::size_t>(player <= 5 ? player + 5 : player + 10);
}

raster::Colour PlayerColour(std::int32_t owner) {
    if (!IsPlayer(owner)) return kFlatLabelColour;
    return g_playerColours[PlayerColourSlot(owner)];
}

raster::Colour PlayerHighlightColour(std::int32_t owner) {
    if (!IsPlayer(owner)) return kFlatLabelColour;
    return g_playerColours[PlayerHighlightSlot(owner)];
}

void ResetOptions() {
    g_playerColours.fill(0);
    g_personalities.fill(0);
    g_isRandomMix = g_isFastSpeed = g_isVeryFastSpeed = g_isFastestSpeed = false;
    g_oceansBackground = 0;
    g_oceansColour = 0;
    g_isSmiliesOn = g_hideCreatingMapsNotice = false;
    g_screenSize = 0;
    g_isSafeMode = g_isGradientFill = g_isGradientPaint = false;
    g_transparencyPercent = g_colourScheme = 0;
    g_isSoundOff = g_isAttackSoundOn = g_isAddSoundOn = g_isMoveSoundOn = false;
    g_isNextPlayerSoundOn = g_isPlayerOutSoundOn = g_isContinentSoundOn = false;
    g_isVictorySoundOn = g_isSonarSoundOn = false;
    g_isSavingPlayerName = g_isSavingHotseatNames = g_isSavingHostAddress = false;
}
