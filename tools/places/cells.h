// Territories cut out of real regions (states, provinces): each region's land shared between
// the label points in it, every pixel going to the nearest one.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/places/draw.h"
#include "tools/places/geo.h"

namespace places {

// Land of region r is drawn with the id kRegionBase + r until its cells are assigned.
inline constexpr int kRegionBase = 1000;

// One territory's label point (medium units) in its region.
struct Site {
    int territory = 0;
    int region = 0;
    Vec2 at;
    bool edge = false;  // the only kind of cell that reaches the region's land borders
    // The middle of the label's footprint relative to its label point, in medium units (it
    // follows the map's y shift): cells are drawn around it so that the whole label stands in
    // its own cell.
    Vec2 middle{10, 1};
    Vec2 Middle() const { return Vec2{at.x + middle.x, at.y + middle.y}; }
};

// Every pixel of a region given to the territory of the nearest site of that region; pixels
// within `band` medium pixels of another region's land go to the nearest edge site, so that only
// edge cells touch other regions and the number of a region's border members is chosen.
void AssignCells(Board& board, const std::vector<Site>& sites, double band);
// The band of a board: its region pixels within `band` medium pixels of another region's land.
std::vector<bool> BandOf(const Board& board, double band);
// The same with the band already known (the search assigns one board many times).
void AssignCells(Board& board, const std::vector<Site>& sites, const std::vector<bool>& band);

// What the search asks of one region: its number of territories and how many of them may touch
// other regions (or end a sea lane).
struct RegionWish {
    int region = 0;
    int territories = 0;
    int borderMembers = 0;
    int edgeSites = 0;
    std::vector<Vec2> laneEnds;
    Vec2 middle{10, 1};  // of the sites' footprints  // medium points whose cells end a sea lane
};

// A small deterministic generator, the same on every platform.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t state_;
};

// Sites for one region on a medium board of region ids: `fixed` sites kept (interior ones), the
// others drawn at random among the pixels at least `clearance` from sea and other regions and
// at least `spacing` from each other, the edge sites close to another region and the others
// clear of the band, until as many cells as wished touch other regions or end a sea lane. Sites
// are numbered from 1 in the region, fixed ones first. Empty when no try of `tries` succeeds.
std::vector<Site> SearchRegion(const Board& regions, const RegionWish& wish,
                               const std::vector<Site>& fixed, double clearance, double spacing,
                               double band, int tries, Rng& rng);

// City-block distance of every pixel of a medium board of region ids to land of a region other
// than `region` (-1 where there is none).
std::vector<int> DistanceToOther(const Board& regions, int region);

// Tells the edge sites by where they stand on the medium board of region ids (the rule the
// search places them by).
void MarkEdges(const Board& regions, std::vector<Site>& sites, double clearance);

}  // namespace places
