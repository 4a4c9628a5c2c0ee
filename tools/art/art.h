// Every picture of the game other than maps: its resource id, its folder and its drawing.
#pragma once

#include <string>
#include <vector>

#include "platform/raster/surface.h"

namespace art {

// Bitmaps lie in res/bitmaps, icons in res/icons (the program's resource folders).
enum class Folder { kBitmaps, kIcons };

struct Picture {
    Folder folder;
    int id;
    raster::Surface surface;
};

// The sea backgrounds, the player icons with their mask, the card and mission icons.
std::vector<Picture> DrawAll();

// Where a picture goes below the resource folder: "bitmaps/<id>.bmp" or "icons/<id>.bmp".
std::string RelativePath(Folder folder, int id);

// Writes every picture as a 24-bit BMP below `res`, creating the folders; false (with a
// message on stderr) when a file cannot be written.
bool WriteAll(const std::string& res);

}  // namespace art
