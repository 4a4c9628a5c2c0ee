// The Continents command: the board in the continents' colours with their bonuses while the
// bonus window is open, then the game's board again.
#include "core/input/continents_overlay.h"

#include <algorithm>
#include <cstdio>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/turn/turn_state.h"
#include "platform/dialog_host.h"
#include "platform/window_services.h"

namespace {

constexpr std::int32_t kContinentsForOwnColours = 15;

bool UsesLargeWindow() {
    return g_continentCount >= kContinentsForOwnColours;
}

// The board as the overlay shows it, made aside: the game's own tables are never touched, so
// whatever happens while the window is open (a tick, a network message) stays when it closes.
std::array<TerritoryState, kMaxTerritories + 1> OverlayBoard() {
    std::array<TerritoryState, kMaxTerritories + 1> board{};
    for (std::int32_t t = 1; t <= TerritoriesInPlay(); ++t)
        board[static_cast<std::size_t>(t)] = {0, 1};
    for (std::int32_t c = 1; c <= ContinentsInPlay(); ++c) {
        const ContinentRecord& continent = g_continents[static_cast<std::size_t>(c)];
        const std::int32_t owner = UsesLargeWindow() ? c : continents_overlay::ColourIndex(c);
        const int members = std::clamp(continent[kContinentMemberCount], 0, kMaxContinentMembers);
        for (int k = 1; k <= members; ++k) {
            const std::int32_t member = continent[static_cast<std::size_t>(k)];
            if (IsTerritoryInPlay(member))
                board[static_cast<std::size_t>(member)] = {owner, continent[kContinentBonus]};
        }
    }
    return board;
}

// Every territory drawn from `board` with its own highlight mark; the hiding display is off
// for the drawing only, and the highlight flag is left as it was.
void DrawBoard(CChildView& view, const std::array<TerritoryState, kMaxTerritories + 1>& board,
               bool showHidden) {
    const bool hidingWas = g_isHidingActive;
    const bool highlightWas = g_isHighlightOn;
    if (showHidden && g_areTerritoriesHidden) g_isHidingActive = false;
    for (std::int32_t t = 1; t <= TerritoriesInPlay(); ++t) {
        const auto i = static_cast<std::size_t>(t);
        g_isHighlightOn = IsYes(g_territoryHighlight[i]);
        view.DrawTerritoryArmies(t, board[i].armies, board[i].owner, g_isHighlightOn);
    }
    g_isHighlightOn = highlightWas;
    g_isHidingActive = hidingWas;
    view.Platform().window.Invalidate();
}

template <std::size_t N>
void FillLegend(std::array<std::string, N>& entries) {
    for (std::string& entry : entries) entry = " ";
    char line[160];
    const BuiltinMap* map = SelectedBuiltinMap();
    if (g_isMapCustom || g_isTestCustomMap || (map != nullptr && NamesFromMapText(*map))) {
        for (std::int32_t c = 1; c <= ContinentsInPlay() && static_cast<std::size_t>(c) < N; ++c) {
            std::snprintf(
                line, sizeof line, "%s   %d", g_continentNames[static_cast<std::size_t>(c)].c_str(),
                static_cast<int>(g_continents[static_cast<std::size_t>(c)][kContinentBonus]));
            entries[static_cast<std::size_t>(c)] = line;
        }
        return;
    }
    const auto lines = continents_overlay::BuiltinLegend();
    for (std::size_t i = 0; i < lines.size() && i + 1 < N; ++i) {
        const std::int32_t bonus = static_cast<std::int32_t>(i) + 1 <= ContinentsInPlay()
                                       ? g_continents[i + 1][kContinentBonus]
                                       : 0;
        entries[i + 1] = continents_overlay::LegendLine(lines[i], bonus);
    }
}

// The continents a Continents mission has already taken carry " ok".
template <std::size_t N>
void MarkMissionProgress(std::array<std::string, N>& entries) {
    if (g_missionKind != mission_kind::kContinents || g_missionProgress < 2) return;
    if (g_currentPlayer < 1 || g_currentPlayer > kMaxPlayers) return;
    const auto& order = g_missionOrders[static_cast<std::size_t>(g_currentPlayer)];
    for (std::int32_t k = 1; k < std::min(g_missionProgress, kMaxContinents + 1); ++k) {
        const std::int32_t c = order[static_cast<std::size_t>(k)];
        if (c >= 1 && static_cast<std::size_t>(c) < N)
            entries[static_cast<std::size_t>(c)] += " ok";
    }
}

template <typename Dialog>
void ShowWindow(CChildView& view, Dialog& dialog) {
    FillLegend(dialog.entries);
    MarkMissionProgress(dialog.entries);
    view.Platform().dialogs.RunModal(dialog);
}

}  // namespace

void CChildView::OnContinents() {
    DrawBoard(*this, OverlayBoard(), true);
    if (UsesLargeWindow()) {
        CValuesDlg window(&platform_.glyphs);
        ShowWindow(*this, window);
    } else {
        CValues2Dlg window(&platform_.glyphs);
        ShowWindow(*this, window);
    }
    // The board as the game holds it now, including what changed while the window was open.
    DrawBoard(*this, g_displayedTerritories, false);
}
