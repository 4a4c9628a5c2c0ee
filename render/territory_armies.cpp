// DrawTerritoryArmies: a territory's count text and label point, then its paint and label.
#include <algorithm>
#include <optional>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "platform/window_services.h"
#include "render/board_rules.h"
#include "render/map_art.h"

namespace {

struct LabelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string code;
};

// Map files and maps without label tables of their own take the board's label points (from a
// map text or the map's content).
bool UsesBoardLabels() {
    const BuiltinMap* map = SelectedBuiltinMap();
    return render::IsMapFile() || (map != nullptr && !map->labelsFromArt);
}

bool UsesLabelTable() {
    const BuiltinMap* map = SelectedBuiltinMap();
    return map != nullptr && map->labelsFromArt;
}

std::optional<LabelPoint> FromLabelTable(std::int32_t territory) {
    const maps::MapArt* art = render::CurrentMapArt();
    if (art == nullptr) return std::nullopt;
    LabelPoint point;
    const maps::ArtLabel* row = maps::LabelRow(*art, g_screenSize, territory, &point.x, &point.y);
    if (row == nullptr) return std::nullopt;
    point.code = std::string(row->code);
    return point;
}

std::optional<LabelPoint> LabelPointOf(std::int32_t territory) {
    if (territory < 1 || territory > kMaxTerritories) return std::nullopt;
    const auto t = static_cast<std::size_t>(territory);
    if (UsesBoardLabels()) {
        return LabelPoint{g_labelPositions[t].x, g_labelPositions[t].y, g_territoryCodes[t]};
    }
    if (UsesLabelTable()) return FromLabelTable(territory);
    return std::nullopt;
}

}  // namespace

void CChildView::DrawTerritoryArmies(std::int32_t territory, std::int32_t armies,
                                     std::int32_t owner, bool highlight) {
    std::int32_t count = g_showTestMarkers ? 72 : armies;
    const bool narrow = g_screenSize == 1 || g_screenWidth <= 800 || g_isLargeFonts;
    count = std::min(count, narrow ? 99 : 999);
    const std::optional<LabelPoint> label = LabelPointOf(territory);
    if (!label) return;
    PaintTerritory(label->x, label->y, label->code, std::to_string(count), highlight, owner,
                   territory, count);
    // Outside a paint the board picture changed under the window: ask for a repaint rather than
    // draw into a paint that has ended.
    if (!g_isPainting) platform_.window.Invalidate();
}
