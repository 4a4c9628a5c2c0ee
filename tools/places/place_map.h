// One map of real places: what its generator draws and checks, from tools/places/<folder>.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/model/map_catalogue.h"
#include "maps/validate_picture.h"
#include "render/board_rules.h"
#include "tools/places/cells.h"
#include "tools/places/finish.h"
#include "tools/places/tables.h"

namespace places {

// Label artwork held by the generator while it searches (the compiled tables are views too).
struct OwnedArt {
    std::vector<maps::ArtLabel> labelsSize1, labelsSize23;
    std::vector<maps::ArtOffset> countOffsets, iconOffsets;
    std::array<std::vector<maps::FillSeed>, 3> seeds;
    std::vector<maps::CodeBoxSize> narrowCodeBoxes;
    maps::MapArt View() const;
};

// The cell file of a map (cells.txt): how its regions are cut into territories.
struct CellPlan {
    std::vector<RegionWish> regions;  // in search order
    std::vector<Site> fixed;          // territory: the number in its region
    struct Lanes {
        int from = 0, to = 0, count = 0;
    };
    std::vector<Lanes> lanes;
    double clearance = 14, spacing = 40, band = 6;
    int size1Dy = 0;            // size-1 label rows lie this much lower
    std::vector<int> ownSize3;  // rows with a size-3 position of their own (x + 2)
    std::vector<maps::ArtOffset> countOffsets;
    std::vector<std::array<maps::FillSeed, 3>> seeds;  // extra pieces, sizes 1..3
    // Maps drawn whole from their parts (no cells): label points given (`label`) or placed where
    // the label has most room, narrower code boxes (`narrow`), and icon rows at sizes 2 and 3
    // that undo the count rows (`icons`).
    std::vector<std::pair<int, Vec2>> labels;
    std::vector<maps::CodeBoxSize> narrowCodeBoxes;
    bool iconsUndoCounts = false;
    // Medium pixels of shared edge that the search's estimate asks of every contact (`firm`).
    int firmContact = 3;
    // A faulty contact sends the search back to either of its two territories' regions, not
    // only the first's (`reseek 2`).
    bool reseekBoth = false;
};
std::optional<CellPlan> LoadCellPlan(const std::string& path, std::string* error);

struct PlaceMap {
    std::string folder;     // under tools/places
    const BuiltinMap* map;  // its catalogue row
    // Where the game moves this map's paint points at size 3, and how many rows apart its fills
    // start (the row's largePaintMove and fillRaise).
    raster::Point LargeShift() const { return {map->largePaintMove, map->largePaintMove}; }
    int FillRaise() const { return map->fillRaise; }
    // How far the game raises this map's paint point above its label point at `size` 1..3.
    int ShiftY(int size) const { return render::PaintPointShiftOf(map, size); }
};

// Everything one drawing came to.
struct Drawing {
    PlaceTables tables;
    std::array<Finished, 3> sizes;  // screen sizes 1..3
    std::vector<std::string> errors, warnings;
};

// The map drawn from its inputs with `art`'s label points as the cells' sites; the tables are
// derived from the medium picture and every size checked against them.
Drawing Draw(const PlaceMap& place, const std::vector<Country>& countries, const Layout& layout,
             const CellPlan& plan, const maps::MapArt& art);

// A search for label points: sites for every region, the art made of them, drawn and checked;
// the first sound one of `attempts`, or nullopt (with the art of the fewest faults drawn in
// `best`, if given, to be looked at).
std::optional<OwnedArt> SearchArt(const PlaceMap& place, const std::vector<Country>& countries,
                                  const Layout& layout, const CellPlan& plan, int attempts,
                                  std::uint64_t seed, OwnedArt* best = nullptr);

// The art of a map whose territories are drawn whole from their parts: the plan's label points,
// and for territories without one the point whose label footprint (every size) stands farthest
// inside its land on the medium board; `placed` gets a `label` line for each point placed.
OwnedArt LabelledArt(const PlaceMap& place, const std::vector<Country>& countries,
                     const Layout& layout, const CellPlan& plan, std::string* placed);

// The art's rows as C++ for maps/place_art.cpp, under the name `prefix`.
std::string ArtSource(const std::string& prefix, const maps::MapArt& art);

}  // namespace places
