// Army-count labels: the code, the count with its box, and the icon's place, by map and size.
#include "render/army_labels.h"

#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/raster/fill.h"
#include "platform/raster/text_draw.h"
#include "render/board_rules.h"
#include "render/map_art.h"

namespace render {
namespace {

constexpr raster::Colour kFlatLabelColour = 0x400000;
constexpr raster::Colour kGradientLabelColour = 0xF5F5FF;

struct BoxSize {
    int width, height;
};

// The code box: the map's narrower box for the territory, else the size's usual one.
BoxSize CodeBoxSize(std::int32_t territory) {
    if (const maps::MapArt* art = CurrentMapArt()) {
        for (const maps::CodeBoxSize& row : art->narrowCodeBoxes)
            if (row.size == g_screenSize && row.territory == territory)
                return {row.width, row.height};
    }
    if (g_screenSize == 3) return {19, 10};
    if (g_screenSize == 2) return {17, 8};
    return {11, 6};
}

BoxSize CountBoxSize() {
    if (g_screenSize == 3) return {13, 10};
    if (g_screenSize == 2) return {11, 8};
    return {8, 6};
}

void FillBox(raster::Surface& board, raster::Point at, BoxSize box, raster::Colour colour) {
    raster::FillRect(board, raster::Rect{at.x, at.y, at.x + box.width, at.y + box.height}, colour);
}

void Text(raster::Surface& board, raster::GlyphSource* glyphs, raster::Point at,
          const std::string& text, const raster::FontDescription& font, raster::Colour colour) {
    if (glyphs != nullptr) raster::DrawText(board, at.x, at.y, text, font, colour, *glyphs);
}

// Moves a point by the territory's row of an offset table, if it has one.
raster::Point Offset(raster::Point at, const maps::ArtOffset* row) {
    if (row == nullptr) return at;
    if (row->absolute) return raster::Point{row->dx, row->dy};
    return raster::Point{at.x + row->dx, at.y + (g_isLargeFonts ? row->dyLargeFonts : row->dy)};
}

const maps::ArtOffset* CountRow(std::int32_t territory) {
    const maps::MapArt* art = CurrentMapArt();
    if (art == nullptr) return nullptr;
    return maps::FindOffset(art->countOffsets, g_screenSize, territory);
}

const maps::ArtOffset* IconRow(std::int32_t territory) {
    const maps::MapArt* art = CurrentMapArt();
    if (art == nullptr) return nullptr;
    return maps::FindOffset(art->iconOffsets, g_screenSize, territory);
}

// Where the count's box and text go, from the (moved) paint point.
struct CountPlace {
    raster::Point box;
    raster::Point text;
};
CountPlace PlaceCount(raster::Point p) {
    if (!HasCodeLayout()) return {{p.x, p.y + 1}, p};
    if (g_screenSize != 2 && g_screenSize != 3) return {{p.x, p.y + 12}, {p.x, p.y + 11}};
    if (g_isLargeFonts) return {{p.x, p.y + 15}, {p.x, p.y + 14}};
    return {{p.x, p.y + 16}, {p.x, p.y + 15}};
}

}  // namespace

raster::FontDescription LabelFont(std::int32_t armies) {
    if (g_isSafeMode || g_screenSize == 1 || armies > 99) return g_fontTerminal8;
    if (g_screenSize == 3) return g_fontSansSerif6;
    return g_isLargeFonts ? g_fontTerminal10 : g_fontSerif6;
}

raster::Colour LabelTextColour(const LabelRequest& label) {
    if (!label.stronghold || label.highlight) {
        return g_isGradientPaint ? kGradientLabelColour : kFlatLabelColour;
    }
    if (IsHiddenOwner(label.owner)) return kFlatLabelColour;
    if (!g_isGradientPaint) return PlayerHighlightColour(label.owner);
    return (label.owner == 2 || label.owner == 7) ? 0x00A0FF : 0x0000FF;
}

bool IsCodeShown() {
    if (!HasCodeLayout() || g_isSafeMode) return false;
    const bool iconsTakeItsPlace =
        g_isSmiliesOn && (g_screenSize == 2 || g_screenSize == 3) && g_screenWidth > 800;
    return !iconsTakeItsPlace || KeepsCodesWithoutIconRoom();
}

std::optional<IconRequest> DrawTerritoryLabel(raster::Surface& board, raster::GlyphSource* glyphs,
                                              const LabelRequest& label) {
    const bool gradient = g_isGradientPaint;
    const bool hidden = IsHiddenOwner(label.owner);
    const raster::FontDescription font = LabelFont(label.armies);
    raster::Colour text = LabelTextColour(label);
    raster::Colour box = label.fill;
    raster::Point p = label.at;

    if (IsCodeShown()) {
        const std::string code = g_isLargeFonts ? label.code.substr(0, 2) : label.code;
        if (!gradient) FillBox(board, {p.x, p.y + 1}, CodeBoxSize(label.territory), box);
        Text(board, glyphs, p, code, font, text);
    }
    if (hidden) box = text = kHiddenColour;  // the count melts into the territory

    p = Offset(p, CountRow(label.territory));
    if (!(gradient && hidden)) {
        const CountPlace place = PlaceCount(p);
        if (!gradient) FillBox(board, place.box, CountBoxSize(), box);
        Text(board, glyphs, place.text, label.count, font, text);
    }

    p = Offset(p, IconRow(label.territory));
    if (!AreTerritoryIconsShown()) return std::nullopt;
    if (hidden) return IconRequest{99, p};
    if (IsPlayer(label.owner)) return IconRequest{label.owner, p};
    return std::nullopt;  // no icon exists for continent colouring
}

}  // namespace render
