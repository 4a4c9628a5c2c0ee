// The rendering's own drawing state: background pictures, territory outlines, the tracer's tables.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "platform/raster/surface.h"

// An outline's points are 0..count with count at most this.
inline constexpr int kMaxOutlineIndex = 5000;
// The tracer's tables (points 0..4999).
inline constexpr int kTraceTableSize = 5000;

using OutlineRow = std::array<std::int16_t, kMaxOutlineIndex + 1>;
using PolygonRow = std::array<raster::Point, kMaxOutlineIndex + 1>;

// The user's "oceans.bmp" as last loaded for the Picture background.
extern raster::Surface g_backgroundPicture;
// The screen as it was before the main window showed, for "Desktop Shining Through", is kept by
// the window services (WindowServices::SnapshotScreen); where the view stood on it at the last
// rebuild:
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
// Which file g_mapBitmap was read from ("" none): a rebuild from the same file reuses it.
extern std::string g_mapBitmapReadFrom;

// The outline being traced: its points and, per point, the light pixel on the territory's side.
extern std::array<std::int16_t, kTraceTableSize> g_traceX;
extern std::array<std::int16_t, kTraceTableSize> g_traceY;
extern std::array<std::int32_t, kTraceTableSize> g_traceOuterX;
extern std::array<std::int32_t, kTraceTableSize> g_traceOuterY;

// The name the status bar shows while another machine's player is to play.
extern std::string g_actingPlayerName;

// Puts every picture, table and value above back to its value at program start.
void ResetRenderState();
