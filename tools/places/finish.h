// The last steps of every map of real places at one screen size: a rasterised board made into
// its picture and outlines, checked, and written into the program's resource folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "maps/validate_picture.h"
#include "platform/raster/surface.h"
#include "tools/places/draw.h"
#include "tools/places/geo.h"

namespace places {

struct Finished {
    raster::Surface picture;
    maps::OutlineSet outlines;
};

// Lane ends widened, unclaimed pieces sunk, borders drawn grey, corners closed, lanes drawn,
// outlines traced and lakes greyed. Broken drawing rules go to `errors` (prefixed with the size).
Finished FinishBoard(Board& board, const Layout& layout, const maps::PictureRules& rules,
                     std::vector<std::string>& errors, std::vector<std::string>& warnings);

// The picture as <res>/bitmaps/<bitmapId>.bmp and the outlines as
// <res>/maps/Mrvekmap<code><size>.dat; false with `error` set when either cannot be written.
bool WriteMapFiles(const std::filesystem::path& res, int bitmapId, const std::string& code,
                   int size, const Finished& finished, std::string* error);

}  // namespace places
