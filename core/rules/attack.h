// The pieces of an attack's resolution that stand on their own: the three battles, the card
// drawn for a conquest and the message that ends a game.
#pragma once

#include <cstdint>
#include <string>

class CChildView;

namespace platform {
class Random;
}

namespace attack {

struct BattleResult {
    bool succeeded = false;
    std::int32_t attackerLoss = 0;  // armies taken off the source
    std::int32_t defenderLoss = 0;  // armies taken off the target
};

// The larger force loses as many as the smaller; at equal forces the defender keeps one.
BattleResult FightOneForOne(std::int32_t count, std::int32_t defenders);
// One army falls per coin until one side has none left.
BattleResult FightDiceLike(platform::Random& random, std::int32_t count, std::int32_t defenders);
// Each hit costs the other side the hitter's experience (percent / 100); both at 0 is no
// experience battle at all, and the caller fights the plain rule instead.
BattleResult FightWithExperience(platform::Random& random, std::int32_t count,
                                 std::int32_t defenders, std::int32_t attackerPercent,
                                 std::int32_t defenderPercent, bool oneForOne);

enum class CardKind { None, Artillery, Infantry, Cavalry, Wild };
// One card drawn from the deck by weight; none from an empty deck.
CardKind DrawCardKind(platform::Random& random, std::int32_t artillery, std::int32_t infantry,
                      std::int32_t cavalry, std::int32_t wild);
// "You have earned a Vorn card : ..." for a card kind; empty for none.
std::string EarnedCardText(CardKind kind);

// What decides the message at the end of a game.
struct EndFacts {
    bool inCampaign = false;
    bool campaignLost = false;
    bool campaignFinished = false;
    bool stalemate = false;
    bool strongholdsOn = false;
    bool defenderStrongholdLost = false;
    bool attackerStrongholdLost = false;
    bool missionGame = false;
    bool missionFailed = false;
    std::string attackerName;
    std::int32_t attackerLosses = 0;
    std::string defenderName;
    std::int32_t defenderLosses = 0;
};
std::string EndMessage(const EndFacts& facts);

// The two sides of one attack.
struct Sides {
    std::int32_t from = 0;
    std::int32_t to = 0;
    std::int32_t attacker = 0;
    std::int32_t defender = 0;
    bool attackerIsLocal = false;
};

// The last steps of CChildView::ResolveAttack (core/attack_end.cpp): whether the attack ended
// the game, the end with its message and score, and the card earned otherwise.
bool HasGameEnded(const Sides& sides);
void EndGame(CChildView& view, const Sides& sides);
void AwardCard(CChildView& view, const Sides& sides, char& cardFlag);

}  // namespace attack
