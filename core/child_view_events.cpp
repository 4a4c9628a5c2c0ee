// The view's window events that no subsystem has taken over yet, and the forwarding of the rest.
#include "core/child_view.h"

void CChildView::OnPaint(raster::Surface& target) {
    PaintBoard(target);
}
// Timer 1 is the game clock; the view arms no other.
void CChildView::OnTimer(int id) {
    if (id == 1) RunClockTick();
}
void CChildView::OnSetFocus() {
    RepaintOnFocus();
}
