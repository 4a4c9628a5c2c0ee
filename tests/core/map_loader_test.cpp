// The map loader on real files: the chosen file, refusals that keep the current map, the
// picture, test loads, the screen checks, the notice, high-score texts and the view's commands.
#include <filesystem>
#include <memory>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/files.h"
#include "core/model/map_text.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "loader_fixture.h"

namespace {

using platform::MessageButtons;
using platform::MessageIcon;

// The tables say Isles is the current map.
void ExpectIslesCurrent() {
    EXPECT_EQ(g_mapName, "Isles         ");
    EXPECT_EQ(g_territoryCount, 3);
    EXPECT_EQ(g_continentCount, 2);
    EXPECT_EQ(g_neighbours[1], (NeighbourList{0, 2, 3}));
    EXPECT_EQ(g_neighbours[4], NeighbourList{});
    EXPECT_EQ(g_continentNames[2], "South");
    EXPECT_EQ(g_playerPanelX, 400);
    EXPECT_TRUE(g_isMapCustom);
}

TEST_F(LoaderTest, ChosenFileLoadsWhereverItIs) {
    const std::string path = WriteMap(elsewhere_, "Isles", kIslesText);
    const auto workingFolder = std::filesystem::current_path();
    g_isMapEurope = true;

    ASSERT_TRUE(LoadChosen(path));
    EXPECT_TRUE(Messages().empty());
    ExpectIslesCurrent();
    EXPECT_FALSE(g_isMapEurope);
    EXPECT_EQ(g_mapFilePath, path);
    EXPECT_EQ(g_mapBitmapPath, (elsewhere_ / "Isles.bmp").string());
    EXPECT_TRUE(g_isMapFileLoaded);
    EXPECT_FALSE(g_isTestMapPending);
    EXPECT_EQ(steps_.setups, 1);
    EXPECT_EQ(steps_.redraws, 1);
    EXPECT_EQ(std::filesystem::current_path(), workingFolder);
    ASSERT_EQ(dialogs_.Calls().size(), 1u);
    EXPECT_EQ(dialogs_.Calls()[0].filter, "Map Files (*.txt)|*.txt||");
}

TEST_F(LoaderTest, SecondMapFileIsSetUpAgain) {
    ASSERT_TRUE(LoadChosen(WriteMap(user_, "Isles", kIslesText)));
    const std::string dunes = WriteMap(elsewhere_, "Dunes", kDunesText);
    ASSERT_TRUE(LoadChosen(dunes));
    EXPECT_EQ(dialogs_.Calls()[1].initialPath, (user_ / "Isles.txt").string());
    EXPECT_EQ(g_mapName, "Dunes         ");
    EXPECT_EQ(g_territoryCount, 4);
    EXPECT_EQ(g_neighbours[3], (NeighbourList{0, 1, 4}));
    EXPECT_TRUE(g_wasMapSelected);
    EXPECT_EQ(steps_.setups, 2);
    EXPECT_EQ(steps_.redraws, 2);
}

TEST_F(LoaderTest, CancelChangesNothing) {
    const std::string isles = WriteMap(user_, "Isles", kIslesText);
    ASSERT_TRUE(LoadChosen(isles));
    dialogs_.ScriptOpen(std::nullopt);
    EXPECT_FALSE(LoadMapFile(Context()));
    EXPECT_TRUE(Messages().empty());
    ExpectIslesCurrent();
    EXPECT_EQ(g_mapFilePath, isles);
    EXPECT_EQ(steps_.setups, 1);
    EXPECT_TRUE(g_isMapFileLoaded) << "the map file stays current";
}

// Each faulty load is refused with its message and leaves Isles current, paths included.
TEST_F(LoaderTest, FaultyMapsKeepTheCurrentMap) {
    struct Case {
        const char* name;
        std::string text;
        bool picture;
        headless::MessageBoxCall message;
    };
    const auto mapError = MapFileError;
    const std::vector<Case> cases{
        {"missing file", "", false, mapError("Not Found")},
        {"no territories", "[continents]\n1 A 1\n", true, mapError("[territories]")},
        {"no continents", "[territories]\n1 a 0 0 2\n2 b 0 0 1\n", true, mapError("[continents]")},
        {"continent without border",
         "[continents]\n1 A 1 2\n1 B 3 4\n[territories]\n1 a 0 0 2\n2 b 0 0 1\n3 c 0 0 4\n"
         "4 d 0 0 3\n",
         true, mapError("Continent(s) without border countries ")},
        {"territory without neighbours", std::string(kDunesText) + "5 e 50 50\n", true,
         mapError("Territories(s) without border countries ")},
        {"21 members",
         "[continents]\n1 A 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21\n1 B 1\n"
         "[territories]\n1 a 0 0 2\n2 b 0 0 1\n",
         true, mapError("Continent(s) with more than 20 territories")},
        {"territory without x and y", std::string(kDunesText) + "5 e\n", true,
         mapError("Territory line(s) without x and y")},
        {"neighbour beyond the map", std::string(kDunesText) + "5 e 1 1 9\n", true,
         mapError("Neighbour(s) above the number of territories of the map")},
        {"label point far off the board",
         "[continents]\n1 A 1 2\n[territories]\n"
         "1 a 2147483647 0 2\n2 b 5 5 1\n",
         true, mapError("Territory line(s) with x and y outside the board")},
        {"file too large", std::string(kDunesText) + std::string(kMaxMapTextBytes, '\n'), true,
         mapError("File too large")},
        {"picture missing",
         kDunesText,
         false,
         {"Not Found / Illegal Format", "Map bmp File Error", MessageButtons::Ok,
          MessageIcon::Error}},
    };
    const std::string isles = WriteMap(user_, "Isles", kIslesText);
    ASSERT_TRUE(LoadChosen(isles));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform_.window.messageBoxes.clear();
        const std::string path = (elsewhere_ / "Faulty.txt").string();
        std::filesystem::remove(path);
        std::filesystem::remove(elsewhere_ / "Faulty.bmp");
        if (c.name != std::string("missing file"))
            WriteMap(elsewhere_, "Faulty", c.text, c.picture);
        EXPECT_FALSE(LoadChosen(path));
        EXPECT_EQ(Messages(), std::vector<headless::MessageBoxCall>{c.message});
        ExpectIslesCurrent();
        EXPECT_EQ(g_mapFilePath, isles);
        EXPECT_EQ(g_mapBitmapPath, (user_ / "Isles.bmp").string());
        EXPECT_TRUE(g_isMapFileLoaded) << "without it the next rebuild drops the map";
        EXPECT_EQ(steps_.setups, 1);
    }
}

