// The battles of an attack under the two rules, with and without Troop Experience, the card a
// conquest earns and the message that ends a game.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "core/rules/attack.h"
#include "platform/random.h"

namespace {

// Draws that the battle rule throws away before each coin; they keep games replaying alike.
void DiscardDraws(platform::Random& random) {
    int a = random.Next();
    const int b = random.Next();
    while (a == b) a = random.Next();
    if (a < b) {
        while (a < b) a = random.Next();
    } else {
        while (a > b) a = random.Next();
    }
}

bool DefenderLosesCoin(platform::Random& random) {
    DiscardDraws(random);
    return random.Next() % 2 == 1;
}

}  // namespace

namespace attack {

BattleResult FightOneForOne(std::int32_t count, std::int32_t defenders) {
    if (count < defenders) return {false, count, count};
    if (count == defenders) return {false, count - 1, count - 1};
    return {true, defenders, defenders};
}

BattleResult FightDiceLike(platform::Random& random, std::int32_t count, std::int32_t defenders) {
    std::int32_t attackers = count;
    std::int32_t standing = defenders;
    while (attackers > 0 && standing > 0) {
        if (DefenderLosesCoin(random)) {
            --standing;
        } else {
            --attackers;
        }
    }
    return {standing <= 0, count - attackers, defenders - standing};
}

BattleResult FightWithExperience(platform::Random& random, std::int32_t count,
                                 std::int32_t defenders, std::int32_t attackerPercent,
                                 std::int32_t defenderPercent, bool oneForOne) {
    // Neither side would ever hit: the plain rule decides.
    if (attackerPercent <= 0 && defenderPercent <= 0)
        return oneForOne ? FightOneForOne(count, defenders)
                         : FightDiceLike(random, count, defenders);
    const double a = std::max(attackerPercent, 0) / 100.0;
    const double d = std::max(defenderPercent, 0) / 100.0;
    double attackers = count;
    double standing = defenders;
    double lossA = 0;
    double lossD = 0;
    // A side without experience never hits; the other side's hits still end the battle.
    while (attackers > 0 && standing > 0) {
        const bool defenderHit = oneForOne || DefenderLosesCoin(random);
        if (oneForOne || !defenderHit) {
            lossA += d;
            attackers -= d;
        }
        if (defenderHit) {
            lossD += a;
            standing -= a;
        }
    }
    return {attackers > 0, static_cast<std::int32_t>(std::trunc(lossA)),
            static_cast<std::int32_t>(std::trunc(lossD))};
}

CardKind DrawCardKind(platform::Random& random, std::int32_t artillery, std::int32_t infantry,
                      std::int32_t cavalry, std::int32_t wild) {
    const std::array<std::int32_t, 4> piles{std::max(artillery, 0), std::max(infantry, 0),
                                            std::max(cavalry, 0), std::max(wild, 0)};
    const std::int32_t left = piles[0] + piles[1] + piles[2] + piles[3];
    if (left <= 0) return CardKind::None;
    std::int32_t r = random.Next() % left;
    const std::array<CardKind, 4> kinds{CardKind::Artillery, CardKind::Infantry, CardKind::Cavalry,
                                        CardKind::Wild};
    for (std::size_t k = 0; k < piles.size(); ++k) {
        if (r < piles[k]) return kinds[k];
        r -= piles[k];
    }
    return CardKind::Wild;
}

std::string EarnedCardText(CardKind kind) {
    switch (kind) {
        case CardKind::Artillery:
            return "You have earned a Vorn card : Artillary.";
        case CardKind::Infantry:
            return "You have earned a Vorn card : Infantry.";
        case CardKind::Cavalry:
            return "You have earned a Vorn card : Cavalry.";
        case CardKind::Wild:
            return "You have earned a Vorn card : Wild card.";
        case CardKind::None:
            break;
    }
    return {};
}

namespace {

std::string Format(const char* format, const std::string& name, std::int32_t losses) {
    char text[160];
    std::snprintf(text, sizeof text, format, name.c_str(), losses);
    return text;
}

std::string CampaignLostMessage(const EndFacts& f) {
    if (f.stalemate) return "Campaign failed, Stalemate ! ";
    if (f.strongholdsOn && f.defenderStrongholdLost) {
        char text[160];
        std::snprintf(text, sizeof text, "%s Campaign failed ! , Stronghold lost. ",
                      f.defenderName.c_str());
        return text;
    }
    if (!f.missionGame)
        return Format("%s Campaign failed ! , %d losses. ", f.defenderName, f.defenderLosses);
    return "Campaign Mission Failed !! ";
}

}  // namespace

std::string EndMessage(const EndFacts& f) {
    if (f.inCampaign && f.campaignLost) return CampaignLostMessage(f);
    if (f.inCampaign) {
        if (!f.campaignFinished) return " ";
        if (f.missionGame) return "Campaign Mission Completed !! ";
        return Format("%s has won the Campaign game ! , %d losses. ", f.attackerName,
                      f.attackerLosses);
    }
    if (f.stalemate) return "Stalemate ! ";
    if (f.strongholdsOn && f.attackerStrongholdLost)
        return "Stronghold lost, there is no winner in this game.";
    if (!f.missionGame)
        return Format("%s has won the game ! , %d losses. ", f.attackerName, f.attackerLosses);
    return f.missionFailed ? "Mission Failed !! " : "Mission Completed !! ";
}

}  // namespace attack
