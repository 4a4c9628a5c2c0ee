// One attack of one territory on a neighbour: the battle, the conquest, the players' statistics,
// elimination, strongholds, continents gained and lost, missions and stalemate.
#include "core/rules/attack.h"

#include <algorithm>

#include "core/child_view.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/rules/reinforcements.h"
#include "core/rules/troop_experience.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"

std::int32_t g_retakenMissionContinent = 0;
std::int64_t g_gameEndTime = 0;
bool g_arePersonalitiesActive = false;

void ResetAttackState() {
    g_retakenMissionContinent = 0;
    g_gameEndTime = 0;
    g_arePersonalitiesActive = false;
}

namespace {

using namespace player_field;
using attack::Sides;

bool InCampaign() {
    return g_campaignNumber > 0;
}

// A continent without members counts as held.
bool HoldsContinent(std::int32_t player, std::int32_t c) {
    const int members = std::clamp(g_continents[c][kContinentMemberCount], 0, kMaxContinentMembers);
    for (int k = 1; k <= members; ++k) {
        const std::int32_t t = g_continents[c][k];
        if (IsTerritoryInPlay(t) && g_territories[t].owner != player) return false;
    }
    return true;
}

bool HasEnemyNeighbour(std::int32_t t) {
    for (int k = 1; k <= kMaxNeighbours && g_neighbours[t][k] != 0; ++k) {
        const std::int32_t n = g_neighbours[t][k];
        if (IsTerritoryInPlay(n) && g_territories[n].owner != g_territories[t].owner &&
            g_territories[n].armies >= 1)
            return true;
    }
    return false;
}

std::int32_t OwnedBy(std::int32_t player) {
    std::int32_t owned = 0;
    for (int t = 1; t <= TerritoriesInPlay(); ++t)
        if (g_territories[t].owner == player) ++owned;
    return owned;
}

void LoseCampaignIfInOne() {
    if (InCampaign()) g_isCampaignLost = true;
}

void FailMission() {
    g_isMissionFailed = true;
    g_pendingSound = game_sound::kPlayerOut;
    LoseCampaignIfInOne();
}

void ShowBoth(CChildView& view, const Sides& s) {
    view.ShowBattleResult(s.from, s.attackerIsLocal);
    view.ShowBattleResult(s.to, s.attackerIsLocal);
}

attack::BattleResult Fight(CChildView& view, const Sides& s, std::int32_t count) {
    platform::Random& random = view.Platform().random;
    const std::int32_t defenders = g_territories[s.to].armies;
    const bool oneForOne = IsYes(g_isOneForOneRule);
    g_pendingSound = game_sound::kAttack;
    const bool withExperience =
        g_isTroopExperienceOn &&
        g_turnsPlayed[std::clamp(g_currentPlayer, 0, kMaxPlayers)] >= rules::kExperienceFromTurn;
    attack::BattleResult result;
    if (withExperience) {
        ShowBoth(view, s);
        result =
            attack::FightWithExperience(random, count, defenders, g_troopExperience[s.attacker],
                                        g_troopExperience[s.defender], oneForOne);
    } else if (oneForOne) {
        result = attack::FightOneForOne(count, defenders);
    } else {
        ShowBoth(view, s);
        result = attack::FightDiceLike(random, count, defenders);
    }
    g_territories[s.from].armies -= result.attackerLoss;
    g_territories[s.to].armies -= result.defenderLoss;
    if (oneForOne && !withExperience) ShowBoth(view, s);
    if (withExperience && !result.succeeded) {
        g_territories[s.from].armies = std::max(g_territories[s.from].armies, 1);
        g_territories[s.to].armies = std::max(g_territories[s.to].armies, 1);
    }
    return result;
}

void CountBattle(const Sides& s, std::int32_t count, const attack::BattleResult& r) {
    PlayerRecord& attacker = g_players[s.attacker];
    PlayerRecord& defender = g_players[s.defender];
    attacker[kLosses] += r.succeeded ? r.attackerLoss : count;
    defender[kLosses] += r.defenderLoss;
    ++(r.succeeded ? defender : attacker)[kBattlesLost];
    ++(r.succeeded ? attacker : defender)[kBattlesWon];
    if (s.attackerIsLocal) g_lossesShown = attacker[kLosses];
}

void Conquer(const Sides& s) {
    g_territories[s.to] = TerritoryState{s.attacker, 1};
    g_territories[s.from].armies = std::max(g_territories[s.from].armies - 1, 1);
    ++g_players[s.attacker][kTerritories];
    --g_players[s.defender][kTerritories];
    rules::RecountArmies(s.attacker);
    rules::RecountArmies(s.defender);
}

void ReturnCardsToDeck(PlayerRecord& record) {
    g_deckArtilleryCards += std::max(record[kArtilleryCards], 0);
    g_deckInfantryCards += std::max(record[kInfantryCards], 0);
    g_deckCavalryCards += std::max(record[kCavalryCards], 0);
    g_deckWildCards += std::max(record[kWildCards], 0);
    for (int f = kArtilleryCards; f <= kWildCards; ++f) record[f] = 0;
}

void EliminateIfOut(const Sides& s) {
    if (g_players[s.defender][kTerritories] > 0) return;
    if (!g_areStrongholdsOn) g_pendingSound = game_sound::kPlayerOut;
    ReturnCardsToDeck(g_players[s.defender]);
    if (InCampaign() && g_campaignStep >= 2 && s.defender == g_campaignPlayer)
        g_isCampaignLost = true;
    if (g_missionKind > mission_kind::kConquerAll && IsLocalPlayer(s.defender)) FailMission();
}

void TakeStrongholdIfThere(CChildView& view, const Sides& s) {
    if (!g_areStrongholdsOn) return;
    const std::int32_t stronghold = g_players[s.defender][kStronghold];
    if (!IsTerritoryInPlay(stronghold) || g_territories[stronghold].owner != s.attacker) return;
    g_pendingSound = game_sound::kPlayerOut;
    g_players[s.defender][kStronghold] = 0;
    view.QueueEventText("Stronghold lost !!");
    if (InCampaign() && g_campaignStep >= 2 && s.defender == g_campaignPlayer)
        g_isCampaignLost = true;
}

// A newly held continent of the mission "Continents": the next in order, one taken before and
// retaken, or one out of order, which fails the mission.
void CheckMissionContinent(const Sides& s, std::int32_t c) {
    g_missionProgress = std::clamp(g_missionProgress, 1, kMaxContinents + 1);
    const auto& order = g_missionOrders[s.attacker];
    if (g_missionProgress <= kMaxContinents && c == order[g_missionProgress]) {
        ++g_missionProgress;
        if (g_missionProgress > g_continentCount) g_isGameOver = true;
        return;
    }
    for (int k = 1; k < g_missionProgress; ++k) {
        if (order[k] != c) continue;
        g_retakenMissionContinent = c;
        return;
    }
    FailMission();
}

void UpdateAttackerContinents(CChildView& view, const Sides& s) {
    PlayerRecord& record = g_players[s.attacker];
    record[player_field::kContinentBonus] = 0;
    // Only the human players have a mission order of their own.
    const bool hasMissionOrder = g_missionKind == mission_kind::kContinents && s.attacker >= 1 &&
                                 s.attacker <= g_humanPlayerCount;
    for (int c = 1; c <= ContinentsInPlay(); ++c) {
        if (!HoldsContinent(s.attacker, c)) {
            record[c] = 0;
            continue;
        }
        if (record[c] != 1) {
            view.SetBusy();
            if (!s.attackerIsLocal) AppendEvent(event_type::kContinentGained).a = c;
            g_lastGainedContinent = c;
            g_retakenMissionContinent = 0;
            if (hasMissionOrder) CheckMissionContinent(s, c);
            view.ClearBusy();
            if (!s.attackerIsLocal) AppendEvent(event_type::kContinentRepaint).a = c;
            ++record[kContinentsTaken];
            record[c] = 1;
        }
        record[player_field::kContinentBonus] += g_continents[c][::kContinentBonus];
    }
}

void UpdateDefenderContinents(const Sides& s) {
    PlayerRecord& record = g_players[s.defender];
    record[player_field::kContinentBonus] = 0;
    for (int c = 1; c <= ContinentsInPlay(); ++c) {
        if (HoldsContinent(s.defender, c)) {
            record[c] = 1;
            record[player_field::kContinentBonus] += g_continents[c][::kContinentBonus];
            continue;
        }
        if (record[c] == 1) {
            ++g_players[s.attacker][kContinentsBroken];
            if (g_arePersonalitiesActive && g_personalities[s.defender] == personality::kAvenger)
                g_avengeTargets[s.defender] = s.attacker;
            if (g_missionKind == mission_kind::kHoldContinents && IsLocalPlayer(s.defender))
                FailMission();
        }
        record[c] = 0;
    }
}

void CheckStalemate(const Sides& s) {
    for (int t = 1; t <= TerritoriesInPlay(); ++t)
        if (g_territories[t].owner == s.attacker && HasEnemyNeighbour(t)) return;
    if (OwnedBy(s.attacker) >= TerritoriesInPlay()) return;
    g_isGameOver = true;
    g_isGameWithoutWinner = true;
    LoseCampaignIfInOne();
}

// The last stronghold holder takes the whole board.
void CheckLastStronghold() {
    if (!g_areStrongholdsOn) return;
    const std::int32_t players = std::clamp(g_playerCount, 0, kMaxPlayers);
    std::int32_t holders = 0;
    std::int32_t holder = 0;
    for (int p = 1; p <= players; ++p) {
        if (g_players[p][kStronghold] <= 0) continue;
        ++holders;
        holder = p;
    }
    if (holders != 1) return;
    g_isGameOver = true;
    for (int t = 1; t <= TerritoriesInPlay(); ++t) {
        if (g_territories[t].owner == holder) continue;
        g_territories[t].owner = holder;
        ++g_players[holder][kTerritories];
        g_players[holder][kArmies] += g_territories[t].armies;
        g_displayedTerritories[t] = g_territories[t];
    }
    for (int p = 1; p <= kMaxPlayers; ++p) {
        if (p == holder) continue;
        g_players[p][kTerritories] = 0;
        g_players[p][kArmies] = 0;
    }
}

std::int32_t SoleOwner() {
    const std::int32_t owner = TerritoriesInPlay() >= 1 ? g_territories[1].owner : 0;
    for (int t = 2; t <= TerritoriesInPlay(); ++t)
        if (g_territories[t].owner != owner) return 0;
    return owner;
}

void CheckCampaignCompletion(const Sides& s) {
    if (!InCampaign()) return;
    const bool holdsAll = SoleOwner() == s.attacker;
    if (g_campaignStep == g_campaignLength) {
        const bool won = (g_isGameOver && SoleOwner() == g_campaignPlayer) ||
                         (holdsAll && s.attacker == g_campaignPlayer) ||
                         (g_missionKind > mission_kind::kConquerAll && g_isGameOver &&
                          s.attacker == g_campaignPlayer);
        if (won) g_isCampaignFinished = true;
    }
    if (holdsAll && g_areStrongholdsOn && g_players[s.attacker][kStronghold] == 0)
        g_isCampaignLost = true;
}

}  // namespace

