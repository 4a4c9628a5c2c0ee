// The board's shared drawing rules: scaling, map traits and owner colours.
#include "render/board_rules.h"

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/turn/turn_state.h"

namespace render {
namespace {

// Owners 11..25 (territories coloured by continent).
constexpr raster::Colour kContinentColours[15] = {
    0x2B5BCB, 0x008BAB, 0x2B2B6B, 0x4B8B6B, 0x2B476B, 0x5B4B2B, 0x4B4B0B, 0x4B4B6B,
    0x2B8B8B, 0x6B4B4B, 0x6B2B2B, 0x4BAB5B, 0x2B6B2B, 0x0B2B4B, 0x3B2B8B,
};

// Gradient bottoms of owners 1..25, and the own tops of the owners that have one (0: none).
struct GradientRow {
    raster::Colour bottom;
    raster::Colour ownTop;
};
constexpr GradientRow kGradients[25] = {
    {raster::Rgb(0, 136, 221), 0},
    {raster::Rgb(255, 0, 0), 0},
    {raster::Rgb(255, 187, 0), 0},
    {raster::Rgb(68, 187, 51), 0},
    {raster::Rgb(142, 95, 72), 0},
    {raster::Rgb(136, 102, 204), 0},
    {raster::Rgb(255, 68, 119), 0},
    {raster::Rgb(251, 107, 0), 0},
    {raster::Rgb(107, 123, 43), 0},
    {raster::Rgb(119, 187, 187), 0},
    {raster::Rgb(64, 80, 128), 0},
    {raster::Rgb(163, 50, 50), 0},
    {raster::Rgb(160, 128, 48), 0},
    {raster::Rgb(16, 96, 64), 0},
    {raster::Rgb(255, 0, 0), raster::Rgb(85, 0, 0)},
    {raster::Rgb(92, 51, 91), 0},
    {raster::Rgb(182, 87, 74), 0},
    {raster::Rgb(171, 107, 0), 0},
    {raster::Rgb(68, 187, 51), raster::Rgb(0, 51, 0)},
    {raster::Rgb(90, 124, 104), 0},
    {raster::Rgb(0, 136, 221), raster::Rgb(0, 51, 153)},
    {raster::Rgb(94, 79, 56), 0},
    {raster::Rgb(255, 187, 0), raster::Rgb(136, 51, 0)},
    {raster::Rgb(107, 107, 43), 0},
    {raster::Rgb(142, 95, 72), raster::Rgb(68, 17, 39)},
};
// Owners without a gradient of their own blend into the flat no-owner colour.
constexpr raster::Colour kNoOwnerBottom = kNoOwnerColour;

}  // namespace

bool IsMapFile() {
    return g_isMapCustom || g_isTestCustomMap;
}

namespace {
SmiliesRule SmiliesOfSelectedMap() {
    const BuiltinMap* map = SelectedBuiltinMap();
    return map != nullptr ? map->smilies : SmiliesRule::kNone;
}
}  // namespace

bool HasCodeLayout() {
    return SmiliesOfSelectedMap() != SmiliesRule::kNone || (IsMapFile() && g_customMapHasSmilies);
}

bool KeepsCodesWithoutIconRoom() {
    return SmiliesOfSelectedMap() == SmiliesRule::kLargeScreen &&
           (g_screenSize < 3 || g_screenWidth < 1280);
}

bool IsIconMap() {
    const SmiliesRule rule = SmiliesOfSelectedMap();
    return rule == SmiliesRule::kAlways ||
           (rule == SmiliesRule::kLargeScreen && g_screenSize == 3) ||
           (IsMapFile() && g_customMapHasSmilies);
}

bool AreTerritoryIconsShown() {
    return !g_isSafeMode && IsIconMap() && g_isSmiliesOn &&
           (g_screenSize == 2 || g_screenSize == 3) && g_screenWidth >= 1024;
}

bool IsHiddenOwner(std::int32_t owner) {
    return g_areTerritoriesHidden && g_isHidingActive && owner > g_humanPlayerCount;
}

raster::Colour FillColour(std::int32_t owner, bool highlight) {
    raster::Colour colour = kNoOwnerColour;
    if (IsPlayer(owner)) colour = highlight ? PlayerHighlightColour(owner) : PlayerColour(owner);
    if (IsHiddenOwner(owner)) colour = kHiddenColour;
    if (owner >= 11 && owner <= 25) colour = kContinentColours[owner - 11];
    return colour;
}

GradientColours GradientColoursOf(std::int32_t owner, bool highlightOn) {
    if (IsHiddenOwner(owner)) return {raster::Rgb(32, 32, 48), raster::Rgb(80, 80, 128)};
    GradientColours colours{highlightOn ? raster::Rgb(255, 136, 0) : raster::Rgb(0, 0, 0),
                            kNoOwnerBottom};
    if (owner >= 1 && owner <= 25) {
        const GradientRow& row = kGradients[owner - 1];
        colours.bottom = row.bottom;
        if (row.ownTop != 0) colours.top = row.ownTop;
    }
    return colours;
}

raster::Colour PieceColour(std::int32_t owner, bool highlight) {
    if (!g_isGradientPaint) return FillColour(owner, highlight);
    return GradientColoursOf(owner, highlight).bottom;
}

bool IsStronghold(std::int32_t territory) {
    if (!g_areStrongholdsOn) return false;
    for (int p = 1; p <= g_playerCount && p <= kMaxPlayers; ++p) {
        if (g_players[static_cast<std::size_t>(p)][player_field::kStronghold] == territory) {
            return true;
        }
    }
    return false;
}

}  // namespace render
