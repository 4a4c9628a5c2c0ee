// The program's entry: the application object runs the game until the main window closes.
// Option: --quit-after <ms> ends the message loop after that time (for unattended runs).
#include <QStringList>

#include "app/marovek_app.h"
#include "platform/qt/qt_web_loader.h"

namespace {

// The milliseconds after "--quit-after"; -1 when the option is absent or not a number.
int QuitAfterOption(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--quit-after"));
    if (at < 0 || at + 1 >= arguments.size()) return -1;
    bool ok = false;
    const int ms = arguments[at + 1].toInt(&ok);
    return ok && ms >= 0 ? ms : -1;
}

}  // namespace

int main(int argc, char** argv) {
    qtplatform::PrepareWebEngine();
    CMarovekApp app(argc, argv);
    if (!app.InitInstance()) return 1;
    if (const int ms = QuitAfterOption(CMarovekApp::arguments()); ms >= 0) app.QuitAfter(ms);
    return app.Run();
}
