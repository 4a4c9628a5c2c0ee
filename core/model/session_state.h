// Process-wide values of a session that the game core and its neighbours share: game kind and
// progress, campaign, network seat, computer-player lists, missiles and the window requests.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/model/game_state.h"
#include "core/model/yes_no.h"

// Game kind and progress.
extern bool g_isDemoRunning;
extern std::int32_t g_gameKind;  // one of game_kind
// The kinds of game; their numbers are saved with the game and sent to the peers.
namespace game_kind {
inline constexpr std::int32_t kSinglePlayer = 1;
inline constexpr std::int32_t kNetworkHost = 2;
inline constexpr std::int32_t kNetworkJoined = 3;
inline constexpr std::int32_t kHotseat = 4;
inline constexpr std::int32_t kDemo = 5;
}  // namespace game_kind
// This machine hosts or has joined a network game.
inline bool IsNetworkGame() {
    return g_gameKind == game_kind::kNetworkHost || g_gameKind == game_kind::kNetworkJoined;
}
extern bool g_isNormalLevel;
extern bool g_isHighScoreGame;
extern bool g_hasNeutralArmy;
inline constexpr std::int32_t kNeutralPlayer = 3;  // who holds the neutral armies
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
extern char g_isOneForOneRule;  // kYes or kNo
extern char g_isJustOpened;     // kYes or kNo
extern char g_isGameFromFile;   // kYes when the game came from a saved file
extern bool g_repaintOnFocus;
extern bool g_deferSlowCommands;
// True while the clock plays a slow command's queued record: the command's own work runs then.
extern bool g_isPlayingSlowCommand;
// A game is under way: started, opened from a file, or of a kind other than the single player's;
// the players panel then needs redrawing after a change of the board's look.
inline bool IsGameUnderWay() {
    return g_roundCounter >= 1 || g_isGameFromFile == kYes || g_gameKind >= game_kind::kNetworkHost;
}

// Campaign.
extern std::int32_t g_campaignNumber;  // 0 none, 1..5 the built-in campaigns, or kOwnCampaign
// A campaign read from a campaign file; the number is saved with the game.
inline constexpr std::int32_t kOwnCampaign = 6;
inline bool IsBuiltinCampaign(std::int32_t number) {
    return number >= 1 && number < kOwnCampaign;
}
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
// Each computer player's last chosen victim and the turn it chose it (ai/ai_state.cpp); saved
// with the game, zeroed by the map set-ups.
struct LastTarget {
    std::int32_t victim = 0;
    std::int32_t turn = 0;
};
extern std::array<LastTarget, kMaxPlayers + 1> g_aiLastTargets;

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

// Puts the values above back to their values at program start (all but g_aiLastTargets, which
// the computer player's reset puts back).
void ResetSessionState();

// Cards: trade options, the turn-in and a computer's selected set (core/cards_state.cpp).
extern std::string g_cardSetOption1;
extern std::string g_cardSetOption2;
extern std::string g_cardSetOption3;
extern std::string g_cardSetOption4;
extern std::string g_cardSetOption5;
extern std::string g_cardSetOption6;
// Row k for option k + 1: artillery, infantry, cavalry, wild, armies.
extern std::array<std::array<std::int32_t, 5>, 6> g_cardSetOptions;
extern std::int32_t g_cardTurnInMarker;  // saved with the game
extern char g_hasTurnedInCards;          // kYes while the trade window is open
extern std::int32_t g_cardArmiesToAdd;
extern std::int32_t g_mustTurnInCards;  // 5 while a turn-in is demanded
extern char g_canTurnInCards;           // kYes the hand made a set at the start of the turn
extern std::int32_t g_aiArtilleryCards;
extern std::int32_t g_aiInfantryCards;
extern std::int32_t g_aiCavalryCards;
extern std::int32_t g_aiWildCards;
extern std::int32_t g_cardSetArmies;
extern std::int32_t g_turnInArmies;
// Puts the card values above back to their values at program start.
void ResetCardsState();

// Rules: the turn's reinforcements, the attack and its outcome, the action probe, the army
// count (core/reinforcements.cpp, core/attack.cpp, core/turn_commands.cpp, core/army_count.cpp,
// setup/scores_file.cpp).
extern std::int32_t g_territoryArmiesToAdd;
extern std::int32_t g_continentArmiesToAdd;
extern char g_hasEarnedCardThisTurn;  // kYes once this turn's card is earned
extern char g_canAttackState;         // kCanAttack or kMustPass
inline constexpr char kCanAttack = 'a';
inline constexpr char kMustPass = 'p';
extern std::int32_t g_playersLeft;  // players owning a territory
extern std::int32_t g_fromTerritory;
extern std::int32_t g_toTerritory;
extern std::int32_t g_selectedTerritory;
extern bool g_isAskingArmyCount;
extern std::int32_t g_retakenMissionContinent;
extern std::int64_t g_gameEndTime;
extern bool g_arePersonalitiesActive;
extern std::int32_t g_joinedSeatCount;  // seats of a network game, written with the score
// Each puts its own file's values above back to their values at program start.
void ResetReinforcementsState();
void ResetAttackState();
void ResetTurnCommandsState();
void ResetArmyCountState();
void ResetScoresState();

// Game set-up: play time, the saved game's name flags, the personalities' copies and the values
// New Game, Quick Launch and the view's start-up reset (setup/new_game_state.cpp).
extern std::int64_t g_gameStartTime;
extern std::int64_t g_playResumeTime;     // play time counts from here
extern double g_playingSeconds;           // played before g_playResumeTime
extern bool g_hasOpenedFileName;          // the game came from Open
extern bool g_hasFileName;                // Save or Save As wrote the game
extern std::uint8_t g_savedGameByte3708;  // carried from an opened record to the next save
extern bool g_moreNamesFollow;            // "+ Add More Players" ended the hotseat name dialog
extern bool g_isGreyOutline;
extern bool g_isFixedPalette;
extern std::int32_t g_networkPort;
extern std::array<std::int32_t, kMaxPlayers + 1> g_savedPersonalities;
extern bool g_savedRandomMix;
extern std::array<std::int32_t, kMaxPlayers + 1> g_personalitiesBackup;
extern std::array<std::int32_t, kMaxPlayers + 1> g_avengeTargetsBackup;
extern std::array<std::int32_t, kMaxPlayers + 1> g_unstableMarksBackup;
extern bool g_isRandomMixBackup;
// Puts the set-up values above back to their values at program start.
void ResetNewGameState();

// The players' and the game's start values that the program's start and every new game share:
// one local player of three, no turn played, no game over.
void SetPlayerStartValues();
