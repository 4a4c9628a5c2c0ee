// The army-count label of a territory: its code, its count in a box, and where its icon goes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/raster/surface.h"
#include "platform/raster/text.h"

namespace render {

struct LabelRequest {
    raster::Point at;     // the paint point
    raster::Colour fill;  // the territory's fill colour
    std::string code;
    std::string count;
    bool highlight = false;
    bool stronghold = false;
    std::int32_t owner = 0;
    std::int32_t territory = 0;
    std::int32_t armies = 0;  // the capped count, which picks the font
};

// A player icon to draw after the label: its code (1..10, or 99 for a hidden owner) and its
// top-left pixel.
struct IconRequest {
    std::int32_t code = 0;
    raster::Point at;
};

// The font of the label for a capped count.
raster::FontDescription LabelFont(std::int32_t armies);
// The colour of the label's texts.
raster::Colour LabelTextColour(const LabelRequest& label);
// The territory's code is drawn on the board now.
bool IsCodeShown();

// Draws the code and the count on the board (text through `glyphs`; none when it is null) and
// answers the icon to draw, if any.
std::optional<IconRequest> DrawTerritoryLabel(raster::Surface& board, raster::GlyphSource* glyphs,
                                              const LabelRequest& label);

}  // namespace render
