// The drawing rules of map pictures and outline files, checked on the finished files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "maps/world_art.h"
#include "platform/raster/surface.h"
#include "render/outline_file.h"

struct CodeMapContent;

namespace maps {

// The outline codec lives with the outline tables; these names serve the generators.
using render::DecodeOutlineFile;
using render::EncodeOutlineFile;
using render::OutlineSet;

// What a picture of one map at one screen size must satisfy.
struct PictureRules {
    int size = 2;
    raster::Colour laneColour = 0;
    // Per territory 1..n (element 0 unused): the paint point and its label's whole footprint.
    std::vector<raster::Point> paintPoints;
    std::vector<std::vector<raster::Rect>> footprints;
    std::vector<FillSeed> seeds;
    std::vector<std::pair<int, int>> neighbourPairs;  // a < b
};

// The paint point of `territory` at `size` (label point scaled, plus one, raised by `shiftY`)
// and the rectangles its code, count and icon cover with normal and with large fonts.
raster::Point PaintPoint(const MapArt& art, int size, std::int32_t territory, int shiftY);
std::vector<raster::Rect> LabelFootprint(const MapArt& art, int size, std::int32_t territory,
                                         int shiftY);

// The rules of a code-built map with label artwork, its paint points `shiftY` above the labels.
PictureRules RulesFor(const MapArt& art, const CodeMapContent& content, int size, int shiftY,
                      raster::Colour laneColour);

// Every broken rule, one line each; empty when the picture is sound.
std::vector<std::string> ValidatePicture(const raster::Surface& picture, const PictureRules& rules);
// The territory pairs that touch on the picture or are joined by a drawn sea lane (a < b), as
// the contact rule sees them; the neighbour pairs of `rules` are not read.
std::vector<std::pair<int, int>> ContactPairs(const raster::Surface& picture,
                                              const PictureRules& rules);
// Every outline that does not cover exactly its territory's main piece on the picture.
std::vector<std::string> ValidateOutlines(const raster::Surface& picture,
                                          const OutlineSet& outlines, const PictureRules& rules);

}  // namespace maps
