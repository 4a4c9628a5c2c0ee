// What the game view asks of the window that hosts it: repaint, timer, message boxes, cursor,
// capture, status bar, title, popup menu, quitting and the screen behind the window.
#pragma once

#include <optional>
#include <string>

#include "platform/raster/surface.h"

namespace platform {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Information, Exclamation, Error, Question };
// The values are the ones the game compares answers with.
enum class MessageAnswer { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

// The screen the window lives on, as the game sizes itself by it.
struct ScreenMetrics {
    int width = 1024;
    int height = 768;
    int captionHeight = 22;    // height of a window's title bar
    int menuButtonWidth = 18;  // above 22 means large system fonts
    int logicalDpi = 96;
};

// A piece of the screen snapshot: its pixels and where its top-left pixel lies on the screen.
struct ScreenPiece {
    raster::Surface picture;
    raster::Point at;
};

// Cuts `area` (screen coordinates) out of a picture of the whole screen, clipped to it; nullopt
// when nothing of `area` lies on it.
std::optional<ScreenPiece> CutScreenPiece(const raster::Surface& screen, const raster::Rect& area);

class WindowServices {
  public:
    virtual ~WindowServices() = default;

    virtual ScreenMetrics Screen() const = 0;

    // Asks for the whole game view to be painted again.
    virtual void Invalidate() = 0;
    virtual void SetTimer(int id, int periodMs) = 0;
    virtual void KillTimer(int id) = 0;

    virtual MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                     MessageButtons buttons, MessageIcon icon) = 0;
    virtual void Beep() = 0;

    // Counts like the system's cursor display counter: the cursor shows while the count is >= 0.
    // Returns the new count.
    virtual int ShowCursor(bool show) = 0;
    virtual void SetWaitCursor(bool wait) = 0;
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;

    // paneId 0 is the status-text pane; 163 the losses pane, 164 the cards pane.
    virtual void SetStatusPane(int paneId, const std::string& text) = 0;
    virtual void SetWindowTitle(const std::string& title) = 0;
    // The toolbars' rebar: disabled while an opened game waits to be continued.
    virtual void EnableToolbars(bool enable) = 0;

    // Shows popup menu `menuIndex` of the menu bar at (x, y) in view coordinates; the chosen
    // command is delivered as a command like a menu choice.
    virtual void TrackPopupMenu(int menuIndex, int x, int y) = 0;

    // Shows the main window as an icon; its dialogs stay as they are.
    virtual void MinimiseMainWindow() = 0;

    // Ends the program's message loop.
    virtual void Quit() = 0;

    // Keeps a snapshot of the whole screen as it shows now, replacing one taken before; false
    // where the window system does not let a program read the screen. Taken before the main
    // window shows, it is the desktop behind it. The window system holds it where it can, so a
    // screen-sized picture costs the program neither the time to fetch it nor its memory.
    virtual bool SnapshotScreen() = 0;
    // The part of the snapshot inside `area` (screen coordinates), clipped to the screen;
    // nullopt when no snapshot was taken or `area` lies wholly off the screen.
    virtual std::optional<ScreenPiece> ReadScreenSnapshot(const raster::Rect& area) const = 0;
    // Where the view's top-left pixel lies on the screen.
    virtual raster::Point ViewScreenOrigin() const = 0;
};

}  // namespace platform
