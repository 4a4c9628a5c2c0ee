// The screen's measured values, the scaling of stored positions and the view's fonts.
#include "core/model/screen.h"

#include <algorithm>

#include "core/model/options.h"

std::int32_t g_screenWidth = 0;
std::int32_t g_screenHeight = 0;
bool g_isLargeFonts = false;

raster::FontDescription g_fontSansSerif8;
raster::FontDescription g_fontSansSerif6;
raster::FontDescription g_fontSerif6;
raster::FontDescription g_fontTerminal10;
raster::FontDescription g_fontTerminal8;
raster::FontDescription g_fontSansSerif6Underlined;

std::int32_t ScaleToScreen(std::int32_t value) {
    // In 64 bits: a stored position may be any 32-bit number, and the Large size grows it.
    std::int64_t scaled = value;
    if (g_screenSize == 1) scaled = scaled * 70 / 100;
    if (g_screenSize == 3) scaled = scaled * 125 / 100;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(scaled, -kMaxScreenPosition, kMaxScreenPosition));
}

void ResetScreenState() {
    g_screenWidth = g_screenHeight = 0;
    g_isLargeFonts = false;
    for (raster::FontDescription* font :
         {&g_fontSansSerif8, &g_fontSansSerif6, &g_fontSerif6, &g_fontTerminal10, &g_fontTerminal8,
          &g_fontSansSerif6Underlined})
        *font = raster::FontDescription{};
}
