// The game view: the board, every game command and click. It holds no game fields (the game's
// state is process-wide); it holds its dialogs, sockets and the platform it reaches out through.
// Its member functions are defined in the folder of the subsystem each belongs to.
#pragma once

#include <string>

#include "core/command_ui.h"
#include "platform/platform.h"
#include "platform/raster/surface.h"

class CChildView {
  public:
    // The program's own start-up (shell/view_construction.cpp).
    explicit CChildView(platform::Platform& platform);
    ~CChildView();
    CChildView(const CChildView&) = delete;
    CChildView& operator=(const CChildView&) = delete;

    platform::Platform& Platform() { return platform_; }

    // Events forwarded by the window that hosts the view.
    void OnPaint(raster::Surface& target);
    void OnTimer(int id);
    void OnLButtonDown(int x, int y);
    void OnMouseMove(int x, int y);
    void OnSetFocus();
    void OnContextMenu(int x, int y);

    // Commands by id (menu, toolbar, keys). OnCommand answers false for an id the view does not
    // handle; OnUpdateCommand fills the item's state and answers false likewise.
    bool OnCommand(int id);
    bool OnUpdateCommand(int id, CmdUI& ui);

    // Settings file (shell/settings.cpp).
    void LoadSettings();
    void SaveSettings();

    // Status line (the text the idle handler copies into the status bar).
    void ShowStatus(const std::string& text);

  private:
    platform::Platform& platform_;
};
