// The widget that hosts the game view.
#include "app/child_view_widget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "core/child_view.h"
#include "platform/qt/qt_images.h"

namespace app {

ChildViewWidget::ChildViewWidget(CChildView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);
    // The view paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Qt reads the surface's own pixels: no image is made or converted for a paint.
void ChildViewWidget::paintEvent(QPaintEvent* event) {
    if (surface_.Width() != width() || surface_.Height() != height()) {
        surface_.Resize(width(), height());
    }
    view_.OnPaint(surface_);
    const QRect area = event->rect();
    QPainter painter(this);
    painter.drawImage(area.topLeft(), qtplatform::SurfaceView(surface_), area);
}

void ChildViewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        view_.OnLButtonDown(at.x(), at.y());
    }
}

// A quick second click is one more click on the board.
void ChildViewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void ChildViewWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    view_.OnMouseMove(at.x(), at.y());
}

void ChildViewWidget::contextMenuEvent(QContextMenuEvent* event) {
    view_.OnContextMenu(event->pos().x(), event->pos().y());
}

int ChildViewWidget::VirtualKey(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return qtKey;  // digits and letters share their codes with the system's
    }
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        default:
            return 0;
    }
}

void ChildViewWidget::keyPressEvent(QKeyEvent* event) {
    const int key = VirtualKey(event->key());
    if (key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    view_.OnKeyDown(key);
}

void ChildViewWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    view_.OnSetFocus();
}

}  // namespace app
