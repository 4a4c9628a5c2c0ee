// The player on turn: setting him, another acting for a while, and the rules that name the next
// player, one for each way a turn passes on.
#pragma once

#include <cstdint>
#include <functional>

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

// Out of the game: no territory left, or no stronghold while strongholds count.
bool IsOut(std::int32_t player);

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
