// Map selection: the Map menu's commands, the set-up of the selected map and its reload.
#pragma once

class CChildView;

// The notice shown while a board is rebuilt.
inline constexpr char kSlowCommandNotice[] = "This might take a few seconds...";

// The map flags as they were before a change, in the order the callers pass them. World's
// previous value is not here: the caller leaves it in g_wasMapSelected.
struct PreviousMapFlags {
    bool europe = false;
    bool northAmerica = false;
    bool realWorld = false;
    bool japanKorea = false;
    bool australia = false;
    bool scandinavia = false;
    bool worms = false;
    bool china = false;
    bool greatBritain = false;
    bool linesII = false;
    bool swamp = false;
    bool threeNationsA = false;
    bool threeNationsB = false;
    bool swampII = false;
    bool custom = false;
};

// The current flags, for a caller that keeps them before something may change the map.
PreviousMapFlags CurrentMapFlags();

namespace map_selection {
// What every Map menu command does for its own flag.
void RunMapCommand(CChildView& view, bool& flag);
// Draws every territory from the displayed board and the players panel, and asks the window
// to show the board.
void RedrawWholeBoard(CChildView& view);
}  // namespace map_selection
