// Filling the outline tables: from a built-in map's outline file, or by tracing the picture.
#include <optional>
#include <string>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "platform/files.h"
#include "render/board_rules.h"
#include "render/outline_file.h"
#include "render/outline_tracer.h"
#include "render/render_state.h"

namespace {

// On the small screen these Real World territories are traced from points of their own
// (medium-screen units), as their label points lie too near a border.
struct StartPoint {
    std::int32_t territory, x, y;
};
constexpr StartPoint kRealWorldSmallStarts[] = {
    {20, 391, 299}, {30, 472, 328}, {31, 439, 340}, {32, 438, 365}, {35, 488, 433}, {38, 503, 453},
    {46, 429, 206}, {54, 507, 178}, {56, 480, 122}, {57, 496, 138}, {58, 476, 150}, {62, 429, 96},
    {64, 432, 126}, {67, 399, 124}, {68, 362, 77},  {73, 580, 175}, {76, 624, 227}, {83, 769, 296},
};

// No outlines for this map and size: its territories are painted flat until the next rebuild
// that makes outlines, never with another map's polygons.
void ForgetOutlines() {
    g_outlineCounts.fill(-1);
    g_mapCachePath.clear();
    g_isGradientPaint = false;
}

}  // namespace

void CChildView::OpenMapCacheFile() {
    const BuiltinMap* map = SelectedBuiltinMap();
    if (map == nullptr || g_programFolder.empty()) {
        ForgetOutlines();
        return;
    }
    const std::string name = render::OutlineFileName(std::string(map->code), g_screenSize);
    const std::string path = platform::JoinPath(g_programFolder, "res/maps/" + name);
    const std::optional<platform::Bytes> bytes =
        platform_.files.Read(path, render::MaxOutlineFileSize() + 1);
    std::optional<render::OutlineSet> file;
    if (bytes) file = render::DecodeOutlineFile(*bytes, nullptr, g_territoryCount);
    if (!file) {
        ForgetOutlines();
        return;
    }
    g_mapCachePath = path;
    g_outlineCounts.fill(-1);
    for (std::size_t t = 1; t < file->rows.size(); ++t) {
        const auto& points = file->rows[t];
        g_outlineCounts[t] = static_cast<std::int16_t>(static_cast<int>(points.size()) - 1);
        for (std::size_t k = 0; k < points.size(); ++k) {
            g_outlineX[t][k] = static_cast<std::int16_t>(points[k].x);
            g_outlineY[t][k] = static_cast<std::int16_t>(points[k].y);
        }
    }
}

void CChildView::TraceTerritoryOutline(std::int32_t x, std::int32_t y, std::int16_t* count,
                                       std::int32_t territory) {
    if (g_screenSize == 1 && g_isMapRealWorld) {
        for (const StartPoint& start : kRealWorldSmallStarts) {
            if (start.territory == territory) {
                x = start.x;
                y = start.y;
            }
        }
    }
    const raster::Point origin{ScaleToScreen(x) + 1, ScaleToScreen(y) + 1};
    *count =
        render::TraceOutline(g_mapBitmap, g_isMapCustom, origin,
                             render::TraceTables{g_traceX, g_traceY, g_traceOuterX, g_traceOuterY});
}
