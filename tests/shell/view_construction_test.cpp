// The view's start-up: folders, the first settings file, start values and the Screen Size.
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "shell/settings.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

using ViewConstructionTest = ShellFixture;

TEST_F(ViewConstructionTest, FirstStartCreatesBothFoldersAndTheSettingsFile) {
    StartView();
    EXPECT_TRUE(std::filesystem::is_directory(DocumentsFolder()));
    EXPECT_TRUE(std::filesystem::is_directory(AppDataFolder()));
    EXPECT_EQ(SettingsBytes().size(), 752u);
    EXPECT_EQ(g_appDataFolder, AppDataFolder());
    EXPECT_EQ(g_userFilesFolder, DocumentsFolder());
    EXPECT_EQ(g_mapFilePath, DocumentsFolder() + "/*.txt");
    EXPECT_EQ(g_settingsFilePath, SettingsPath());
    EXPECT_EQ(g_programFolder, home_);
    EXPECT_FALSE(g_currentDirectory.empty());
    // Start values that the rest of the game relies on.
    EXPECT_TRUE(g_isMapWorld);
    EXPECT_EQ(g_territoryCount, 42);
    EXPECT_EQ(g_territoryHighlight[42], 'n');
    EXPECT_EQ(g_territoryHighlight[43], 0);
    EXPECT_EQ(g_playerCount, 3);
    EXPECT_EQ(g_isGameFromFile, 'n');
    EXPECT_EQ(g_troopExperienceSnapshots[10][10], 100);
    EXPECT_EQ(g_fontSansSerif6Underlined, (raster::FontDescription{"MS Sans Serif", 6, 6, true}));
    EXPECT_TRUE(g_isGradientPaint);
}

TEST_F(ViewConstructionTest, DefaultScreenSizeFollowsTheScreen) {
    const std::tuple<int, int, int> cases[] = {{800, 600, 1}, {1024, 768, 2}, {1280, 1024, 3}};
    for (const auto& [width, height, size] : cases) {
        std::filesystem::remove(SettingsPath());
        view_.reset();
        platform_.reset();
        StartView(width, height);
        EXPECT_EQ(g_screenSize, size) << width << "x" << height;
        EXPECT_EQ(U32At(SettingsBytes(), 104), static_cast<std::uint32_t>(size));
    }
}

TEST_F(ViewConstructionTest, StoredLargeIsClampedOnALowScreenButStaysInTheFile) {
    Bytes stored(752, 0);
    PutU32At(stored, 104, 3);
    PutU32At(stored, 168, 85);
    WriteBytes(SettingsPath(), stored);
    StartView(1280, 800);
    EXPECT_EQ(g_screenSize, 2);
    EXPECT_EQ(U32At(SettingsBytes(), 104), 3u);
    EXPECT_FALSE(g_isGradientPaint);  // copied from the file's 0
}

TEST_F(ViewConstructionTest, NoHomeCreatesNothingAndStartUpGoesOn) {
    platform::ScreenMetrics screen;
    platform_ =
        std::make_unique<headless::TestPlatform>(std::map<std::string, std::string>{}, "", screen);
    const std::filesystem::path before = std::filesystem::current_path();
    view_ = std::make_unique<CChildView>(platform_->platform);

    EXPECT_TRUE(g_documentsFolder.empty());
    EXPECT_TRUE(g_mapFilePath.empty());
    EXPECT_TRUE(g_appDataFolder.empty());
    EXPECT_FALSE(std::filesystem::exists(before / "Mrvek55Settings.dat"));
    EXPECT_FALSE(std::filesystem::exists(before / "Marovek"));
    EXPECT_EQ(g_screenSize, 2);
    EXPECT_EQ(g_transparencyPercent, 85);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_NE(MessageBoxes()[0].text.find("cannot be saved"), std::string::npos);
}

}  // namespace
}  // namespace shell_test
