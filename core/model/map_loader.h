// The map loader (Load a Map, Test Custom Map and the map files that campaigns, Open, the game
// clock and the network name) and the steps it shares with the campaign loader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CChildView;

namespace platform {
class WindowServices;
class Files;
class FileDialogs;
}  // namespace platform

// 1 for the menu's loads, which show a map whatever faults its parse finds (so that its author
// can test it); 0 for New Game, Open, the clock and the network, which refuse a faulty map.
extern bool g_isUserMapLoad;
// The last load read a playable map file (for a campaign file: named its current map); a map
// load that is cancelled or refused leaves it as it was, with the map it stands for.
extern bool g_isMapFileLoaded;
// A test load happened; the game clock ends the test mode when it sees this.
extern bool g_isTestMapPending;
// Puts the three flags above back to their values at program start.
void ResetMapLoaderState();

inline constexpr char kMapFileFilter[] = "Map Files (*.txt)|*.txt||";
inline constexpr char kNotFoundMessage[] = "Not Found";
inline constexpr char kTop5NotFoundMessage[] = "Map downloads Top 5 Map Not Found";
inline constexpr char kFileTooLargeMessage[] = "File too large";
inline constexpr char kResolutionMessage[] =
    "Please set the screen resolution to at least 1024x768 pixels.";
inline constexpr char kScreenSizeMessage[] =
    "Please set the Screen Size (Marovek Settings) to 1024x768.";
inline constexpr char kFixedSizeMapLine[] = " (Custom map of fixed size)";
inline constexpr char kPictureErrorMessage[] = "Not Found / Illegal Format";
inline constexpr char kPictureErrorCaption[] = "Map bmp File Error";
inline constexpr char kApplicationCaption[] = "Marovek";

// Map and campaign texts are a few kilobytes; anything beyond this is no such file.
inline constexpr std::size_t kMaxMapTextBytes = std::size_t{1} << 20;
// A Large map picture is about 3 MB.
inline constexpr std::size_t kMaxMapPictureBytes = std::size_t{64} << 20;

// The steps of a load that other parts of the game carry out.
class MapLoadSteps {
  public:
    virtual ~MapLoadSteps() = default;
    // Shows the "Creating Maps" notice; answers its "Don't show this again" box.
    virtual bool ShowCreatingMapsNotice(bool hidden) = 0;
    virtual void SaveSettings() = 0;
    // Appends the built-in map text a high-score game serves for a file name; false for none.
    virtual bool AppendServedMapText(std::string_view fileName) = 0;
    virtual void SetupSelectedMap() = 0;
    // Draws every territory and the players panel, and shows the board in the window.
    virtual void RedrawBoard() = 0;
};

// What a loader reaches.
struct LoaderContext {
    platform::WindowServices& window;
    const platform::Files& files;
    platform::FileDialogs* fileDialogs;  // nullptr: every file dialog counts as cancelled
    MapLoadSteps& steps;
};

// The work of OnLoadMap; answers whether a map file became the current map.
bool LoadMapFile(const LoaderContext& context);

// The picture beside a map file: its extension replaced by ".bmp", or "_2.bmp" for Large.
std::string MapPicturePath(const std::string& mapFilePath, std::int32_t screenSize);

// Steps both loaders take.
namespace map_loading {
// Shows the screen's message and answers false when the screen cannot show a map file.
bool ScreenFitsMapFiles(platform::WindowServices& window);
// Shows the "Creating Maps" notice unless it is hidden; saves the settings when its box changed.
void OfferCreatingMapsNotice(MapLoadSteps& steps);
// The file the user chose, or nullopt when the dialog was cancelled or cannot be shown.
std::optional<std::string> ChooseFile(const LoaderContext& context, const std::string& filter,
                                      const std::string& initialPath);
// Empties g_mapTextBuffer and fills it from a text file; on failure shows why, leaves the
// buffer empty and answers false.
bool ReadTextFile(const LoaderContext& context, const std::string& path);
// A message box captioned "Map File Error" with the error icon.
void ShowMapFileError(platform::WindowServices& window, const std::string& text);
}  // namespace map_loading

// The view's own steps.
class ViewMapLoadSteps : public MapLoadSteps {
  public:
    explicit ViewMapLoadSteps(CChildView& view) : view_(view) {}
    bool ShowCreatingMapsNotice(bool hidden) override;
    void SaveSettings() override;
    bool AppendServedMapText(std::string_view fileName) override;
    void SetupSelectedMap() override;
    void RedrawBoard() override;

  private:
    CChildView& view_;
};
