// The board's composition: background, map picture with black see-through, outlines when
// gradients need them, every territory with its label; and the copy of the board to the window.
#include <optional>
#include <string>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/raster/blit.h"
#include "platform/raster/fill.h"
#include "platform/resources.h"
#include "platform/window_services.h"
#include "render/board_rules.h"
#include "render/pictures.h"
#include "render/render_state.h"
#include "render/trace_progress.h"

namespace {

constexpr int kClockTimer = 1;
constexpr char kOceanPictureName[] = "oceans.bmp";

// The background bitmaps of backgrounds 1, 2 and 3: small, medium, large.
constexpr int kBackground1[3] = {341, 339, 338};
constexpr int kBackground2[3] = {215, 214, 274};
constexpr int kBackground3[3] = {365, 366, 367};

int SizeIndex() {
    if (g_screenSize == 3) return 2;
    if (g_screenSize == 2) return 1;
    return 0;
}

// The board's size at each screen size, which the user's picture is stretched to.
raster::Rect BoardRect() {
    constexpr raster::Rect kBoards[3] = {
        {0, 0, 741, 471}, {0, 0, 954, 632}, {0, 0, kOceanWidth, kOceanHeight}};
    return kBoards[SizeIndex()];
}

// The ocean area of the board, where the desktop behind the window can show.
constexpr raster::Rect kOceanArea{0, 0, kBoardWidth, kOceanHeight};
// What an oceans background covers of the board, from its top-left corner.
using Covered = raster::Rect;

Covered DrawProgramPicture(raster::Surface& board, const platform::Files& files, const int ids[3]) {
    const raster::Surface* picture = render::ProgramPicture(files, ids[SizeIndex()]);
    if (picture == nullptr) return {};
    raster::Blit(board, 0, 0, *picture);
    return picture->Bounds();
}

Covered DrawOceanPicture(raster::Surface& board, const platform::Files& files) {
    std::optional<raster::Surface> picture =
        render::ReadPictureFile(files, platform::JoinPath(g_userFilesFolder, kOceanPictureName));
    if (!picture) return {};
    g_backgroundPicture = std::move(*picture);
    const raster::Rect target = BoardRect();
    if (g_backgroundPicture.Width() >= target.Width() &&
        g_backgroundPicture.Height() >= target.Height()) {
        raster::Blit(board, 0, 0, g_backgroundPicture);
        return g_backgroundPicture.Bounds();
    }
    raster::StretchBlit(board, target, g_backgroundPicture, g_backgroundPicture.Bounds());
    return target;
}

// What lay behind the window when the program started, from where the view stands now, in
// `area` of the board.
void DrawDesktopIn(raster::Surface& board, const platform::WindowServices& window,
                   const raster::Rect& area) {
    if (area.Empty()) return;
    const std::optional<platform::ScreenPiece> piece = window.ReadScreenSnapshot(
        raster::Rect{g_desktopOffsetX + area.left, g_desktopOffsetY + area.top,
                     g_desktopOffsetX + area.right, g_desktopOffsetY + area.bottom});
    if (!piece) return;
    raster::Blit(board, piece->at.x - g_desktopOffsetX, piece->at.y - g_desktopOffsetY,
                 piece->picture);
}

// The desktop under the oceans where they leave the ocean area uncovered: the strip right of
// what they cover and the strip below it. Drawn after the oceans, it gives the board the
// desktop was first drawn under them would, reading only what shows of the screen.
void DrawDesktopBeside(raster::Surface& board, const platform::WindowServices& window,
                       const Covered& covered) {
    const raster::Point origin = window.ViewScreenOrigin();
    g_desktopOffsetX = origin.x;
    g_desktopOffsetY = origin.y;
    const raster::Rect inside = raster::Intersect(covered, kOceanArea);
    if (inside.Empty() || inside.left > 0 || inside.top > 0) {
        DrawDesktopIn(board, window, kOceanArea);
        return;
    }
    DrawDesktopIn(board, window,
                  raster::Rect{inside.right, 0, kOceanArea.right, kOceanArea.bottom});
    DrawDesktopIn(board, window, raster::Rect{0, inside.bottom, inside.right, kOceanArea.bottom});
}

// The oceans by background; some backgrounds move a preset colour scheme to own colours.
// Answers what of the board they cover.
Covered DrawOceans(raster::Surface& board, const platform::Files& files) {
    Covered covered;
    switch (g_oceansBackground) {
        case 0:
            covered = DrawProgramPicture(board, files, kBackground1);
            if (g_colourScheme == 1) g_colourScheme = 2;
            break;
        case 1:
            raster::FillRect(board, kOceanArea, g_oceansColour);
            covered = kOceanArea;
            g_colourScheme = 2;
            break;
        case 3:
            covered = DrawOceanPicture(board, files);
            g_colourScheme = 2;
            break;
        case 4:
            covered = DrawProgramPicture(board, files, kBackground2);
            g_colourScheme = 2;
            break;
        case 5:
            covered = DrawProgramPicture(board, files, kBackground3);
            if (g_colourScheme == 0) g_colourScheme = 2;
            break;
        default:
            // 2: the desktop shines through. Where the screen could not be read, or the window
            // stands partly off it, the own oceans colour shows rather than black: it covers
            // nothing of the desktop drawn over it.
            raster::FillRect(board, kOceanArea, g_oceansColour);
            break;
    }
    return covered;
}

// The file of the selected map's picture: a built-in map's bitmap, or a map file's picture
// (never on the small screen); "" for none.
std::string MapPictureFile() {
    if (const BuiltinMap* map = SelectedBuiltinMap()) {
        if (g_programFolder.empty()) return {};
        return platform::BitmapPath(g_programFolder, map->bitmaps[SizeIndex()]);
    }
    if (render::IsMapFile() && g_screenSize > 1) return g_mapBitmapPath;
    return {};
}

// Makes g_mapBitmap the selected map's picture: the one held when it came from the same file
// (a change of map empties it), else read now, after the picture held before is let go so that
// two maps' pictures are never held at once. Empty when it does not load.
void LoadMapPicture(const platform::Files& files) {
    const std::string file = MapPictureFile();
    if (!g_mapBitmap.Empty() && g_mapBitmapReadFrom == file) return;
    g_mapBitmap = raster::SharedSurface{};
    g_mapBitmapReadFrom.clear();
    if (std::optional<raster::Surface> picture = render::ReadPictureFile(files, file)) {
        g_mapBitmap = std::move(*picture);
        g_mapBitmapReadFrom = file;
    }
}

// Which map and size outlines are for: a built-in map's code, or a map file's picture.
std::string OutlineKey() {
    const BuiltinMap* map = SelectedBuiltinMap();
    const std::string what = map != nullptr ? std::string(map->code) : "file:" + g_mapBitmapPath;
    return what + "/" + std::to_string(g_screenSize);
}

void MarkLabelPoint(std::int32_t territory) {
    const LabelPosition& label = g_labelPositions[static_cast<std::size_t>(territory)];
    const BuiltinMap* map = SelectedBuiltinMap();
    const int shift = map != nullptr ? map->markerShift : 0;
    g_mapDC.SetPixel(ScaleToScreen(label.x) + shift, ScaleToScreen(label.y) + shift,
                     render::kTestMarkerColour);
}

}  // namespace

