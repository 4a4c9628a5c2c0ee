// The window services on the real Qt window: repaint, timers, message boxes, cursor, capture,
// status panes, title, popup menu, toolbars and quitting.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <QPointer>
#include <QRect>

#include "platform/window_services.h"

class QLabel;
class QMainWindow;
class QMenu;
class QTimer;
class QWidget;

namespace qtplatform {

class X11ScreenSnapshot;

class QtWindowServices : public platform::WindowServices {
  public:
    QtWindowServices();
    ~QtWindowServices() override;
    QtWindowServices(const QtWindowServices&) = delete;
    QtWindowServices& operator=(const QtWindowServices&) = delete;

    // The frame connects the window parts once they exist; until then message boxes, timers
    // and the cursor work, and everything that needs a window is dropped.
    void AttachFrame(QMainWindow* frame);
    void AttachView(QWidget* view, std::function<void(int)> onTimer);
    void AttachStatusPane(int paneId, QLabel* pane);
    void AttachPopupMenus(std::vector<QMenu*> menus);
    void AttachToolbars(std::vector<QWidget*> toolbars);
    // Stops every timer and forgets the window parts, before they are destroyed.
    void Detach();

    platform::ScreenMetrics Screen() const override;
    void Invalidate() override;
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    platform::MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                       platform::MessageButtons buttons,
                                       platform::MessageIcon icon) override;
    void Beep() override;
    int ShowCursor(bool show) override;
    void SetWaitCursor(bool wait) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    void SetStatusPane(int paneId, const std::string& text) override;
    void SetWindowTitle(const std::string& title) override;
    void EnableToolbars(bool enable) override;
    void TrackPopupMenu(int menuIndex, int x, int y) override;
    void MinimiseMainWindow() override;
    void Quit() override;
    bool SnapshotScreen() override;
    std::optional<platform::ScreenPiece> ReadScreenSnapshot(
        const raster::Rect& area) const override;
    raster::Point ViewScreenOrigin() const override;

    // For tests: the cursor count and timers as they stand.
    int CursorCount() const { return cursorCount_; }
    bool HasTimer(int id) const { return timers_.contains(id); }

  private:
    void ApplyCursor();

    QPointer<QMainWindow> frame_;
    QPointer<QWidget> view_;
    std::function<void(int)> onTimer_;
    std::map<int, QPointer<QLabel>> panes_;
    std::vector<QPointer<QMenu>> menus_;
    std::vector<QPointer<QWidget>> toolbars_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
    // The desktop kept by the X server, with the primary screen's logical place and its scale.
    std::unique_ptr<X11ScreenSnapshot> snapshot_;
    QRect snapshotScreen_;
    qreal snapshotScale_ = 1.0;
    int cursorCount_ = 0;
    bool waitCursor_ = false;
    bool overridePushed_ = false;
};

}  // namespace qtplatform
