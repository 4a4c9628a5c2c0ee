// Process-wide values of a session that the game core and its neighbours share: game kind and
// progress, campaign, network seat, computer-player lists, missiles and the window requests.
#pragma once

#include <array>
#include <cstdint>

#include "core/game_state.h"

// Game kind and progress.
extern bool g_isDemoRunning;
extern std::int32_t g_gameKind;  // 1 single player
extern bool g_isNormalLevel;
extern bool g_isHighScoreGame;
extern bool g_hasNeutralArmy;
extern bool g_isQuickLaunch;
extern bool g_areTerritoriesDealt;
extern bool g_isPainting;
extern bool g_isCardsPanelShown;
extern bool g_showTestMarkers;  // label points marked until the next idle pass
extern bool g_resolveUnstableOnLoad;
extern std::int32_t g_roundCounter;  // 0 until a game has started
extern std::array<std::int32_t, kMaxPlayers + 1> g_turnsPlayed;
extern bool g_isGameOver;
extern bool g_hasAttackedThisTurn;
extern bool g_hasFinishedGame;
extern bool g_isGameWithoutWinner;
extern std::int32_t g_lossesShown;
extern std::int32_t g_cardsLinePlayer;
extern char g_isOneForOneRule;  // 'j' or 'n'
extern char g_isJustOpened;     // 'j' or 'n'
extern char g_isGameFromFile;   // 'j' when the game came from a saved file
extern bool g_repaintOnFocus;
extern bool g_deferSlowCommands;

// Campaign.
extern std::int32_t g_campaignNumber;
extern std::int32_t g_campaignStep;
extern std::int32_t g_campaignLength;
extern std::int32_t g_campaignPlayer;
extern bool g_isCampaignLost;
extern bool g_isCampaignFinished;

// Computer players: what the personalities remember, troop experience.
extern std::array<std::int32_t, kMaxPlayers + 1> g_avengeTargets;
extern std::array<std::int32_t, kMaxPlayers + 1> g_unstableMarks;    // 6 marks an Unstable player
extern std::array<std::int32_t, kMaxPlayers + 1> g_troopExperience;  // percent
extern std::array<std::array<std::int32_t, kMaxPlayers + 1>, kMaxPlayers + 1>
    g_troopExperienceSnapshots;
extern std::int32_t g_aiMinAttackArmies;
extern std::array<std::int32_t, 21> g_aiStrongArmyTerritories;
extern std::array<std::int32_t, 21> g_aiMissileLaunchers;

// Missiles per territory and their copies as last drawn.
extern std::array<std::int32_t, kMaxTerritories + 1> g_defenceMissiles;
extern std::array<std::int32_t, kMaxTerritories + 1> g_attackMissiles;
extern std::array<std::int32_t, kMaxTerritories + 1> g_displayedDefenceMissiles;
extern std::array<std::int32_t, kMaxTerritories + 1> g_displayedAttackMissiles;

// Network game.
extern bool g_isInternetGame;
extern std::int32_t g_networkSeat;        // 0 none, 1 hosting, 2..5 joined
extern std::int32_t g_connectedClients;   // machines joined to this host
extern std::int32_t g_publishedGameSlot;  // 99: no game-list entry published
extern std::int32_t g_ackPendingCode;
extern std::int32_t g_ackTicks;
extern std::int32_t g_ackResends;
extern std::int32_t g_ackSocket;

// Requests of the modeless internet windows, carried out by the game clock.
extern bool g_chatRoomRequest;
extern bool g_emailIpRequest;
extern bool g_showUsersJoinedRequest;
extern bool g_advancedIpRequest;
extern bool g_isUsersJoinedShown;
extern bool g_isChatWindowShown;
extern bool g_isChatLinePending;