TEST_F(LoaderTest, PictureThatIsNoBitmapIsRefused) {
    const std::string path = WriteMap(elsewhere_, "Dunes", kDunesText, false);
    Write(elsewhere_, "Dunes.bmp", "BM this is no picture");
    g_isMapWorld = true;
    EXPECT_FALSE(LoadChosen(path));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, "Map bmp File Error");
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_EQ(g_territoryCount, 0) << "the tables are as they were";
}

TEST_F(LoaderTest, LargeScreenTakesItsOwnPicture) {
    g_screenSize = 3;
    const std::string path = WriteMap(elsewhere_, "Dunes", kDunesText);
    EXPECT_FALSE(LoadChosen(path));
    EXPECT_EQ(Messages(), (std::vector<headless::MessageBoxCall>{
                              {"Please set the Screen Size (Marovek Settings) to 1024x768.\n"
                               " (Custom map of fixed size)",
                               "Marovek", MessageButtons::Ok, MessageIcon::None}}));
    std::filesystem::copy_file(elsewhere_ / "Dunes.bmp", elsewhere_ / "Dunes_2.bmp");
    EXPECT_TRUE(LoadChosen(path));
    EXPECT_EQ(g_mapBitmapPath, (elsewhere_ / "Dunes_2.bmp").string());
}

TEST_F(LoaderTest, PicturePathReplacesTheExtensionOnly) {
    EXPECT_EQ(MapPicturePath("/a/b/Isles.txt", 2), "/a/b/Isles.bmp");
    EXPECT_EQ(MapPicturePath("/a/b/Isles.txt", 3), "/a/b/Isles_2.bmp");
    EXPECT_EQ(MapPicturePath("/a/b.d/Isles", 1), "/a/b.d/Isles.bmp");
    EXPECT_EQ(MapPicturePath("/a/map.text", 2), "/a/map.bmp");
}

TEST_F(LoaderTest, TestLoadShowsAFaultyMapThatCannotBePlayed) {
    g_isUserMapLoad = true;
    const std::string faulty =
        WriteMap(elsewhere_, "Faulty", std::string(kDunesText) + "5 e 50 50\n");
    ASSERT_TRUE(LoadChosen(faulty));
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(g_isMapCustom);
    EXPECT_EQ(g_territoryCount, 5);
    EXPECT_FALSE(g_isMapFileLoaded);
    EXPECT_TRUE(g_isTestMapPending);
    EXPECT_EQ(steps_.setups, 1);

    // A map the tables cannot hold is refused in a test load too.
    const std::string broken = WriteMap(elsewhere_, "Broken", std::string(kDunesText) + "5 e\n");
    EXPECT_FALSE(LoadChosen(broken));
    EXPECT_EQ(Messages(), std::vector{MapFileError("Territory line(s) without x and y")});
    EXPECT_EQ(g_territoryCount, 5);
    EXPECT_EQ(g_mapFilePath, faulty);
}

