// The view's window events until their subsystems take them over.
#include "core/child_view.h"

void CChildView::OnPaint(raster::Surface& target) {
    target.Fill(raster::Rgb(0x40, 0x40, 0x40));
}
void CChildView::OnTimer(int /*id*/) {}
void CChildView::OnLButtonDown(int /*x*/, int /*y*/) {}
void CChildView::OnMouseMove(int /*x*/, int /*y*/) {}
void CChildView::OnSetFocus() {}
