// The screen the game runs on: its measured size, the system's font size, the scaling of stored
// positions to the chosen screen size, and the view's fonts.
#pragma once

#include <cstdint>

#include "platform/raster/text.h"

extern std::int32_t g_screenWidth;
extern std::int32_t g_screenHeight;
extern bool g_isLargeFonts;  // the system's fonts are large

// A stored position (medium-screen units) on the current screen size: 70/100 on the small
// screen, 125/100 on the large one, truncating. The answer lies within +-kMaxScreenPosition, so
// that a painter may add offsets to it without overflow.
inline constexpr std::int32_t kMaxScreenPosition = std::int32_t{1} << 24;
std::int32_t ScaleToScreen(std::int32_t value);

// The view's six fonts, made at start.
extern raster::FontDescription g_fontSansSerif8;
extern raster::FontDescription g_fontSansSerif6;
extern raster::FontDescription g_fontSerif6;
extern raster::FontDescription g_fontTerminal10;
extern raster::FontDescription g_fontTerminal8;
extern raster::FontDescription g_fontSansSerif6Underlined;

// Puts the screen's values and the fonts back to their values at program start.
void ResetScreenState();
