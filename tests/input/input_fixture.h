// A game view on the headless platform with a small composed board: four territories in a
// two-by-two block and an island in the sea, drawn as the board painters leave them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/input/board_input.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/rules/army_count.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "shell/settings.h"
#include "tests/rules/rules_fixture.h"
#include "tests/turn/turn_fixture.h"

namespace input_test {

inline constexpr raster::Colour kWhite = 0xFFFFFF;
inline constexpr raster::Colour kGrey = 0x808080;

// Territories 1 (top left), 2 (top right), 3 (bottom left), 4 (bottom right) share grey borders
// at x = 100 and y = 100; territory 5 is an island at x 220..280, y 10..70 across the sea.
struct Label {
    int x;
    int y;
};
inline constexpr Label kLabels[] = {{0, 0}, {55, 55}, {145, 55}, {55, 145}, {145, 145}, {250, 40}};

// Painted territories: their owners' colours, none of them grey or near-grey.
inline constexpr raster::Colour kLand[] = {0,
                                           raster::Rgb(200, 40, 40),
                                           raster::Rgb(40, 40, 200),
                                           raster::Rgb(40, 160, 40),
                                           raster::Rgb(200, 200, 40),
                                           raster::Rgb(160, 40, 160)};

inline void FrameBox(int left, int top, int right, int bottom, raster::Colour land) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const bool edge = x == left || x == right || y == top || y == bottom;
            g_mapDC.SetPixel(x, y, edge ? kGrey : land);
        }
    }
}

inline void ComposeBoard() {
    g_mapDC = raster::Surface(300, 200, 0);
    FrameBox(10, 10, 100, 100, kLand[1]);
    FrameBox(100, 10, 190, 100, kLand[2]);
    FrameBox(10, 100, 100, 190, kLand[3]);
    FrameBox(100, 100, 190, 190, kLand[4]);
    FrameBox(220, 10, 280, 70, kLand[5]);
}

// The point of a label on the composed board (medium screen: label units are pixels).
inline std::pair<int, int> LabelPoint(int t) {
    return {kLabels[t].x, kLabels[t].y};
}

class InputFixture : public turn_test::TurnFixture {
  protected:
    void SetUp() override {
        TurnFixture::SetUp();
        EmptyQueues();
        // No map of the catalogue: the board is the one composed here.
        ClearMapFlags();
        g_screenSize = 2;
        g_screenWidth = 1280;
        g_screenHeight = 1024;
        rules_test::BuildBoard(5, {{1, 2}, {1, 3}, {2, 4}, {3, 4}, {2, 5}},
                               {{{1, 2}, 3, {}}, {{3, 4, 5}, 2, {}}});
        for (int t = 1; t <= 5; ++t) {
            g_labelPositions[t] = {kLabels[t].x, kLabels[t].y};
            g_territoryPicked[t] = 'n';
            g_territoryHighlight[t] = 'n';
        }
        ComposeBoard();
        g_roundCounter = 10;
        g_reinforcementDivisor = 3;
        g_isFastSpeed = false;
    }

    // The owners and armies of territories 1..5.
    void SetBoard(std::vector<std::pair<int, int>> board) {
        for (std::size_t i = 0; i < board.size(); ++i)
            rules_test::Own(static_cast<int>(i) + 1, board[i].first, board[i].second);
        rules_test::CountPlayers();
        g_displayedTerritories = g_territories;
    }

    void Click(int t) {
        const auto [x, y] = LabelPoint(t);
        View().OnLButtonDown(x, y);
    }

    // The next "Armies" window chooses its entry `index` (the list as the phase offers it).
    void ChooseEntry(int index) {
        platform_->dialogs.Script(ClegersDlg::kIdd,
                                  {headless::ScriptStep::Select(ClegersDlg::kIdList, index),
                                   headless::ScriptStep::Click(kIdOk)});
    }

    int Beeps() const { return platform_->window.beeps; }
    std::vector<std::string> Messages() const { return rules_test::MessageTexts(); }
    int Armies(int t) const { return g_territories[t].armies; }
    std::size_t PendingScripts() const { return platform_->dialogs.PendingScripts(); }
};

}  // namespace input_test
