// The reset of the board after a map is set up.
// Each territory shows its continent's colour number with one army; the deck is full.
#include "maps/reset_game.h"

#include <algorithm>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"

namespace {

// Maps with few continents reuse the ten player colours; larger maps number them through.
constexpr int kRepeatingColours = 10;
constexpr int kContinentsForOwnColours = 15;

int Clamp(int value, int high) {
    return std::clamp(value, 0, high);
}

void ColourContinents() {
    const int continents = Clamp(g_continentCount, kMaxContinents);
    int colour = 0;
    for (int c = 1; c <= continents; ++c) {
        if (colour == kRepeatingColours && g_continentCount < kContinentsForOwnColours) colour = 0;
        ++colour;
        const ContinentRecord& continent = g_continents[c];
        const int members = Clamp(continent[kContinentMemberCount], kMaxContinentMembers);
        for (int k = 1; k <= members; ++k) {
            const std::int32_t member = continent[k];
            if (IsTerritorySlot(member)) g_territories[member].owner = colour;
        }
    }
}

}  // namespace

namespace maps {

void ResetTerritories() {
    const int territories = Clamp(g_territoryCount, kMaxTerritories);
    for (int t = 1; t <= territories; ++t) g_territories[t] = TerritoryState{0, 1};
    ColourContinents();
    for (int t = 1; t <= territories; ++t) g_displayedTerritories[t] = g_territories[t];
}

void ResetGame() {
    ResetTerritories();
    g_deckArtilleryCards = 17;
    g_deckInfantryCards = 17;
    g_deckCavalryCards = 17;
    g_deckWildCards = 2;
    // The computer players' last targets name territories of the previous map.
    for (int p = 1; p <= kMaxPlayers; ++p) g_aiLastTargets[p] = LastTarget{};
    for (int t = 1; t <= kMaxTerritories; ++t) g_territoryPicked[t] = kNo;
    g_suggestedPlayerCount = std::clamp(g_territoryCount / 12, 3, 10);
}

}  // namespace maps

void CChildView::ResetTerritories() {
    maps::ResetTerritories();
}
void CChildView::ResetGame() {
    maps::ResetGame();
}
