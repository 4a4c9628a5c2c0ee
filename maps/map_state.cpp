// Storage of the map values that the built-in map catalogue sets.
#include "maps/map_state.h"

std::int32_t g_reinforcementDivisor = 0;

void ResetMapState() {
    g_reinforcementDivisor = 0;
}
