// The rendering's process-wide drawing state.
#include "render/render_state.h"

raster::Surface g_backgroundPicture;
std::int32_t g_desktopOffsetX = 0;
std::int32_t g_desktopOffsetY = 0;

std::array<std::int16_t, kMaxTerritories + 1> g_outlineCounts{};
std::array<OutlineRow, kMaxTerritories + 1> g_outlineX{};
std::array<OutlineRow, kMaxTerritories + 1> g_outlineY{};
std::array<PolygonRow, kMaxTerritories + 1> g_outlinePolygons{};
std::string g_outlinesMadeFor;
std::string g_mapBitmapReadFrom;

std::array<std::int16_t, kTraceTableSize> g_traceX{};
std::array<std::int16_t, kTraceTableSize> g_traceY{};
std::array<std::int32_t, kTraceTableSize> g_traceOuterX{};
std::array<std::int32_t, kTraceTableSize> g_traceOuterY{};

std::string g_actingPlayerName;

void ResetRenderState() {
    g_backgroundPicture = raster::Surface{};
    g_desktopOffsetX = g_desktopOffsetY = 0;
    g_outlineCounts.fill(0);
    g_outlineX.fill({});
    g_outlineY.fill({});
    g_outlinePolygons.fill({});
    g_outlinesMadeFor.clear();
    g_mapBitmapReadFrom.clear();
    g_traceX.fill(0);
    g_traceY.fill(0);
    g_traceOuterX.fill(0);
    g_traceOuterY.fill(0);
    g_actingPlayerName.clear();
}
