// The board's drawing rules that several painters share: scaling, map traits, owner colours.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/raster/surface.h"

struct BuiltinMap;

namespace render {

// The colours the board's painters keep for themselves: the map picture's see-through black,
// an untouched territory's white, the label-point marks of a map under test, and the fills of
// territories without a player and of hidden players.
inline constexpr raster::Colour kSeeThroughColour = 0x000000;
inline constexpr raster::Colour kFreshTerritoryColour = 0xFFFFFF;
inline constexpr raster::Colour kTestMarkerColour = 0xFEFFFD;
inline constexpr raster::Colour kNoOwnerColour = 0x606070;
inline constexpr raster::Colour kHiddenColour = 0x604040;

// A map file, loaded or under test.
bool IsMapFile();
// Maps whose boards show territory codes, the count below the code, and the player icons.
bool HasCodeLayout();
// A map whose icons want the large screen keeps its codes on any smaller or narrower one.
bool KeepsCodesWithoutIconRoom();
// Player icons may stand on this map's territories (screen and settings aside).
bool IsIconMap();
// Icons stand on territories now: an icon map with smilies on at a wide enough screen.
bool AreTerritoryIconsShown();

// The owner is a player whose territories are hidden from the humans.
bool IsHiddenOwner(std::int32_t owner);

// A territory's flat fill colour (what the brush of its fill holds).
raster::Colour FillColour(std::int32_t owner, bool highlight);

// The two colours of a territory's gradient, top and bottom.
struct GradientColours {
    raster::Colour top = 0;
    raster::Colour bottom = 0;
};
GradientColours GradientColoursOf(std::int32_t owner, bool highlightOn);

// The one colour of a territory's flood-filled pieces: its flat fill colour, and under gradient
// paint the gradient's own colour, so that its islands match its main piece (the flat colour of
// a dark player vanishes into the sea beside a bright gradient).
raster::Colour PieceColour(std::int32_t owner, bool highlight);

// How far the paint point stands above the label point on the built-in map `map` (nullptr: none
// selected; map files take 12) at screen size 1..3 (any other size counts as the small one).
int PaintPointShiftOf(const BuiltinMap* map, int size);

// The board area that the players panel's ten rows of boxes and names cover on the built-in map
// `map` at screen size 1..3 (maps must leave it free of land); none without a map or size.
std::optional<raster::Rect> PlayersPanelArea(const BuiltinMap* map, int size);

// Some player holds the territory as a stronghold while strongholds are on.
bool IsStronghold(std::int32_t territory);

}  // namespace render
