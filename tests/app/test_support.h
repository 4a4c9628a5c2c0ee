// Shared pieces of the program's tests: the one QApplication, a temporary home with its XDG
// folders, the real frame built on them, and a hand that answers message boxes.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <map>
#include <memory>
#include <string>

#include "app/app_platform.h"
#include "app/main_frame.h"

namespace apptest {

// One application object for the whole test process.
inline QApplication& EnsureApp() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// The environment of a user whose home and XDG folders lie in a temporary folder.
struct TempHome {
    QTemporaryDir dir;
    std::map<std::string, std::string> variables;

    TempHome() {
        const std::string root = dir.path().toStdString();
        variables = {{"HOME", root},
                     {"XDG_DATA_HOME", root + "/data"},
                     {"XDG_CONFIG_HOME", root + "/config"}};
    }
    std::string Path(const std::string& relative) const {
        return dir.path().toStdString() + "/" + relative;
    }
    posix::Environment Environment() const {
        return [vars = variables](const std::string& name) -> std::optional<std::string> {
            auto it = vars.find(name);
            if (it == vars.end()) return std::nullopt;
            return it->second;
        };
    }
};

// The real frame of the program on the real Qt platform, in a temporary home.
struct FrameFixture {
    TempHome home;
    std::unique_ptr<app::AppPlatform> platform;
    std::unique_ptr<app::CMainFrame> frame;

    FrameFixture() {
        EnsureApp();
        platform = std::make_unique<app::AppPlatform>(MAROVEK_APP_DIR, home.Environment());
        frame = std::make_unique<app::CMainFrame>(platform->platform, platform->window);
    }
    ~FrameFixture() { frame.reset(); }
};

struct AskedBox {
    QString text;
    QString caption;
    bool asked = false;
};

// Clicks `button` on the next message box that opens and keeps what it asked.
inline void AnswerNextMessageBox(QMessageBox::StandardButton button, AskedBox* asked) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, button, asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        asked->text = box->text();
        asked->caption = box->windowTitle();
        asked->asked = true;
        poll->stop();
        poll->deleteLater();
        box->button(button)->click();
    });
    poll->start();
}

}  // namespace apptest
