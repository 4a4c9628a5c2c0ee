// The main frame's window rules: screen, data folders, Screen Size clamp, size class, window
// rectangle and the width of the action buttons.
#pragma once

#include <cstdint>

#include "core/model/screen.h"
#include "platform/window_services.h"

class CChildView;
namespace platform {
class Files;
}

extern std::int32_t g_frameSizeClass;  // 0, 1 or 2; see FrameSizeClass
// Why the program ends: 0 plain quit, 1 host with joined machines, 2 joined machine in a
// started game, 3 internet host alone with a published game-list entry.
extern std::int32_t g_exitReason;
// Puts the values above back to their values at program start.
void ResetFrameLayoutState();

// Screen Size 1 Small up to 800 pixels wide, 2 Medium up to 1024, 3 Large beyond.
std::int32_t DefaultScreenSize(std::int32_t screenWidth);
// Small on a screen at most 800 wide; Large only on a screen at least 1200 x 920.
std::int32_t ClampScreenSize(std::int32_t screenSize, std::int32_t screenWidth,
                             std::int32_t screenHeight);
std::int32_t FrameSizeClass(std::int32_t screenWidth, std::int32_t screenSize);
bool IsLargeFonts(const platform::ScreenMetrics& screen);

enum class FrameKind { Small, Medium, Large };
FrameKind ChooseFrameKind(std::int32_t screenWidth, std::int32_t frameSizeClass);

struct FrameRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const FrameRect&) const = default;
};
FrameRect FrameWindowRect(const platform::ScreenMetrics& screen, std::int32_t frameSizeClass);

// The width of a button of the action toolbar (text beside its image).
int ActionButtonWidth(FrameKind kind);

// The documents and application-data folders + "/Marovek". A folder the system cannot tell
// keeps its previous text (empty at first), and nothing is created from an empty one.
void FindDataFolders(platform::Files& files);
void CreateDataFolders(platform::Files& files);

// The frame's preparation before its window exists: screen, folders, the settings load, the
// clamp and the size class; returns the window's rectangle.
FrameRect PrepareFrameWindow(CChildView& view);
