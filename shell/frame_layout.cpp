// The main frame's window rules, as pure functions over the screen and the settings.
#include "shell/frame_layout.h"

#include <optional>
#include <string>

#include "core/child_view.h"
#include "core/model/files.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "platform/files.h"

std::int32_t g_frameSizeClass = 0;
std::int32_t g_exitReason = 0;

void ResetFrameLayoutState() {
    g_frameSizeClass = g_exitReason = 0;
}

std::int32_t DefaultScreenSize(std::int32_t screenWidth) {
    if (screenWidth <= 800) return 1;
    return screenWidth <= 1024 ? 2 : 3;
}

std::int32_t ClampScreenSize(std::int32_t screenSize, std::int32_t screenWidth,
                             std::int32_t screenHeight) {
    if (screenWidth <= 800) screenSize = 1;
    if (screenSize == 3 && (screenWidth < 1200 || screenHeight < 920)) screenSize = 2;
    return screenSize;
}

std::int32_t FrameSizeClass(std::int32_t screenWidth, std::int32_t screenSize) {
    std::int32_t sizeClass = 0;
    if (screenWidth >= 1024 && screenSize == 1) sizeClass = 1;
    if (screenWidth >= 1200 && screenSize == 2) sizeClass = 2;
    return sizeClass;
}

bool IsLargeFonts(const platform::ScreenMetrics& screen) {
    return screen.menuButtonWidth > 22;
}

FrameKind ChooseFrameKind(std::int32_t screenWidth, std::int32_t frameSizeClass) {
    if (screenWidth >= 1200 && frameSizeClass == 0) return FrameKind::Large;
    if (screenWidth >= 1024 && frameSizeClass != 1) return FrameKind::Medium;
    return FrameKind::Small;
}

FrameRect FrameWindowRect(const platform::ScreenMetrics& screen, std::int32_t frameSizeClass) {
    const bool large = IsLargeFonts(screen);
    const int cap = screen.captionHeight;
    const int w = screen.width;
    const int h = screen.height;
    switch (ChooseFrameKind(w, frameSizeClass)) {
        case FrameKind::Large:
            return {(w - 1206) / 2, large && h < 1030 ? 7 : (h - 898) / 2, 1203,
                    cap + (large ? 876 : 863)};
        case FrameKind::Medium: {
            const int top = w <= 1024 ? (cap > 25 ? 3 : 7) : (h - 760) / 2;
            return {w <= 1024 ? 30 : (w - 967) / 2, top, 964, cap + (large ? 718 : 705)};
        }
        case FrameKind::Small: {
            const int top = w <= 800 ? (cap > 25 ? 7 : 11) : (h - 525) / 2;
            return {w <= 800 ? 50 : (w - 676) / 2, top, large ? 732 : 676,
                    cap + (large ? 536 : 523)};
        }
    }
    return {};
}

int ActionButtonWidth(FrameKind kind) {
    switch (kind) {
        case FrameKind::Large:
            return 134;
        case FrameKind::Medium:
            return 104;
        case FrameKind::Small:
            return 74;
    }
    return 104;
}

namespace {

void SetFolder(std::string& folder, const std::optional<std::string>& found) {
    if (found && !found->empty()) folder = platform::JoinPath(*found, "Marovek");
}

}  // namespace

void FindDataFolders(platform::Files& files) {
    SetFolder(g_documentsFolder, files.DocumentsFolder());
    SetFolder(g_appDataFolder, files.AppDataFolder());
}

void CreateDataFolders(platform::Files& files) {
    if (!g_documentsFolder.empty()) files.CreateFolder(g_documentsFolder);
    if (!g_appDataFolder.empty()) files.CreateFolder(g_appDataFolder);
}

FrameRect PrepareFrameWindow(CChildView& view) {
    const platform::ScreenMetrics screen = view.Platform().window.Screen();
    g_screenWidth = screen.width;
    g_screenHeight = screen.height;
    FindDataFolders(view.Platform().files);
    view.LoadSettings();
    g_screenSize = ClampScreenSize(g_screenSize, g_screenWidth, g_screenHeight);
    g_frameSizeClass = FrameSizeClass(g_screenWidth, g_screenSize);
    g_isLargeFonts = IsLargeFonts(screen);
    return FrameWindowRect(screen, g_frameSizeClass);
}
