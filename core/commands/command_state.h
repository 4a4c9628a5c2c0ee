// When the game's commands may be chosen and which carry a check mark: pure rules over the game
// state, one update function per command.
#pragma once

#include "core/commands/command_ui.h"

namespace command_state {

void UpdateSpeedSlow(CmdUI& ui);
void UpdateSpeedFast(CmdUI& ui);
void UpdateSpeedVeryFast(CmdUI& ui);
void UpdateSpeedFastest(CmdUI& ui);
void UpdateNewGame(CmdUI& ui);  // New Game and Quick Launch
void UpdateOpen(CmdUI& ui);
void UpdateSave(CmdUI& ui);
void UpdateSaveAs(CmdUI& ui);
void UpdateCancel(CmdUI& ui);
void UpdateMove(CmdUI& ui);
void UpdateAdd(CmdUI& ui);
void UpdateAttack(CmdUI& ui);
void UpdateNextPlayer(CmdUI& ui);
void UpdateContinents(CmdUI& ui);
void UpdatePersonalities(CmdUI& ui);

}  // namespace command_state
