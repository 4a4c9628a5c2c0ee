// The application object: start-up, the idle pass and the application's own commands.
#include "app/marovek_app.h"

#include "core/child_view.h"
#include "core/commands/command_ids.h"
#include "core/model/screen.h"

#include <QAbstractEventDispatcher>
#include <QMessageBox>
#include <QTimer>

#include "app/app_platform.h"
#include "app/pictures.h"
#include "shell/about_dlg.h"
#include "shell/idle.h"
#include "shell/menu.h"

CMarovekApp::CMarovekApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Marovek"));
}

CMarovekApp::~CMarovekApp() {
    frame_.reset();
    platform_.reset();
}

bool CMarovekApp::InitInstance() {
    // The common controls, the Windows sockets, OLE, the control container and the registry
    // key of the Windows start-up have no counterpart here: Qt's widgets and sockets need no
    // initialisation, the web engine of the embedded browser is prepared before the
    // application object (main), and the settings live in the settings file only.
    platform_ = std::make_unique<app::AppPlatform>(applicationDirPath().toStdString());

    // Constructing the frame's view is the game's own start-up.
    frame_ = std::make_unique<app::CMainFrame>(platform_->platform, platform_->window);
    std::string error;
    if (!frame_->LoadFrame(&error)) {
        frame_.reset();
        QMessageBox::critical(nullptr, QStringLiteral("Marovek"),
                              QStringLiteral("Marovek could not create its main window.\n%1")
                                  .arg(QString::fromLocal8Bit(error)));
        return false;
    }
    frame_->SetAppCommands(this);
    platform_->dialogs.SetParentWidget(frame_.get());
    platform_->fileDialogs.SetParentWidget(frame_.get());
    const QPixmap icon = app::LoadIcon(platform_->files, shell::kProgramIcon);
    if (!icon.isNull()) setWindowIcon(QIcon(icon));

    // Idle is when the event loop has nothing left to do and is about to wait.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { OnIdle(); });

    frame_->show();
    return true;
}

int CMarovekApp::Run() {
    const int result = exec();
    QAbstractEventDispatcher::instance()->disconnect(this);
    // The view's destructor tells the other machines of a network game that we leave.
    frame_.reset();
    return result;
}

void CMarovekApp::QuitAfter(int ms) {
    QTimer::singleShot(ms, this, [this] { platform_->window.Quit(); });
}

// Copies the status text into the status bar and refreshes the toolbar buttons. Setting the
// same text or state again changes nothing, so an idle pass never wakes the loop by itself.
void CMarovekApp::OnIdle() {
    if (inIdle_ || !frame_) return;
    inIdle_ = true;
    if (const std::optional<std::string> text = IdlePass()) {
        platform_->window.SetStatusPane(cmd::kPaneStatus, *text);
    }
    frame_->UpdateBars();
    inIdle_ = false;
}

void CMarovekApp::RequestIdle() {
    QTimer::singleShot(0, this, [this] { OnIdle(); });
}

bool CMarovekApp::OnAppCommand(int id) {
    if (id == cmd::kAbout) {
        OnAppAbout();
        return true;
    }
    if (id == cmd::kExit) {
        // Exit closes the frame the way its close box does: it asks first.
        if (frame_) frame_->close();
        return true;
    }
    return false;
}

bool CMarovekApp::OnUpdateAppCommand(int id, CmdUI& ui) {
    if (id != cmd::kAbout && id != cmd::kExit) return false;
    ui.enabled = true;
    return true;
}

void CMarovekApp::OnAppAbout() {
    RunAboutBox(platform_->dialogs, platform_->shell, platform_->files, g_isLargeFonts);
}
