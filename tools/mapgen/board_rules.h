// What the board asks of an imagined map's pictures: sizes, colours, where the players panel
// stands, how far the paint point is raised, and label artwork made from the map's positions.
#pragma once

#include <vector>

#include "maps/world_art.h"
#include "platform/raster/surface.h"

struct BuiltinMap;
struct CodeMapContent;

namespace mapgen {

inline constexpr raster::Colour kBorderGrey = raster::Rgb(112, 112, 112);
inline constexpr raster::Colour kLaneGrey = raster::Rgb(176, 176, 176);

// The picture of screen size 1..3, the same sizes as World's.
struct PictureSize {
    int width;
    int height;
};
PictureSize BoardSize(int size);
// Board pixels per medium-screen unit.
double ScaleOf(int size);

// How far above the scaled label point the paint point stands (the board's own rule).
int PaintShift(const BuiltinMap& map, int size);
// The rectangle the players panel may cover (ten rows of boxes and names), which stays sea.
raster::Rect PanelArea(const BuiltinMap& map, int size);

// Label artwork whose rows are the content's label points, so that the picture validator
// measures each territory's label footprint where the board will draw it.
class LabelArt {
  public:
    explicit LabelArt(const CodeMapContent& content);
    LabelArt(const LabelArt&) = delete;
    LabelArt& operator=(const LabelArt&) = delete;
    const maps::MapArt& Art() const { return art_; }

  private:
    std::vector<maps::ArtLabel> labels_;
    maps::MapArt art_;
};

}  // namespace mapgen
