// The game view's construction and destruction as the program starts and ends.
#include <array>
#include <filesystem>
#include <fstream>

#include "core/model/board_picture.h"
#include "core/model/files.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/services/network.h"
#include "newgame_fixture.h"
#include "platform/raster/bmp.h"
#include "render/pictures.h"
#include "shell/frame_layout.h"

namespace newgame_test {
namespace {

using ViewConstruction = NewGameFixture;

TEST_F(ViewConstruction, StartsWithWorldPresetQueuesAndItsFiles) {
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_EQ(g_territoryCount, 42);
    EXPECT_NE(g_neighbours[1][1], 0);  // World's whole set-up ran
    EXPECT_EQ(g_eventQueue.size(), 501u);
    EXPECT_EQ(g_messageQueue.size(), 201u);
    EXPECT_EQ(g_messageQueue[200].text.size(), 100u);
    EXPECT_EQ(g_messageQueue[200].text.substr(0, 12), "012345678901");
    EXPECT_TRUE(AreQueuesEmpty());
    EXPECT_EQ(g_networkPort, 5466);
    EXPECT_EQ(g_publishedGameSlot, 99);
    EXPECT_EQ(g_publishedHostText, " ");
    EXPECT_EQ(g_playerNames[1], " ");
    EXPECT_FALSE(g_canNewGame);
    EXPECT_TRUE(g_canSetSlowSpeed);
    EXPECT_EQ(g_missionProgress, 1);
    EXPECT_EQ(g_freshMapMarker, "0");
    EXPECT_TRUE(g_isUserMapLoad);
    EXPECT_EQ(g_playResumeTime, platform_->clock.Now());
    EXPECT_TRUE(std::filesystem::exists(g_settingsFilePath));
    EXPECT_TRUE(std::filesystem::exists(g_scoresFilePath));
    EXPECT_TRUE(std::filesystem::is_directory(g_appDataFolder));
}

TEST_F(ViewConstruction, ScreenSizeByTheScreenAndClampedFromTheFile) {
    struct Case {
        int width;
        int height;
        int stored;  // 0: a first start
        int size;
    };
    const Case cases[] = {{1024, 768, 0, 2}, {1280, 1024, 0, 3}, {800, 600, 0, 1},
                          {1280, 800, 3, 2}, {1280, 1024, 3, 3}, {800, 600, 2, 1}};
    for (const Case& c : cases) {
        view_.reset();
        std::filesystem::remove_all(home_);
        std::filesystem::create_directories(home_);
        if (c.stored != 0) {
            Make({.width = c.width, .height = c.height});
            g_screenSize = c.stored;
            View().SaveSettings();
        }
        Make({.width = c.width, .height = c.height});
        EXPECT_EQ(g_screenSize, c.size) << c.width << "x" << c.height << " " << c.stored;
    }
}

// Nothing is read at start-up; the first paint reads the background picture of the screen size
// in use, and no other size's.
TEST_F(ViewConstruction, BackgroundPicturesAreReadWhenFirstDrawnAtTheSizeInUse) {
    const std::filesystem::path bitmaps = std::filesystem::path(home_) / "res/bitmaps";
    std::filesystem::create_directories(bitmaps);
    struct Case {
        int background;
        std::array<int, 3> pictures;  // small, medium, large
        bool drawn;
    };
    for (const Case& c : {Case{0, {341, 339, 338}, true}, Case{4, {215, 214, 274}, true},
                          Case{5, {365, 366, 367}, true}, Case{1, {341, 339, 338}, false}}) {
        render::ForgetProgramPictures();
        for (int id : c.pictures) {
            const auto bytes = raster::WriteBmp(raster::Surface(4, 4, 0x123456));
            std::ofstream(bitmaps / (std::to_string(id) + ".bmp"), std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<long>(bytes.size()));
        }
        g_oceansBackground = c.background;
        View().SaveSettings();
        Make({});
        const int inUse = g_screenSize == 3 ? 2 : g_screenSize == 2 ? 1 : 0;
        raster::Surface window(kBoardWidth, kBoardHeight);
        View().PaintBoard(window);
        // Gone from the disk: only what was read by now is still there.
        for (int id : c.pictures) std::filesystem::remove(bitmaps / (std::to_string(id) + ".bmp"));
        for (int size = 0; size < 3; ++size)
            EXPECT_EQ(render::ProgramPicture(platform_->files, c.pictures[size]) != nullptr,
                      c.drawn && size == inUse)
                << "background " << c.background << ", size " << size;
    }
}

class ViewDestruction : public NewGameFixture {
  protected:
    // `count` joined machines on the view's sockets 1..count.
    void Connect(int count) {
        joined_.Connect(platform_->sockets, View(), count);
        g_connectedClients = count;
    }
    std::vector<std::string> SentCodes() const { return joined_.SentCodes(platform_->sockets); }
    void TearDown() override {
        view_.reset();
        joined_.Close();
        NewGameFixture::TearDown();
    }

    test_support::JoinedMachines joined_;
};

TEST_F(ViewDestruction, AHostLeavingTellsEachJoinedMachine) {
    Connect(4);
    g_networkSeat = 1;
    g_connectedClients = 3;
    g_exitReason = 1;
    view_.reset();
    EXPECT_EQ(SentCodes(), (std::vector<std::string>{"1019@1", "1019@2", "1019@3"}));
}

TEST_F(ViewDestruction, AJoinedMachineLeavingTellsItsHost) {
    Connect(1);
    g_networkSeat = 2;
    g_exitReason = 2;
    view_.reset();
    EXPECT_EQ(SentCodes(), (std::vector<std::string>{"1020@1"}));
}

TEST_F(ViewDestruction, APlainQuitSendsNothing) {
    Connect(1);
    g_networkSeat = 2;
    g_exitReason = 0;
    view_.reset();
    EXPECT_TRUE(SentCodes().empty());
}

// Only its game-list entry is closed: no socket hears a quit message, and the chat window goes.
TEST_F(ViewDestruction, AnInternetHostAloneSendsNothing) {
    Connect(1);
    g_networkSeat = 1;
    g_exitReason = 3;
    g_publishedGameSlot = 2;
    g_publishedHostText = "host text";
    g_isChatWindowShown = true;
    view_.reset();
    EXPECT_TRUE(SentCodes().empty());
    EXPECT_FALSE(g_isChatWindowShown);
}

}  // namespace
}  // namespace newgame_test
