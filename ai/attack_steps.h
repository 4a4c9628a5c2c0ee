// The pieces every computer attack shares: the attack as shown and resolved, the move into a
// conquered territory, and a card turn-in for more armies.
#pragma once

#include <cstdint>

class CChildView;

namespace ai {

// Both territories shown, "<name> is attacking." (with a trailing blank when asked), then the
// attack with all but one army. Answers whether the target is now the attacker's.
bool Attack(CChildView& view, std::int32_t from, std::int32_t to, bool trailingBlank = false);

// n armies move in with "<name> moves n army/armies into the territory." (a trailing blank when
// asked). Below 1: ComputerMoveIntoConquered with `fallbackMode` (a conquest_move), or nothing
// when it is kNoFallback.
void MoveIntoConquered(CChildView& view, std::int32_t from, std::int32_t to, std::int32_t n,
                       bool trailingBlank, std::int32_t fallbackMode);

// The cards the player could turn in are turned in; their armies join the pool.
void TurnInForArmies(CChildView& view);

// The attack of kStrikeStronghold and the dominant-leader attacks of the turn driver.
void AttackWithEverything(CChildView& view, std::int32_t from, std::int32_t to);

}  // namespace ai
