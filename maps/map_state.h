// Map values that the built-in map catalogue sets beside the board's tables.
#pragma once

#include <cstdint>

// Owned territories that earn one reinforcement army; set with every map.
extern std::int32_t g_reinforcementDivisor;
// Puts the value above back to its value at program start.
void ResetMapState();
