// Tests of the turn commands Attack, Move, Add and Cancel and of the action probes.
#include <gtest/gtest.h>

#include "core/model/options.h"
#include "core/rules/turn_commands.h"
#include "core/rules/turn_order.h"
#include "rules_fixture.h"

namespace {

using namespace rules_test;
using Texts = std::vector<std::string>;

// A chain 1 - 2 - 3 - 4; player 1 is current.
class TurnCommands : public RulesFixture {
  protected:
    void SetUp() override {
        RulesFixture::SetUp();
        BuildBoard(4, {{1, 2}, {2, 3}, {3, 4}}, {{{1, 2, 3, 4}, 2, {}}});
        rules::SetCurrentPlayer(1);
        g_playerCount = 2;
        g_reinforcementDivisor = 3;
    }
    void Layout(const std::vector<std::pair<int, int>>& ownerArmies) {
        for (std::size_t i = 0; i < ownerArmies.size(); ++i)
            Own(static_cast<int>(i) + 1, ownerArmies[i].first, ownerArmies[i].second);
        CountPlayers();
    }
};

TEST_F(TurnCommands, TheProbesTellWhetherThePlayerCanAttackOrMove) {
    struct Case {
        std::vector<std::pair<int, int>> layout;
        char attack;
        char move;
    };
    const Case cases[] = {
        {{{1, 1}, {1, 1}, {2, 5}, {2, 5}}, 'p', 'n'},  // every territory has 1 army
        {{{1, 2}, {1, 2}, {1, 1}, {1, 1}}, 'p', 'j'},  // own neighbours only
        {{{1, 2}, {2, 1}, {2, 1}, {2, 1}}, 'a', 'n'}, {{{1, 1}, {1, 3}, {2, 1}, {2, 1}}, 'a', 'j'},
        {{{1, 3}, {2, 0}, {2, 1}, {2, 1}}, 'p', 'n'},  // the enemy neighbour holds no army
    };
    for (const Case& c : cases) {
        Layout(c.layout);
        View().UpdateActionFlags();
        EXPECT_EQ(g_canAttackState, c.attack);
        EXPECT_EQ(g_canMoveState, c.move);
    }
}

TEST_F(TurnCommands, AttackMoveAndAddOpenTheirPhasesAndPrompt) {
    g_canAttack = g_canAdd = g_canMove = g_canCards = g_canSave = g_canSaveAs = true;
    View().OnAttack();
    EXPECT_TRUE(g_isAttackFrom);
    EXPECT_FALSE(g_canAttack || g_canAdd || g_canMove || g_canCards || g_canSave || g_canSaveAs);
    EXPECT_TRUE(g_canCancel);
    g_isAttackTo = true;
    View().OnMoveArmies();
    EXPECT_TRUE(g_isMoveFrom);
    EXPECT_FALSE(g_isAttackFrom || g_isAttackTo);
    g_territoryArmiesToAdd = 1;
    View().OnAdd();
    EXPECT_TRUE(g_isAddForTerritories);
    g_territoryArmiesToAdd = 4;
    View().OnAdd();
    EXPECT_EQ(MessageTexts(),
              (Texts{"Attack from ?", "Move from ? ", "Add 1 army based on your territories.",
                     "Add 4 armies based on your territories."}));
}

TEST_F(TurnCommands, AddDoesNothingWhileAnotherAddPhaseIsOpen) {
    g_isAddForContinents = true;
    View().OnAdd();
    EXPECT_FALSE(g_isAddForTerritories);
    EXPECT_EQ(g_messageCount, 0);
}

TEST_F(TurnCommands, CancelInTheAttackPhaseReenablesAddOnlyBeforeAnAttack) {
    Layout({{1, 3}, {1, 2}, {2, 1}, {2, 1}});
    struct Case {
        bool attacked;
        bool add;
        bool next;
        bool cards;
    };
    for (const Case& c : {Case{false, true, false, true}, Case{true, false, true, false}}) {
        g_isAttackFrom = true;
        g_hasAttackedThisTurn = c.attacked;
        g_canTurnInCards = 'j';
        g_canAdd = g_canNextPlayer = g_canCards = false;
        g_movesLeft = 7;
        View().OnCancel();
        EXPECT_TRUE(g_canAttack);
        EXPECT_EQ(g_canAdd, c.add);
        EXPECT_EQ(g_canNextPlayer, c.next);
        EXPECT_EQ(g_canCards, c.cards);
        EXPECT_TRUE(g_canMove);
        EXPECT_FALSE(g_isAttackFrom);
        EXPECT_FALSE(g_canCancel);
    }
}

TEST_F(TurnCommands, CancelInTheAddPhaseAfterOnePlacementDisablesAttack) {
    Layout({{1, 3}, {1, 2}, {2, 1}, {2, 1}});
    g_isAddForTerritories = true;
    g_territoryArmiesToAdd = 2;  // 3 in full
    g_canAttack = true;
    View().OnCancel();
    EXPECT_FALSE(g_canAttack);
    EXPECT_TRUE(g_canNextPlayer);
    EXPECT_FALSE(g_isAddForTerritories);

    g_isAddForTerritories = true;
    g_territoryArmiesToAdd = 3;
    View().OnCancel();
    EXPECT_TRUE(g_canAttack);
}

TEST_F(TurnCommands, CancelInTheMovePhaseAndTheHighlightsAndPrompt) {
    Layout({{1, 3}, {1, 2}, {2, 1}, {2, 1}});
    g_isMoveTo = true;
    g_movesLeft = 7;
    g_territoryHighlight[2] = 'j';
    g_territoryHighlight[3] = 'n';
    View().OnCancel();
    EXPECT_TRUE(g_canMove);
    EXPECT_TRUE(g_canNextPlayer);
    EXPECT_TRUE(g_canAttack);
    EXPECT_FALSE(g_isMoveTo);
    EXPECT_EQ(g_territoryHighlight[2], 'n');
    g_isFastSpeed = true;
    View().OnCancel();
    EXPECT_EQ(MessageTexts(), (Texts{"Press Attack/Add etc.", " "}));
}

TEST_F(TurnCommands, AStrongholdMayStandNextToAnotherOnlyWhenNothingElseIs) {
    // Territory 2 holds a chosen stronghold (15 armies).
    Layout({{1, 1}, {1, 15}, {1, 1}, {1, 1}});
    bool refused = false;
    View().IsNextToStronghold(1, &refused);
    EXPECT_TRUE(refused) << "territory 4 is not next to a stronghold";
    View().IsNextToStronghold(4, &refused);
    EXPECT_FALSE(refused);
    // Another player's stronghold on 2 neighbours both of player 1's territories.
    Layout({{1, 1}, {2, 15}, {1, 1}, {2, 1}});
    View().IsNextToStronghold(3, &refused);
    EXPECT_FALSE(refused) << "every territory of the player is next to one";
}

}  // namespace