// A text without continents or territories has no map to show, even to its author.
TEST_F(LoaderTest, TestLoadOfAnEmptyTextKeepsTheCurrentMap) {
    const std::string isles = WriteMap(user_, "Isles", kIslesText);
    ASSERT_TRUE(LoadChosen(isles));
    g_isUserMapLoad = true;
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "[territories]"},
        {"[map]\nHollow\n[continents]\n[territories]\n", "[territories]"},
        {"[territories]\n1 a 1 1 2\n2 b 2 2 1\n", "[continents]"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        platform_.window.messageBoxes.clear();
        EXPECT_FALSE(LoadChosen(WriteMap(elsewhere_, "Hollow", text)));
        EXPECT_EQ(Messages(), std::vector{MapFileError(message)});
        ExpectIslesCurrent();
        EXPECT_EQ(g_mapFilePath, isles);
        EXPECT_TRUE(g_isMapFileLoaded);
        EXPECT_FALSE(g_isTestMapPending);
    }
}

TEST_F(LoaderTest, ScreenTooSmallStopsBothLoaders) {
    struct Case {
        int width, size;
        const char* message;
    };
    for (const Case& c : {Case{800, 2, kResolutionMessage}, Case{1280, 1, kScreenSizeMessage}}) {
        SCOPED_TRACE(c.message);
        g_screenWidth = c.width;
        g_screenSize = c.size;
        platform_.window.messageBoxes.clear();
        EXPECT_FALSE(LoadMapFile(Context()));
        EXPECT_FALSE(LoadCampaign(Context()));
        const headless::MessageBoxCall expected{c.message, "Marovek", MessageButtons::Ok,
                                                MessageIcon::None};
        EXPECT_EQ(Messages(), (std::vector{expected, expected}));
        EXPECT_TRUE(dialogs_.Calls().empty());
    }
}

TEST_F(LoaderTest, CreatingMapsNoticeOnlyForTheUsersOwnChoice) {
    const std::string isles = WriteMap(user_, "Isles", kIslesText);
    g_hideCreatingMapsNotice = false;
    steps_.noticeAnswer = false;
    ASSERT_TRUE(LoadChosen(isles));
    EXPECT_EQ(steps_.notices, 1);
    EXPECT_EQ(steps_.saves, 0) << "an unchanged box saves nothing";

    steps_.noticeAnswer = true;
    ASSERT_TRUE(LoadChosen(isles));
    EXPECT_EQ(steps_.notices, 2);
    EXPECT_EQ(steps_.saves, 1);
    EXPECT_TRUE(g_hideCreatingMapsNotice);
    ASSERT_TRUE(LoadChosen(isles));
    EXPECT_EQ(steps_.notices, 2);

    g_hideCreatingMapsNotice = false;
    g_isJustOpened = 'j';
    ASSERT_TRUE(LoadMapFile(Context()));
    g_isJustOpened = 'n';
    g_gameKind = 3;
    g_mapName = "Isles         ";
    ASSERT_TRUE(LoadMapFile(Context()));
    EXPECT_EQ(steps_.notices, 2);
}

TEST_F(LoaderTest, OpenedGameAndJoiningMachineLoadTheNamedFile) {
    const std::string isles = WriteMap(user_, "Isles", kIslesText);
    g_isJustOpened = 'j';
    g_mapFilePath = isles;
    ASSERT_TRUE(LoadMapFile(Context()));
    ExpectIslesCurrent();
    EXPECT_EQ(steps_.setups, 1);
    EXPECT_EQ(steps_.redraws, 0) << "Open draws the board itself";

    g_isJustOpened = 'n';
    g_gameKind = 3;
    g_mapFilePath = "/nowhere/else.txt";
    g_mapName = "Isles         ";
    ASSERT_TRUE(LoadMapFile(Context()));
    EXPECT_EQ(g_mapFilePath, isles);
    EXPECT_TRUE(dialogs_.Calls().empty());

    // A host cannot name a file outside the user files folder.
    WriteMap(root_, "Outside", kDunesText);
    g_mapName = "../Outside    ";
    EXPECT_FALSE(LoadMapFile(Context()));
    EXPECT_EQ(Messages(), std::vector{MapFileError("Not Found")});
    EXPECT_EQ(g_mapFilePath, isles);
    EXPECT_EQ(g_territoryCount, 3);
}

