// The map loader: which file, reading it, the parse's verdict, the picture and making the map
// current; a load that stops puts the previous map back.
#include "core/model/map_loader.h"

#include "platform/dialog_host.h"

#include <memory>

#include "core/child_view.h"
#include "core/mapsel/map_selection.h"
#include "core/model/board_picture.h"
#include "core/model/campaign_file.h"
#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_text.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "platform/file_dialogs.h"
#include "platform/files.h"
#include "platform/raster/bmp.h"
#include "platform/window_services.h"

bool g_isUserMapLoad = false;
bool g_isMapFileLoaded = false;
bool g_isTestMapPending = false;

void ResetMapLoaderState() {
    g_isUserMapLoad = g_isMapFileLoaded = g_isTestMapPending = false;
}

namespace map_loading {

bool ScreenFitsMapFiles(platform::WindowServices& window) {
    const char* message = nullptr;
    if (g_screenWidth < 1024)
        message = kResolutionMessage;
    else if (g_screenSize == 1)
        message = kScreenSizeMessage;
    if (message == nullptr) return true;
    window.MessageBox(message, kApplicationCaption, platform::MessageButtons::Ok,
                      platform::MessageIcon::None);
    return false;
}

void OfferCreatingMapsNotice(MapLoadSteps& steps) {
    if (g_hideCreatingMapsNotice) return;
    const bool hide = steps.ShowCreatingMapsNotice(g_hideCreatingMapsNotice);
    if (hide == g_hideCreatingMapsNotice) return;
    g_hideCreatingMapsNotice = hide;
    steps.SaveSettings();
}

std::optional<std::string> ChooseFile(const LoaderContext& context, const std::string& filter,
                                      const std::string& initialPath) {
    if (context.fileDialogs == nullptr) return std::nullopt;
    return context.fileDialogs->OpenFile(filter, initialPath);
}

void ShowMapFileError(platform::WindowServices& window, const std::string& text) {
    window.MessageBox(text, kMapFileErrorCaption, platform::MessageButtons::Ok,
                      platform::MessageIcon::Error);
}

bool ReadTextFile(const LoaderContext& context, const std::string& path) {
    g_mapTextBuffer.clear();
    const std::optional<platform::Bytes> bytes = context.files.Read(path, kMaxMapTextBytes + 1);
    if (!bytes || bytes->size() > kMaxMapTextBytes) {
        ShowMapFileError(context.window, bytes ? kFileTooLargeMessage : kNotFoundMessage);
        return false;
    }
    AppendMapTextLines(std::string(bytes->begin(), bytes->end()));
    return true;
}

}  // namespace map_loading

std::string MapPicturePath(const std::string& mapFilePath, std::int32_t screenSize) {
    // The extension of the file's name, not a dot in a folder's name.
    const std::size_t slash = mapFilePath.find_last_of('/');
    const std::size_t dot = mapFilePath.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string base = hasExtension ? mapFilePath.substr(0, dot) : mapFilePath;
    return base + (screenSize == 3 ? "_2.bmp" : ".bmp");
}

