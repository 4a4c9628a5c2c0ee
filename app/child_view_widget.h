// The widget that hosts the game view: it owns the view's drawing surface and forwards the
// window's events to the view.
#pragma once

#include <QWidget>

#include "platform/raster/surface.h"

class CChildView;

namespace app {

class ChildViewWidget : public QWidget {
    Q_OBJECT
  public:
    ChildViewWidget(CChildView& view, QWidget* parent);

    // The surface as last painted, for tests.
    const raster::Surface& Surface() const { return surface_; }

    // The system's virtual-key code of a Qt key; 0 for a key the game never asks about.
    static int VirtualKey(int qtKey);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    CChildView& view_;
    raster::Surface surface_;
};

}  // namespace app
