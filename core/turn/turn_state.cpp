// Storage of the turn engine's process-wide values.
#include "core/turn/turn_state.h"

bool g_canAttack{};
bool g_canAdd{};
bool g_canMove{};
bool g_canCards{};
bool g_canCancel{};
bool g_canNextPlayer{};
bool g_canSave{};
bool g_canSaveAs{};
bool g_canOpen{};
bool g_canNewGame{};
bool g_newGameEnablePending{};
bool g_canSetSlowSpeed{};
bool g_canSetFastSpeeds{};

bool g_isStrongholdChoice{};
bool g_isInitialPlacement{};
bool g_isAddForTerritories{};
bool g_isAddForContinents{};
bool g_isAddForCards{};
bool g_isAttackTo{};
bool g_isAttackFrom{};
bool g_isMoveTo{};
bool g_isMoveFrom{};

bool g_isHumanTurnStarted{};
std::int32_t g_movesLeft{};
char g_canMoveState{};
std::int32_t g_startArmies{};
std::int32_t g_initialArmiesLeft{};
std::int32_t g_aiActingPlayer{};
std::int32_t g_lastGainedContinent{};
std::array<std::int32_t, 6> g_lastCardTurnIn{};

bool g_isTroopExperienceOn{};
bool g_areStrongholdsOn{};
bool g_areTerritoriesHidden{};
bool g_isHidingActive{};
std::int32_t g_missionKind{};
std::array<std::array<std::int32_t, kMaxContinents + 1>, kMaxPlayers + 1> g_missionOrders{};
std::int32_t g_missionProgress{};
std::int32_t g_missionTextKind{};
bool g_isMissionFailed{};

std::string g_statusText;
bool g_isHighlightOn{};
std::int32_t g_pendingSound{};

bool g_isMouseCaptured{};
std::int32_t g_demoBlinkCounter{};
bool g_isHostWaiting{};
std::int32_t g_lastNetworkSeat{};
bool g_isHandOverPastPlayerOne{};
std::string g_hostIpText;
std::string g_hostIpAtStart;

void ResetTurnState() {
    g_statusText.clear();
    g_canAttack = g_canAdd = g_canMove = g_canCards = g_canCancel = g_canNextPlayer = false;
    g_canSave = g_canSaveAs = g_canOpen = g_canNewGame = g_newGameEnablePending = false;
    g_canSetSlowSpeed = g_canSetFastSpeeds = false;
    g_isStrongholdChoice = g_isInitialPlacement = false;
    g_isAddForTerritories = g_isAddForContinents = g_isAddForCards = false;
    g_isAttackTo = g_isAttackFrom = g_isMoveTo = g_isMoveFrom = false;
    g_isHumanTurnStarted = false;
    g_movesLeft = 0;
    g_canMoveState = 0;
    g_startArmies = g_initialArmiesLeft = g_aiActingPlayer = g_lastGainedContinent = 0;
    g_lastCardTurnIn.fill(0);
    g_isTroopExperienceOn = g_areStrongholdsOn = g_areTerritoriesHidden = g_isHidingActive = false;
    g_missionKind = 0;
    g_missionOrders.fill({});
    g_missionProgress = g_missionTextKind = 0;
    g_isMissionFailed = false;
    g_isHighlightOn = false;
    g_pendingSound = 0;
    g_isMouseCaptured = false;
    g_demoBlinkCounter = 0;
    g_isHostWaiting = false;
    g_lastNetworkSeat = 0;
    g_isHandOverPastPlayerOne = false;
    g_hostIpText.clear();
    g_hostIpAtStart.clear();
}
