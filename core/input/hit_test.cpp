// Hit testing on the composed board: nearest label, a clear line over the board's pixels, and
// the label rectangle as the last resort.
#include <cstdlib>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/turn/turn_state.h"
#include "platform/raster/line_walk.h"

bool g_lineCrossesBorder = false;

void ResetHitTestState() {
    g_lineCrossesBorder = false;
}

namespace {

constexpr std::int32_t kFarAway = 99999;

raster::Point LabelOnScreen(std::int32_t territory) {
    const LabelPosition& label = g_labelPositions[static_cast<std::size_t>(territory)];
    return {ScaleToScreen(label.x), ScaleToScreen(label.y)};
}

// The medium screen of the maps with taller labels gives them a taller rectangle.
bool HasTallLabels() {
    if (g_screenSize != 2 || g_isMapCustom || g_isTestCustomMap) return false;
    const BuiltinMap* map = SelectedBuiltinMap();
    return map != nullptr && map->tallLabels;
}

// How far right and down the selected map's label points are looked from.
int MarkerShift() {
    const BuiltinMap* map = SelectedBuiltinMap();
    return map != nullptr ? map->markerShift : 0;
}

template <typename IsCandidate>
std::int32_t FindTerritory(std::int32_t x, std::int32_t y, IsCandidate isCandidate) {
    const raster::Point point{x, y};
    const std::int32_t territories = TerritoriesInPlay();
    auto reachable = [&](std::int32_t t) {
        const LabelPosition& label = g_labelPositions[static_cast<std::size_t>(t)];
        bool flag = false;
        CChildView::IsMarkerReachable(label.x, label.y, &flag, point);
        return flag;
    };
    std::int32_t nearest = 0;
    std::int64_t best = kFarAway;
    for (std::int32_t t = 1; t <= territories; ++t) {
        if (!isCandidate(t)) continue;
        const raster::Point label = LabelOnScreen(t);
        // In 64 bits: neither point is bounded by the board here.
        const std::int64_t distance =
            std::abs(std::int64_t{label.x} - x) + std::abs(std::int64_t{label.y} - y);
        if (distance < best) {
            best = distance;
            nearest = t;
        }
    }
    if (nearest != 0 && reachable(nearest)) return nearest;
    for (std::int32_t t = 1; t <= territories; ++t)
        if (isCandidate(t) && reachable(t)) return t;
    for (std::int32_t t = 1; t <= territories; ++t) {
        if (!isCandidate(t)) continue;
        const LabelPosition& label = g_labelPositions[static_cast<std::size_t>(t)];
        bool near = false;
        CChildView::IsPointNearMarker(label.x, label.y, &near, point);
        if (near) return t;
    }
    return kNoTerritory;
}

}  // namespace

void CChildView::LineDdaCheckPixel(std::int32_t x, std::int32_t y, void* /*userValue*/) {
    if (!g_lineCrossesBorder && IsBorderPixel(g_mapDC.Pixel(x, y))) g_lineCrossesBorder = true;
}

void CChildView::IsMarkerReachable(std::int32_t labelX, std::int32_t labelY, bool* reachable,
                                   raster::Point point) {
    const int shift = MarkerShift();
    const raster::Point from{ScaleToScreen(labelX) + shift, ScaleToScreen(labelY) + shift};
    if (from == point) {
        *reachable = true;
        return;
    }
    g_lineCrossesBorder = false;
    // Once a border is crossed the rest of the line changes nothing: stop there.
    raster::WalkLineWhile(from, point, [](int x, int y) {
        LineDdaCheckPixel(x, y, nullptr);
        return !g_lineCrossesBorder;
    });
    if (!g_lineCrossesBorder) *reachable = true;
}

void CChildView::IsPointNearMarker(std::int32_t labelX, std::int32_t labelY, bool* near,
                                   raster::Point point) {
    // In 64 bits: a label point at the edge of the number range has its rectangle past it.
    const std::int64_t x = ScaleToScreen(labelX);
    const std::int64_t y = ScaleToScreen(labelY);
    const std::int64_t above = HasTallLabels() ? 20 : 10;
    const std::int64_t after = HasTallLabels() ? 23 : 13;
    if (point.x >= x - 10 && point.x < x + after && point.y >= y - above && point.y < y + after)
        *near = true;
}

void CChildView::HitTestTerritory(std::int32_t x, std::int32_t y, std::int32_t* territory) {
    *territory = FindTerritory(x, y, [](std::int32_t t) {
        const bool own = g_territories[static_cast<std::size_t>(t)].owner == g_currentPlayer;
        return g_isAttackTo ? !own : own;
    });
}

void CChildView::HoverTestTerritory(std::int32_t x, std::int32_t y, std::int32_t* territory) {
    *territory = FindTerritory(x, y, [](std::int32_t) { return true; });
}
