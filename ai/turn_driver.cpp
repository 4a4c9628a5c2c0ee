// The computer turn driver: consecutive computer turns from the clock, and one whole turn (its
// start, the planning cycles, the end-of-turn attacks, the moves and the turn's counters).
#include <algorithm>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "ai/planning.h"
#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/rules/troop_experience.h"
#include "core/rules/turn_order.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"
#include "render/render_state.h"

namespace ai {

namespace {

using namespace player_field;

constexpr std::int32_t kDemoEndArmies = 700;
constexpr std::int32_t kCalmArmies = 56;
constexpr int kMaxCycles = 64;  // the cycles end by their own counters long before this

bool IsHuman(std::int32_t p) {
    return p >= 1 && p <= g_humanPlayerCount;
}

bool AllHumansOut() {
    for (int h = 1; h <= std::clamp(g_humanPlayerCount, 0, kMaxPlayers); ++h)
        if (!rules::IsOut(h)) return false;
    return true;
}

bool EndsDemo() {
    if (g_gameKind != game_kind::kDemo) return false;
    for (int t = 1; t <= Territories(); ++t)
        if (Armies(t) > kDemoEndArmies) return true;
    return false;
}

void DecidePersonalities() {
    g_arePersonalitiesActive = g_isNormalLevel && !IsNetworkGame() && !g_hasNeutralArmy &&
                               g_playersLeft >= 4 && !g_isDemoRunning && g_aiLeader == 0;
    if (!AreHumansOutOrDemo()) return;
    for (int t = 1; t <= Territories(); ++t)
        if (Armies(t) >= kCalmArmies) g_arePersonalitiesActive = false;
}

std::int32_t Quota(std::int32_t q) {
    return g_aiPlayerEstimates[static_cast<std::size_t>(IsPlayer(q) ? q : 0)][2];
}

void EndOfTurnAttacks(CChildView& view, std::int32_t p) {
    RatePlayerStrengths(strength::kWithContinents);
    for (int q = 1; q <= Players(); ++q)
        g_aiPlayerEstimates[static_cast<std::size_t>(q)][2] = Reinforcements(TerritoriesOf(q));
    const std::int32_t small = g_isDemoRunning ? 12 : 25;
    const bool unstable = g_arePersonalitiesActive &&
                          g_personalities[static_cast<std::size_t>(p)] == personality::kHunter;
    if (TotalArmies(p) < small || (unstable && TotalArmies(p) < 40))
        g_aiIsSmallArmy = g_aiIsSmallArmyAlt = kYes;
    g_aiQuotaThreshold = QuotaThreshold();
    const std::int32_t strongest = g_playerStrengths[1].id;
    auto strongRival = [&] { return strongest != p && Quota(strongest) >= g_aiQuotaThreshold; };
    auto advance = [&] {
        if (!g_isGameOver) view.ComputerAttackAndAdvance();
    };
    if (g_hasAttackedThisTurn && strongRival()) {
        advance();
        advance();
    }
    if (IsYes(g_hasEarnedCardThisTurn) || g_isGameOver) return;
    RankContinentsToTake();
    if (g_hasAttackedThisTurn) {
        advance();
        if (strongRival()) advance();
        return;
    }
    view.ComputerChoosePlacement();
    if (!g_hasAttackedThisTurn) return;
    if (strongRival()) advance();
    if (!IsYes(g_hasEarnedCardThisTurn)) {
        advance();
        if (strongRival()) advance();
    }
}

void MovesAndCounters(CChildView& view, std::int32_t p) {
    if (g_hasAttackedThisTurn) {
        view.ComputerReinforceContinentBorders();
        std::int32_t budget = 7;
        view.ComputerMoveStep(budget);
        if (budget >= 1 && budget <= 6) view.ComputerMoveStep(budget);
        return;
    }
    rules::CountReinforcementRound(p);
}

void StartTurn(CChildView& view, std::int32_t p) {
    g_actingPlayerName = g_playerNames[static_cast<std::size_t>(p)];
    AppendEvent(event_type::kNextPlayer).a = p;
    view.QueueEventText(g_actingPlayerName + " is next.");
    view.ComputerPlaceContinentBonus();
    g_hasEarnedCardThisTurn = kNo;
    g_hasAttackedThisTurn = false;
    g_aiPlacementDone = false;
    g_aiTerritoryArmiesPlaced = false;
    g_aiPlacementStepRuns = g_aiPoolPlacementRuns = g_aiTargetAttackRuns = g_aiAttackPassDone = 0;
    g_aiPlanCycle = 0;
}

void ShowBoardAfterTurn(CChildView& view, std::int32_t p) {
    if (g_isFastestSpeed) {
        g_eventCount = g_eventReadIndex = 0;
        for (int t = 1; t <= Territories(); ++t)
            g_displayedTerritories[static_cast<std::size_t>(t)] =
                g_territories[static_cast<std::size_t>(t)];
        if (g_isGameOver) AppendEvent(event_type::kGameEnd);
    }
    if (g_gameKind != game_kind::kDemo && !AllHumansOut()) return;
    g_cardsLinePlayer = p;
    g_lossesShown = Record(p)[kLosses];
    for (int q = 1; q <= kMaxPlayers; ++q)
        g_playerRecordSnapshot[static_cast<std::size_t>(q)] =
            g_players[static_cast<std::size_t>(q)];
    if (!g_isFastestSpeed || g_areTerritoriesHidden) return;
    for (int t = 1; t <= Territories(); ++t)
        view.DrawTerritoryArmies(t, Armies(t), Owner(t), g_isHighlightOn);
    view.Platform().window.Invalidate();
}

}  // namespace

}  // namespace ai

