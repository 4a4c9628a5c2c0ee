// The action probes of the turn commands: what the current player can still attack or move.
#pragma once

#include <cstdint>

#include "core/model/session_state.h"
#include "core/model/yes_no.h"

namespace turn_commands {

struct ActionState {
    char attack = kMustPass;  // or kCanAttack
    char move = kNo;          // kYes can move
};
// From the board as it stands: what `player` can do with territories of 2 armies or more.
ActionState ProbeActions(std::int32_t player);

}  // namespace turn_commands
