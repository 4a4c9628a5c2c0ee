// The board's demands on the imagined maps' pictures, in one place for generator and tests.
#include "tools/mapgen/board_rules.h"

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "maps/map_content.h"

namespace mapgen {
namespace {

struct PanelRow {
    const bool* flag;
    int x[3];
    int y[3];
};
// The players panel origins of the imagined maps, small / medium / large.
const PanelRow kPanels[] = {
    {&g_isMapThreeNationsA, {574, 820, 1025}, {14, 20, 25}},
    {&g_isMapThreeNationsB, {574, 820, 1025}, {14, 20, 25}},
    {&g_isMapSwampII, {574, 820, 1025}, {14, 20, 25}},
    {&g_isMapSwamp, {581, 830, 1037}, {7, 10, 12}},
    {&g_isMapLinesII, {567, 810, 1012}, {28, 40, 50}},
    {&g_isMapWorms, {581, 830, 1037}, {291, 417, 521}},
};

}  // namespace

PictureSize BoardSize(int size) {
    if (size == 1) return {740, 471};
    if (size == 3) return {1193, 790};
    return {954, 632};
}

double ScaleOf(int size) {
    return size == 1 ? 0.7 : size == 3 ? 1.25 : 1.0;
}

int PaintShift(const BuiltinMap& map, int size) {
    if (size == 2 || size == 3) return 3;
    if (map.flag == &g_isMapLinesII) return 2;
    if (map.flag == &g_isMapThreeNationsA || map.flag == &g_isMapThreeNationsB) return 3;
    return 1;
}

raster::Rect PanelArea(const BuiltinMap& map, int size) {
    for (const PanelRow& row : kPanels) {
        if (row.flag != map.flag) continue;
        const int x = row.x[size - 1], y = row.y[size - 1];
        // Ten rows: 15 pixels apart and names to x + 141 on the small board, else 20 and 166.
        if (size == 1) return raster::Rect{x, y - 5, x + 141, y + 150};
        return raster::Rect{x, y, x + 166, y + 200};
    }
    return raster::Rect{};
}

LabelArt::LabelArt(const CodeMapContent& content) {
    for (const TerritoryContent& t : content.territories)
        labels_.push_back(maps::ArtLabel{t.x, t.y, t.code});
    art_.labelsSize1 = labels_;
    art_.labelsSize23 = labels_;
}

}  // namespace mapgen
