// The campaign loader on real files: the chosen campaign file and its first map, refused files
// that change nothing, Cancel, and an opened game's campaign.
#include <filesystem>

#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/options.h"
#include "loader_fixture.h"

namespace {

constexpr char kTour[] = "[campaign]\nGrand Tour\n[maps]\nIsles\nDunes\n";

class CampaignLoaderTest : public LoaderTest {
  protected:
    void SetUp() override {
        LoaderTest::SetUp();
        WriteMap(user_, "Isles", kIslesText);
        WriteMap(user_, "Dunes", kDunesText);
        g_campaignNumber = 6;
        g_campaignStep = 1;
    }
    // A campaign as a previous load left it.
    static void SetEarlierCampaign() {
        g_campaignName = "Earlier       ";
        g_campaignMaps.fill("  ");
        g_campaignMaps[1] = "Old           ";
        g_campaignLength = 3;
        g_mapName = "Old           ";
        g_mapFilePath = "/earlier/Old.txt";
        g_campaignFilePath = "/earlier/Earlier.cmpgn";
    }
    static void ExpectEarlierCampaign() {
        EXPECT_EQ(g_campaignName, "Earlier       ");
        EXPECT_EQ(g_campaignMaps[1], "Old           ");
        EXPECT_EQ(g_campaignMaps[2], "  ");
        EXPECT_EQ(g_campaignLength, 3);
        EXPECT_EQ(g_mapName, "Old           ");
        EXPECT_EQ(g_mapFilePath, "/earlier/Old.txt");
        EXPECT_EQ(g_campaignFilePath, "/earlier/Earlier.cmpgn");
        EXPECT_FALSE(g_isMapFileLoaded);
    }
};

TEST_F(CampaignLoaderTest, LoadsItsListAndThenItsFirstMap) {
    const std::string tour = Write(elsewhere_, "Tour.cmpgn", kTour);
    dialogs_.ScriptOpen(tour);
    ASSERT_TRUE(LoadCampaign(Context()));
    EXPECT_TRUE(Messages().empty());
    ASSERT_EQ(dialogs_.Calls().size(), 1u);
    EXPECT_EQ(dialogs_.Calls()[0], (headless::FileDialogCall{"Campaign Files (*.cmpgn)|*.cmpgn||",
                                                             (user_ / "*.cmpgn").string(), true}));
    EXPECT_EQ(g_campaignName, "Grand         ");
    EXPECT_EQ(g_campaignLength, 2);
    EXPECT_EQ(g_campaignMaps[2], "Dunes         ");
    EXPECT_EQ(g_campaignFilePath, tour);
    EXPECT_EQ(g_mapFilePath, (user_ / "Isles.txt").string());
    EXPECT_TRUE(g_isMapFileLoaded);

    // The map loader takes the campaign's map without a dialog of its own.
    ASSERT_TRUE(LoadMapFile(Context()));
    EXPECT_EQ(dialogs_.Calls().size(), 1u);
    EXPECT_EQ(g_mapName, "Isles         ");
    EXPECT_EQ(g_territoryCount, 3);
    EXPECT_TRUE(g_isMapCustom);
    EXPECT_TRUE(g_isMapFileLoaded);
}

TEST_F(CampaignLoaderTest, FaultyFilesAreRefusedAndChangeNothing) {
    std::string many = "[campaign]\nLong\n[maps]\n";
    for (int k = 1; k <= 21; ++k) many += "Isles\n";
    struct Case {
        const char* name;
        std::optional<std::string> content;  // none: no such file
        const char* message;
    };
    const std::vector<Case> cases{
        {"missing", std::nullopt, "Not Found"},
        {"empty", "", "[maps]"},
        {"one map", "[campaign]\nShort\n[maps]\nIsles\n", "[maps]"},
        {"no maps section", "[campaign]\nNone\nIsles\nDunes\n", "[maps]"},
        {"21 maps", many, "[maps]: more than 20 maps"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetEarlierCampaign();
        platform_.window.messageBoxes.clear();
        const std::string path = (elsewhere_ / "Faulty.cmpgn").string();
        std::filesystem::remove(path);
        if (c.content) Write(elsewhere_, "Faulty.cmpgn", *c.content);
        dialogs_.ScriptOpen(path);
        EXPECT_FALSE(LoadCampaign(Context()));
        EXPECT_EQ(Messages(), std::vector{MapFileError(c.message)});
        ExpectEarlierCampaign();
    }
}

TEST_F(CampaignLoaderTest, CancelChangesNothing) {
    SetEarlierCampaign();
    dialogs_.ScriptOpen(std::nullopt);
    EXPECT_FALSE(LoadCampaign(Context()));
    EXPECT_TRUE(Messages().empty());
    ExpectEarlierCampaign();
}

TEST_F(CampaignLoaderTest, OpenedGameNamesItsCampaignFileAndStep) {
    const std::string tour = Write(elsewhere_, "Tour.cmpgn", kTour);
    g_hideCreatingMapsNotice = false;
    g_isJustOpened = 'j';
    g_mapFilePath = tour;
    g_campaignStep = 2;
    ASSERT_TRUE(LoadCampaign(Context()));
    EXPECT_TRUE(dialogs_.Calls().empty());
    EXPECT_EQ(steps_.notices, 0);
    EXPECT_EQ(g_campaignFilePath, tour);
    EXPECT_EQ(g_mapFilePath, (user_ / "Dunes.txt").string());

    // A step the file no longer has cannot be played.
    g_mapFilePath = tour;
    g_campaignStep = 3;
    EXPECT_FALSE(LoadCampaign(Context()));
    EXPECT_EQ(Messages(), std::vector{MapFileError("[maps]")});
    EXPECT_FALSE(g_isMapFileLoaded);
}

}  // namespace
