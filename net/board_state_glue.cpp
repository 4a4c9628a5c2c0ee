// The board text of the game's tables: gathered for the writer, applied from the reader.
#include <algorithm>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/turn_state.h"
#include "net/board_state.h"
#include "net/peer_board.h"

namespace {

constexpr int kMaxSentArmies = 999;
constexpr int kSentContinents = 15;
constexpr const char* kUnnamedPlayers[] = {"pc VI", "pc VII", "pc VIII", "pc IX", "pc X"};

BoardState::Player GatherPlayer(const PlayerRecord& record) {
    namespace f = player_field;
    BoardState::Player player;
    player.territories = record[f::kTerritories];
    player.armies = record[f::kArmies];
    player.continentBonus = record[f::kContinentBonus];
    player.artilleryCards = record[f::kArtilleryCards];
    player.infantryCards = record[f::kInfantryCards];
    player.cavalryCards = record[f::kCavalryCards];
    player.wildCards = record[f::kWildCards];
    for (int c = 1; c <= kSentContinents; ++c)
        player.continentHeld[c] = record[f::kContinentHeldFirst + c - 1] != 0 ? 1 : 0;
    player.losses = record[f::kLosses];
    player.stronghold = record[f::kStronghold];
    return player;
}

void ApplyPlayer(const BoardState::Player& player, PlayerRecord& record) {
    namespace f = player_field;
    record[f::kTerritories] = player.territories;
    record[f::kArmies] = player.armies;
    record[f::kContinentBonus] = player.continentBonus;
    record[f::kArtilleryCards] = player.artilleryCards;
    record[f::kInfantryCards] = player.infantryCards;
    record[f::kCavalryCards] = player.cavalryCards;
    record[f::kWildCards] = player.wildCards;
    for (int c = 1; c <= kSentContinents; ++c)
        record[f::kContinentHeldFirst + c - 1] = player.continentHeld[c];
    record[f::kLosses] = player.losses;
    record[f::kStronghold] = player.stronghold;
}

BoardState GatherBoardState() {
    BoardState state;
    state.currentPlayer = g_currentPlayer;
    for (int t = 1; t <= kBoardTerritories; ++t) {
        TerritoryState& territory = g_territories[t];
        // The text has room for 999; the sender's own table is brought down to what it sends.
        territory.armies = std::min(territory.armies, kMaxSentArmies);
        state.territories[t] = {territory.owner, territory.armies};
    }
    for (int p = 1; p <= kMaxPlayers; ++p) state.players[p] = GatherPlayer(g_players[p]);
    state.deckArtillery = g_deckArtilleryCards;
    state.deckInfantry = g_deckInfantryCards;
    state.deckCavalry = g_deckCavalryCards;
    state.deckWild = g_deckWildCards;
    state.humanPlayerCount = g_humanPlayerCount;
    state.playerCount = g_playerCount;
    for (int p = 1; p <= kMaxPlayers; ++p) state.turnsPlayed[p] = g_turnsPlayed[p];
    state.battleRule = g_isOneForOneRule;
    state.troopExperience = g_isTroopExperienceOn;
    state.strongholds = g_areStrongholdsOn;
    state.highlight = g_isHighlightOn;
    state.syncTerritory = g_syncTerritory;
    state.roundCounter = g_roundCounter;
    state.lastCardTurnIn = g_lastCardTurnIn;
    state.syncArmies = g_syncArmies;
    state.syncOwner = g_syncOwner;
    state.syncContinent = g_syncContinent;
    state.syncMarked = g_syncMarked;
    for (int p = 1; p <= kBoardNamedPlayers; ++p) state.names[p] = g_playerNames[p];
    state.mapName = g_mapName;
    return state;
}

void ApplyBoardState(const BoardState& state) {
    rules::SetCurrentPlayer(state.currentPlayer);
    for (int t = 1; t <= kBoardTerritories; ++t) {
        g_territories[t] = {state.territories[t].owner, state.territories[t].armies};
        g_displayedTerritories[t] = g_territories[t];
    }
    for (int p = 1; p <= kMaxPlayers; ++p) ApplyPlayer(state.players[p], g_players[p]);
    g_deckArtilleryCards = state.deckArtillery;
    g_deckInfantryCards = state.deckInfantry;
    g_deckCavalryCards = state.deckCavalry;
    g_deckWildCards = state.deckWild;
    g_humanPlayerCount = state.humanPlayerCount;
    g_playerCount = state.playerCount;
    for (int p = 1; p <= kMaxPlayers; ++p) g_turnsPlayed[p] = state.turnsPlayed[p];
    g_isOneForOneRule = YesNo(IsYes(state.battleRule));
    g_aiMinAttackArmies = IsYes(state.battleRule) ? 3 : 2;
    g_areTerritoriesHidden = false;  // not carried: off on every machine that reads a board
    g_isTroopExperienceOn = state.troopExperience;
    g_areStrongholdsOn = state.strongholds;
    g_isHighlightOn = state.highlight;
    g_syncTerritory = state.syncTerritory;
    g_roundCounter = state.roundCounter;
    g_lastCardTurnIn = state.lastCardTurnIn;
    g_syncArmies = state.syncArmies;
    g_syncOwner = state.syncOwner;
    g_syncContinent = state.syncContinent;
    g_syncMarked = state.syncMarked;
    for (int p = 1; p <= kBoardNamedPlayers; ++p) g_playerNames[p] = state.names[p];
    for (int p = kBoardNamedPlayers + 1; p <= kMaxPlayers; ++p)
        g_playerNames[p] = kUnnamedPlayers[p - kBoardNamedPlayers - 1];
    g_mapName = state.mapName;
}

}  // namespace

