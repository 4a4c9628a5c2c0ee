// The window services on the real Qt window.
#include "platform/qt/qt_window_services.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include "platform/qt/desktop_bell.h"
#include "platform/qt/qt_images.h"
#include "platform/qt/x11_screen_snapshot.h"

namespace qtplatform {
namespace {

QMessageBox::Icon ToQt(platform::MessageIcon icon) {
    switch (icon) {
        case platform::MessageIcon::Information:
            return QMessageBox::Information;
        case platform::MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case platform::MessageIcon::Error:
            return QMessageBox::Critical;
        case platform::MessageIcon::Question:
            return QMessageBox::Question;
        case platform::MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape;  // also the answer when the box is closed otherwise
};

ButtonSet ToQt(platform::MessageButtons buttons) {
    switch (buttons) {
        case platform::MessageButtons::OkCancel:
            return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
        case platform::MessageButtons::YesNo:
            return {QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
        case platform::MessageButtons::YesNoCancel:
            return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel};
        case platform::MessageButtons::RetryCancel:
            return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel};
        case platform::MessageButtons::Ok:
            break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok};
}

platform::MessageAnswer FromQt(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Cancel:
            return platform::MessageAnswer::Cancel;
        case QMessageBox::Retry:
            return platform::MessageAnswer::Retry;
        case QMessageBox::Yes:
            return platform::MessageAnswer::Yes;
        case QMessageBox::No:
            return platform::MessageAnswer::No;
        default:
            break;
    }
    return platform::MessageAnswer::Ok;
}

}  // namespace

QtWindowServices::QtWindowServices() = default;

QtWindowServices::~QtWindowServices() {
    Detach();
    cursorCount_ = 0;
    waitCursor_ = false;
    ApplyCursor();
}

void QtWindowServices::AttachFrame(QMainWindow* frame) {
    frame_ = frame;
}

void QtWindowServices::AttachView(QWidget* view, std::function<void(int)> onTimer) {
    view_ = view;
    onTimer_ = std::move(onTimer);
}

void QtWindowServices::AttachStatusPane(int paneId, QLabel* pane) {
    panes_[paneId] = pane;
}

void QtWindowServices::AttachPopupMenus(std::vector<QMenu*> menus) {
    menus_.assign(menus.begin(), menus.end());
}

void QtWindowServices::AttachToolbars(std::vector<QWidget*> toolbars) {
    toolbars_.assign(toolbars.begin(), toolbars.end());
}

void QtWindowServices::Detach() {
    for (auto& [id, timer] : timers_) timer->stop();
    timers_.clear();
    onTimer_ = nullptr;
    frame_ = nullptr;
    view_ = nullptr;
    panes_.clear();
    menus_.clear();
    toolbars_.clear();
}

platform::ScreenMetrics QtWindowServices::Screen() const {
    platform::ScreenMetrics m;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m.width = screen->geometry().width();
        m.height = screen->geometry().height();
        m.logicalDpi = qRound(screen->logicalDotsPerInch());
    }
    m.captionHeight = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    // The menu-bar button grows with the font size: 19 pixels at 96 dpi, as the game expects.
    m.menuButtonWidth = 19 * m.logicalDpi / 96;
    return m;
}

void QtWindowServices::Invalidate() {
    if (view_) view_->update();
}

void QtWindowServices::SetTimer(int id, int periodMs) {
    std::unique_ptr<QTimer>& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [this, id] {
            if (onTimer_) onTimer_(id);
        });
    }
    // Setting a running timer again restarts it with the new period.
    timer->start(std::max(periodMs, 0));
}

void QtWindowServices::KillTimer(int id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    // The timer may be the one whose tick is running now: let Qt delete it afterwards.
    it->second->stop();
    it->second.release()->deleteLater();
    timers_.erase(it);
}

platform::MessageAnswer QtWindowServices::MessageBox(const std::string& text,
                                                     const std::string& caption,
                                                     platform::MessageButtons buttons,
                                                     platform::MessageIcon icon) {
    const ButtonSet set = ToQt(buttons);
    QMessageBox box(ToQt(icon), QString::fromLatin1(caption), QString::fromLatin1(text),
                    set.buttons, frame_);
    box.setEscapeButton(set.escape);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return FromQt(clicked != nullptr ? box.standardButton(clicked) : set.escape);
}

void QtWindowServices::Beep() {
    RingDesktopBell(frame_);
}

