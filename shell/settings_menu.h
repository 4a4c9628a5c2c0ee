// What the Settings menu's commands share (their handlers are the view's, in
// shell/settings_menu*.cpp).
#pragma once

class CChildView;

namespace settings_menu {

// After a change of the board's look: the next paint rebuilds the board, the players panel is
// redrawn on the clock while a game is under way, and the settings are stored.
void ShowBoardChange(CChildView& view);

}  // namespace settings_menu
