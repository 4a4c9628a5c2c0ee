// The reset of the board for a freshly set-up map: continent colours, deck, marks, player count.
#pragma once

namespace maps {
// The work of CChildView::ResetTerritories and CChildView::ResetGame.
void ResetTerritories();
void ResetGame();
}  // namespace maps
