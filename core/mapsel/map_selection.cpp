// The Map menu's commands, the set-up of the selected map and the reload after a change.
#include "core/mapsel/map_selection.h"

#include <algorithm>
#include <array>
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

// The order in which the set-up looks at the flags; the first flag set decides.
const std::array<bool*, 16> kSetupOrder{
    &g_isMapCustom,        &g_isMapNorthAmerica,  &g_isMapRealWorld,    &g_isMapJapanKorea,
    &g_isMapAustralia,     &g_isMapScandinavia,   &g_isMapGreatBritain, &g_isMapChina,
    &g_isMapWorms,         &g_isMapLinesII,       &g_isMapSwampII,      &g_isMapSwamp,
    &g_isMapThreeNationsB, &g_isMapThreeNationsA, &g_isMapWorld,        &g_isMapEurope};

// The flags the reload compares, in its own order, each with where its previous value is kept;
// World's previous value is g_wasMapSelected.
struct ReloadEntry {
    const bool* flag;
    bool PreviousMapFlags::*previous;
};
const std::array<ReloadEntry, 16> kReloadOrder{{
    {&g_isMapCustom, &PreviousMapFlags::custom},
    {&g_isMapNorthAmerica, &PreviousMapFlags::northAmerica},
    {&g_isMapRealWorld, &PreviousMapFlags::realWorld},
    {&g_isMapJapanKorea, &PreviousMapFlags::japanKorea},
    {&g_isMapAustralia, &PreviousMapFlags::australia},
    {&g_isMapScandinavia, &PreviousMapFlags::scandinavia},
    {&g_isMapChina, &PreviousMapFlags::china},
    {&g_isMapGreatBritain, &PreviousMapFlags::greatBritain},
    {&g_isMapWorms, &PreviousMapFlags::worms},
    {&g_isMapLinesII, &PreviousMapFlags::linesII},
    {&g_isMapSwamp, &PreviousMapFlags::swamp},
    {&g_isMapThreeNationsB, &PreviousMapFlags::threeNationsB},
    {&g_isMapThreeNationsA, &PreviousMapFlags::threeNationsA},
    {&g_isMapSwampII, &PreviousMapFlags::swampII},
    {&g_isMapWorld, nullptr},
    {&g_isMapEurope, &PreviousMapFlags::europe},
}};

// Builds the tables of the selected map; false when no map is selected. A built-in map whose
// contents are missing leaves World wholly set up instead (its own set-up sees to that).
bool SetupFirstSelected(CChildView& view) {
    const auto found = std::find_if(kSetupOrder.begin(), kSetupOrder.end(),
                                    [](const bool* flag) { return *flag; });
    if (found == kSetupOrder.end()) return false;
    bool* const decides = *found;
    // Sizes and tables must come from the same map, whatever other flag was left set.
    ClearMapFlags();
    *decides = true;
    view.SetBuiltinMapSize();
    if (decides == &g_isMapCustom)
        view.ResetGame();  // on the tables the map file's parse left
    else
        (view.*BuiltinMapByFlag(decides)->setup)();
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

PreviousMapFlags CurrentMapFlags() {
    PreviousMapFlags flags;
    for (const ReloadEntry& entry : kReloadOrder)
        if (entry.previous != nullptr) flags.*entry.previous = *entry.flag;
    return flags;
}

namespace map_selection {

void RunMapCommand(CChildView& view, bool& flag) {
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
    g_mapBitmap = raster::Surface{};
    SetOneCharacterText(g_freshMapMarker, '0');
}

void CChildView::ReloadMapIfChanged(const PreviousMapFlags& previous) {
    for (const ReloadEntry& entry : kReloadOrder) {
        if (!*entry.flag) continue;
        const bool was = entry.previous != nullptr ? previous.*entry.previous : g_wasMapSelected;
        if (was != *entry.flag) SetupSelectedMap();
        return;
    }
}

void CChildView::OnMapWorld() {
    map_selection::RunMapCommand(*this, g_isMapWorld);
}
void CChildView::OnMapEurope() {
    map_selection::RunMapCommand(*this, g_isMapEurope);
}
void CChildView::OnMapRealWorld() {
    map_selection::RunMapCommand(*this, g_isMapRealWorld);
}
void CChildView::OnMapNorthAmerica() {
    map_selection::RunMapCommand(*this, g_isMapNorthAmerica);
}
void CChildView::OnMapJapanKorea() {
    map_selection::RunMapCommand(*this, g_isMapJapanKorea);
}
void CChildView::OnMapAustralia() {
    map_selection::RunMapCommand(*this, g_isMapAustralia);
}
void CChildView::OnMapScandinavia() {
    map_selection::RunMapCommand(*this, g_isMapScandinavia);
}
void CChildView::OnMapWorms() {
    map_selection::RunMapCommand(*this, g_isMapWorms);
}
void CChildView::OnMapChina() {
    map_selection::RunMapCommand(*this, g_isMapChina);
}
void CChildView::OnMapGreatBritain() {
    map_selection::RunMapCommand(*this, g_isMapGreatBritain);
}
void CChildView::OnMapLinesII() {
    map_selection::RunMapCommand(*this, g_isMapLinesII);
}
void CChildView::OnMapSwamp() {
    map_selection::RunMapCommand(*this, g_isMapSwamp);
}
void CChildView::OnMapSwampII() {
    map_selection::RunMapCommand(*this, g_isMapSwampII);
}