void render::LoadOceansPictures(const platform::Files& files, std::int32_t background) {
    const int* ids = background == 0   ? kBackground1
                     : background == 4 ? kBackground2
                     : background == 5 ? kBackground3
                                       : nullptr;
    if (ids != nullptr) ProgramPicture(files, ids[SizeIndex()]);
}

void CChildView::PaintBoard(raster::Surface& target) {
    g_isHighlightOn = false;
    // A board never composed has nothing to copy: compose it now.
    if (g_mapDC.Empty()) SetOneCharacterText(g_freshMapMarker, '0');
    if (g_freshMapMarker == "0") RebuildBoard();
    g_isHighlightOn = false;
    if (target.Width() > g_mapDC.Width() || target.Height() > g_mapDC.Height()) target.Fill(0);
    raster::Blit(target, 0, 0, g_mapDC);
    SetOneCharacterText(g_freshMapMarker, '1');
}

void CChildView::RebuildBoard() {
    platform_.window.SetTimer(kClockTimer, g_isVeryFastSpeed || g_isFastestSpeed ? 384 : 768);
    g_isPainting = true;
    // Composed into the storage of the board it replaces: no allocation per rebuild, and no
    // second board held. Nothing reads the board while it is composed.
    raster::Surface board = std::move(g_mapDC);
    board.Resize(kBoardWidth, kBoardHeight, 0);
    // The desktop behind the window, then the oceans over it: drawn the other way round, so that
    // only what the oceans leave showing is read of the screen.
    const Covered covered = DrawOceans(board, platform_.files);
    DrawDesktopBeside(board, platform_.window, covered);
    LoadMapPicture(platform_.files);
    const bool hasMap = !g_mapBitmap.Empty();
    // Outlines belong to one map and size: a change of either makes them again.
    if (hasMap &&
        (g_isBoardRebuildPending || (g_isGradientFill && g_outlinesMadeFor != OutlineKey()))) {
        MakeTerritoryOutlines();
    }
    g_isBoardRebuildPending = false;
    if (hasMap) raster::BlitKeyed(board, 0, 0, g_mapBitmap, render::kSeeThroughColour);
    g_mapDC = std::move(board);
    // Without a map picture there is nothing to fill: the board shows its background only.
    for (std::int32_t t = 1; hasMap && t <= g_territoryCount && t <= kMaxTerritories; ++t) {
        const auto i = static_cast<std::size_t>(t);
        g_isHighlightOn = IsYes(g_territoryHighlight[i]);
        DrawTerritoryArmies(t, g_displayedTerritories[i].armies, g_displayedTerritories[i].owner,
                            g_isHighlightOn);
        if (g_showTestMarkers) MarkLabelPoint(t);
    }
    g_isPainting = false;
    if (!g_isMapFileLoaded) g_isMapCustom = false;
    if (g_isTestMapPending) {
        g_isTestMapPending = false;
        g_isMapCustom = false;
        g_isTestCustomMap = true;
    }
}

