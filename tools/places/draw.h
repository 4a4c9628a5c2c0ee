// A map of real places at one screen size: territories rasterised, cleaned, drawn, laned, outlined.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "maps/validate_picture.h"
#include "platform/raster/surface.h"
#include "tools/places/geo.h"

namespace places {

// One warped ring of a territory, in medium-screen units.
struct Shape {
    int territory = 0;
    Ring ring;
};

// The territory of every pixel (0: sea) at one screen size.
struct Board {
    int size = 2;
    int width = 0;
    int height = 0;
    std::vector<int> id;
    std::vector<bool> grey;  // land drawn as border: pockets too small to be pieces
    int& At(int x, int y) { return id[static_cast<std::size_t>(y) * width + x]; }
    int At(int x, int y) const { return id[static_cast<std::size_t>(y) * width + x]; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// Countries cut, moved, enlarged and warped onto the board, in drawing order.
std::vector<Shape> BuildShapes(const std::vector<Country>& countries, const Layout& layout,
                               const Warp& warp, std::string* error);

// The shapes, the layout's strokes and a clear area around every label (paint points raised by
// `shiftY`) at screen size 1..3.
// With `thicken`, land grows one pixel into the sea wherever that joins and closes nothing (for
// the small board's thin necks and coasts). Every seed of size 2 also gets a small disk of its
// territory's land, so that the piece it names keeps some white at every size. A map whose
// game paints labels or fills at other places gets the clear area also moved by each of
// `moves`.
Board Rasterise(const std::vector<Shape>& shapes, const Layout& layout, const maps::MapArt& art,
                std::span<const maps::FillSeed> mediumSeeds, int size, bool thicken, int shiftY,
                std::span<const raster::Point> moves = {});

// A thickened board's white pieces split again with grey lines where they join pieces that are
// apart on the `thin` board and claimed there by a paint point or a seed.
void KeepPiecesApart(Board& board, const Board& thin, const maps::PictureRules& rules,
                     raster::Colour border);

// White interiors, grey borders and coasts, black sea.
raster::Surface Render(const Board& board, raster::Colour border);

// Seeds for every piece beyond each territory's main one: the `wanted` largest per territory at
// size 2, then the same pieces at sizes 1 and 3 (pinned seeds kept where they fall).
std::vector<maps::FillSeed> SuggestSeeds(const Board& board, const maps::PictureRules& rules,
                                         const std::vector<int>& wanted,
                                         const std::vector<maps::FillSeed>& medium);

// Turns to sea every land piece that no paint point or seed claims (to the surrounding
// territory's land where one territory alone encloses it); a piece joined to a claimed
// one only by a border line is drawn all grey instead, and reported when it is large.
void DropUnclaimedPieces(Board& board, const maps::PictureRules& rules, raster::Colour border,
                         std::vector<std::string>& warnings);

// Two white pieces that meet only at a corner: the smaller one's corner pixel drawn grey, so
// that every piece is closed by grey on all eight sides.
void CloseCorners(raster::Surface& picture, raster::Colour border);

// Sea wholly inside a territory's outline (lakes) drawn grey, so the outline covers no sea.
void FillEnclosedSea(raster::Surface& picture, const maps::OutlineSet& outlines,
                     raster::Colour border);

// Where a sea lane would end on a coast with no white of its territory behind it (a thin cape or
// islet), a small disk of that territory's land there, so the lane meets its territory.
void WidenLaneEnds(Board& board, const Layout& layout, raster::Colour border);

// The layout's sea lanes, drawn on the sea between the coasts of their two territories.
void DrawLanes(raster::Surface& picture, const Board& board, const Layout& layout,
               raster::Colour colour, std::vector<std::string>& errors);

// Each territory's main piece as a closed polygon of pixel corners (the last point repeats the
// first), which as an even-odd region covers exactly the piece's white pixels.
maps::OutlineSet TraceOutlines(const raster::Surface& picture, const maps::PictureRules& rules);

}  // namespace places