namespace attack {

bool HasGameEnded(const Sides& s) {
    return SoleOwner() == s.attacker || g_isCampaignLost || g_isMissionFailed || g_isGameOver;
}

}  // namespace attack

void CChildView::ResolveAttack(std::int32_t from, std::int32_t count, std::int32_t to,
                               char& cardFlag) {
    if (!IsTerritoryInPlay(from) || !IsTerritoryInPlay(to)) return;
    Sides s{from, to, g_territories[from].owner, g_territories[to].owner, false};
    if (!IsPlayer(s.attacker) || !IsPlayer(s.defender)) return;
    s.attackerIsLocal = IsLocalPlayer(s.attacker);
    // No attack takes the source's last army.
    count = std::min(count, g_territories[from].armies - 1);

    g_hasAttackedThisTurn = true;
    ++g_players[s.attacker][kBattlesFought];
    ++g_players[s.defender][kBattlesFought];
    ++g_players[s.attacker][kAttacksMade];
    g_players[s.attacker][kArmiesCommitted] += std::max(count, 0);
    if (count < 1 || s.attacker == s.defender) {
        ShowBoth(*this, s);
        return;
    }

    const attack::BattleResult result = Fight(*this, s, count);
    CountBattle(s, count, result);
    if (!result.succeeded) {
        g_pendingSound = game_sound::kFailedAttack;
        ShowBoth(*this, s);
        rules::RecountArmies(s.attacker);
        rules::RecountArmies(s.defender);
        return;
    }
    Conquer(s);
    EliminateIfOut(s);
    TakeStrongholdIfThere(*this, s);
    ShowBoth(*this, s);
    UpdateAttackerContinents(*this, s);
    UpdateDefenderContinents(s);
    CheckStalemate(s);
    CheckLastStronghold();
    CheckCampaignCompletion(s);
    if (attack::HasGameEnded(s)) {
        attack::EndGame(*this, s);
        return;
    }
    attack::AwardCard(*this, s, cardFlag);
}
