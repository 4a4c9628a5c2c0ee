// The game view: the board, every game command and click. It holds no game fields (the game's
// state is process-wide); it holds its dialogs, sockets and the platform it reaches out through.
// Its member functions are defined in the folder of the subsystem each belongs to.
#pragma once

#include <cstdint>
#include <string>

#include "core/command_ui.h"
#include "platform/platform.h"
#include "platform/raster/surface.h"

namespace platform {
class FileDialogs;
}

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
    // Key presses by the system's virtual-key code (F2 = 113).
    void OnKeyDown(int virtualKey);

    // Commands by id (menu, toolbar, keys). OnCommand answers false for an id the view does not
    // handle; OnUpdateCommand fills the item's state and answers false likewise.
    bool OnCommand(int id);
    bool OnUpdateCommand(int id, CmdUI& ui);

    // Settings file (shell/settings.cpp).
    void LoadSettings();
    void SaveSettings();

    // Status line (the text the idle handler copies into the status bar).
    void ShowStatus(const std::string& text);

    // Map texts and campaign files (core/map_text.cpp, core/campaign_file.cpp).
    void ParseMapText(std::int32_t* result);
    void FindContinentOfTerritory(std::int32_t territory, std::int32_t* continent);
    void ParseCampaignFile(std::int32_t* result);
    void AdvanceCampaign();
    // Map and campaign loaders (core/map_loader.cpp, core/campaign_loader.cpp).
    void OnLoadMap();
    void OnTestCustomMap();
    void LoadCampaignFile();
    // The open-file dialog of the loaders, until the platform bundle carries it; without one
    // every file dialog counts as cancelled.
    void SetFileDialogs(platform::FileDialogs* dialogs) { fileDialogs_ = dialogs; }

    // Built-in maps: sizes, names, texts and set-ups (maps/). A set-up or text answers false when
    // its map's content is missing or refused; the set-up then leaves World set up instead.
    void SetBuiltinMapSize();
    void SetContinentNames();
    void FallBackToWorld();
    void ResetTerritories();
    void ResetGame();
    bool SetupMapWorld();
    bool SetupMapEurope();
    bool SetupMapNorthAmerica();
    bool SetupMapRealWorld();
    bool SetupMapJapanKorea();
    bool SetupMapAustralia();
    bool SetupMapScandinavia();
    bool SetupMapWorms();
    bool SetupMapChina();
    bool SetupMapGreatBritain();
    bool SetupMapLinesII();
    bool SetupMapSwamp();
    bool SetupMapThreeNationsA();
    bool SetupMapThreeNationsB();
    bool SetupMapSwampII();
    bool AddBuiltinMapTextUSA();
    bool AddBuiltinMapTextEurope2();
    bool AddBuiltinMapTextMiddleEarth();
    bool AddBuiltinMapTextAfrica();
    bool AddBuiltinMapTextAloneInACrowd();
    bool AddBuiltinMapTextAtlantis2();
    bool AddBuiltinMapTextAtlantis();
    bool AddBuiltinMapTextDoom();
    bool AddBuiltinMapTextDragonWarrior();
    bool AddBuiltinMapTextE2();
    bool AddBuiltinMapTextHexGoneCrazy();
    bool AddBuiltinMapTextIreland();
    bool AddBuiltinMapTextLines();
    bool AddBuiltinMapTextNeighbourhood();
    bool AddBuiltinMapTextOK83();
    bool AddBuiltinMapTextRings();
    bool AddBuiltinMapTextRomania();
    bool AddBuiltinMapTextCoconutz();
    bool AddBuiltinMapTextSwampII();
    bool AddBuiltinMapTextJustNeedTwo();
    bool AddBuiltinMapTextRussia();
    bool AddBuiltinMapTextWorldII();
    bool AddBuiltinMapTextParisByNight();
    bool AddBuiltinMapTextFrance();
    bool AddBuiltinMapText107();

  private:
    platform::Platform& platform_;
    platform::FileDialogs* fileDialogs_ = nullptr;
};
