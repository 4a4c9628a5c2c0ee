// The player's options: colours, personalities, speed, look and sounds. The settings file keeps
// them (shell/settings.h); the whole game reads them from here.
#pragma once

#include <array>
#include <cstdint>

#include "platform/raster/surface.h"

inline constexpr int kPlayerColourSlots = 20;  // [1..5] colours, [6..10] highlights, ...

// Colours of players 1..10 and their highlights, 0x00BBGGRR; [0] unused.
extern std::array<raster::Colour, kPlayerColourSlots + 1> g_playerColours;
// Computer personalities of players 1..10 (0 Normal .. 6 Unstable); [0] unused.
extern std::array<std::int32_t, 11> g_personalities;
// Personalities by number.
namespace personality {
inline constexpr std::int32_t kNormal = 0;
inline constexpr std::int32_t kConqueror = 1;
inline constexpr std::int32_t kDefensive = 2;
inline constexpr std::int32_t kAvenger = 3;
inline constexpr std::int32_t kDetermined = 4;
inline constexpr std::int32_t kHunter = 5;
inline constexpr std::int32_t kUnstableMark = 6;  // in g_unstableMarks
}  // namespace personality
extern bool g_isRandomMix;

// Speed.
extern bool g_isFastSpeed;
extern bool g_isVeryFastSpeed;
extern bool g_isFastestSpeed;

// Look.
extern std::int32_t g_oceansBackground;  // 0..5
extern raster::Colour g_oceansColour;
extern bool g_isSmiliesOn;
extern bool g_hideCreatingMapsNotice;
extern std::int32_t g_screenSize;  // 1 Small, 2 Medium, 3 Large
extern bool g_isSafeMode;
extern bool g_isGradientFill;
extern std::int32_t g_transparencyPercent;  // dialog opacity, 20..100
extern std::int32_t g_colourScheme;         // 0 Gradients, 1 Solid Colors, 2 own colours
// Gradient paint as the board uses it: a copy of g_isGradientFill taken at start.
extern bool g_isGradientPaint;

// Sounds.
extern bool g_isSoundOff;
extern bool g_isAttackSoundOn;
extern bool g_isAddSoundOn;
extern bool g_isMoveSoundOn;
extern bool g_isNextPlayerSoundOn;
extern bool g_isPlayerOutSoundOn;
extern bool g_isContinentSoundOn;
extern bool g_isVictorySoundOn;
extern bool g_isSonarSoundOn;

// Set by their owners only around the one save that stores a name or an address.
extern bool g_isSavingPlayerName;
extern bool g_isSavingHotseatNames;
extern bool g_isSavingHostAddress;

// The owner's colour and highlight colour from the player colours; 0x400000 (the label colour
// of flat painting) for owners that are not players.
inline constexpr raster::Colour kFlatLabelColour = 0x400000;
raster::Colour PlayerColour(std::int32_t owner);
raster::Colour PlayerHighlightColour(std::int32_t owner);

// Puts every option above back to its value at program start.
void ResetOptions();