void CChildView::AppendBoardState() {
    g_outgoingMessage += EncodeBoardState(GatherBoardState());
}

// A text that fails its checks changes nothing; the caller decides what a bad message means.
bool CChildView::ReadBoardState() {
    const std::optional<BoardState> state = DecodeBoardState(g_incomingMessage, nullptr);
    if (!state) return false;
    ApplyBoardState(*state);
    return true;
}

namespace net {

namespace {

// Owners and armies that a game in play can hold: every territory of the map owned by a player
// in the game with at least one army, none beyond the map.
const char* CheckBoardInPlay(const BoardState& state, std::int32_t players, std::int32_t count) {
    if (state.currentPlayer < 1 || state.currentPlayer > players) return "current player";
    for (int t = 1; t <= kBoardTerritories; ++t) {
        const BoardState::Territory& territory = state.territories[t];
        if (t > count) {
            if (territory.owner != 0) return "territory beyond the map";
            continue;
        }
        if (territory.owner < 1 || territory.owner > players || territory.armies < 1)
            return "territory owner or armies";
    }
    return nullptr;
}

}  // namespace

const char* ReadPeerBoard(std::string_view payload, std::int32_t sender) {
    std::optional<BoardState> state = DecodeBoardState(payload, nullptr);
    if (!state) return "board text";
    if (g_networkSeat == 1) {
        // A joined machine reports only its own play: the seats, counts, names and map stay
        // the host's, and it speaks only while it is its turn.
        if (state->currentPlayer != sender) return "not its turn";
        if (state->playerCount != g_playerCount) return "player count";
        if (const char* why = CheckBoardInPlay(*state, g_playerCount, g_territoryCount)) return why;
        state->humanPlayerCount = g_humanPlayerCount;
        for (int p = 1; p <= kBoardNamedPlayers; ++p) state->names[p] = g_playerNames[p];
        state->mapName = g_mapName;
        for (int p = 1; p <= kMaxPlayers; ++p) state->turnsPlayed[p] = g_turnsPlayed[p];
    } else {
        if (state->playerCount < 2 || state->playerCount > kMaxPlayers) return "player count";
        const std::int32_t count = std::min<std::int32_t>(g_territoryCount, kBoardTerritories);
        if (const char* why = CheckBoardInPlay(*state, state->playerCount, count)) return why;
    }
    ApplyBoardState(*state);
    return nullptr;
}

std::optional<std::int32_t> PeekTurnsPlayed(std::string_view payload, std::int32_t player) {
    const std::optional<BoardState> state = DecodeBoardState(payload, nullptr);
    if (!state || player < 1 || player > kMaxPlayers) return std::nullopt;
    return state->turnsPlayed[static_cast<std::size_t>(player)];
}

std::optional<std::int32_t> PeekCurrentPlayer(std::string_view payload) {
    const std::optional<BoardState> state = DecodeBoardState(payload, nullptr);
    if (!state) return std::nullopt;
    return state->currentPlayer;
}

}  // namespace net
