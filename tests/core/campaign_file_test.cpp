// Campaign files: the reader's rules and refusals, and a campaign's progress along its maps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/campaign_file.h"
#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_text.h"
#include "core/model/session_state.h"

namespace {

std::int32_t ParseCampaign(const std::vector<std::string>& lines) {
    g_mapTextBuffer = lines;
    return ParseCampaignBuffer();
}

TEST(CampaignFile, AcceptsTwoOrMoreMaps) {
    ASSERT_EQ(ParseCampaign({"[campaign]", "Islands", "[maps]", "North", "South"}), 0);
    EXPECT_EQ(g_campaignName, "Islands       ");
    EXPECT_EQ(g_campaignLength, 2);
    EXPECT_EQ(g_campaignMaps[1], "North         ");
    EXPECT_EQ(g_campaignMaps[2], "South         ");
    EXPECT_EQ(g_campaignMaps[0], "  ");
    EXPECT_EQ(g_campaignMaps[3], "  ");
    EXPECT_EQ(g_campaignMaps[20], "  ");
    EXPECT_EQ(g_mapName, "South         ");
}

TEST(CampaignFile, MapLines) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::vector<std::string> maps;
        std::string campaignName;
    };
    const std::vector<Case> cases{
        {"an empty line is a map named noname",
         {"[campaign]", "", "[maps]", "A", "", "Averylongmapname"},
         {"A             ", "noname", "Averylongmapn "},
         "noname"},
        {"a [campaign] header after the list is a map too",
         {"[maps]", "A", "B", "[campaign] again", "Late"},
         {"A             ", "B             ", "[campaign]    "},
         "Late          "},
        {"a header with text behind it; lines before it ignored",
         {"Stray", "[maps] of the north", "A", "B"},
         {"A             ", "B             "},
         "kept"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_campaignName = "kept";
        ASSERT_EQ(ParseCampaign(c.lines), 0);
        ASSERT_EQ(g_campaignLength, static_cast<std::int32_t>(c.maps.size()));
        for (std::size_t i = 0; i < c.maps.size(); ++i) EXPECT_EQ(g_campaignMaps[i + 1], c.maps[i]);
        EXPECT_EQ(g_campaignName, c.campaignName);
    }
}

TEST(CampaignFile, RefusalsChangeNothing) {
    std::vector<std::string> twentyOne{"[maps]"};
    for (int k = 1; k <= 21; ++k) twentyOne.push_back("Map" + std::to_string(k));
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::int32_t expected;
    };
    const std::vector<Case> cases{
        {"empty file", {}, 1},
        {"one map", {"[campaign]", "Solo", "[maps]", "Only"}, 1},
        {"no maps section", {"[campaign]", "Solo", "A", "B"}, 1},
        {"21 maps", twentyOne, 2},
        {"map name climbing out of the folder", {"[maps]", "A", "../../x"}, 3},
        {"map name with a folder", {"[maps]", "/etc/passwd", "B"}, 3},
        {"map name with two dots inside", {"[maps]", "A", "a..b"}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_campaignName = "Old           ";
        g_campaignLength = 3;
        g_campaignMaps[1] = "First         ";
        g_mapName = "Current       ";
        EXPECT_EQ(ParseCampaign(c.lines), c.expected);
        EXPECT_FALSE(CampaignResultMessage(c.expected).empty());
        EXPECT_EQ(g_campaignName, "Old           ");
        EXPECT_EQ(g_campaignLength, 3);
        EXPECT_EQ(g_campaignMaps[1], "First         ");
        EXPECT_EQ(g_mapName, "Current       ");
    }
    EXPECT_EQ(CampaignResultMessage(1), "[maps]");
    EXPECT_EQ(CampaignResultMessage(3), "[maps]");

    twentyOne.pop_back();
    ASSERT_EQ(ParseCampaign(twentyOne), 0);
    EXPECT_EQ(g_campaignLength, 20);
    EXPECT_EQ(g_campaignMaps[20], "Map20         ");
}

