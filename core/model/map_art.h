// The board artwork data of a built-in map: label tables, count and icon offsets, narrow code
// boxes and extra fill seeds. The catalogue (maps/) holds each map's data; the board reads it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

struct BuiltinMap;

namespace maps {

// One row of a built-in label table: the label point in medium-screen units and the code drawn.
// Rows with a size-3 position of their own carry it in x3, y3; the others have x3 = -1.
struct ArtLabel {
    std::int32_t x;
    std::int32_t y;
    std::string_view code;
    std::int32_t x3 = -1;
    std::int32_t y3 = -1;
};

// Moves the count (or the icon) of one territory at one screen size: by (dx, dy), or to the
// pixel (dx, dy) when absolute. dyLargeFonts is the move with large fonts (one less in
// magnitude where the count goes beside the code).
struct ArtOffset {
    int size;
    std::int32_t territory;
    bool absolute;
    std::int32_t dx;
    std::int32_t dy;
    std::int32_t dyLargeFonts;
};

// An extra flood-fill seed: a pixel of the board at one screen size, in one of the territory's
// pieces that the fill from its label cannot reach.
struct FillSeed {
    std::int32_t territory;
    std::int32_t x;
    std::int32_t y;
};

// A code box narrower than the size's usual one.
struct CodeBoxSize {
    int size;
    std::int32_t territory;
    int width;
    int height;
};

struct MapArt {
    std::span<const ArtLabel> labelsSize1;   // territories 1..n
    std::span<const ArtLabel> labelsSize23;  // territories 1..n
    std::span<const ArtOffset> countOffsets;
    std::span<const ArtOffset> iconOffsets;  // sizes 2 and 3 only
    std::span<const CodeBoxSize> narrowCodeBoxes;
    std::span<const FillSeed> seeds[3];  // screen sizes 1, 2, 3
};

// The label row of `territory` at screen size 1..3 (size-3 position where the row has one);
// nullptr beyond the table.
const ArtLabel* LabelRow(const MapArt& art, int size, std::int32_t territory, std::int32_t* x,
                         std::int32_t* y);
// The offset row of (size, territory) in `rows`, or nullptr.
const ArtOffset* FindOffset(std::span<const ArtOffset> rows, int size, std::int32_t territory);
// The seeds of screen size 1..3; empty for any other size.
std::span<const FillSeed> SeedsFor(const MapArt& art, int size);

// The label tables, count offsets and fill seeds of `map`; nullptr for a map without its own.
const MapArt* ArtOf(const BuiltinMap& map);

}  // namespace maps
