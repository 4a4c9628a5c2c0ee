// A game view on the headless platform in a temporary home, the map commands' expectations and
// a look at which map the board's tables hold.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/session_state.h"
#include "core/turn/queues.h"
#include "maps/map_content.h"
#include "maps/map_texts.h"
#include "tests/support/view_fixture.h"

namespace mapsel_test {

// The flags that are set, by map name ("custom" for a map file).
inline std::vector<std::string> SetFlags() {
    std::vector<std::string> set;
    for (const BuiltinMap& map : BuiltinMaps())
        if (*map.flag) set.emplace_back(map.name);
    if (g_isMapCustom) set.emplace_back("custom");
    return set;
}

class MapselFixture : public test_support::ViewFixture {
  protected:
    MapselFixture() : ViewFixture("mapsel") {}
    void SetUp() override {
        ViewFixture::SetUp();
        g_isDemoRunning = false;
        g_canChangeMap = true;
        g_deferSlowCommands = false;
    }
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
};

}  // namespace mapsel_test
