// The computer's card turn-in: the decision at the start of a turn, the turn-in of the selected
// cards and their value without a turn-in.
#include <algorithm>

#include "ai/ai_state.h"
#include "ai/board.h"
#include "core/cards/cards.h"
#include "core/child_view.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"

namespace {

using namespace player_field;

struct Selection {
    std::int32_t* selected;
    int field;
    std::int32_t CardSet::*cards;
};

std::array<Selection, 4> Selections() {
    return {{{&g_aiArtilleryCards, kArtilleryCards, &CardSet::artillery},
             {&g_aiInfantryCards, kInfantryCards, &CardSet::infantry},
             {&g_aiCavalryCards, kCavalryCards, &CardSet::cavalry},
             {&g_aiWildCards, kWildCards, &CardSet::wild}}};
}

bool SomeKindSelected(std::int32_t count) {
    return g_aiArtilleryCards == count || g_aiInfantryCards == count || g_aiCavalryCards == count;
}

// Cards counted into the set: every kind selected at least twice, and all wild cards.
std::int32_t CountedCards() {
    std::int32_t count = 0;
    for (std::int32_t selected : {g_aiArtilleryCards, g_aiInfantryCards, g_aiCavalryCards})
        if (selected >= 2) count += selected;
    return count + std::max(g_aiWildCards, 0);
}

void SetSetValue(std::int32_t count, std::int32_t value) {
    g_cardsSelectedCount = count;
    g_cardSetArmies = g_turnInArmies = value;
}

}  // namespace

void CChildView::ComputerDecideCardTurnIn() {
    const PlayerRecord& hand = ai::Record(ai::Current());
    g_aiCardArmies = 0;
    g_aiArmiesToPlace = std::max(hand[player_field::kContinentBonus], 0);
    const std::int32_t a = hand[kArtilleryCards], i = hand[kInfantryCards], c = hand[kCavalryCards],
                       w = hand[kWildCards];
    g_aiCardTotal = a + i + c + w;
    if (g_aiCardTotal < 2) return;
    g_aiArtilleryCards = a;
    g_aiInfantryCards = i;
    g_aiCavalryCards = c;
    g_aiWildCards = w;
    if (g_aiCardTotal >= 5) {
        TurnInCards();
        return;
    }
    // Two wild cards alone are no set here.
    if (std::max({a, i, c}) >= 2 || (w >= 1 && a + i + c >= 1)) {
        GetCardSetValue();
        g_aiCardArmies = g_cardSetArmies;
    }
}

// The selection is first cut to what the hand holds, so that no card is turned in twice; the set
// then leaves the hand for the deck, and its armies join the pool to place.
void CChildView::TurnInCards() {
    const PlayerRecord& hand = ai::Record(ai::Current());
    for (const Selection& s : Selections())
        *s.selected =
            std::clamp(*s.selected, 0, std::max(hand[static_cast<std::size_t>(s.field)], 0));
    CardSet set;
    auto hand_in = [&](const Selection& s, std::int32_t count) { set.*s.cards += count; };
    const auto selections = Selections();
    std::int32_t count = 0;
    for (int k = 0; k < 3; ++k) {
        if (*selections[k].selected < 2) continue;
        count += *selections[k].selected;
        hand_in(selections[k], *selections[k].selected);
    }
    if (g_aiWildCards > 0) {
        count += g_aiWildCards;
        hand_in(selections[3], g_aiWildCards);
    }
    std::int32_t value = 5 * count - 5;
    if (count == 4 && g_aiWildCards != 2 && SomeKindSelected(2)) {
        value = 10;
    } else if (count == 1) {
        // A lone wild card takes one single card with it.
        for (int k = 0; k < 3; ++k) {
            if (*selections[k].selected != 1) continue;
            hand_in(selections[k], 1);
            break;
        }
        value = 5;
    } else {
        if (value == 20 && g_aiWildCards != 2 && SomeKindSelected(3)) value = 15;
        if (count == 5 && value == 20 && g_aiWildCards == 1 && SomeKindSelected(2)) value = 15;
    }
    SetSetValue(count, std::max(value, 0));
    set.armies = g_cardSetArmies;
    rules::TurnInCards(ai::Current(), set, g_aiArmiesToPlace);
}

void CChildView::GetCardSetValue() {
    const std::int32_t count = CountedCards();
    std::int32_t value = 5 * count - 5;
    if (count == 1) value = 5;
    if (count == 4 && g_aiWildCards != 2 && SomeKindSelected(2)) value = 10;
    SetSetValue(count, std::max(value, 0));
}
