// The blocks of the board click, one per input phase, and the small steps they share.
#pragma once

#include <cstdint>
#include <string>

class CChildView;

namespace board_input {

// Whether the click goes on into the next phase's block or ends.
enum class Flow { Continue, End };

// The placement phases (core/placement.cpp, core/placement_add.cpp).
Flow StrongholdChoiceBlock(CChildView& view, std::int32_t territory);
Flow InitialPlacementBlock(CChildView& view, std::int32_t territory);
// The current player has placed all his start armies (by any means): play goes on as after his
// last click.
Flow FinishInitialPlacement(CChildView& view);
Flow AddForTerritoriesBlock(CChildView& view, std::int32_t territory);
Flow AddForContinentsBlock(CChildView& view, std::int32_t territory);
Flow AddForCardsBlock(CChildView& view, std::int32_t territory);

// The attack and move phases and the end of the game (core/attack_clicks.cpp).
Flow AttackToBlock(CChildView& view, std::int32_t territory);
Flow AttackFromBlock(CChildView& view, std::int32_t territory);
Flow MoveToBlock(CChildView& view, std::int32_t territory);
Flow MoveFromBlock(CChildView& view, std::int32_t territory);
// Closes all input and, after a high-score game, shows the high-score window.
void EndOfGame(CChildView& view);

// Shared steps.
void Beep(CChildView& view);
std::int32_t ArmiesOf(std::int32_t territory);
// The territory is no longer picked and is drawn plainly.
void Unpick(CChildView& view, std::int32_t territory);
// "Add %d army based on your <what>." for one army, "armies" otherwise.
std::string AddArmiesText(std::int32_t armies, const char* what);
// Some input phase is open.
bool IsAnyPhaseOpen();
void CloseAllPhases();

}  // namespace board_input
