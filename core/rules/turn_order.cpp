// The player on turn, the turns played, the players left and the next-player rules.
#include "core/rules/turn_order.h"

#include <algorithm>

#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"

namespace rules {

namespace {

constexpr std::int32_t kNeutralPlayer = 3;

std::int32_t Players() {
    return std::clamp(g_playerCount, 0, kMaxPlayers);
}

std::int32_t Field(std::int32_t player, int field) {
    return g_players[static_cast<std::size_t>(player)][static_cast<std::size_t>(field)];
}

// The next seat round the table from `player`; a player outside it is followed by player 1.
std::int32_t NextSeat(std::int32_t player, std::int32_t players) {
    return player >= players || player < 1 ? 1 : player + 1;
}

}  // namespace

bool SetCurrentPlayer(std::int32_t player) {
    if (player < 0 || player > kMaxPlayers) return false;
    g_currentPlayer = player;
    return true;
}

ActingAs::ActingAs(std::int32_t player) : saved_(g_currentPlayer) {
    SetCurrentPlayer(player);
}

ActingAs::~ActingAs() {
    g_currentPlayer = saved_;
}

bool CountTurnPlayed(std::int32_t player) {
    if (player < 1 || player > kMaxPlayers) return false;
    ++g_turnsPlayed[static_cast<std::size_t>(player)];
    return true;
}

bool IsOut(std::int32_t player) {
    if (player < 1 || player > kMaxPlayers) return true;
    return Field(player, player_field::kTerritories) == 0 ||
           (g_areStrongholdsOn && Field(player, player_field::kStronghold) == 0);
}

TerritoryCounts RecordedTerritories() {
    TerritoryCounts held{};
    for (int p = 1; p <= kMaxPlayers; ++p)
        held[static_cast<std::size_t>(p)] = Field(p, player_field::kTerritories);
    return held;
}

std::int32_t PlayersLeft(const TerritoryCounts& held) {
    std::int32_t left = 0;
    for (int p = 1; p <= Players(); ++p)
        if (held[static_cast<std::size_t>(p)] > 0) ++left;
    return left;
}

std::int32_t NextInTurn(std::int32_t player) {
    return player >= g_playerCount ? 1 : player + 1;
}

std::int32_t NextToPlay(std::int32_t player) {
    for (int step = 0; step < Players(); ++step) {
        player = NextSeat(player, Players());
        if (g_hasNeutralArmy && player == kNeutralPlayer)
            player = Field(1, player_field::kTerritories) > 0 ? 1 : 2;
        if (!IsOut(player)) return player;
    }
    return player;
}

HandOver NextWhoCanPlay(std::int32_t from, const std::function<bool(std::int32_t)>& canPlay) {
    if (g_playerCount < 1 || g_playerCount > kMaxPlayers) return {};
    std::int32_t candidate = from;
    for (int step = 0; step < g_playerCount; ++step) {
        candidate = NextSeat(candidate, g_playerCount);
        if (canPlay(candidate)) return {candidate, false};
        if (candidate == 1) return {0, true};
    }
    return {};
}

}  // namespace rules
