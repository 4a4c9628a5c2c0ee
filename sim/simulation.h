// Headless computer-only games: a seeded deal on a built-in map, the computer players' initial
// placement and turns played by the game clock through the queues, as in the program. Players
// may be marked to play random legal moves instead, for the strength figures.
#pragma once

#include <unistd.h>
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_loader.h"
#include "core/model/map_text.h"
#include "core/model/options.h"
#include "core/model/route_table.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/rules/turn_order.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "maps/map_texts.h"
#include "platform/headless/test_platform.h"

namespace ai_sim {

struct GameSetup {
    const bool* map = DefaultMap().flag;
    std::string_view mapText;  // the "[map]" name of a built-in map text to play instead
    std::int32_t players = 6;
    std::uint32_t seed = 1;
    bool normalLevel = true;
    bool oneForOne = true;
    bool strongholds = false;
    bool troopExperience = false;
    bool fastest = true;
    std::array<std::int32_t, kMaxPlayers + 1> personalities{};
    std::array<bool, kMaxPlayers + 1> randomPlayers{};
    std::array<bool, kMaxPlayers + 1> easyPlayers{};  // play at level Easy in a Normal game
    std::int32_t turnCap = 3000;
};

struct GameResult {
    bool ended = false;
    std::int32_t winner = 0;  // 0: no sole owner
    std::int32_t turns = 0;
};

inline std::string Roman(int n) {
    static const char* const kNames[] = {"",   "I",   "II",   "III", "IV", "V",
                                         "VI", "VII", "VIII", "IX",  "X"};
    return kNames[std::clamp(n, 0, kMaxPlayers)];
}

// Everything one game leaves behind that the next game's set-up does not reset itself.
inline void ResetSession() {
    EmptyQueues();
    g_isGameOver = g_hasFinishedGame = g_isGameWithoutWinner = false;
    g_isMissionFailed = g_isCampaignLost = g_isCampaignFinished = false;
    g_campaignNumber = 0;
    g_campaignLength = g_campaignStep = 1;
    g_missionKind = 0;
    g_turnsPlayed.fill(0);
    g_aiLastTargets.fill({});
    g_avengeTargets.fill(0);
    g_unstableMarks.fill(0);
    g_aiLeader = 0;
    g_aiContinentsByBonus.fill({});
    for (int p = 1; p <= kMaxPlayers; ++p) {
        g_troopExperience[p] = 100;
        g_troopExperienceSnapshots[p].fill(100);
    }
    g_isHumanTurnStarted = false;
    g_networkSeat = 0;
    g_isDemoRunning = false;
    g_isSoundOff = true;
}

inline std::int32_t SoleOwner() {
    const std::int32_t owner = ai::Owner(1);
    for (int t = 2; t <= ai::Territories(); ++t)
        if (ai::Owner(t) != owner) return 0;
    return owner;
}

class Simulation {
  public:
    Simulation() {
        home_ = std::filesystem::temp_directory_path() /
                ("marovek_ai_sim_" + std::to_string(::getpid()));
        std::filesystem::create_directories(home_);
        platform_ = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home_.string()}}, home_.string());
        view_ = std::make_unique<CChildView>(platform_->platform);
    }
    ~Simulation() {
        view_.reset();
        platform_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(home_, ignored);
    }
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    CChildView& View() { return *view_; }
    headless::TestPlatform& Platform() { return *platform_; }

    // Called after every turn the clock played, with the player whose turn it was.
    std::function<void(std::int32_t)> afterTurn;
    // Called before every such turn.
    std::function<void(std::int32_t)> beforeTurn;

    // Sets the map up, deals and queues the initial placements; false when the map or the deal
    // is refused.
    bool Start(const GameSetup& setup) {
        setup_ = setup;
        ResetSession();
        ClearMapFlags();
        if (!setup.mapText.empty()) {
            if (!SetUpMapText(setup.mapText)) return false;
        } else {
            *const_cast<bool*>(setup.map) = true;
            const BuiltinMap* map = BuiltinMapByFlag(setup.map);
            if (map == nullptr) return false;
            view_->SetBuiltinMapSize();
            if (!((*view_).*(map->setup))()) return false;
        }
        g_gameKind = 1;
        g_playerCount = setup.players;
        g_humanPlayerCount = 0;
        g_computerPlayerCount = setup.players;
        g_hasNeutralArmy = false;
        g_isNormalLevel = setup.normalLevel;
        g_isOneForOneRule = setup.oneForOne ? 'j' : 'n';
        g_aiMinAttackArmies = setup.oneForOne ? 3 : 2;
        g_areStrongholdsOn = setup.strongholds;
        g_isTroopExperienceOn = setup.troopExperience;
        g_areTerritoriesHidden = g_isHidingActive = false;
        g_isFastSpeed = true;
        g_isFastestSpeed = setup.fastest;
        for (int p = 1; p <= kMaxPlayers; ++p) {
            g_playerNames[p] = "pc " + Roman(p);
            g_personalities[p] = setup.personalities[p];
            // An Unstable player plays a base personality drawn from the seed, as New Game
            // draws one, and is marked so the driver redraws it every tenth turn.
            if (setup.personalities[p] == personality::kUnstableMark) {
                g_unstableMarks[p] = personality::kUnstableMark;
                g_personalities[p] =
                    static_cast<std::int32_t>((setup.seed + p) % personality::kUnstableMark);
            }
        }
        platform_->clock.Set(1'700'000'000 + setup.seed);
        view_->DealTerritories();
        if (!g_areTerritoriesDealt) return false;
        platform_->random.Seed(setup.seed * 7919u + 17u);
        g_roundCounter = 1;
        for (int p = 1; p <= setup.players; ++p) {
            rules::SetCurrentPlayer(p);
            view_->QueueNextPlayerEvent();
            view_->AnnounceInitialPlacement();
            view_->QueueComputerPlacementEvents();
        }
        rules::SetCurrentPlayer(1);
        g_isInitialPlacement = false;
        view_->QueueNextPlayerEvent();
        view_->NextPlayer();
        return true;
    }

    // Plays clock ticks until the game has ended or the turn cap is reached.
    GameResult Run() {
        GameResult result;
        const int tickCap = setup_.turnCap * 60 + 2000;
        for (int tick = 0; tick < tickCap && !g_hasFinishedGame; ++tick) {
            const bool turnDue = IsTurnDue();
            const std::int32_t player = g_currentPlayer;
            if (turnDue && IsPlayer(player))
                g_isNormalLevel = setup_.normalLevel && !setup_.easyPlayers[player];
            if (beforeTurn && turnDue) beforeTurn(player);
            if (turnDue && IsPlayer(player) && setup_.randomPlayers[player])
                PlayRandomTurnAndHandOver(player);
            else
                view_->RunClockTick();
            if (!turnDue) continue;
            ++result.turns;
            if (afterTurn) afterTurn(player);
            if (result.turns >= setup_.turnCap) break;
        }
        result.ended = g_hasFinishedGame || g_isGameOver;
        result.winner = result.ended ? SoleOwner() : 0;
        return result;
    }

  private:
    // The map text parsed and made current as a loaded map file is.
    bool SetUpMapText(std::string_view name) {
        const BuiltinMapText* text = BuiltinMapTextByName(name);
        g_mapTextBuffer.clear();
        if (text == nullptr || !maps::AppendBuiltinMapText(*text) ||
            ParseMapTextBuffer() != map_text_result::kAccepted)
            return false;
        g_isMapCustom = true;
        g_isMapFileLoaded = true;
        view_->SetBuiltinMapSize();
        view_->ResetGame();
        return true;
    }

    // The clock's next play is the message that plays the current computer player's turn.
    static bool IsTurnDue() {
        if (g_eventReadIndex < g_eventCount || g_isGameOver) return false;
        if (g_messageReadIndex + 1 > g_messageCount) return false;
        return g_messageQueue[static_cast<std::size_t>(g_messageReadIndex + 1)].type ==
               message_type::kComputerTurns;
    }

    // A player marked random plays random legal moves; the turn is handed on as the driver does.
    void PlayRandomTurnAndHandOver(std::int32_t p) {
        g_eventCount = g_eventReadIndex = 0;
        if (ai::TerritoriesOf(p) > 0) PlayRandomTurn(p);
        rules::CountTurnPlayed(p);
        if (g_isGameOver) {
            g_eventCount = g_eventReadIndex = 0;
            AppendEvent(event_type::kGameEnd);
            return;
        }
        rules::SetCurrentPlayer(rules::NextToPlay(p));
        RestartMessages(message_type::kComputerTurns);
    }

    int Draw(int n) { return n <= 0 ? 0 : platform_->random.Next() % n; }

    template <typename Fits>
    std::int32_t RandomTerritory(Fits fits) {
        std::array<std::int32_t, kMaxTerritories + 1> found{};
        int count = 0;
        for (int t = 1; t <= ai::Territories(); ++t)
            if (fits(t)) found[static_cast<std::size_t>(count++)] = t;
        return count == 0 ? 0 : found[static_cast<std::size_t>(Draw(count))];
    }

    void PlayRandomTurn(std::int32_t p) {
        g_aiActingPlayer = p;
        g_hasAttackedThisTurn = false;
        g_hasEarnedCardThisTurn = 'n';
        view_->ComputerDecideCardTurnIn();  // the continent bonus and any forced turn-in
        // As for every player, a turn either takes the territory armies or attacks, never both.
        const bool adds = Draw(2) == 0;
        std::int32_t armies =
            g_aiArmiesToPlace + (adds ? ai::Reinforcements(ai::TerritoriesOf(p)) : 0);
        g_aiArmiesToPlace = g_aiCardArmies = 0;
        while (armies-- > 0) {
            const std::int32_t t =
                RandomTerritory([&](std::int32_t u) { return ai::Owner(u) == p; });
            rules::PlaceArmies(p, t, 1, rules::Total::kKeep);
        }
        for (int attack = 0; !adds && attack < 30 && !g_isGameOver && Draw(4) != 0; ++attack) {
            const std::int32_t from = RandomTerritory([&](std::int32_t u) {
                return ai::Owner(u) == p && ai::Armies(u) >= g_aiMinAttackArmies &&
                       ai::HasEnemyNeighbour(u);
            });
            if (from == 0) break;
            std::int32_t to = 0;
            int seen = 0;
            ai::ForEachNeighbour(from, [&](std::int32_t n, int) {
                if (ai::Owner(n) != p && Draw(++seen) == 0) to = n;
            });
            View().ResolveAttack(from, ai::Armies(from) - 1, to, g_hasEarnedCardThisTurn);
            if (ai::Owner(to) == p && ai::Armies(from) > 1)
                rules::MoveArmies(p, from, to, Draw(ai::Armies(from)));
        }
        for (int q = 1; q <= kMaxPlayers; ++q) rules::RecountArmies(q);
    }

    std::filesystem::path home_;
    std::unique_ptr<headless::TestPlatform> platform_;
    std::unique_ptr<CChildView> view_;
    GameSetup setup_;
};

}  // namespace ai_sim