void CChildView::MakeTerritoryOutlines() {
    const bool wasCustom = g_isMapCustom;
    if (g_isTestCustomMap) g_isMapCustom = true;
    if (g_isGradientFill) g_isGradientPaint = true;
    const BuiltinMap* map = SelectedBuiltinMap();
    bool traced = g_isMapCustom || (map != nullptr && map->tracedByBoard);
    g_outlinesMadeFor = OutlineKey();
    if (!traced && g_isGradientPaint) {
        OpenMapCacheFile();
        // An outline file that is missing or refused: the picture is traced as for a map
        // that has none.
        if (g_mapCachePath.empty()) traced = g_isGradientPaint = true;
    }
    const bool showProgress = traced && g_isGradientPaint && traceProgress_ != nullptr;
    if (showProgress) {
        const raster::Rect bar{10, 3, g_screenSize == 3 ? 800 : 600, 16};
        traceProgress_->Begin(bar, 1, g_territoryCount);
    }
    bool tracing = traced && g_isGradientPaint;
    for (std::int32_t t = 1; g_isGradientPaint && t <= g_territoryCount && t <= kMaxTerritories;
         ++t) {
        const auto i = static_cast<std::size_t>(t);
        if (tracing) {
            if (showProgress) traceProgress_->Step();
            std::int16_t count = 0;
            TraceTerritoryOutline(g_labelPositions[i].x, g_labelPositions[i].y, &count, t);
            g_outlineCounts[i] = count;
            for (int k = 0; k <= count; ++k) {
                g_outlineX[i][static_cast<std::size_t>(k)] = g_traceX[static_cast<std::size_t>(k)];
                g_outlineY[i][static_cast<std::size_t>(k)] = g_traceY[static_cast<std::size_t>(k)];
            }
            const bool repeated = t >= 2 && count >= 1 && count == g_outlineCounts[i - 1] &&
                                  g_outlineX[i][1] == g_outlineX[i - 1][1] &&
                                  g_outlineY[i][1] == g_outlineY[i - 1][1];
            // A short or repeated outline means the picture cannot be traced: paint flat.
            if (count < 100 || repeated) {
                tracing = false;
                g_isGradientPaint = false;
                break;
            }
        }
        for (int k = 0; k <= g_outlineCounts[i]; ++k) {
            const auto at = static_cast<std::size_t>(k);
            g_outlinePolygons[i][at] = raster::Point{g_outlineX[i][at], g_outlineY[i][at]};
        }
    }
    if (g_isTestCustomMap) g_isMapCustom = wasCustom;
    if (showProgress) traceProgress_->End();
}