// The map a host names becomes a path as well: a name that is not plain names no file.
TEST(CampaignFile, MapFilePathsStayInTheUserFilesFolder) {
    g_userFilesFolder = "/home/u/Marovek";
    EXPECT_EQ(CampaignMapFilePath("North.v2      "), "/home/u/Marovek/North.v2.txt");
    EXPECT_EQ(CampaignMapFilePath("../x          "), "");
    EXPECT_EQ(CampaignMapFilePath("a/b"), "");
    EXPECT_EQ(CampaignMapFilePath(".."), "");
}

TEST(AdvanceCampaign, BuiltInChainsMoveOneMapAndFinishOnTheLast) {
    struct Chain {
        std::int32_t campaign;
        std::vector<bool*> maps;
    };
    const std::vector<Chain> chains{
        {1, {&g_isMapWorld, &g_isMapRealWorld}},
        {2, {&g_isMapAustralia, &g_isMapChina, &g_isMapJapanKorea}},
        {3, {&g_isMapEurope, &g_isMapGreatBritain, &g_isMapScandinavia, &g_isMapNorthAmerica}},
        {4, {&g_isMapThreeNationsA, &g_isMapThreeNationsB}},
        {5, {&g_isMapLinesII, &g_isMapSwamp, &g_isMapWorms}},
    };
    for (const Chain& chain : chains) {
        SCOPED_TRACE(chain.campaign);
        const auto length = static_cast<std::int32_t>(chain.maps.size());
        ClearMapFlags();
        *chain.maps.front() = true;
        g_campaignNumber = chain.campaign;
        g_campaignLength = length;
        g_campaignStep = 1;
        g_isCampaignFinished = false;
        for (std::int32_t step = 2; step <= length; ++step) {
            AdvanceCampaignProgress();
            EXPECT_EQ(g_campaignStep, step);
            EXPECT_FALSE(g_isCampaignFinished);
            for (std::int32_t m = 1; m <= length; ++m)
                EXPECT_EQ(*chain.maps[static_cast<std::size_t>(m - 1)], m == step);
        }
        AdvanceCampaignProgress();
        EXPECT_TRUE(g_isCampaignFinished);
        EXPECT_EQ(g_campaignStep, length);
        EXPECT_TRUE(*chain.maps.back()) << "winning the last map changes no flag";
        for (std::size_t m = 0; m + 1 < chain.maps.size(); ++m) EXPECT_FALSE(*chain.maps[m]);
    }
}

TEST(AdvanceCampaign, CampaignFileNamesTheNextMapFile) {
    ASSERT_EQ(ParseCampaign({"[maps]", "Alpha", "Beta  map", "Gamma"}), 0);
    g_userFilesFolder = "/home/someone/Marovek";
    g_campaignNumber = 6;
    g_campaignStep = 1;
    g_isCampaignFinished = false;
    ClearMapFlags();
    g_isMapCustom = true;

    AdvanceCampaignProgress();
    EXPECT_EQ(g_campaignStep, 2);
    EXPECT_EQ(g_mapName, "Beta          ");
    EXPECT_EQ(g_mapFilePath, "/home/someone/Marovek/Beta.txt");
    EXPECT_FALSE(g_isCampaignFinished);

    AdvanceCampaignProgress();
    AdvanceCampaignProgress();
    EXPECT_EQ(g_campaignStep, 3) << "after the last map the step stays";
    EXPECT_TRUE(g_isCampaignFinished);
    EXPECT_EQ(g_mapFilePath, "/home/someone/Marovek/Gamma.txt");
    EXPECT_TRUE(g_isMapCustom);
}

TEST(AdvanceCampaign, StepOutsideTheCampaignFileEndsIt) {
    // A damaged saved game may restore any step and length.
    g_campaignNumber = 6;
    g_campaignLength = 40;
    g_campaignStep = 25;
    g_mapFilePath = "/kept.txt";
    AdvanceCampaignProgress();
    EXPECT_TRUE(g_isCampaignFinished);
    EXPECT_EQ(g_mapFilePath, "/kept.txt");
}

}  // namespace