TEST_F(LoaderTest, OpenedGameWithoutItsPictureFallsBackToWorld) {
    g_isJustOpened = 'j';
    g_mapFilePath = WriteMap(user_, "Dunes", kDunesText, false);
    g_isMapCustom = true;
    EXPECT_FALSE(LoadMapFile(Context()));
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_FALSE(g_isMapCustom);
    EXPECT_EQ(steps_.setups, 1);
    EXPECT_EQ(platform_.window.invalidations, 1);
}

TEST_F(LoaderTest, HighScoreGamePlaysOnlyBuiltInTexts) {
    g_isHighScoreGame = true;
    const std::string missing = WriteMap(elsewhere_, "Isles", kIslesText);
    EXPECT_FALSE(LoadChosen(missing));
    EXPECT_EQ(Messages(), (std::vector{MapFileError("Map downloads Top 5 Map Not Found"),
                                       MapFileError("Not Found")}));

    // The served text is parsed; the picture still comes from beside the chosen name.
    const std::string paris = (elsewhere_ / "ParisByNight.txt").string();
    Write(elsewhere_, "ParisByNight.bmp", [] {
        const auto bmp = raster::WriteBmp(raster::Surface(2, 2));
        return std::string(bmp.begin(), bmp.end());
    }());
    ASSERT_TRUE(LoadChosen(paris)) << (Messages().size() > 2 ? Messages()[2].text : "");
    EXPECT_EQ(steps_.served, (std::vector<std::string>{"Isles.txt", "ParisByNight.txt"}));
    EXPECT_EQ(g_mapName, "ParisByNight  ");
    EXPECT_EQ(g_territoryCount, 21);
}

class ViewLoaderTest : public LoaderTest {
  protected:
    void SetUp() override {
        view_ = std::make_unique<CChildView>(platform_.platform);
        LoaderTest::SetUp();
    }
    std::unique_ptr<CChildView> view_;
};

TEST_F(ViewLoaderTest, MenuCommandsLoadAndTestMapFiles) {
    const std::string isles = WriteMap(elsewhere_, "Isles", kIslesText);
    dialogs_.ScriptOpen(isles);
    g_mapBitmap = raster::Surface(4, 4);
    view_->OnLoadMap();
    ExpectIslesCurrent();
    EXPECT_TRUE(g_isMapFileLoaded);
    EXPECT_EQ(g_freshMapMarker, "0") << "the map was set up";
    EXPECT_TRUE(g_mapBitmap.Empty());
    EXPECT_GE(platform_.window.invalidations, 1);

    // Cancelled, Test Custom Map leaves the map and the test mode as they were.
    dialogs_.ScriptOpen(std::nullopt);
    view_->OnTestCustomMap();
    EXPECT_TRUE(g_isMapCustom);
    EXPECT_FALSE(g_isTestCustomMap);
    EXPECT_FALSE(g_showTestMarkers);
    EXPECT_TRUE(g_isUserMapLoad);

    dialogs_.ScriptOpen(WriteMap(elsewhere_, "Dunes", kDunesText));
    view_->OnTestCustomMap();
    EXPECT_EQ(g_mapName, "Dunes         ");
    EXPECT_TRUE(g_isMapCustom);
    EXPECT_TRUE(g_isTestCustomMap);
    EXPECT_TRUE(g_showTestMarkers);
    EXPECT_TRUE(g_isTestMapPending);

    // Without a file dialog nothing can be chosen.
    LoaderContext noDialogs = Context();
    noDialogs.fileDialogs = nullptr;
    EXPECT_FALSE(LoadMapFile(noDialogs));
    EXPECT_EQ(g_mapName, "Dunes         ");
    EXPECT_EQ(dialogs_.Calls().size(), 3u);
}

// A refused Load a Map leaves a playable map file whole through the next rebuild of the board.
TEST_F(ViewLoaderTest, RefusedLoadKeepsTheMapFileOnTheBoard) {
    g_isUserMapLoad = false;  // as New Game loads it
    dialogs_.ScriptOpen(WriteMap(elsewhere_, "Isles", kIslesText));
    view_->OnLoadMap();
    view_->RebuildBoard();
    ASSERT_TRUE(g_isMapCustom);

    g_isUserMapLoad = true;
    dialogs_.ScriptOpen(WriteMap(elsewhere_, "Off",
                                 "[continents]\n1 A 1 2\n[territories]\n"
                                 "1 a 2000 5 2\n2 b 5 5 1\n"));
    view_->OnLoadMap();
    view_->RebuildBoard();
    EXPECT_TRUE(g_isMapCustom) << "the board still shows the map file";
    ExpectIslesCurrent();
}

}  // namespace
