// The application object: start-up, the idle pass and the application's own commands.
#pragma once

#include <QApplication>
#include <memory>

#include "app/main_frame.h"

namespace app {
struct AppPlatform;
}

class CMarovekApp : public QApplication, public app::AppCommands {
  public:
    CMarovekApp(int& argc, char** argv);
    ~CMarovekApp() override;

    // Creates the platform and the frame (whose view runs the game's start-up) and shows it.
    // False ends the program before the message loop; the user has been told why.
    bool InitInstance();
    // The message loop; the frame and its view are destroyed when it ends.
    int Run();
    // Ends the message loop after `ms` milliseconds (for unattended runs).
    void QuitAfter(int ms);

    bool OnAppCommand(int id) override;
    bool OnUpdateAppCommand(int id, CmdUI& ui) override;
    void RequestIdle() override;

  private:
    void OnIdle();
    void OnAppAbout();

    std::unique_ptr<app::AppPlatform> platform_;
    std::unique_ptr<app::CMainFrame> frame_;
    bool inIdle_ = false;
};
