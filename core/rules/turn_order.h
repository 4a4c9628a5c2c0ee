// The player on turn: setting him, another acting for a while, the turns each has played, who is
// left in the game, and the rules that name the next player, one for each way a turn passes on.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "core/model/game_state.h"

namespace rules {

// `player` becomes the player on turn: 1..kMaxPlayers, or 0 when no game is on. Answers whether
// it did.
bool SetCurrentPlayer(std::int32_t player);

// The player on turn set to another for a while and put back: a player's queued plays, or the
// computer weighing up a rival.
class ActingAs {
  public:
    explicit ActingAs(std::int32_t player);
    ~ActingAs();
    ActingAs(const ActingAs&) = delete;
    ActingAs& operator=(const ActingAs&) = delete;

  private:
    std::int32_t saved_;
};

// One more turn played by `player`, at the end of it. Answers whether he is one of the tables'.
bool CountTurnPlayed(std::int32_t player);

// Out of the game: no territory left, or no stronghold while strongholds count.
bool IsOut(std::int32_t player);

// How many territories each player holds, 1-based: as the records keep them, or as the computer
// counted them on the board it reads.
using TerritoryCounts = std::array<std::int32_t, kMaxPlayers + 1>;
TerritoryCounts RecordedTerritories();
// The players of the game who hold a territory by `held`.
std::int32_t PlayersLeft(const TerritoryCounts& held);

// Every player in turn, 1 after the last: the initial placement and the demo's placements.
std::int32_t NextInTurn(std::int32_t player);

// The computer turns: past players out of the game; the neutral army hands on to player 1, or to
// player 2 once player 1 is out. After a round without anyone, the player himself.
std::int32_t NextToPlay(std::int32_t player);

// The hand-over: the first player after `from` who `canPlay`, or 0 when there is none or the
// player count is outside the tables. Player 1 passed over ends the search at once, and says so:
// the caller searches on from him later.
struct HandOver {
    std::int32_t player = 0;
    bool passedPlayerOne = false;
};
HandOver NextWhoCanPlay(std::int32_t from, const std::function<bool(std::int32_t)>& canPlay);

}  // namespace rules
