// The view's map and campaign members on real files in a temporary folder, read as the
// loaders read them.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/child_view.h"
#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_text.h"
#include "core/model/session_state.h"
#include "platform/headless/test_platform.h"

namespace {

class ViewMembersTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "marovek-core-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        view_ = std::make_unique<CChildView>(platform_.platform);
        g_userFilesFolder = folder_.string();
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    void Write(const std::string& name, const std::string& content) {
        std::ofstream(folder_ / name, std::ios::binary) << content;
    }
    // Empties the buffer and fills it from a file through the platform, as the loaders do.
    bool Load(const std::string& name) {
        g_mapTextBuffer.clear();
        const auto bytes = platform_.files.Read((folder_ / name).string(), 1 << 20);
        if (!bytes) return false;
        AppendMapTextLines(std::string(bytes->begin(), bytes->end()));
        return true;
    }

    headless::TestPlatform platform_;
    std::unique_ptr<CChildView> view_;
    std::filesystem::path folder_;
};

TEST_F(ViewMembersTest, MapFileWithWindowsLineEnds) {
    Write("Isles.txt",
          "[map]\r\nIsles\r\n[player names]\r\n400 12\r\n[smilies and codes]\r\nY\r\n"
          "[continents]\r\n2 North 1 2\r\n\r\n1 South 3\r\n[territories]\r\n"
          "1 NOR 100 50 2 3\r\n2 NEA 150 60 1\r\n3 SOU 120 200 1\r\n");
    ASSERT_TRUE(Load("Isles.txt"));
    std::int32_t result = -1;
    view_->ParseMapText(&result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(g_mapName, "Isles         ");
    EXPECT_EQ(g_playerPanelX, 400);
    EXPECT_EQ(g_playerPanelY, 12);
    EXPECT_TRUE(g_customMapHasSmilies);
    EXPECT_EQ(g_territoryCodes[3], "SOU");
    EXPECT_EQ(g_continentBorders[1][1], 1);
    EXPECT_EQ(g_continentBorders[1][2], 0);
    EXPECT_EQ(g_continentBorders[2][1], 3);

    std::int32_t continent = -1;
    view_->FindContinentOfTerritory(2, &continent);
    EXPECT_EQ(continent, 1);
    view_->FindContinentOfTerritory(4, &continent);
    EXPECT_EQ(continent, 0);
}

TEST_F(ViewMembersTest, CampaignFileWalksItsMapFiles) {
    Write("Tour.cmpgn", "[campaign]\nGrand Tour\n[maps]\nFirst\nSecond\n");
    Write("Second.txt", "[map]\nSecond\n");
    ASSERT_TRUE(Load("Tour.cmpgn"));
    std::int32_t result = -1;
    view_->ParseCampaignFile(&result);
    ASSERT_EQ(result, 0);
    EXPECT_EQ(g_campaignName, "Grand         ");

    g_campaignNumber = 6;
    g_campaignStep = 1;
    g_isCampaignFinished = false;
    view_->AdvanceCampaign();
    EXPECT_EQ(g_mapName, "Second        ");
    EXPECT_TRUE(std::filesystem::exists(g_mapFilePath)) << g_mapFilePath;
    EXPECT_FALSE(g_isCampaignFinished);
    view_->AdvanceCampaign();
    EXPECT_TRUE(g_isCampaignFinished);

    EXPECT_FALSE(Load("Missing.cmpgn"));
    view_->ParseCampaignFile(&result);
    EXPECT_EQ(result, 1) << "an empty buffer is refused";
}

}  // namespace
