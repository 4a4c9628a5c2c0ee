// Territory painting: the fill of one territory in its owner's colour (flat flood fill or a
// gradient clipped to its outline), its further pieces, its label and the player icons.
#include <optional>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/turn/turn_state.h"
#include "platform/raster/blit.h"
#include "platform/raster/fill.h"
#include "platform/raster/flood_fill.h"
#include "platform/raster/gradient.h"
#include "platform/raster/region.h"
#include "render/army_labels.h"
#include "render/board_rules.h"
#include "render/map_art.h"
#include "render/pictures.h"
#include "render/render_state.h"

namespace {

constexpr int kIconSide = 15;
constexpr int kIconMask = 137;

// How far the paint point stands above the label point on the map now on the board.
int PaintPointShift() {
    if (render::IsMapFile()) return 12;
    return render::PaintPointShiftOf(SelectedBuiltinMap(), g_screenSize);
}

raster::Point PaintPoint(std::int32_t x, std::int32_t y) {
    raster::Point p{ScaleToScreen(x) + 1, ScaleToScreen(y) + 1};
    const BuiltinMap* map = SelectedBuiltinMap();
    if (map != nullptr && g_screenSize == 3)
        p = {p.x + map->largePaintMove, p.y + map->largePaintMove};
    p.y -= PaintPointShift();
    return p;
}

// How far below the paint point the flat fill starts.
int FillRaise() {
    const BuiltinMap* map = SelectedBuiltinMap();
    return map != nullptr ? map->fillRaise : 0;
}

// An icon drawn earlier would break the area the fill follows: cover it with the old colour.
bool ErasesIconSquare() {
    return render::AreTerritoryIconsShown();
}

std::span<const maps::FillSeed> Seeds() {
    const maps::MapArt* art = render::CurrentMapArt();
    if (art == nullptr) return {};
    return maps::SeedsFor(*art, g_screenSize);
}

int IconBitmap(std::int32_t code) {
    if (code >= 1 && code <= 5) return 130 + code;
    if (code >= 6 && code <= 10) return 243 + code;
    if (code == 99) return 138;
    return 0;
}

}  // namespace

int render::PaintPointShiftOf(const BuiltinMap* map, int size) {
    const int index = size == 2 || size == 3 ? size - 1 : 0;
    if (map != nullptr) return map->paintShift[index];
    return index == 0 ? 1 : 3;
}

void CChildView::PaintTerritory(std::int32_t x, std::int32_t y, const std::string& code,
                                const std::string& countText, bool highlight, std::int32_t owner,
                                std::int32_t territory, std::int32_t armies) {
    if (territory < 1 || territory > kMaxTerritories || g_mapDC.Empty()) return;
    const raster::Point p = PaintPoint(x, y);
    const bool stronghold = render::IsStronghold(territory);
    const raster::Colour fill = render::PieceColour(owner, highlight);
    raster::Colour& current = g_territoryColours[static_cast<std::size_t>(territory)];
    const int fillY = p.y + FillRaise();

    if (g_freshMapMarker == "0") {
        current = render::kFreshTerritoryColour;
    } else if (ErasesIconSquare()) {
        raster::FillRect(g_mapDC, raster::Rect{p.x, p.y, p.x + kIconSide, p.y + kIconSide},
                         current);
    }
    if (g_isGradientPaint) {
        GradientFillTerritory(territory, owner);
    } else {
        raster::FloodFillSurface(g_mapDC, p.x, fillY, current, fill);
    }
    for (const maps::FillSeed& seed : Seeds()) {
        if (seed.territory == territory) {
            raster::FloodFillSurface(g_mapDC, seed.x, seed.y, current, fill);
        }
    }
    current = fill;

    const render::LabelRequest label{p,          fill,  code,      countText, highlight,
                                     stronghold, owner, territory, armies};
    if (const std::optional<render::IconRequest> icon =
            render::DrawTerritoryLabel(g_mapDC, &platform_.glyphs, label)) {
        DrawPlayerIcon(icon->code, icon->at.x, icon->at.y);
    }
}

void CChildView::GradientFillTerritory(std::int32_t territory, std::int32_t owner) {
    if (territory < 1 || territory > kMaxTerritories) return;
    const auto t = static_cast<std::size_t>(territory);
    const int points = std::min<int>(g_outlineCounts[t], kMaxOutlineIndex + 1);
    // Fewer than three points make no region, and nothing is drawn.
    const raster::Region region = raster::Region::FromPolygon(g_outlinePolygons[t].data(), points);
    if (region.Empty()) return;
    const render::GradientColours colours = render::GradientColoursOf(owner, g_isHighlightOn);
    raster::GradientFillV(g_mapDC, region.Bounds(), colours.top, colours.bottom, &region);
}

void CChildView::DrawPlayerIcon(std::int32_t code, std::int32_t x, std::int32_t y) {
    const int bitmap = IconBitmap(code);
    if (bitmap == 0) return;
    const raster::Surface* mask = render::ProgramPicture(platform_.files, kIconMask);
    const raster::Surface* icon = render::ProgramPicture(platform_.files, bitmap);
    if (mask == nullptr || icon == nullptr) return;
    const raster::Rect size{0, 0, icon->Width(), icon->Height()};
    raster::Blit(g_mapDC, x, y, *mask, size, raster::RasterOp::kAnd);
    raster::Blit(g_mapDC, x, y, *icon, size, raster::RasterOp::kXor);
}
