// Tests of the map operations reached through the game view and the catalogue's members.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_text.h"
#include "maps/map_texts.h"
#include "platform/headless/test_platform.h"

namespace {

class MapView : public ::testing::Test {
  protected:
    void SetUp() override {
        home_ = std::filesystem::temp_directory_path() /
                ("maps_view_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(home_);
        platform_ = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home_.string()}});
        view_ = std::make_unique<CChildView>(platform_->platform);
    }
    void TearDown() override {
        view_.reset();
        platform_.reset();
        std::filesystem::remove_all(home_);
    }

    std::filesystem::path home_;
    std::unique_ptr<headless::TestPlatform> platform_;
    std::unique_ptr<CChildView> view_;
};

TEST_F(MapView, CatalogueSetupOfWorldBuildsTheBoardAndNamesItsContinents) {
    ClearMapFlags();
    g_isMapWorld = true;
    const BuiltinMap& world = *BuiltinMapByFlag(&g_isMapWorld);
    view_->SetBuiltinMapSize();
    EXPECT_TRUE((view_.get()->*world.setup)());
    EXPECT_EQ(g_territoryCodes[36], "kam");
    EXPECT_EQ(g_territories[36].owner, 5);
    EXPECT_EQ(g_continentNames[5], "");
    view_->SetContinentNames();
    EXPECT_EQ(g_continentNames[5], "Asia    ");
}

TEST_F(MapView, EveryAppendOperationAppendsItsOwnText) {
    for (const BuiltinMapText& text : BuiltinMapTexts()) {
        g_mapTextBuffer.clear();
        const bool appended = (view_.get()->*text.append)();
        EXPECT_EQ(appended, IsMapTextComplete(text)) << text.name;
        if (!appended) {
            EXPECT_TRUE(g_mapTextBuffer.empty()) << text.name;
            continue;
        }
        ASSERT_GE(g_mapTextBuffer.size(), 2u);
        EXPECT_EQ(g_mapTextBuffer[1], text.name);
        std::int32_t result = -1;
        view_->ParseMapText(&result);
        EXPECT_EQ(result, 0) << text.name;
    }
}

}  // namespace