namespace {

bool IsJustOpened() {
    return IsYes(g_isJustOpened);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A joining machine loads the map the host named; an own campaign and an opened game load the
// file already named; everything else asks the user, who may pick a file anywhere.
std::optional<std::string> MapFileToLoad(const LoaderContext& context) {
    if (g_gameKind == game_kind::kNetworkJoined) return CampaignMapFilePath(g_mapName);
    if (g_campaignNumber == kOwnCampaign || IsJustOpened()) return g_mapFilePath;
    return map_loading::ChooseFile(context, kMapFileFilter, g_mapFilePath);
}

// The file name a high-score game looks its built-in text up by.
std::string ServedFileName() {
    if (g_campaignNumber != kOwnCampaign) return FileNameOf(g_mapFilePath);
    if (g_campaignStep < 1 || g_campaignStep > kMaxCampaignMaps) return {};
    const std::string& name = g_campaignMaps[static_cast<std::size_t>(g_campaignStep)];
    return FileNameOf(CampaignMapFilePath(name));
}

// A high-score game plays only the built-in texts; every other game reads the file.
bool ReadMapText(const LoaderContext& context) {
    if (!g_isHighScoreGame) return map_loading::ReadTextFile(context, g_mapFilePath);
    g_mapTextBuffer.clear();
    if (context.steps.AppendServedMapText(ServedFileName()) && !g_mapTextBuffer.empty())
        return true;
    g_mapTextBuffer.clear();
    map_loading::ShowMapFileError(context.window, kTop5NotFoundMessage);
    map_loading::ShowMapFileError(context.window, kNotFoundMessage);
    return false;
}

// A test load shows a map whatever the parser found; a text without continents or territories
// has no map to show, and a map the board tables cannot hold (results above 6) is refused in
// every load.
bool IsShownAnyway(std::int32_t result) {
    return g_isUserMapLoad && result != map_text_result::kNoContinents &&
           result != map_text_result::kNoTerritories &&
           result <= map_text_result::kAboveNetworkLimits;
}

bool PictureLoads(const platform::Files& files, const std::string& path) {
    const std::optional<platform::Bytes> bytes = files.Read(path, kMaxMapPictureBytes + 1);
    return bytes && bytes->size() <= kMaxMapPictureBytes && raster::ReadBmp(*bytes, nullptr);
}

void ReportMissingPicture(platform::WindowServices& window) {
    if (g_screenSize == 3)
        window.MessageBox(std::string(kScreenSizeMessage) + "\n" + kFixedSizeMapLine,
                          kApplicationCaption, platform::MessageButtons::Ok,
                          platform::MessageIcon::None);
    else
        window.MessageBox(kPictureErrorMessage, kPictureErrorCaption, platform::MessageButtons::Ok,
                          platform::MessageIcon::Error);
}

// An opened game cannot go on without its map: it falls back to the default map.
void FallBackAfterMissingPicture(const LoaderContext& context) {
    if (!IsJustOpened()) return;
    g_isMapFileLoaded = false;
    SelectDefaultMap();
    context.steps.SetupSelectedMap();
    context.window.Invalidate();
}

// The map file becomes the current map; the set-up runs even when a map file was current
// already, so that tables, picture and board agree.
void MakeMapFileCurrent(const LoaderContext& context) {
    g_wasMapSelected = g_isMapCustom;
    ClearMapFlags();
    g_isMapCustom = true;
    if (g_isUserMapLoad) g_isTestMapPending = true;
    context.steps.SetupSelectedMap();
    if (IsJustOpened() || g_gameKind == game_kind::kNetworkHost) return;
    context.steps.RedrawBoard();
}

// What a load changes before it knows whether the map is good; put back unless committed.
class LoadAttempt {
  public:
    explicit LoadAttempt(bool mapFileLoaded)
        : tables_(SaveMapTextTables()),
          mapFilePath_(g_mapFilePath),
          mapBitmapPath_(g_mapBitmapPath),
          mapFileLoaded_(mapFileLoaded) {}
    ~LoadAttempt() {
        if (tables_) Restore();
    }
    LoadAttempt(const LoadAttempt&) = delete;
    LoadAttempt& operator=(const LoadAttempt&) = delete;

    void Restore() {
        RestoreMapTextTables(*tables_);
        g_mapFilePath = mapFilePath_;
        g_mapBitmapPath = mapBitmapPath_;
        // Without its flag the next rebuild would drop the map file still in the tables.
        g_isMapFileLoaded = mapFileLoaded_;
        tables_.reset();
    }
    void Commit() { tables_.reset(); }

  private:
    std::unique_ptr<MapTextTables> tables_;
    std::string mapFilePath_;
    std::string mapBitmapPath_;
    bool mapFileLoaded_;
};

}  // namespace

bool LoadMapFile(const LoaderContext& context) {
    if (!map_loading::ScreenFitsMapFiles(context.window)) return false;
    if (g_campaignNumber == 0 && !IsJustOpened() && g_gameKind != game_kind::kNetworkJoined)
        map_loading::OfferCreatingMapsNotice(context.steps);
    const bool wasMapFileLoaded = g_isMapFileLoaded;
    g_isMapFileLoaded = false;
    const std::optional<std::string> path = MapFileToLoad(context);
    if (!path) {
        g_isMapFileLoaded = wasMapFileLoaded;
        return false;
    }

    LoadAttempt attempt(wasMapFileLoaded);
    g_mapFilePath = *path;
    if (!ReadMapText(context)) return false;
    const std::int32_t result = ParseMapTextBuffer();
    if (result != map_text_result::kAccepted && !IsShownAnyway(result)) {
        map_loading::ShowMapFileError(context.window, MapTextResultMessage(result));
        return false;
    }
    g_mapBitmapPath = MapPicturePath(g_mapFilePath, g_screenSize);
    if (!PictureLoads(context.files, g_mapBitmapPath)) {
        ReportMissingPicture(context.window);
        attempt.Restore();
        FallBackAfterMissingPicture(context);
        return false;
    }
    attempt.Commit();
    // The picture is proven; the next paint loads it from g_mapBitmapPath.
    g_mapBitmap = raster::SharedSurface{};
    // A map with faults is shown but cannot be played.
    g_isMapFileLoaded = result == map_text_result::kAccepted;
    MakeMapFileCurrent(context);
    return true;
}

bool ViewMapLoadSteps::ShowCreatingMapsNotice(bool hidden) {
    return view_.RunCreatingMapsNotice(hidden);
}

void ViewMapLoadSteps::SaveSettings() {
    view_.SaveSettings();
}

bool ViewMapLoadSteps::AppendServedMapText(std::string_view fileName) {
    return maps::AppendServedMapText(fileName);
}

void ViewMapLoadSteps::SetupSelectedMap() {
    view_.SetupSelectedMap();
}

void ViewMapLoadSteps::RedrawBoard() {
    map_selection::RedrawWholeBoard(view_);
}

void CChildView::OnLoadMap() {
    ViewMapLoadSteps steps(*this);
    LoadMapFile({platform_.window, platform_.files, &platform_.fileDialogs, steps});
}

// Test Custom Map loads a map file to be shown with its label points marked; a load that
// makes no map current leaves the map and the test mode as they were.
void CChildView::OnTestCustomMap() {
    const bool markers = g_showTestMarkers;
    const bool testing = g_isTestCustomMap;
    const bool custom = g_isMapCustom;
    g_showTestMarkers = true;
    g_isTestCustomMap = true;
    g_isMapCustom = false;
    g_isUserMapLoad = true;
    ViewMapLoadSteps steps(*this);
    const bool loaded =
        LoadMapFile({platform_.window, platform_.files, &platform_.fileDialogs, steps});
    g_isUserMapLoad = true;
    if (loaded) return;
    g_showTestMarkers = markers;
    g_isTestCustomMap = testing;
    g_isMapCustom = custom;
}
