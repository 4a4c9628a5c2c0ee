// The deal of a new game: territories dealt with a balance per continent, start armies, the
// players' records and the mission orders.
#include "core/rules/deal.h"

#include <algorithm>
#include <cmath>

#include "core/child_view.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "platform/window_services.h"

namespace {

constexpr std::int32_t kDemoPlayers = 9;

std::int32_t MemberCount(std::int32_t c) {
    return std::clamp(g_continents[c][kContinentMemberCount], 0, kMaxContinentMembers);
}
bool IsMemberOf(std::int32_t t, std::int32_t c) {
    for (int k = 1; k <= MemberCount(c); ++k)
        if (g_continents[c][k] == t) return true;
    return false;
}
std::int32_t OwnerOf(std::int32_t t) {
    return IsTerritoryInPlay(t) ? g_territories[t].owner : 0;
}
// Draws a second player different from the first; with one player there is no other.
std::int32_t DrawOtherPlayer(platform::Random& random, std::int32_t players, std::int32_t first) {
    std::int32_t other = random.Next() % players + 1;
    while (players > 1 && other == first) other = random.Next() % players + 1;
    return other;
}
// The first player from `from` on, cyclically, whose count is below `quota`.
std::int32_t NextBelowQuota(const std::array<std::int32_t, kMaxPlayers + 1>& dealt,
                            std::int32_t players, std::int32_t from, std::int32_t quota) {
    for (int step = 0; step < players; ++step) {
        const std::int32_t p = (from - 1 + step) % players + 1;
        if (dealt[p] < quota) return p;
    }
    return from;
}
// Neighbours of b outside continent c owned by player p.
std::int32_t OutsideNeighboursOf(std::int32_t b, std::int32_t c, std::int32_t p) {
    std::int32_t count = 0;
    for (int k = 1; k <= kMaxNeighbours && g_neighbours[b][k] != 0; ++k) {
        const std::int32_t n = g_neighbours[b][k];
        if (!IsMemberOf(n, c) && OwnerOf(n) == p) ++count;
    }
    return count;
}
template <typename Visit>
void ForEachBorderTerritory(std::int32_t c, Visit visit) {
    const int last = std::clamp(g_maxContinentBorder, 0, kMaxContinentBorder);
    for (int k = 1; k <= last; ++k) {
        const std::int32_t b = g_continentBorders[c][k];
        if (IsTerritoryInPlay(b)) visit(b);
    }
}

}  // namespace

namespace deal {

std::int32_t StartArmies(std::int32_t territories, std::int32_t players) {
    if (players < 1) return 0;
    // The board's armies grow by 2.857 a territory; three players share 15 fewer.
    const auto product = static_cast<std::int64_t>(std::trunc(territories * -2.857));
    const std::int64_t spare = players == 3 ? 15 : 0;
    const std::int64_t armies = (1 - product - spare) / players - territories / players;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(armies, 0, INT32_MAX));
}

HeldTable CountHeld(std::int32_t players) {
    HeldTable held{};
    for (int c = 1; c <= ContinentsInPlay(); ++c) {
        for (int k = 1; k <= MemberCount(c); ++k) {
            const std::int32_t owner = OwnerOf(g_continents[c][k]);
            if (owner >= 1 && owner <= std::min(players, kMaxPlayers)) ++held[owner][c];
        }
    }
    return held;
}

bool PassesContinentShare(const HeldTable& held, std::int32_t players) {
    for (int p = 1; p <= std::min(players, kMaxPlayers); ++p)
        for (int c = 1; c <= ContinentsInPlay(); ++c)
            if (held[p][c] > MemberCount(c) / 3 + 1) return false;
    return true;
}

bool PassesBorderTest(const HeldTable& held, std::int32_t players) {
    bool passes = true;
    for (int p = 1; p <= std::min(players, kMaxPlayers); ++p) {
        for (int c = 1; c <= ContinentsInPlay(); ++c) {
            ForEachBorderTerritory(c, [&](std::int32_t b) {
                const std::int32_t e = OutsideNeighboursOf(b, c, p);
                if (e > 0 && held[p][c] > (e + MemberCount(c)) / 3 + 1) passes = false;
            });
        }
    }
    return passes;
}

bool PassesNeutralArmyTest(const HeldTable& held) {
    for (int c = 1; c <= ContinentsInPlay(); ++c)
        if (held[1][c] < 1 || held[2][c] < 1) return false;
    for (int c = 1; c <= ContinentsInPlay(); ++c) {
        const std::int32_t members = MemberCount(c);
        if (members != 3 && members != 4) continue;
        std::int32_t other = 0;
        if (held[1][c] >= 2 && held[2][c] <= 1) other = 2;
        if (held[2][c] >= 2 && held[1][c] <= 1) other = 1;
        if (other == 0) continue;
        bool bordered = true;
        ForEachBorderTerritory(c, [&](std::int32_t b) {
            bordered = bordered && OutsideNeighboursOf(b, c, other) > 0;
        });
        if (!bordered) return false;
    }
    return true;
}

bool PassesAllTests(const HeldTable& held, std::int32_t players) {
    if (!PassesContinentShare(held, players) || !PassesBorderTest(held, players)) return false;
    return !g_hasNeutralArmy || PassesNeutralArmyTest(held);
}

bool CanDealWithNeutralArmy() {
    for (int c = 1; c <= ContinentsInPlay(); ++c)
        if (MemberCount(c) < 2) return false;
    return true;
}

