// The set-up dialogs' enabling rules.
#include "setup/setup_dialogs_rules.h"

#include <algorithm>

#include "core/model/session_state.h"

namespace setup_rules {

std::int32_t MostPlayers(bool strongholds, std::int32_t continents) {
    // A map without continents cannot limit the players (and must not leave no choice at all).
    if (!strongholds || continents < 1) return 10;
    return std::min<std::int32_t>(continents, 10);
}

std::array<bool, 9> Players234Enabled(bool demo, bool strongholds, std::int32_t continents) {
    std::array<bool, 9> enabled;
    enabled.fill(true);
    if (demo) enabled[0] = enabled[8] = false;
    if (strongholds && continents >= 1) {
        // Choice i seats i + 2 computer players and the human; "1  *" is left alone.
        for (int i = 0; i < 8; ++i)
            if (i + 3 > continents) enabled[static_cast<std::size_t>(i)] = false;
    }
    return enabled;
}

std::array<bool, 10> Players810Enabled(bool hotseat, bool strongholds, std::int32_t continents,
                                       std::int32_t seated) {
    const std::int32_t room = MostPlayers(strongholds, continents) - seated;
    std::array<bool, 10> enabled;
    for (int count = 0; count < 10; ++count)
        enabled[static_cast<std::size_t>(count)] = count <= room;
    if (!hotseat) {
        if (seated < 3) enabled[0] = false;
        if (seated < 2) enabled[1] = false;
    }
    return enabled;
}

bool MissionChoicesEnabled(bool hotseat, bool strongholds) {
    return !hotseat && !strongholds;
}

bool HiddenAndLevelEnabled(std::int32_t gameKind) {
    return gameKind != game_kind::kNetworkHost && gameKind != game_kind::kNetworkJoined;
}

bool LoadChoiceShown(bool highScore) {
    return !highScore;
}

bool PersonalityRowLive(std::int32_t player, std::int32_t players, std::int32_t humans) {
    return player >= 2 && player <= 10 && players >= player && humans < player;
}

}  // namespace setup_rules
