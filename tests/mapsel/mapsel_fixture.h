// A game view on the headless platform in a temporary home, the map commands' expectations and
// a look at which map the board's tables hold.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/child_view.h"
#include "core/game_state.h"
#include "core/queues.h"
#include "core/session_state.h"
#include "maps/map_catalogue.h"
#include "maps/map_content.h"
#include "maps/map_state.h"
#include "maps/map_texts.h"
#include "platform/headless/test_platform.h"
#include "render/render_state.h"
#include "shell/storage.h"

namespace mapsel_test {

inline std::string MakeTemporaryFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "marovek-mapsel-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

// True when the map's own contents are there, so that its set-up does not fall back to World.
inline bool HasOwnContents(const BuiltinMap& map) {
    if (!map.continentRuns.empty()) return IsContentComplete(ContentOf(map), map);
    for (const BuiltinMapText& text : BuiltinMapTexts())
        if (text.append == &CChildView::AddBuiltinMapTextSwampII) return IsMapTextComplete(text);
    return false;
}

// The map a set-up of `map` leaves: itself, or World when its contents are missing.
inline const BuiltinMap& ExpectedMap(const BuiltinMap& map) {
    return HasOwnContents(map) ? map : *BuiltinMapByFlag(&g_isMapWorld);
}

// The flags that are set, by map name ("custom" for a map file).
inline std::vector<std::string> SetFlags() {
    std::vector<std::string> set;
    for (const BuiltinMap& map : BuiltinMaps())
        if (*map.flag) set.emplace_back(map.name);
    if (g_isMapCustom) set.emplace_back("custom");
    return set;
}

class MapselFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        home_ = MakeTemporaryFolder();
        platform_ = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home_}}, home_);
        view_ = std::make_unique<CChildView>(platform_->platform);
        g_isDemoRunning = false;
        g_canChangeMap = true;
        g_deferSlowCommands = false;
    }
    void TearDown() override {
        view_.reset();
        platform_.reset();
        std::filesystem::remove_all(home_);
    }

    CChildView& View() { return *view_; }
    headless::RecordingWindow& Window() { return platform_->window; }

    // `flag` selected and wholly set up, the board marked as painted since.
    void SelectAndSetUp(bool& flag) {
        ClearMapFlags();
        flag = true;
        View().SetupSelectedMap();
        MarkPainted();
    }
    // What a paint leaves, so that a set-up afterwards shows.
    static void MarkPainted() {
        g_freshMapMarker = "1";
        g_mapBitmap = raster::Surface(4, 4);
    }
    static bool WasSetUpAgain() { return g_freshMapMarker == "0" && g_mapBitmap.Empty(); }

    bool StatusWasShown(const std::string& text) const {
        for (const std::string& shown : platform_->window.statusTextsSet)
            if (shown == text) return true;
        return false;
    }

    std::string home_;
    std::unique_ptr<headless::TestPlatform> platform_;
    std::unique_ptr<CChildView> view_;
};

}  // namespace mapsel_test
