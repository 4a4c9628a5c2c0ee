// Storage of the board's process-wide tables.
#include "core/model/game_state.h"

std::int32_t g_territoryCount = 0;
std::int32_t g_continentCount = 0;
std::int32_t g_maxContinentSize = 0;
std::int32_t g_maxContinentBorder = 0;
std::int32_t g_borderTerritoryTotal = 0;
std::int32_t g_routeCount = 0;
std::int32_t g_mapAuxCount = 0;
std::int32_t g_reinforcementDivisor = 0;

std::array<TerritoryState, kMaxTerritories + 1> g_territories{};
std::array<TerritoryState, kMaxTerritories + 1> g_displayedTerritories{};
std::array<NeighbourList, kMaxTerritories + 1> g_neighbours{};
std::array<LabelPosition, kMaxTerritories + 1> g_labelPositions{};
std::array<std::string, kMaxTerritories + 1> g_territoryCodes{};
std::array<std::uint8_t, kMaxTerritories + 1> g_territoryHighlight{};
std::array<std::uint8_t, kMaxTerritories + 1> g_territoryPicked{};
std::array<raster::Colour, kMaxTerritories + 1> g_territoryColours{};

std::array<ContinentRecord, kMaxContinents + 1> g_continents{};
std::array<ContinentBorderList, kMaxContinents + 1> g_continentBorders{};
std::array<std::string, kMaxContinents + 1> g_continentNames{};

std::array<PlayerRecord, kMaxPlayers + 1> g_players{};
std::array<PlayerRecord, kMaxPlayers + 1> g_playerRecordSnapshot{};
std::array<std::string, kMaxPlayers + 1> g_playerNames{};
std::int32_t g_playerCount = 0;
std::int32_t g_humanPlayerCount = 0;
std::int32_t g_computerPlayerCount = 0;
std::int32_t g_currentPlayer = 0;

std::int32_t g_deckArtilleryCards = 0;
std::int32_t g_deckInfantryCards = 0;
std::int32_t g_deckCavalryCards = 0;
std::int32_t g_deckWildCards = 0;

bool g_isMapWorld = false;
bool g_isMapEurope = false;
bool g_isMapNorthAmerica = false;
bool g_isMapRealWorld = false;
bool g_isMapJapanKorea = false;
bool g_isMapAustralia = false;
bool g_isMapScandinavia = false;
bool g_isMapWorms = false;
bool g_isMapChina = false;
bool g_isMapGreatBritain = false;
bool g_isMapLinesII = false;
bool g_isMapSwamp = false;
bool g_isMapThreeNationsA = false;
bool g_isMapThreeNationsB = false;
bool g_isMapSwampII = false;
bool g_isMapCustom = false;
bool g_isTestCustomMap = false;
bool g_wasMapSelected = false;
bool g_canChangeMap = false;
std::string g_mapName;
std::int32_t g_playerPanelX = 0;
std::int32_t g_playerPanelY = 0;
bool g_customMapHasSmilies = false;
std::int32_t g_suggestedPlayerCount = 0;

void ClearMapFlags() {
    for (bool* flag :
         {&g_isMapWorld, &g_isMapEurope, &g_isMapNorthAmerica, &g_isMapRealWorld,
          &g_isMapJapanKorea, &g_isMapAustralia, &g_isMapScandinavia, &g_isMapWorms, &g_isMapChina,
          &g_isMapGreatBritain, &g_isMapLinesII, &g_isMapSwamp, &g_isMapThreeNationsA,
          &g_isMapThreeNationsB, &g_isMapSwampII, &g_isMapCustom})
        *flag = false;
}

void ResetGameState() {
    g_territoryCount = g_continentCount = 0;
    g_maxContinentSize = g_maxContinentBorder = g_borderTerritoryTotal = 0;
    g_routeCount = g_mapAuxCount = 0;
    g_reinforcementDivisor = 0;
    g_territories.fill({});
    g_displayedTerritories.fill({});
    g_neighbours.fill({});
    g_labelPositions.fill({});
    g_territoryCodes.fill({});
    g_territoryHighlight.fill(0);
    g_territoryPicked.fill(0);
    g_territoryColours.fill(0);
    g_continents.fill({});
    g_continentBorders.fill({});
    g_continentNames.fill({});
    g_players.fill({});
    g_playerRecordSnapshot.fill({});
    g_playerNames.fill({});
    g_playerCount = g_humanPlayerCount = g_computerPlayerCount = g_currentPlayer = 0;
    g_deckArtilleryCards = g_deckInfantryCards = g_deckCavalryCards = g_deckWildCards = 0;
    ClearMapFlags();
    g_isTestCustomMap = g_wasMapSelected = g_canChangeMap = false;
    g_mapName.clear();
    g_playerPanelX = g_playerPanelY = 0;
    g_customMapHasSmilies = false;
    g_suggestedPlayerCount = 0;
}