int QtWindowServices::ShowCursor(bool show) {
    cursorCount_ += show ? 1 : -1;
    ApplyCursor();
    return cursorCount_;
}

void QtWindowServices::SetWaitCursor(bool wait) {
    waitCursor_ = wait;
    ApplyCursor();
}

// One override cursor of our own at most: a hidden cursor wins over the wait cursor.
void QtWindowServices::ApplyCursor() {
    if (QGuiApplication::instance() == nullptr) return;
    const bool hidden = cursorCount_ < 0;
    if (!hidden && !waitCursor_) {
        if (overridePushed_) QGuiApplication::restoreOverrideCursor();
        overridePushed_ = false;
        return;
    }
    const QCursor cursor(hidden ? Qt::BlankCursor : Qt::WaitCursor);
    if (overridePushed_) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        overridePushed_ = true;
    }
}

void QtWindowServices::SetCapture() {
    if (view_ && view_->isVisible()) view_->grabMouse();
}

void QtWindowServices::ReleaseCapture() {
    if (view_ && QWidget::mouseGrabber() == view_) view_->releaseMouse();
}

void QtWindowServices::SetStatusPane(int paneId, const std::string& text) {
    auto it = panes_.find(paneId);
    if (it != panes_.end() && it->second) it->second->setText(QString::fromLatin1(text));
}

void QtWindowServices::SetWindowTitle(const std::string& title) {
    if (frame_) frame_->setWindowTitle(QString::fromLatin1(title));
}

void QtWindowServices::EnableToolbars(bool enable) {
    for (const QPointer<QWidget>& bar : toolbars_) {
        if (bar) bar->setEnabled(enable);
    }
}

void QtWindowServices::TrackPopupMenu(int menuIndex, int x, int y) {
    if (menuIndex < 0 || menuIndex >= static_cast<int>(menus_.size())) return;
    QMenu* menu = menus_[static_cast<std::size_t>(menuIndex)];
    if (menu == nullptr) return;
    QPoint at = view_ ? view_->mapToGlobal(QPoint(x, y)) : QPoint(x, y);
    // Centred on the mouse, as the game's popup always was.
    at.rx() -= menu->sizeHint().width() / 2;
    // The chosen item's action delivers its command itself.
    menu->exec(at);
}

// exit(), not quit(): quit() first asks every window to close, and the main window would ask
// the player whether to quit; ending the loop here is already the game's decision.
void QtWindowServices::MinimiseMainWindow() {
    if (frame_) frame_->showMinimized();
}

void QtWindowServices::Quit() {
    QCoreApplication::exit(0);
}

// Only X11 lets a program read what the screen shows; Wayland and the offscreen platform give
// nothing (or a picture of our own windows only), so they answer none.
bool QtWindowServices::SnapshotScreen() {
    snapshot_.reset();
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return false;
    snapshotScreen_ = screen->geometry();
    snapshotScale_ = screen->devicePixelRatio();
    const QRect device(snapshotScreen_.topLeft() * snapshotScale_,
                       snapshotScreen_.size() * snapshotScale_);
    snapshot_ = X11ScreenSnapshot::Take(device);
    return snapshot_ != nullptr;
}

std::optional<platform::ScreenPiece> QtWindowServices::ReadScreenSnapshot(
    const raster::Rect& area) const {
    if (!snapshot_) return std::nullopt;
    // Screen coordinates start at the primary screen's top-left, as ViewScreenOrigin's do.
    const QRect wanted = QRect(area.left, area.top, area.Width(), area.Height())
                             .intersected(QRect(QPoint(0, 0), snapshotScreen_.size()));
    if (wanted.isEmpty()) return std::nullopt;
    QImage image =
        snapshot_->Read(QRect(wanted.topLeft() * snapshotScale_, wanted.size() * snapshotScale_));
    if (image.isNull()) return std::nullopt;
    // The board is drawn in logical pixels; a scaled screen gives more device pixels.
    if (image.size() != wanted.size()) image = image.scaled(wanted.size());
    return platform::ScreenPiece{FromQImage(image), {wanted.x(), wanted.y()}};
}

raster::Point QtWindowServices::ViewScreenOrigin() const {
    if (!view_) return {};
    QPoint at = view_->mapToGlobal(QPoint(0, 0));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        at -= screen->geometry().topLeft();
    return {at.x(), at.y()};
}

}  // namespace qtplatform
