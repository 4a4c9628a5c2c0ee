// The main frame window: its preparation, creation, command routing and closing.
#include "app/main_frame.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>

#include "app/child_view_widget.h"
#include "core/child_view.h"
#include "platform/platform.h"
#include "platform/qt/qt_window_services.h"
#include "shell/frame_layout.h"
#include "shell/quit.h"

namespace app {

CMainFrame::CMainFrame(platform::Platform& platform, qtplatform::QtWindowServices& window)
    : platform_(platform), window_(window) {
    setWindowTitle(QStringLiteral("Marovek"));
}

// The view goes first, while the bars it may still write to exist; nothing may call into it
// afterwards, so its timers and its widget go before it.
CMainFrame::~CMainFrame() {
    window_.Detach();
    delete viewWidget_;
    viewWidget_ = nullptr;
    view_.reset();
}

bool CMainFrame::LoadFrame(std::string* error) {
    try {
        view_ = std::make_unique<CChildView>(platform_);
        const FrameRect rect = PrepareFrameWindow(*view_);
        OnCreate();
        // A fixed window: no sizing border and no maximise box; the title bar is the system's.
        const int captionHeight = platform_.window.Screen().captionHeight;
        setFixedSize(rect.width, std::max(rect.height - captionHeight, 1));
        move(rect.left, rect.top);
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        return true;
    } catch (const std::exception& e) {
        if (error != nullptr) *error = e.what();
        return false;
    }
}

void CMainFrame::OnCreate() {
    // The view sits in a sunken edge, as the game's board always did.
    auto* edge = new QFrame(this);
    edge->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(edge);
    layout->setContentsMargins(edge->frameWidth(), edge->frameWidth(), edge->frameWidth(),
                               edge->frameWidth());
    viewWidget_ = new ChildViewWidget(*view_, edge);
    layout->addWidget(viewWidget_);
    setCentralWidget(edge);
    setFocusProxy(viewWidget_);

    CreateMenuBar();
    CreateToolbars();
    // The dialog bar of the original layout; it stays hidden for the whole run.
    dialogBar_ = new QWidget(this);
    dialogBar_->setObjectName(QStringLiteral("dialogBar"));
    dialogBar_->hide();
    CreateStatusBar();

    window_.AttachFrame(this);
    window_.AttachView(viewWidget_, [this](int id) {
        if (view_) view_->OnTimer(id);
        // A tick changes the status text and the commands' state while no input arrives; the
        // event loop does not always report itself idle between two timer events.
        if (app_) app_->RequestIdle();
    });
    window_.AttachPopupMenus(popups_);
    window_.AttachToolbars({mainToolbar_, actionToolbar_});
    for (const auto& [id, label] : panes_) window_.AttachStatusPane(id, label);
}

void CMainFrame::OnCommand(int id) {
    if (view_ && view_->OnCommand(id)) return;
    if (app_ != nullptr) app_->OnAppCommand(id);
}

// A command nobody handles is disabled.
CmdUI CMainFrame::UpdateCommand(int id) {
    CmdUI ui;
    if (view_ && view_->OnUpdateCommand(id, ui)) return ui;
    ui = {};
    if (app_ != nullptr && app_->OnUpdateAppCommand(id, ui)) return ui;
    return {};
}

QLabel* CMainFrame::StatusPane(int id) {
    for (const auto& [paneId, label] : panes_) {
        if (paneId == id) return label;
    }
    return nullptr;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (ConfirmQuit(platform_.window)) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace app
