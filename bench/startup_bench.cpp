// Start-up to the first painted board, and the program's resident memory then: the real
// application object and window, run on whatever platform Qt is given (offscreen or a virtual X
// server). Built into the program folder, beside the pictures it reads. With --map NAME the
// built-in map of that name is then chosen from the Map menu, a six-player game is dealt on it,
// the board is painted again, and the resident memory is reported once more. The processor time
// spent by then is reported beside the time on the clock.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "app/child_view_widget.h"
#include "app/main_frame.h"
#include "app/marovek_app.h"
#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/session_state.h"

namespace {

using Clock = std::chrono::steady_clock;

// A field of this process's status in MB (VmRSS, RssAnon, RssFile); 0 when it cannot be read.
double StatusMegabytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = field + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::stod(line.substr(key.size())) / 1024.0;
    return 0.0;
}

// The resident memory, and how much of it is the process's own (heap and stacks) and how much
// mapped files (the program and its libraries).
std::string Resident() {
    char text[96];
    std::snprintf(text, sizeof text, "resident %.1f MB (own %.1f, files %.1f)",
                  StatusMegabytes("VmRSS"), StatusMegabytes("RssAnon"), StatusMegabytes("RssFile"));
    return text;
}

// The processor time of all the process's threads so far, in ms: on a busy machine it varies
// less than the time on the clock.
double ProcessCpuMilliseconds() {
    timespec used{};
    if (::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used) != 0) return 0.0;
    return static_cast<double>(used.tv_sec) * 1000.0 + static_cast<double>(used.tv_nsec) / 1e6;
}

// Paints the board widget itself on its first paint event, then notes the time and ends the loop.
class FirstPaint : public QObject {
  public:
    FirstPaint(Clock::time_point start, const BuiltinMap* map) : start_(start), map_(map) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_ || event->type() != QEvent::Paint) return false;
        auto* widget = dynamic_cast<app::ChildViewWidget*>(watched);
        if (widget == nullptr) return false;
        done_ = true;
        static_cast<QObject*>(widget)->event(event);  // the widget's own paint, done now
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
        std::printf("first painted board after %.1f ms, screen size %d, %s, cpu %.1f ms\n", ms,
                    g_screenSize, Resident().c_str(), ProcessCpuMilliseconds());
        if (map_ != nullptr) PlayOn(*widget);
        // Ends the loop without closing the windows, which would ask to quit first.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return true;
    }

  private:
    // The map chosen as from its Map menu entry, at once, a game dealt, and the board painted.
    void PlayOn(app::ChildViewWidget& widget) {
        auto* frame = dynamic_cast<app::CMainFrame*>(widget.window());
        if (frame == nullptr || frame->View() == nullptr) return;
        CChildView& view = *frame->View();
        g_deferSlowCommands = false;
        (view.*map_->command)();
        g_playerCount = 6;
        view.DealTerritories();
        widget.repaint();
        std::printf("%s game of %d players painted, dealt %s, screen size %d, %s\n",
                    std::string(map_->name).c_str(), g_playerCount,
                    g_areTerritoriesDealt ? "yes" : "no", g_screenSize, Resident().c_str());
    }

    Clock::time_point start_;
    const BuiltinMap* map_;
    bool done_ = false;
};

const BuiltinMap* MapNamed(const char* name) {
    for (const BuiltinMap& map : BuiltinMaps())
        if (map.name == name && map.command != nullptr) return &map;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point start = Clock::now();
    const BuiltinMap* map = nullptr;
    if (argc >= 3 && std::string(argv[1]) == "--map") {
        map = MapNamed(argv[2]);
        if (map == nullptr) {
            std::fprintf(stderr, "no built-in map with a Map menu entry is named %s\n", argv[2]);
            return 2;
        }
    }
    CMarovekApp app(argc, argv);
    FirstPaint watcher(start, map);
    app.installEventFilter(&watcher);
    if (!app.InitInstance()) return 1;
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(1); });  // never waits for ever
    return app.Run();
}
