// The main frame's window by screen, Screen Size and fonts, and its preparation.
#include "shell/frame_layout.h"
#include "core/model/files.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

struct FrameCase {
    int width, height, caption, menuButton;
    std::int32_t storedSize;
    std::int32_t clampedSize;
    std::int32_t sizeClass;
    FrameRect rect;
    int actionButton;
};

TEST(FrameLayout, WindowBySizeClassScreenAndFonts) {
    const FrameCase cases[] = {
        // Large window, normal and large fonts (1024 high is below 1030).
        {1280, 1024, 22, 18, 3, 3, 0, {37, 63, 1203, 22 + 863}, 134},
        {1280, 1024, 22, 24, 3, 3, 0, {37, 7, 1203, 22 + 876}, 134},
        {1600, 1200, 22, 24, 3, 3, 0, {197, 151, 1203, 22 + 876}, 134},
        // Medium on 1024 wide; Large is clamped to Medium first.
        {1024, 768, 22, 18, 2, 2, 0, {30, 7, 964, 22 + 705}, 104},
        {1024, 768, 26, 18, 2, 2, 0, {30, 3, 964, 26 + 705}, 104},
        {1024, 768, 22, 18, 3, 2, 0, {30, 7, 964, 22 + 705}, 104},
        {1024, 768, 22, 24, 2, 2, 0, {30, 7, 964, 22 + 718}, 104},
        // Medium on a wide screen, centred; 1280 x 800 is too low for Large.
        {1280, 1024, 22, 18, 2, 2, 2, {156, 132, 964, 22 + 705}, 104},
        {1280, 800, 22, 18, 3, 2, 2, {156, 20, 964, 22 + 705}, 104},
        // Small whatever the setting below 1024 wide, and for Screen Size Small.
        {1000, 700, 22, 18, 3, 2, 0, {162, 87, 676, 22 + 523}, 74},
        {1000, 700, 22, 18, 1, 1, 0, {162, 87, 676, 22 + 523}, 74},
        {1280, 1024, 22, 18, 1, 1, 1, {302, 249, 676, 22 + 523}, 74},
        {1100, 900, 22, 24, 1, 1, 1, {212, 187, 732, 22 + 536}, 74},
        // 800 wide forces Small at a fixed place.
        {800, 600, 22, 18, 3, 1, 0, {50, 11, 676, 22 + 523}, 74},
        {800, 600, 26, 18, 2, 1, 0, {50, 7, 676, 26 + 523}, 74},
    };
    for (const FrameCase& c : cases) {
        platform::ScreenMetrics screen;
        screen.width = c.width;
        screen.height = c.height;
        screen.captionHeight = c.caption;
        screen.menuButtonWidth = c.menuButton;
        const std::int32_t size = ClampScreenSize(c.storedSize, c.width, c.height);
        const std::int32_t sizeClass = FrameSizeClass(c.width, size);
        const std::string label = std::to_string(c.width) + "x" + std::to_string(c.height) +
                                  " size " + std::to_string(c.storedSize);
        EXPECT_EQ(size, c.clampedSize) << label;
        EXPECT_EQ(sizeClass, c.sizeClass) << label;
        const FrameRect rect = FrameWindowRect(screen, sizeClass);
        EXPECT_EQ(rect, c.rect) << label << " got " << rect.left << "," << rect.top << " "
                                << rect.width << "x" << rect.height;
        EXPECT_EQ(ActionButtonWidth(ChooseFrameKind(c.width, sizeClass)), c.actionButton) << label;
    }
}

TEST(FrameLayout, DefaultScreenSizeByWidth) {
    const std::pair<int, int> cases[] = {{640, 1},  {800, 1},  {801, 2},
                                         {1024, 2}, {1025, 3}, {1920, 3}};
    for (const auto& [width, size] : cases) EXPECT_EQ(DefaultScreenSize(width), size) << width;
}

using FramePreparationTest = ShellFixture;

TEST_F(FramePreparationTest, SecondLoadWinsAndIsClamped) {
    CChildView& view = StartView(1280, 800);
    g_screenSize = 3;
    view.SaveSettings();
    g_screenSize = 1;
    g_isSmiliesOn = true;  // changed between the two loads: the file wins

    platform::ScreenMetrics screen;
    screen.width = 1280;
    screen.height = 800;
    screen.menuButtonWidth = 30;
    Platform().window.SetScreen(screen);
    const FrameRect rect = PrepareFrameWindow(view);

    EXPECT_EQ(g_screenSize, 2);
    EXPECT_FALSE(g_isSmiliesOn);
    EXPECT_EQ(g_frameSizeClass, 2);
    EXPECT_TRUE(g_isLargeFonts);
    EXPECT_EQ(rect, (FrameRect{156, 20, 964, 22 + 718}));
    EXPECT_EQ(g_documentsFolder, home_ + "/Marovek/*.Mrvek");
}

}  // namespace
}  // namespace shell_test
