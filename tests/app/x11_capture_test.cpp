// The screen snapshot on a real X11 display: a private Xvfb server started by the test, a window
// of a known colour on it, and what the window services read back of the screen as it was.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QPalette>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "platform/qt/qt_window_services.h"

extern char** environ;

namespace {

// An X server of our own for the time of the test; its display name once it accepts clients.
class PrivateXServer {
  public:
    PrivateXServer() {
        int ready[2];
        if (::pipe(ready) != 0) return;
        const std::string fd = std::to_string(ready[1]);
        const char* argv[] = {"Xvfb",       "-displayfd", fd.c_str(), "-screen", "0",
                              "640x480x24", "-nolisten",  "tcp",      nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, ready[0]);
        const int failed =
            posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(ready[1]);
        if (failed != 0) {
            pid_ = 0;
            ::close(ready[0]);
            return;
        }
        // The server writes its display number once it is ready, or closes the pipe on failure.
        std::string number;
        char c = 0;
        while (::read(ready[0], &c, 1) == 1 && c != '\n') number.push_back(c);
        ::close(ready[0]);
        if (!number.empty()) display_ = ":" + number;
    }
    ~PrivateXServer() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    const std::string& Display() const { return display_; }

  private:
    pid_t pid_ = 0;
    std::string display_;
};

TEST(X11Screen, TheSnapshotKeepsTheScreenAsItWasAndTheViewKnowsWhereItIs) {
    PrivateXServer server;
    if (server.Display().empty()) GTEST_SKIP() << "no Xvfb to start an X server with";
    ::setenv("DISPLAY", server.Display().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    int argc = 1;
    char name[] = "x11_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));

    // A window of one colour at a known place; no window manager moves it.
    QWidget window(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(200, 30, 40));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setGeometry(100, 120, 200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(100);

    qtplatform::QtWindowServices services;
    ASSERT_TRUE(services.SnapshotScreen());
    // What shows later does not change the snapshot: it stays the desktop it was.
    window.move(300, 300);
    QTest::qWait(100);
    const std::optional<platform::ScreenPiece> whole =
        services.ReadScreenSnapshot(raster::Rect{0, 0, 640, 480});
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(whole->at, (raster::Point{0, 0}));
    ASSERT_EQ(whole->picture.Width(), 640);
    ASSERT_EQ(whole->picture.Height(), 480);
    EXPECT_EQ(whole->picture.Pixel(150, 170), raster::Rgb(200, 30, 40));
    EXPECT_EQ(whole->picture.Pixel(299, 219), raster::Rgb(200, 30, 40));
    EXPECT_NE(whole->picture.Pixel(50, 50), raster::Rgb(200, 30, 40));
    EXPECT_NE(whole->picture.Pixel(350, 350), raster::Rgb(200, 30, 40));

    // A piece past the screen's edges is cut to the screen; one wholly off it is none.
    const std::optional<platform::ScreenPiece> corner =
        services.ReadScreenSnapshot(raster::Rect{250, -50, 1000, 121});
    ASSERT_TRUE(corner.has_value());
    EXPECT_EQ(corner->at, (raster::Point{250, 0}));
    EXPECT_EQ(corner->picture.Width(), 390);
    EXPECT_EQ(corner->picture.Height(), 121);
    EXPECT_EQ(corner->picture.Pixel(49, 120), raster::Rgb(200, 30, 40));
    EXPECT_NE(corner->picture.Pixel(50, 120), raster::Rgb(200, 30, 40));
    EXPECT_NE(corner->picture.Pixel(49, 119), raster::Rgb(200, 30, 40));
    EXPECT_FALSE(services.ReadScreenSnapshot(raster::Rect{640, 0, 900, 100}).has_value());

    services.AttachView(&window, [](int) {});
    EXPECT_EQ(services.ViewScreenOrigin(), (raster::Point{300, 300}));
    services.Detach();
}

}  // namespace
