// The main frame window: the game view, the menu bar, the two toolbars, the hidden dialog bar
// and the status bar.
#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "core/commands/command_ui.h"

class CChildView;
class QLabel;
class QMenu;
class QToolBar;

namespace platform {
struct Platform;
}
namespace qtplatform {
class QtWindowServices;
}

namespace app {

class ChildViewWidget;

// The commands the application itself answers (About, Exit).
class AppCommands {
  public:
    virtual ~AppCommands() = default;
    virtual bool OnAppCommand(int id) = 0;
    virtual bool OnUpdateAppCommand(int id, CmdUI& ui) = 0;
    // Asks for an idle pass once the events now pending are done.
    virtual void RequestIdle() = 0;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(platform::Platform& platform, qtplatform::QtWindowServices& window);
    ~CMainFrame() override;

    // Constructs the game view (the program's own start-up), prepares the window from the
    // screen and the settings, and creates the bars. False, with the reason, on failure.
    bool LoadFrame(std::string* error);
    void SetAppCommands(AppCommands* app) { app_ = app; }

    // A command from a menu, a toolbar or the view's popup: the view first, then the
    // application.
    void OnCommand(int id);
    CmdUI UpdateCommand(int id);
    // The idle refresh of the toolbar buttons and the status panes the view keeps.
    void UpdateBars();

    CChildView* View() { return view_.get(); }
    ChildViewWidget* ViewWidget() { return viewWidget_; }
    QToolBar* MainToolbar() { return mainToolbar_; }
    QToolBar* ActionToolbar() { return actionToolbar_; }
    QLabel* StatusPane(int id);
    const std::vector<QMenu*>& Popups() const { return popups_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void OnCreate();
    void CreateMenuBar();
    void RefreshMenu(QMenu* menu);
    QToolBar* CreateToolbar(const char* name, bool textBeside);
    void CreateToolbars();
    void CreateStatusBar();

    platform::Platform& platform_;
    qtplatform::QtWindowServices& window_;
    AppCommands* app_ = nullptr;
    std::unique_ptr<CChildView> view_;
    ChildViewWidget* viewWidget_ = nullptr;
    QToolBar* mainToolbar_ = nullptr;
    QToolBar* actionToolbar_ = nullptr;
    QWidget* dialogBar_ = nullptr;
    std::vector<QMenu*> popups_;
    std::vector<std::pair<int, QLabel*>> panes_;
};

}  // namespace app
