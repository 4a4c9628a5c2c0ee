// Process-wide values of the turn engine: command enables, input phases, turn and mission state,
// the highlight flag and the clock's own flags.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/model/game_state.h"

// Command enables, read by the update handlers.
extern bool g_canAttack;
extern bool g_canAdd;
extern bool g_canMove;
extern bool g_canCards;
extern bool g_canCancel;
extern bool g_canNextPlayer;
extern bool g_canSave;
extern bool g_canSaveAs;
extern bool g_canOpen;
extern bool g_canNewGame;
extern bool g_newGameEnablePending;
extern bool g_canSetSlowSpeed;
extern bool g_canSetFastSpeeds;

// Input phases of the board click, in the order the click runs them.
extern bool g_isStrongholdChoice;
extern bool g_isInitialPlacement;
extern bool g_isAddForTerritories;
extern bool g_isAddForContinents;
extern bool g_isAddForCards;
extern bool g_isAttackTo;
extern bool g_isAttackFrom;
extern bool g_isMoveTo;
extern bool g_isMoveFrom;

// The turn.
extern bool g_isHumanTurnStarted;
extern std::int32_t g_movesLeft;
extern char g_canMoveState;  // kYes a move is possible
extern std::int32_t g_startArmies;
extern std::int32_t g_initialArmiesLeft;
extern std::int32_t g_aiActingPlayer;
extern std::int32_t g_lastGainedContinent;
// The last card turn-in: [5..2] the card counts of the set, [1] armies, [0] player.
extern std::array<std::int32_t, 6> g_lastCardTurnIn;

// Game options that the clock reads (set by New Game and Open).
extern bool g_isTroopExperienceOn;
extern bool g_areStrongholdsOn;
extern bool g_areTerritoriesHidden;
extern bool g_isHidingActive;       // the hiding display in force
extern std::int32_t g_missionKind;  // one of mission_kind
// The missions a game can have; the number is saved with the game and with its score.
namespace mission_kind {
inline constexpr std::int32_t kConquerAll = 0;
inline constexpr std::int32_t kContinents = 1;
inline constexpr std::int32_t kHoldContinents = 2;
}  // namespace mission_kind
extern std::array<std::array<std::int32_t, kMaxContinents + 1>, kMaxPlayers + 1> g_missionOrders;
extern std::int32_t g_missionProgress;
extern std::int32_t g_missionTextKind;  // 0 the order, 1 completed, 2 failed
extern bool g_isMissionFailed;

// The text last given to the status line; the idle pass copies it into the status bar.
extern std::string g_statusText;

// Drawing and sound.
extern bool g_isHighlightOn;
extern std::int32_t g_pendingSound;  // attached to the next queued territory or text record
// The game's sounds by number (core/turn/game_sounds.cpp holds their files); the numbers travel
// in the queues' records and in network messages.
namespace game_sound {
inline constexpr std::int32_t kSilence = 0;  // nothing to play; played, it stops the sound
inline constexpr std::int32_t kPlaceArmies = 1;
inline constexpr std::int32_t kFailedAttack = 2;
inline constexpr std::int32_t kAttack = 3;
inline constexpr std::int32_t kMove = 4;
inline constexpr std::int32_t kPlayerOut = 5;
inline constexpr std::int32_t kNextPlayer = 6;
inline constexpr std::int32_t kContinentTaken = 7;
inline constexpr std::int32_t kVictory = 9;
inline constexpr std::int32_t kSonar = 10;
}  // namespace game_sound

// The clock's own flags.
extern bool g_isMouseCaptured;
extern std::int32_t g_demoBlinkCounter;
extern bool g_isHostWaiting;            // a host waiting for players to join
extern std::int32_t g_lastNetworkSeat;  // highest player played on a joined machine
// Set when a host's hand-over must pass over player 1: the restarted one goes on from him.
extern bool g_isHandOverPastPlayerOne;
extern std::string g_hostIpText;
extern std::string g_hostIpAtStart;
// Puts every value above back to its value at program start.
void ResetTurnState();

// Board input (core/board_input.cpp, core/hit_test.cpp).
extern bool g_isPlacementClick;   // the click must name an own territory (0: an enemy one)
extern bool g_lineCrossesBorder;  // the line test met a border pixel
extern std::int32_t g_armyCount;  // armies of the last attack or move, 0 declined
// Each puts its own file's values above back to their values at program start.
void ResetBoardInputState();
void ResetHitTestState();
