// The board picture and the drawing state that the rendering shares with the rest of the game.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/model/game_state.h"
#include "platform/raster/surface.h"

// The composed board is always this size, whatever the map picture's size.
inline constexpr int kBoardWidth = 1206;
inline constexpr int kBoardHeight = 898;
// The background layers cover this much of the board.
inline constexpr int kOceanHeight = 790;

// An outline's points are 0..count with count at most this.
inline constexpr int kMaxOutlineIndex = 5000;
// The tracer's tables (points 0..4999).
inline constexpr int kTraceTableSize = 5000;

using OutlineRow = std::array<std::int16_t, kMaxOutlineIndex + 1>;
using PolygonRow = std::array<raster::Point, kMaxOutlineIndex + 1>;

// Sets a one-character text such as the marker below. (GCC 12 at -O3 warns wrongly about
// assigning one-character literals to strings, and warnings are errors.)
inline void SetOneCharacterText(std::string& text, char c) {
    text.clear();
    text.push_back(c);
}

// "0" asks the next paint to rebuild the board; every paint leaves "1".
extern std::string g_freshMapMarker;
// The next rebuild also makes the territory outlines.
extern bool g_isBoardRebuildPending;

// The composed board (background, map, territories), kBoardWidth x kBoardHeight once built.
extern raster::Surface g_mapDC;
// The bare map picture of the last rebuild; empty when it did not load.
extern raster::Surface g_mapBitmap;
// The user's "oceans.bmp" as last loaded for the Picture background.
extern raster::Surface g_backgroundPicture;
// A picture of what lies behind the window, for "Desktop Shining Through"; empty when the
// system gives none (the board then shows black there).
extern raster::Surface g_desktopDC;
extern std::int32_t g_desktopOffsetX;
extern std::int32_t g_desktopOffsetY;

// Territory outlines: per territory the index of its last point (negative: none), the points,
// and the same points as the painter's polygons.
extern std::array<std::int16_t, kMaxTerritories + 1> g_outlineCounts;
extern std::array<OutlineRow, kMaxTerritories + 1> g_outlineX;
extern std::array<OutlineRow, kMaxTerritories + 1> g_outlineY;
extern std::array<PolygonRow, kMaxTerritories + 1> g_outlinePolygons;
// Which map and size the outline tables were made for ("" none); outlines of another map or
// size are never painted.
extern std::string g_outlinesMadeFor;

// The outline being traced: its points and, per point, the light pixel on the territory's side.
extern std::array<std::int16_t, kTraceTableSize> g_traceX;
extern std::array<std::int16_t, kTraceTableSize> g_traceY;
extern std::array<std::int32_t, kTraceTableSize> g_traceOuterX;
extern std::array<std::int32_t, kTraceTableSize> g_traceOuterY;

// The name the status bar shows while another machine's player is to play.
extern std::string g_actingPlayerName;

// Puts every picture, table and value above back to its value at program start.
void ResetRenderState();
