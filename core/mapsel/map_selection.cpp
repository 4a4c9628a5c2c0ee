// The Map menu's commands, the set-up of the selected map and the reload after a change.
#include "core/mapsel/map_selection.h"

#include <algorithm>
#include <cstddef>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/session_state.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"

namespace {

// Builds the tables of the selected map; false when no map is selected. A map file comes before
// every built-in map, which decide among themselves by precedence. A built-in map whose contents
// are missing leaves the default map wholly set up instead (its own set-up sees to that).
bool SetupFirstSelected(CChildView& view) {
    if (g_isMapCustom) {
        ClearMapFlags();
        g_isMapCustom = true;
        view.SetBuiltinMapSize();
        view.ResetGame();  // on the tables the map file's parse left
        return true;
    }
    const BuiltinMap* map = SelectedBuiltinMap();
    if (map == nullptr) return false;
    // Sizes and tables must come from the same map, whatever other flag was left set.
    ClearMapFlags();
    *map->flag = true;
    view.SetBuiltinMapSize();
    (view.*map->setup)();
    return true;
}

// The first click queues the command, so that the notice shows before the slow rebuild; the
// clock plays it back with the deferral off (and turns the deferral on again afterwards).
void DeferMapCommand(CChildView& view) {
    view.ShowStatus(kSlowCommandNotice);
    g_deferSlowCommands = false;
    view.QueuePauseMessage();
    AppendMessage(message_type::kMapCommand);
    view.Platform().window.ShowCursor(false);
}

}  // namespace

bool PreviousMapFlags::Had(const bool& flag) const {
    return std::find(set.begin(), set.end(), &flag) != set.end();
}

PreviousMapFlags CurrentMapFlags() {
    PreviousMapFlags flags;
    if (g_isMapCustom) flags.set.push_back(&g_isMapCustom);
    for (const BuiltinMap& map : BuiltinMaps())
        if (*map.flag) flags.set.push_back(map.flag);
    return flags;
}

namespace map_selection {

void RunMapCommand(CChildView& view, void (CChildView::*command)()) {
    const BuiltinMap* map = BuiltinMapByCommand(command);
    if (map == nullptr) return;
    bool& flag = *map->flag;
    // A built-in map ends a test of a map file.
    g_showTestMarkers = false;
    g_isTestCustomMap = false;
    g_wasMapSelected = flag;
    ClearMapFlags();
    flag = true;
    if (g_deferSlowCommands) return DeferMapCommand(view);
    SetOneCharacterText(g_statusText, ' ');
    if (g_wasMapSelected) return;
    view.ShowTransientStatus(kSlowCommandNotice);
    view.SetupSelectedMap();
    RedrawWholeBoard(view);
}

void RedrawWholeBoard(CChildView& view) {
    for (std::int32_t t = 1; t <= g_territoryCount && t <= kMaxTerritories; ++t) {
        const auto index = static_cast<std::size_t>(t);
        const TerritoryState& shown = g_displayedTerritories[index];
        view.DrawTerritoryArmies(t, shown.armies, shown.owner, IsYes(g_territoryHighlight[index]));
    }
    view.DrawPlayersPanel();
    view.Platform().window.Invalidate();
}

}  // namespace map_selection

void CChildView::SetupSelectedMap() {
    if (!SetupFirstSelected(*this)) return;
    // The next paint loads the new map's picture and rebuilds the board from it.
    g_mapBitmap = raster::SharedSurface{};
    SetOneCharacterText(g_freshMapMarker, '0');
}

void CChildView::ReloadMapIfChanged(const PreviousMapFlags& previous) {
    // The map selected now is compared with its previous value; the default map's previous
    // value is g_wasMapSelected.
    const BuiltinMap* map = SelectedBuiltinMap();
    const bool* flag = g_isMapCustom ? &g_isMapCustom : map != nullptr ? map->flag : nullptr;
    if (flag == nullptr) return;
    const bool was = flag == DefaultMap().flag ? g_wasMapSelected : previous.Had(*flag);
    if (!was) SetupSelectedMap();
}

void CChildView::OnMapWorld() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapWorld);
}
void CChildView::OnMapEurope() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapEurope);
}
void CChildView::OnMapRealWorld() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapRealWorld);
}
void CChildView::OnMapNorthAmerica() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapNorthAmerica);
}
void CChildView::OnMapJapanKorea() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapJapanKorea);
}
void CChildView::OnMapAustralia() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapAustralia);
}
void CChildView::OnMapScandinavia() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapScandinavia);
}
void CChildView::OnMapWorms() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapWorms);
}
void CChildView::OnMapChina() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapChina);
}
void CChildView::OnMapGreatBritain() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapGreatBritain);
}
void CChildView::OnMapLinesII() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapLinesII);
}
void CChildView::OnMapSwamp() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapSwamp);
}
void CChildView::OnMapSwampII() {
    map_selection::RunMapCommand(*this, &CChildView::OnMapSwampII);
}
