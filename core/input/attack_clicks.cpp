// The attack and move blocks of the board click, the continent-gained records they queue, and
// the end of the game that closes all input.
#include <algorithm>
#include <cstdio>

#include "core/child_view.h"
#include "core/input/board_input.h"
#include "core/input/board_input_fame.h"
#include "core/input/high_score_code.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/clock.h"
#include "platform/dialog_host.h"

namespace board_input {

namespace {

constexpr std::int32_t kMovesAfterAttack = 7;

bool IsPicked(std::int32_t t) {
    return IsTerritoryInPlay(t) && IsYes(g_territoryPicked[static_cast<std::size_t>(t)]);
}

std::int32_t OwnerOf(std::int32_t t) {
    return g_territories[static_cast<std::size_t>(t)].owner;
}

bool IsNeighbour(std::int32_t from, std::int32_t t) {
    if (!IsTerritoryInPlay(from)) return false;
    const NeighbourList& list = g_neighbours[static_cast<std::size_t>(from)];
    return std::find(list.begin() + 1, list.end(), t) != list.end();
}

// Visits the neighbours of t up to the first 0.
template <typename Visit>
void ForEachNeighbour(std::int32_t t, Visit visit) {
    const NeighbourList& list = g_neighbours[static_cast<std::size_t>(t)];
    for (int k = 1; k <= kMaxNeighbours && list[static_cast<std::size_t>(k)] != 0; ++k)
        if (IsTerritoryInPlay(list[static_cast<std::size_t>(k)]))
            visit(list[static_cast<std::size_t>(k)]);
}

// A refused click beeps and draws the territory plainly again.
void Refuse(CChildView& view, std::int32_t t) {
    Beep(view);
    Unpick(view, t);
}

// A picked target under hidden territories shows its owner's colour.
void RevealTarget(CChildView& view, std::int32_t t) {
    if (!g_areTerritoriesHidden) return;
    g_isHidingActive = false;
    const TerritoryState& state = g_territories[static_cast<std::size_t>(t)];
    view.DrawTerritoryArmies(t, state.armies, state.owner, true);
    g_isHidingActive = true;
}

void QueueGainedContinent(CChildView& view) {
    if (g_lastGainedContinent <= 0) return;
    QueueContinentBlink(view, g_lastGainedContinent, 0);
    if (g_missionKind == mission_kind::kContinents) {
        // The next continent of a Continents mission is shown as the new goal.
        if (g_retakenMissionContinent == 0 && IsPlayer(g_currentPlayer) && g_missionProgress >= 1 &&
            g_missionProgress <= kMaxContinents) {
            const std::int32_t next = g_missionOrders[static_cast<std::size_t>(g_currentPlayer)]
                                                     [static_cast<std::size_t>(g_missionProgress)];
            if (next >= 1 && next <= g_continentCount) {
                QueueContinentBlink(view, next, kMissionPreviewMark);
            }
        }
        g_retakenMissionContinent = 0;
    }
    g_lastGainedContinent = 0;
}

// The armies after a conquest that follow into the conquered territory.
void MoveIn(CChildView& view, bool attacked) {
    const std::int32_t source = ArmiesOf(g_fromTerritory);
    if (OwnerOf(g_toTerritory) == g_currentPlayer) {
        if (source - 1 > 0) {
            std::int32_t m = 0;
            view.AskArmyCount(&m, 1, source - 1);
            rules::MoveArmies(g_currentPlayer, g_fromTerritory, g_toTerritory, m);
        }
    } else if (attacked) {
        view.PlayGameSound(game_sound::kFailedAttack);
    }
}

// What the player may do after the attack target click.
void AfterAttack(CChildView& view) {
    const bool attacked = g_armyCount > 0;
    if (attacked) {
        g_canNextPlayer = true;
        view.UpdateActionFlags();
        const bool canMove = IsYes(g_canMoveState);
        g_movesLeft = canMove ? kMovesAfterAttack : 0;
        if (canMove) g_canMove = true;
    } else if (g_movesLeft > 0) {
        view.UpdateActionFlags();
        g_canMove = IsYes(g_canMoveState);
    }
    view.UpdateActionFlags();
    if (g_canAttackState != kCanAttack) {
        view.QueueMessage(g_isFastSpeed ? " " : "Press Attack/Add etc.");
        return;
    }
    g_canAttack = true;
    if (attacked) {
        view.QueueMessage(g_isFastSpeed ? " " : "Attack from ? or press Move/Next.");
        g_isAttackFrom = true;
    } else if (!g_isFastSpeed) {
        view.QueueMessage("press Attack/Add etc.");
    }
}

}  // namespace

Flow AttackToBlock(CChildView& view, std::int32_t territory) {
    g_isMoveTo = g_isMoveFrom = false;
    g_isPlacementClick = false;
    view.SelectPlacementTerritory(territory);
    const std::int32_t target = g_selectedTerritory;
    if (target == 0) return Flow::Continue;
    if (!IsNeighbour(g_fromTerritory, target)) Refuse(view, target);
    if (!IsPicked(target)) return Flow::End;
    RevealTarget(view, target);
    g_toTerritory = target;
    g_canCancel = false;
    std::int32_t n = 0;
    view.AskArmyCount(&n, 0, ArmiesOf(g_fromTerritory) - 1);
    g_armyCount = n;
    std::string report;
    if (n > 0) {
        view.PlayGameSound(game_sound::kAttack);
        view.ResolveAttack(g_fromTerritory, n, g_toTerritory, g_hasEarnedCardThisTurn);
        report = g_statusText;
    } else if (!g_hasAttackedThisTurn) {
        g_canAdd = true;
        if (IsYes(g_canTurnInCards)) g_canCards = true;
    }
    if (g_isGameOver || g_isCampaignFinished) {
        EndOfGame(view);
        return Flow::End;
    }
    MoveIn(view, n > 0);
    if (IsYes(g_hasEarnedCardThisTurn) && !g_isFastSpeed && !report.empty())
        view.QueueMessage(report);
    g_isAttackTo = false;
    Unpick(view, g_fromTerritory);
    Unpick(view, g_toTerritory);
    QueueGainedContinent(view);
    AfterAttack(view);
    return Flow::End;
}

Flow AttackFromBlock(CChildView& view, std::int32_t territory) {
    g_isMoveTo = g_isMoveFrom = false;
    g_isPlacementClick = true;
    view.SelectPlacementTerritory(territory);
    const std::int32_t source = g_selectedTerritory;
    if (source == 0) return Flow::Continue;
    std::int64_t enemyArmies = 0;
    ForEachNeighbour(source, [&](std::int32_t n) {
        if (OwnerOf(n) != g_currentPlayer) enemyArmies += ArmiesOf(n);
    });
    if (enemyArmies == 0) Refuse(view, source);
    if (ArmiesOf(source) == 1) Refuse(view, source);
    if (!IsPicked(source)) return Flow::Continue;
    g_fromTerritory = source;
    g_isAttackTo = true;
    g_isAttackFrom = false;
    view.QueueMessage("to ?");
    g_canMove = g_canAttack = false;
    g_canCancel = true;
    return Flow::Continue;
}

Flow MoveToBlock(CChildView& view, std::int32_t territory) {
    g_isPlacementClick = true;
    view.SelectPlacementTerritory(territory);
    const std::int32_t target = g_selectedTerritory;
    if (target == 0) return Flow::Continue;
    if (!IsNeighbour(g_fromTerritory, target)) Refuse(view, target);
    // A refused target leaves the phase open for another click.
    if (!IsPicked(target)) return Flow::Continue;
    g_canCancel = g_canSave = g_canSaveAs = false;
    g_toTerritory = target;
    std::int32_t n = 0;
    view.AskArmyCount(&n, 0, std::min(g_movesLeft, ArmiesOf(g_fromTerritory) - 1));
    g_armyCount = n;
    view.PlayGameSound(game_sound::kMove);
    g_movesLeft -= n;
    rules::MoveArmies(g_currentPlayer, g_fromTerritory, g_toTerritory, n);
    Unpick(view, g_fromTerritory);
    Unpick(view, g_toTerritory);
    g_isMoveTo = false;
    g_canNextPlayer = true;
    if (g_movesLeft > 0) {
        view.UpdateActionFlags();
        if (IsYes(g_canMoveState)) {
            g_canMove = true;
            view.QueueMessage(g_isFastSpeed ? " " : "Move from ? or press Next.");
            g_isMoveFrom = true;
            return Flow::End;
        }
        g_canMove = false;
        return Flow::Continue;
    }
    // The last free move ends the turn.
    g_canMove = false;
    view.QueueMessage(" ");
    view.NextPlayer();
    return Flow::Continue;
}

Flow MoveFromBlock(CChildView& view, std::int32_t territory) {
    g_isPlacementClick = true;
    view.SelectPlacementTerritory(territory);
    const std::int32_t source = g_selectedTerritory;
    if (source == 0) return Flow::End;
    int ownNeighbours = 0;
    ForEachNeighbour(source, [&](std::int32_t n) {
        if (OwnerOf(n) == g_currentPlayer) ++ownNeighbours;
    });
    if (ownNeighbours == 0) Refuse(view, source);
    if (ArmiesOf(source) == 1) Refuse(view, source);
    if (!IsPicked(source)) return Flow::End;
    g_fromTerritory = source;
    g_isMoveTo = true;
    g_isMoveFrom = false;
    g_canNextPlayer = false;
    g_canCancel = true;
    view.QueueMessage("to ? ");
    return Flow::End;
}

void EndOfGame(CChildView& view) {
    view.LoadScoresRecord();
    g_canAttack = g_canAdd = g_canMove = g_canCards = g_canNextPlayer = g_canCancel = false;
    g_canSave = g_canSaveAs = false;
    CloseAllPhases();
    if (g_campaignNumber > 0 && (g_isCampaignLost || !g_isCampaignFinished)) return;
    if (!g_isHighScoreGame) return;
    const std::int32_t losses =
        g_players[static_cast<std::size_t>(std::clamp(g_currentPlayer, 0, kMaxPlayers))]
                 [player_field::kLosses];
    CFameDlg fame(view.Platform().dialogs, view.Platform().shell);
    fame.code = high_score::Encode({high_score::CurrentMapNumber(), losses},
                                   static_cast<std::int32_t>(view.Platform().clock.Now() % 1000));
    char text[48];
    std::snprintf(text, sizeof text, "(%d losses)", static_cast<int>(losses));
    fame.losses = text;
    fame.title = HighScoreTitle();
    view.Platform().dialogs.RunModal(fame);
}

}  // namespace board_input
