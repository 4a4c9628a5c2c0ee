// Start-up to the first painted board, and the program's resident memory then: the real
// application object and window, run on whatever platform Qt is given (offscreen or a virtual X
// server). Built into the program folder, beside the pictures it reads.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/child_view_widget.h"
#include "app/marovek_app.h"
#include "core/model/options.h"

namespace {

using Clock = std::chrono::steady_clock;

// VmRSS of this process in MB; 0 when it cannot be read.
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

// Paints the board widget itself on its first paint event, then notes the time and ends the loop.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(Clock::time_point start) : start_(start) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_ || event->type() != QEvent::Paint) return false;
        auto* widget = dynamic_cast<app::ChildViewWidget*>(watched);
        if (widget == nullptr) return false;
        done_ = true;
        static_cast<QObject*>(widget)->event(event);  // the widget's own paint, done now
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
        std::printf("first painted board after %.1f ms, screen size %d, resident %.1f MB\n", ms,
                    g_screenSize, ResidentMegabytes());
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return true;
    }

  private:
    Clock::time_point start_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point start = Clock::now();
    CMarovekApp app(argc, argv);
    FirstPaint watcher(start);
    app.installEventFilter(&watcher);
    if (!app.InitInstance()) return 1;
    QTimer::singleShot(10000, &app, &QCoreApplication::quit);  // never waits for ever
    return app.Run();
}
