// The board's process-wide tables: map size, territories, continents, players, deck, map identity.
// All tables are 1-based with slot 0 unused and zero-initialised at start.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "core/model/yes_no.h"
#include "platform/raster/surface.h"

inline constexpr int kMaxTerritories = 200;
inline constexpr int kMaxContinents = 25;
inline constexpr int kMaxPlayers = 10;
inline constexpr int kMaxNeighbours = 11;
inline constexpr int kMaxContinentMembers = 20;
inline constexpr int kMaxContinentBorder = 12;
inline constexpr int kNoTerritory = 999;  // what a hit test answers off every territory

struct TerritoryState {
    std::int32_t owner = 0;  // 0 nobody, else player 1..10
    std::int32_t armies = 0;
    bool operator==(const TerritoryState&) const = default;
};

// [1..11] neighbours in order, the first 0 ends the list; [0] stays 0.
using NeighbourList = std::array<std::int32_t, kMaxNeighbours + 1>;

// [1..20] members, [21] member count, [22] bonus times 10, [23] bonus armies.
using ContinentRecord = std::array<std::int32_t, 24>;
inline constexpr int kContinentMemberCount = 21;
inline constexpr int kContinentBonusTimes10 = 22;
inline constexpr int kContinentBonus = 23;

// [1..12] border territories packed from [1], 0 after the last.
using ContinentBorderList = std::array<std::int32_t, kMaxContinentBorder + 1>;

// 45 fields; see the field indexes below.
using PlayerRecord = std::array<std::int32_t, 45>;
namespace player_field {
inline constexpr int kContinentHeldFirst = 1;  // 1..25: holds continent c
inline constexpr int kTerritories = 26;        // 0 = out of the game
inline constexpr int kArmies = 27;
inline constexpr int kContinentBonus = 28;
inline constexpr int kArtilleryCards = 29;
inline constexpr int kInfantryCards = 30;
inline constexpr int kCavalryCards = 31;
inline constexpr int kWildCards = 32;
inline constexpr int kLosses = 33;
inline constexpr int kBattlesFought = 34;
inline constexpr int kAttacksMade = 35;
inline constexpr int kReinforcementCount = 36;
inline constexpr int kArmiesCommitted = 37;
inline constexpr int kBattlesLost = 38;
inline constexpr int kBattlesWon = 39;
inline constexpr int kPlacedFromContinents = 40;
inline constexpr int kPlacedFromCards = 41;
inline constexpr int kContinentsBroken = 42;
inline constexpr int kContinentsTaken = 43;
inline constexpr int kStronghold = 44;
}  // namespace player_field

struct LabelPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Map size.
extern std::int32_t g_territoryCount;
extern std::int32_t g_continentCount;
// The board's counts clamped to the tables, so that no count a file or message set can lead a
// loop out of them; and whether `t` is one of the board's territories.
inline std::int32_t TerritoriesInPlay() {
    return std::clamp(g_territoryCount, 0, kMaxTerritories);
}
inline std::int32_t ContinentsInPlay() {
    return std::clamp(g_continentCount, 0, kMaxContinents);
}
inline bool IsTerritoryInPlay(std::int32_t t) {
    return t >= 1 && t <= TerritoriesInPlay();
}
// Whether `t` indexes a row of the territory tables, whatever the board's count (queued and
// received records name territories that a smaller board may not have).
inline bool IsTerritorySlot(std::int32_t t) {
    return t >= 1 && t <= kMaxTerritories;
}
// Whether `p` is a player number, an index into the player tables.
inline bool IsPlayer(std::int32_t p) {
    return p >= 1 && p <= kMaxPlayers;
}
extern std::int32_t g_maxContinentSize;
extern std::int32_t g_maxContinentBorder;
extern std::int32_t g_borderTerritoryTotal;
extern std::int32_t g_routeCount;
extern std::int32_t g_mapAuxCount;
// Owned territories that earn one reinforcement army; set with every map.
extern std::int32_t g_reinforcementDivisor;

// Territories.
extern std::array<TerritoryState, kMaxTerritories + 1> g_territories;
extern std::array<TerritoryState, kMaxTerritories + 1> g_displayedTerritories;
extern std::array<NeighbourList, kMaxTerritories + 1> g_neighbours;
extern std::array<LabelPosition, kMaxTerritories + 1> g_labelPositions;
extern std::array<std::string, kMaxTerritories + 1> g_territoryCodes;
extern std::array<std::uint8_t, kMaxTerritories + 1> g_territoryHighlight;  // kYes: highlighted
extern std::array<std::uint8_t, kMaxTerritories + 1> g_territoryPicked;     // kYes: picked
extern std::array<raster::Colour, kMaxTerritories + 1> g_territoryColours;

// Continents.
extern std::array<ContinentRecord, kMaxContinents + 1> g_continents;
extern std::array<ContinentBorderList, kMaxContinents + 1> g_continentBorders;
extern std::array<std::string, kMaxContinents + 1> g_continentNames;

// Players.
extern std::array<PlayerRecord, kMaxPlayers + 1> g_players;
extern std::array<PlayerRecord, kMaxPlayers + 1> g_playerRecordSnapshot;
extern std::array<std::string, kMaxPlayers + 1> g_playerNames;
extern std::int32_t g_playerCount;
extern std::int32_t g_humanPlayerCount;
extern std::int32_t g_computerPlayerCount;
extern std::int32_t g_currentPlayer;

// Card deck.
extern std::int32_t g_deckArtilleryCards;
extern std::int32_t g_deckInfantryCards;
extern std::int32_t g_deckCavalryCards;
extern std::int32_t g_deckWildCards;

// Map identity and appearance: exactly one map flag is set.
extern bool g_isMapWorld;
extern bool g_isMapEurope;
extern bool g_isMapNorthAmerica;
extern bool g_isMapRealWorld;
extern bool g_isMapJapanKorea;
extern bool g_isMapAustralia;
extern bool g_isMapScandinavia;
extern bool g_isMapWorms;
extern bool g_isMapChina;
extern bool g_isMapGreatBritain;
extern bool g_isMapLinesII;
extern bool g_isMapSwamp;
extern bool g_isMapThreeNationsA;
extern bool g_isMapThreeNationsB;
extern bool g_isMapSwampII;
extern bool g_isMapCustom;
extern bool g_isTestCustomMap;
extern bool g_wasMapSelected;
extern bool g_canChangeMap;
extern std::string g_mapName;
extern std::int32_t g_playerPanelX;
extern std::int32_t g_playerPanelY;
extern bool g_customMapHasSmilies;
extern std::int32_t g_suggestedPlayerCount;

// Sets every map flag to 0 (every map command does so before setting its own).
void ClearMapFlags();
// Puts every table and value above back to its value at program start.
void ResetGameState();
