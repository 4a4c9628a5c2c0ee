// Map selection: the Map menu's commands, the set-up of the selected map and its reload.
#pragma once

#include <vector>

class CChildView;

// The notice shown while a board is rebuilt.
inline constexpr char kSlowCommandNotice[] = "This might take a few seconds...";

// The map flags that were set before a change (built-in maps' and the map file's). The reload
// reads the default map's previous value from g_wasMapSelected, which the caller leaves.
struct PreviousMapFlags {
    std::vector<const bool*> set;

    bool Had(const bool& flag) const;
};

// The current flags, for a caller that keeps them before something may change the map.
PreviousMapFlags CurrentMapFlags();

namespace map_selection {
// What every Map menu command does for the map whose row names it.
void RunMapCommand(CChildView& view, void (CChildView::*command)());
// Draws every territory from the displayed board and the players panel, and asks the window
// to show the board.
void RedrawWholeBoard(CChildView& view);
}  // namespace map_selection
