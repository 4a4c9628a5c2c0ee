// Score tables: their sort, the players' strengths and the leader, the dominant player, and the
// armies weighed by experience.
#include <algorithm>
#include <span>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "ai/evaluation.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"

namespace ai {

namespace {

using namespace player_field;

struct Table {
    std::span<ScoreEntry> entries;
    bool descending;
};

Table TableOf(std::int32_t kind) {
    switch (kind) {
        case score_table::kPlayerStrengths:
            return {g_playerStrengths, true};
        case score_table::kThreatList:
            return {g_aiThreatList, false};
        case score_table::kContinentRanking:
            return {g_aiContinentRanking, true};
        case score_table::kTerritoryRanking:
            return {g_aiTerritoryRanking, true};
        case score_table::kContinentsByBonus:
            return {g_aiContinentsByBonus, false};
        case score_table::kPlayerRanking:
            return {g_playerRanking, true};
        default:
            return {{}, true};
    }
}

std::int32_t Quota(std::int32_t territories) {
    return territories > 0 ? Reinforcements(territories) : 0;
}

std::int32_t TerritoryStrength(std::int32_t t, std::int32_t owner) {
    const std::int32_t a = Armies(t);
    if (a < 25) return a;
    const NeighbourSums sums = SumsFor(t, owner);
    if (sums.enemy == 0) return a / 2;
    if (sums.enemyCount == 1 && sums.enemy >= 21)
        return std::max(a / 2 < 21 ? 20 : a / 2, a - sums.enemy);
    return a;
}

std::int32_t CardTerm(std::int32_t cards) {
    if (cards == 3) return 5;
    if (cards == 4 || cards == 5) return 10;
    return 0;
}

bool IsCurrentActiveAvenger() {
    const std::int32_t p = Current();
    return p != 0 && IsActiveAvenger(p);
}

bool HasShare(const std::array<ScoreEntry, kMaxPlayers + 1>& s, int top, double share) {
    double sum = 0;
    for (int k = 1; k <= top; ++k) sum += s[static_cast<std::size_t>(k)].value;
    if (sum <= 0) return false;
    return s[1].value / (sum / 100.0) >= share;
}

std::int32_t FindLeader() {
    const auto& s = g_playerStrengths;
    if (g_playersLeft < 4) return s[1].value > s[2].value + s[3].value ? s[1].id : 0;
    if (g_playersLeft == 4) return HasShare(s, 4, 40.0) ? s[1].id : 0;
    if (g_playersLeft == 5) return HasShare(s, 5, 40.0) ? s[1].id : 0;
    return HasShare(s, kMaxPlayers, 35.0) ? s[1].id : 0;
}

}  // namespace

void SortScoreTables(std::int32_t kind, std::int32_t count) {
    Table table = TableOf(kind);
    const std::int32_t n =
        std::min<std::int32_t>(count, static_cast<std::int32_t>(table.entries.size()) - 1);
    if (n < 2) return;
    auto outOfOrder = [&](const ScoreEntry& a, const ScoreEntry& b) {
        return table.descending ? a.value < b.value : a.value > b.value;
    };
    for (int pass = 1; pass <= n - 1; ++pass) {
        bool swapped = false;
        for (int k = 1; k <= n - pass; ++k) {
            ScoreEntry& a = table.entries[static_cast<std::size_t>(k)];
            ScoreEntry& b = table.entries[static_cast<std::size_t>(k + 1)];
            if (!outOfOrder(a, b)) continue;
            std::swap(a, b);
            swapped = true;
        }
        if (!swapped) break;
    }
}

std::int32_t QuotaThreshold() {
    return Territories() / std::max(g_playersLeft, 1) / ReinforcementDivisor() + 2;
}

void RatePlayerStrengths(std::int32_t mode) {
    g_playerStrengths.fill({});
    g_playerRanking.fill({});
    g_playersLeft = rules::PlayersLeft(HeldOnBoard());
    std::array<std::int32_t, kMaxPlayers + 1> totals{};
    if (g_playersLeft < 3) g_arePersonalitiesActive = false;
    const std::int32_t average =
        g_playersLeft > 0 ? Territories() / g_playersLeft / ReinforcementDivisor() : 0;
    for (int q = 1; q <= Players(); ++q) {
        const std::int32_t owned = TerritoriesOf(q);
        std::int32_t value = 0;
        if (mode == strength::kWithContinents)
            for (int c = 1; c <= Continents(); ++c)
                if (Holds(q, c)) value += 10 * Bonus(c);
        for (int t = 1; t <= Territories(); ++t) {
            if (Owner(t) != q) continue;
            totals[static_cast<std::size_t>(q)] += Armies(t);
            value += TerritoryStrength(t, q);
        }
        if (owned > 0) value += CardTerm(CardsOf(q));
        const bool neutral = g_hasNeutralArmy && q == kNeutralPlayer;
        value += 10 * ((neutral ? 0 : Quota(owned)) - average);
        if (owned == 0)
            for (std::int32_t& target : g_avengeTargets)
                if (target == q) target = 0;
        if (neutral) value = 0;
        g_playerStrengths[static_cast<std::size_t>(q)] = {q, value};
        g_playerRanking[static_cast<std::size_t>(q)] = {q, value};
    }
    for (int q = Players() + 1; q <= kMaxPlayers; ++q)
        g_playerRanking[static_cast<std::size_t>(q)].value = -999;
    // The totals as weighed while an evaluation weighs the armies.
    for (int q = 1; q <= kMaxPlayers; ++q)
        rules::SetArmyTotal(q, totals[static_cast<std::size_t>(q)]);
    if (g_hasNeutralArmy) g_playerStrengths[1].value += 50;
    if (IsCurrentActiveAvenger()) {
        const std::int32_t target = g_avengeTargets[static_cast<std::size_t>(Current())];
        g_playerStrengths[static_cast<std::size_t>(target)].value += 100;
    }
    SortScoreTables(score_table::kPlayerStrengths, kMaxPlayers);
    SortScoreTables(score_table::kPlayerRanking, kMaxPlayers);
    g_aiLeader = FindLeader();
    if (g_hasNeutralArmy) g_aiLeader = 1;
    if (IsCurrentActiveAvenger()) g_aiLeader = g_avengeTargets[static_cast<std::size_t>(Current())];
}

bool IsActiveAvenger(std::int32_t player) {
    return g_arePersonalitiesActive &&
           g_personalities[static_cast<std::size_t>(player)] == personality::kAvenger &&
           IsPlayer(g_avengeTargets[static_cast<std::size_t>(player)]);
}

std::int32_t FindDominantPlayer(const std::int32_t* counts) {
    double total = 0;
    for (int q = 1; q <= kMaxPlayers; ++q) total += counts[q];
    if (total <= 0) return 0;
    const double threshold = g_playersLeft < 5 ? 50.0 : g_playersLeft <= 7 ? 40.0 : 35.0;
    std::int32_t dominant = 0;
    for (int q = 1; q <= kMaxPlayers; ++q)
        if (counts[q] / (total / 100.0) >= threshold) dominant = q;
    return dominant;
}

std::int32_t RivalCount() {
    return 2 + std::clamp(Players() - 3, 0, kMaxPlayers - 3);
}

void FillContinentsByBonus() {
    g_aiContinentsByBonus.fill({});
    for (int c = 1; c <= Continents(); ++c)
        g_aiContinentsByBonus[static_cast<std::size_t>(c)] = {c, Bonus(c)};
    SortScoreTables(score_table::kContinentsByBonus, Continents());
}

WeighedArmies::WeighedArmies(bool active) {
    if (!active) return;
    BoardCopy& board = weighed_.emplace();
    for (int t = 1; t <= Territories(); ++t) {
        const std::int32_t owner = Owner(t);
        const std::int64_t weighed =
            std::int64_t{Armies(t)} *
            (IsPlayer(owner) ? g_troopExperience[static_cast<std::size_t>(owner)] : 100) / 100;
        board[t].armies = static_cast<std::int32_t>(std::max<std::int64_t>(weighed, 1));
    }
}

}  // namespace ai