void DealOnce(platform::Random& random, std::int32_t players,
              std::array<std::int32_t, kMaxPlayers + 1>& dealt) {
    for (TerritoryState& t : g_territories) t = TerritoryState{0, 0};
    dealt.fill(0);
    const std::int32_t territories = TerritoriesInPlay();
    for (int t = 1; t <= territories; ++t) g_territories[t].armies = 1;
    const std::int32_t quota = territories / players;
    const std::int32_t full = quota * players;
    for (int t = 1; t <= full; ++t) {
        const std::int32_t first = random.Next() % players + 1;
        const std::int32_t second = DrawOtherPlayer(random, players, first);
        const auto [low, high] =
            std::minmax_element(dealt.begin() + 1, dealt.begin() + players + 1);
        // A player far behind is served first, so that the counts stay level.
        const std::int32_t candidate =
            *high - *low < 3 ? second : static_cast<std::int32_t>(low - dealt.begin());
        const std::int32_t p = NextBelowQuota(dealt, players, candidate, quota);
        g_territories[t].owner = p;
        ++dealt[p];
    }
    const std::int32_t s = random.Next() % players + 1;
    std::int32_t p = DrawOtherPlayer(random, players, s);
    for (int t = full + 1; t <= territories; ++t) {
        g_territories[t].owner = p;
        ++dealt[p];
        p = p % players + 1;
    }
}

void ShuffleMissionOrder(platform::Random& random, std::int32_t player) {
    auto& order = g_missionOrders[player];
    const std::int32_t continents = ContinentsInPlay();
    for (int c = 1; c <= continents; ++c) order[c] = c;
    for (int c = 1; c <= continents; ++c)
        std::swap(order[c], order[random.Next() % continents + 1]);
}

}  // namespace deal

namespace {

// Players 1..10 start with no territory, armies, bonus, cards or stronghold; the statistics
// carry over from the second map of a campaign on.
void ResetPlayerRecords() {
    for (int p = 1; p <= kMaxPlayers; ++p) {
        PlayerRecord& record = g_players[p];
        for (int f = player_field::kTerritories; f <= player_field::kWildCards; ++f) record[f] = 0;
        record[player_field::kStronghold] = 0;
        if (g_campaignStep < 2)
            for (int f = player_field::kLosses; f <= player_field::kContinentsTaken; ++f)
                record[f] = 0;
    }
}

void SetUpDealtPlayers(std::int32_t players,
                       const std::array<std::int32_t, kMaxPlayers + 1>& dealt) {
    for (int p = 1; p <= players; ++p) {
        PlayerRecord& record = g_players[p];
        record[player_field::kTerritories] = dealt[p];
        record[player_field::kArmies] = dealt[p] + g_startArmies;
        for (int c = 1; c <= kMaxContinents; ++c) record[c] = 0;
        for (int c = 1; c <= ContinentsInPlay(); ++c) {
            bool whole = true;
            for (int k = 1; k <= MemberCount(c); ++k)
                whole = whole && OwnerOf(g_continents[c][k]) == p;
            if (!whole) continue;
            record[c] = 1;
            record[player_field::kContinentBonus] += g_continents[c][kContinentBonus];
        }
    }
}

// In the demo player 1's share goes to an extra computer player, so that nobody is local.
void HandPlayerOneToDemoPlayer(std::int32_t players) {
    const std::int32_t demo = players + 1;
    g_playerCount = demo;
    for (int t = 1; t <= TerritoriesInPlay(); ++t)
        if (g_territories[t].owner == 1) g_territories[t].owner = demo;
    for (int f = 1; f <= player_field::kContinentBonus; ++f) {
        g_players[demo][f] = g_players[1][f];
        g_players[1][f] = 0;
    }
}

}  // namespace

void CChildView::ComputeStartArmies() {
    g_startArmies = deal::StartArmies(g_territoryCount, g_playerCount);
}

void CChildView::DealTerritories() {
    g_areTerritoriesDealt = true;
    const bool isDemo = g_gameKind == game_kind::kDemo;
    if (isDemo && g_isDemoRunning) g_playerCount = kDemoPlayers;
    const std::int32_t players =
        std::clamp(g_playerCount, 1, isDemo ? kMaxPlayers - 1 : kMaxPlayers);
    platform::Random& random = platform_.random;
    random.Seed(static_cast<std::uint32_t>(platform_.clock.Now()));

    const char* refusal = nullptr;
    if (g_hasNeutralArmy && !deal::CanDealWithNeutralArmy()) refusal = deal::kNoNeutralDealText;
    std::array<std::int32_t, kMaxPlayers + 1> dealt{};
    bool passed = false;
    for (int attempt = 0; refusal == nullptr && !passed && attempt < deal::kMaxAttempts;
         ++attempt) {
        deal::DealOnce(random, players, dealt);
        passed = deal::PassesAllTests(deal::CountHeld(players), players);
    }
    if (!passed) {
        g_areTerritoriesDealt = false;
        ResetTerritories();
        platform_.window.MessageBox(refusal != nullptr ? refusal : deal::kNoBalancedDealText,
                                    deal::kRefusedCaption, platform::MessageButtons::Ok,
                                    platform::MessageIcon::Exclamation);
        return;
    }
    g_playerCount = players;
    ResetPlayerRecords();
    ComputeStartArmies();
    SetUpDealtPlayers(players, dealt);
    if (isDemo) HandPlayerOneToDemoPlayer(players);
    for (int p = 1; p <= kMaxPlayers; ++p) g_missionOrders[p].fill(0);
    if (g_missionKind == mission_kind::kContinents)
        for (int p = 1; p <= std::clamp(g_humanPlayerCount, 0, kMaxPlayers); ++p)
            deal::ShuffleMissionOrder(random, p);
    g_displayedTerritories = g_territories;
}
