// Window services that record what the game asked of its window and answer from a script.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_services.h"

namespace headless {

struct MessageBoxCall {
    std::string text;
    std::string caption;
    platform::MessageButtons buttons;
    platform::MessageIcon icon;
    bool operator==(const MessageBoxCall&) const = default;
};

struct PopupCall {
    int menuIndex;
    int x;
    int y;
    bool operator==(const PopupCall&) const = default;
};

class RecordingWindow : public platform::WindowServices {
  public:
    explicit RecordingWindow(platform::ScreenMetrics screen = {}) : screen_(screen) {}

    platform::ScreenMetrics Screen() const override { return screen_; }
    void SetScreen(const platform::ScreenMetrics& screen) { screen_ = screen; }

    void Invalidate() override { ++invalidations; }
    void SetTimer(int id, int periodMs) override { timers[id] = periodMs; }
    void KillTimer(int id) override { timers.erase(id); }

    // Answers with the next scripted answer; without one, the first button (Ok or Yes, or
    // Retry for Retry/Cancel).
    platform::MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                       platform::MessageButtons buttons,
                                       platform::MessageIcon icon) override;
    void ScriptAnswer(platform::MessageAnswer answer) { answers_.push_back(answer); }
    std::size_t PendingAnswers() const { return answers_.size(); }
    void Beep() override { ++beeps; }

    int ShowCursor(bool show) override { return cursorCount += show ? 1 : -1; }
    void SetWaitCursor(bool wait) override { isWaitCursor = wait; }
    void SetCapture() override { hasCapture = true; }
    void ReleaseCapture() override { hasCapture = false; }

    void SetStatusPane(int paneId, const std::string& text) override;
    void SetWindowTitle(const std::string& text) override { title = text; }
    void EnableToolbars(bool enable) override { areToolbarsEnabled = enable; }
    void TrackPopupMenu(int menuIndex, int x, int y) override {
        popups.push_back({menuIndex, x, y});
    }
    void MinimiseMainWindow() override { ++minimisations; }
    void Quit() override { hasQuit = true; }
    bool SnapshotScreen() override {
        ++screenSnapshots;
        snapshot_ = screenPicture;
        return snapshot_.has_value();
    }
    std::optional<platform::ScreenPiece> ReadScreenSnapshot(
        const raster::Rect& area) const override {
        if (!snapshot_) return std::nullopt;
        return platform::CutScreenPiece(*snapshot_, area);
    }
    raster::Point ViewScreenOrigin() const override { return viewOrigin; }

    // What was asked, in the open for tests to read.
    int invalidations = 0;
    std::map<int, int> timers;  // running timers: id -> period
    std::vector<MessageBoxCall> messageBoxes;
    int beeps = 0;
    int cursorCount = 0;
    bool isWaitCursor = false;
    bool hasCapture = false;
    std::map<int, std::string> statusPanes;   // the text each pane shows now
    std::vector<std::string> statusTextsSet;  // every text given to pane 0, in order
    std::string title;
    bool areToolbarsEnabled = true;
    std::vector<PopupCall> popups;
    int minimisations = 0;
    bool hasQuit = false;
    // What the screen shows (none: the system lets nobody read it) and where the view is on it.
    std::optional<raster::Surface> screenPicture;
    raster::Point viewOrigin;
    int screenSnapshots = 0;  // how often the screen was kept

  private:
    platform::ScreenMetrics screen_;
    std::optional<raster::Surface> snapshot_;  // the screen as it showed when it was kept
    std::deque<platform::MessageAnswer> answers_;
};

}  // namespace headless