using namespace ai;

void CChildView::RunComputerTurns() {
    std::int32_t p = g_currentPlayer;
    // Each pass moves on by one player; while a human is alive the loop reaches him.
    for (int pass = 0; pass <= 2 * kMaxPlayers; ++pass) {
        if (!IsHuman(p)) {
            PlayComputerTurn();
            ShowBoardAfterTurn(*this, p);
            if (g_isGameOver) return;
        }
        rules::CountTurnPlayed(p);
        p = rules::NextToPlay(p);
        rules::SetCurrentPlayer(p);
        if (IsHuman(p)) g_isHumanTurnStarted = false;
        if (g_humanPlayerCount <= 0 || AllHumansOut()) {
            RestartMessages(message_type::kComputerTurns);
            return;
        }
        if (IsHuman(p)) return;
    }
}

void CChildView::PlayComputerTurn() {
    const std::int32_t p = g_currentPlayer;
    if (!IsPlayer(p)) return;
    g_aiActingPlayer = p;
    const rules::TerritoryCounts held = HeldOnBoard();
    g_playersLeft = rules::PlayersLeft(held);
    if (g_isTroopExperienceOn)
        rules::UpdateTroopExperience(p, rules::kComputerExperienceFromTurn, held);
    if (EndsDemo()) {
        AppendEvent(event_type::kGameEnd);
        g_isGameOver = true;
        return;
    }
    g_pendingSound = game_sound::kSilence;
    DecidePersonalities();
    if (rules::IsOut(p)) return;
    const MapIndexScope mapIndex;
    StartTurn(*this, p);
    CycleEnd end = CycleEnd::kGoOn;
    for (int cycle = 0; cycle < kMaxCycles && end == CycleEnd::kGoOn; ++cycle)
        end = RunPlanningCycle(*this);
    if (end == CycleEnd::kTurnOver || g_isGameOver) return;
    if (end != CycleEnd::kToMoves) {
        EndOfTurnAttacks(*this, p);
        if (g_isGameOver) return;
    }
    MovesAndCounters(*this, p);
}
