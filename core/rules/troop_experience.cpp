// Troop Experience recomputed at a turn's start, for the human's turn and the computer's alike.
#include "core/rules/troop_experience.h"

#include <algorithm>
#include <limits>

#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"

namespace rules {

namespace {

constexpr std::int32_t kFloorUpToTurn = 12;
constexpr std::int32_t kFloor = 50;
constexpr std::int32_t kNeutralPlayer = 3;
constexpr std::int32_t kNeutralExperience = 100;

std::int32_t Players() {
    return std::clamp(g_playerCount, 0, kMaxPlayers);
}

std::int64_t LossesOfPlayersLeft(const TerritoryCounts& held) {
    std::int64_t losses = 0;
    for (int p = 1; p <= Players(); ++p)
        if (held[static_cast<std::size_t>(p)] > 0)
            losses += g_players[static_cast<std::size_t>(p)][player_field::kLosses];
    return losses;
}

// One player's experience; `turns` are those of the player on turn.
std::int32_t ExperienceOf(std::int32_t p, std::int32_t turns, const TerritoryCounts& held,
                          std::int64_t allLosses) {
    const PlayerRecord& r = g_players[static_cast<std::size_t>(p)];
    const bool holds = held[static_cast<std::size_t>(p)] > 0;
    std::int64_t value = g_troopExperience[static_cast<std::size_t>(p)];
    if (!holds) {
        value = 0;
    } else if (allLosses > 0) {
        // Losses against the average: a player who lost more has fought more.
        value = std::int64_t{r[player_field::kLosses]} * g_playersLeft * 100 / allLosses;
        if (value < kFloor && turns <= kFloorUpToTurn) value = kFloor;
    }
    if (g_areStrongholdsOn && holds && r[player_field::kStronghold] == 0) value = 0;
    if (g_hasNeutralArmy && p == kNeutralPlayer && holds) value = kNeutralExperience;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(value, 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void UpdateTroopExperience(std::int32_t player, std::int32_t fromTurn,
                           const TerritoryCounts& held) {
    const auto current = static_cast<std::size_t>(std::clamp(player, 0, kMaxPlayers));
    const std::int32_t turns = g_turnsPlayed[current];
    if (turns >= fromTurn) {
        g_playersLeft = PlayersLeft(held);
        const std::int64_t allLosses = LossesOfPlayersLeft(held);
        for (int p = 1; p <= Players(); ++p)
            g_troopExperience[static_cast<std::size_t>(p)] =
                ExperienceOf(p, turns, held, allLosses);
    }
    for (int p = 1; p <= Players(); ++p)
        g_troopExperienceSnapshots[current][static_cast<std::size_t>(p)] =
            g_troopExperience[static_cast<std::size_t>(p)];
}

}  // namespace rules
