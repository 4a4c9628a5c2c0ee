// The shipped map files of the imagined map texts as a new user meets them: copied into the
// user's files folder at start, opened with Load a Map and in a high-score game, their pictures
// sound at both sizes.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/child_view.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_loader.h"
#include "core/model/map_text.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "maps/map_content.h"
#include "maps/map_texts.h"
#include "maps/validate_picture.h"
#include "platform/headless/test_platform.h"
#include "platform/raster/bmp.h"
#include "tests/imagined/new_user_fixture.h"
#include "tools/mapgen/board_rules.h"

namespace {

using map_files_test::ReadCheckedPicture;
using map_files_test::ReadFile;
using NewUser = map_files_test::NewUserFixture;

// The imagined texts and ParisByNight, whose picture is drawn around its given lines.
const char* const kTexts[] = {"MiddleEarth", "AloneInACrowd", "Atlantis2",    "Atlantis",
                              "Doom",        "DragonWarrior", "e2",           "Hex_gone_crazy",
                              "Lines",       "Neighbourhood", "OK83",         "Rings",
                              "coconutz",    "JustNeedTwo",   "ParisByNight", "107"};

// The copies in the user's folder are the shipped files; each text is the one the game serves.
TEST_F(NewUser, FindsEveryMapFileInTheUsersFolder) {
    const std::filesystem::path user = g_userFilesFolder;
    const std::filesystem::path shipped = std::filesystem::path(MAROVEK_RES_DIR) / "mapfiles";
    for (const char* name : kTexts) {
        SCOPED_TRACE(name);
        for (const std::string suffix : {".txt", ".bmp", "_2.bmp"}) {
            const std::string file = name + suffix;
            ASSERT_TRUE(std::filesystem::exists(user / file)) << file;
            EXPECT_EQ(ReadFile(user / file), ReadFile(shipped / file)) << file;
        }
        g_mapTextBuffer.clear();
        ASSERT_TRUE(maps::AppendBuiltinMapText(*BuiltinMapTextByName(name)));
        std::string served;
        for (const std::string& line : g_mapTextBuffer) served += line + "\n";
        EXPECT_EQ(ReadFile(user / (std::string(name) + ".txt")), served);
    }
}

// Load a Map, then a high-score game, on each: the map is current and playable, nothing refused.
TEST_F(NewUser, LoadsEveryMapFileAndPlaysItInAHighScoreGame) {
    for (const bool highScore : {false, true}) {
        for (const char* name : kTexts) {
            SCOPED_TRACE(std::string(name) + (highScore ? " high score" : ""));
            g_isHighScoreGame = highScore;
            g_screenSize = highScore ? 3 : 2;
            platform_->fileDialogs.ScriptOpen(
                (std::filesystem::path(g_userFilesFolder) / (std::string(name) + ".txt")).string());
            view_->OnLoadMap();
            EXPECT_TRUE(platform_->window.messageBoxes.empty())
                << platform_->window.messageBoxes.front().text;
            EXPECT_TRUE(g_isMapFileLoaded);
            EXPECT_TRUE(g_isMapCustom);
            EXPECT_EQ(g_territoryCount, BuiltinMapTextByName(name)->territories);
            EXPECT_EQ(g_mapName.substr(0, std::min<std::size_t>(13, std::string(name).size())),
                      std::string(name).substr(0, 13));
        }
    }
}

// The pictures read back from the shipped files keep every drawing rule at their size.
TEST_F(NewUser, ShippedPicturesKeepTheDrawingRules) {
    const std::filesystem::path shipped = std::filesystem::path(MAROVEK_RES_DIR) / "mapfiles";
    for (const char* name : kTexts) {
        SCOPED_TRACE(name);
        const BuiltinMapText& text = *BuiltinMapTextByName(name);
        g_mapTextBuffer.clear();
        ASSERT_TRUE(maps::AppendBuiltinMapText(text));
        ASSERT_EQ(ParseMapTextBuffer(), map_text_result::kAccepted);
        std::vector<TerritoryContent> territories;
        for (int t = 1; t <= g_territoryCount; ++t) {
            TerritoryContent tc{
                g_territoryCodes[t], g_labelPositions[t].x, g_labelPositions[t].y, {}};
            std::copy(g_neighbours[t].begin() + 1, g_neighbours[t].end(), tc.neighbours.begin());
            territories.push_back(tc);
        }
        const CodeMapContent content{territories, {}, {}};
        const mapgen::LabelArt art(content);
        for (const auto& [size, file] : {std::pair{2, ".bmp"}, std::pair{3, "_2.bmp"}}) {
            const auto picture =
                ReadCheckedPicture(shipped / (std::string(name) + file), content, art, size);
            ASSERT_TRUE(picture.has_value());
        }
    }
}

}  // namespace
