// The cards' process-wide values: option texts and rows, turn-in flags, a computer's set.
#include <array>
#include <cstdint>
#include <string>

#include "core/model/session_state.h"

std::string g_cardSetOption1;
std::string g_cardSetOption2;
std::string g_cardSetOption3;
std::string g_cardSetOption4;
std::string g_cardSetOption5;
std::string g_cardSetOption6;
std::array<std::array<std::int32_t, 5>, 6> g_cardSetOptions{};
std::int32_t g_cardTurnInMarker{};
char g_hasTurnedInCards = kNo;
std::int32_t g_cardArmiesToAdd{};
std::int32_t g_mustTurnInCards{};
char g_canTurnInCards = kNo;
std::int32_t g_aiArtilleryCards{};
std::int32_t g_aiInfantryCards{};
std::int32_t g_aiCavalryCards{};
std::int32_t g_aiWildCards{};
std::int32_t g_cardSetArmies{};
std::int32_t g_turnInArmies{};

void ResetCardsState() {
    for (std::string* text : {&g_cardSetOption1, &g_cardSetOption2, &g_cardSetOption3,
                              &g_cardSetOption4, &g_cardSetOption5, &g_cardSetOption6})
        text->clear();
    g_cardSetOptions.fill({});
    g_cardTurnInMarker = 0;
    g_hasTurnedInCards = g_canTurnInCards = kNo;
    g_cardArmiesToAdd = g_mustTurnInCards = 0;
    g_aiArtilleryCards = g_aiInfantryCards = g_aiCavalryCards = g_aiWildCards = 0;
    g_cardSetArmies = g_turnInArmies = 0;
}
