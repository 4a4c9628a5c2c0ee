// The board's demands on the imagined maps' pictures, in one place for generator and tests.
#include "tools/mapgen/board_rules.h"

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "maps/map_content.h"
#include "render/board_rules.h"

namespace mapgen {

PictureSize BoardSize(int size) {
    if (size == 1) return {740, 471};
    if (size == 3) return {1193, 790};
    return {954, 632};
}

double ScaleOf(int size) {
    return size == 1 ? 0.7 : size == 3 ? 1.25 : 1.0;
}

int PaintShift(const BuiltinMap& map, int size) {
    return render::PaintPointShiftOf(&map, size);
}

raster::Rect PanelArea(const BuiltinMap& map, int size) {
    if (size < 1 || size > 3) return raster::Rect{};
    const int x = map.panel.x[size - 1], y = map.panel.y[size - 1];
    // Ten rows: 15 pixels apart and names to x + 141 on the small board, else 20 and 166.
    if (size == 1) return raster::Rect{x, y - 5, x + 141, y + 150};
    return raster::Rect{x, y, x + 166, y + 200};
}

LabelArt::LabelArt(const CodeMapContent& content) {
    for (const TerritoryContent& t : content.territories)
        labels_.push_back(maps::ArtLabel{t.x, t.y, t.code});
    art_.labelsSize1 = labels_;
    art_.labelsSize23 = labels_;
}

}  // namespace mapgen
