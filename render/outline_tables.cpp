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
    // A map may trace some territories of the small screen from points of their own.
    const BuiltinMap* map = SelectedBuiltinMap();
    if (g_screenSize == 1 && map != nullptr) {
        for (const TraceStart& start : map->smallTraceStarts) {
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
