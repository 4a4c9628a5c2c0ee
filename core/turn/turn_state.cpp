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
