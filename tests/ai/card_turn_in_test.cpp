// The computer's card turn-in: forced turn-ins and estimates by hand, never more than the hand.
#include "ai_fixture.h"

namespace {

using namespace ai_test;
using namespace player_field;

struct Hand {
    int a, i, c, w;
};

void Give(const Hand& h, int bonus = 0) {
    g_players[1][kArtilleryCards] = h.a;
    g_players[1][kInfantryCards] = h.i;
    g_players[1][kCavalryCards] = h.c;
    g_players[1][kWildCards] = h.w;
    g_players[1][player_field::kContinentBonus] = bonus;
    g_deckArtilleryCards = g_deckInfantryCards = g_deckCavalryCards = g_deckWildCards = 0;
}

Hand HandOf() {
    return {g_players[1][kArtilleryCards], g_players[1][kInfantryCards],
            g_players[1][kCavalryCards], g_players[1][kWildCards]};
}

struct Case {
    Hand hand;
    int bonus;
    int toPlace;     // g_aiArmiesToPlace after the decision
    int cardArmies;  // g_aiCardArmies after it
    Hand left;       // the hand after it
};

class CardTurnIn : public AiFixture {};

TEST_F(CardTurnIn, DecisionByHand) {
    const Case cases[] = {
        {{1, 1, 1, 2}, 0, 5, 0, {1, 1, 1, 0}},  // forced: only the two wild cards go
        {{2, 2, 0, 1}, 0, 15, 0, {0, 0, 0, 0}},
        {{3, 2, 0, 0}, 0, 15, 0, {0, 0, 0, 0}},
        {{3, 0, 0, 2}, 0, 20, 0, {0, 0, 0, 0}},
        {{4, 0, 0, 1}, 3, 23, 0, {0, 0, 0, 0}},
        {{2, 1, 0, 1}, 0, 0, 10, {2, 1, 0, 1}},  // estimate only; the infantry stays out
        {{0, 0, 1, 1}, -2, 0, 5, {0, 0, 1, 1}},
        {{0, 0, 0, 2}, 4, 4, 0, {0, 0, 0, 2}},  // two wild cards alone are no set
        {{1, 1, 1, 0}, 0, 0, 0, {1, 1, 1, 0}},
    };
    for (const Case& c : cases) {
        Give(c.hand, c.bonus);
        View().ComputerDecideCardTurnIn();
        const Hand left = HandOf();
        const int turnedIn =
            (c.hand.a + c.hand.i + c.hand.c + c.hand.w) - (left.a + left.i + left.c + left.w);
        EXPECT_EQ(g_aiArmiesToPlace, c.toPlace) << c.hand.a << c.hand.i << c.hand.c << c.hand.w;
        EXPECT_EQ(g_aiCardArmies, c.cardArmies) << c.hand.a << c.hand.i << c.hand.c << c.hand.w;
        EXPECT_EQ(left.a, c.left.a);
        EXPECT_EQ(left.i, c.left.i);
        EXPECT_EQ(left.c, c.left.c);
        EXPECT_EQ(left.w, c.left.w);
        EXPECT_EQ(g_deckArtilleryCards + g_deckInfantryCards + g_deckCavalryCards + g_deckWildCards,
                  turnedIn);
    }
}

TEST_F(CardTurnIn, LaterTurnInOfAnEstimateRemovesTheCards) {
    Give({0, 0, 1, 1});
    View().ComputerDecideCardTurnIn();
    View().TurnInCards();
    EXPECT_EQ(g_turnInArmies, 5);
    EXPECT_EQ(ai::CardsOf(1), 0);
    EXPECT_EQ(g_deckCavalryCards + g_deckWildCards, 2);
}

TEST_F(CardTurnIn, NeverTurnsInMoreThanTheHandHolds) {
    Give({1, 0, 0, 0});
    g_aiArtilleryCards = 3;  // a stale selection from another player's estimate
    g_aiInfantryCards = g_aiCavalryCards = 0;
    g_aiWildCards = 2;
    View().TurnInCards();
    EXPECT_EQ(ai::CardsOf(1), 1) << "the single card stays: nothing to count with it";
    EXPECT_EQ(g_deckArtilleryCards + g_deckWildCards, 0);
    EXPECT_EQ(g_turnInArmies, 0);
}

}  // namespace
