// The player's options: colours, personalities, speed, look and sounds. The settings file keeps
// them (shell/settings.h); the whole game reads them from here.
#pragma once

#include <array>
#include <cstddef>
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

// What a new settings file holds, and what "Restore defaults" and "Restore" bring back: the
// colours of players 1..5, their highlights, players 6..10, their highlights (0x00BBGGRR).
inline constexpr std::array<raster::Colour, kPlayerColourSlots> kDefaultPlayerColours{
    0x805040, 0x3232A3, 0x3080A0, 0x406010, 0x384F5E, 0xFFFF80, 0xC0C0FF,
    0xC0FFFF, 0x80FF80, 0x8CC6FF, 0x5B335C, 0x4A57B6, 0x006BAB, 0x2B6B6B,
    0x687C5A, 0xFFC0C0, 0xC0C0FF, 0xB9DCFF, 0x80C0C0, 0xBFC9B8};
inline constexpr raster::Colour kDefaultOceansColour = 0x404040;
inline constexpr std::int32_t kDefaultTransparencyPercent = 85;
// Dialogs are never made more see-through than this, nor more solid than solid.
inline constexpr std::int32_t kMinTransparencyPercent = 20;
inline constexpr std::int32_t kMaxTransparencyPercent = 100;

// The colour table's slots of player p's colour and of its highlight (attack) colour.
std::size_t PlayerColourSlot(std::int32_t player);
std::size_t PlayerHighlightSlot(std::int32_t player);

// The owner's colour and highlight colour from the player colours; 0x400000 (the label colour
// of flat painting) for owners that are not players.
inline constexpr raster::Colour kFlatLabelColour = 0x400000;
raster::Colour PlayerColour(std::int32_t owner);
raster::Colour PlayerHighlightColour(std::int32_t owner);

// Puts every option above back to its value at program start.
void ResetOptions();
