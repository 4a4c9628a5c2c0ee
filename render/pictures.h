// The program's pictures (map, background and icon bitmaps) and pictures read from the user's
// files, as the board uses them.
#pragma once

#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/raster/surface.h"

namespace render {

// Largest BMP file read: a picture of the largest board at 32 bits, with room to spare.
inline constexpr std::size_t kMaxPictureFileBytes = 64u << 20;

// Reads a BMP file; nullopt when it is missing or not a picture we read.
std::optional<raster::Surface> ReadPictureFile(const platform::Files& files,
                                               const std::string& path);

// The program's bitmap `id` from <program folder>/res/bitmaps, read once per run and kept;
// nullptr when it does not exist or does not read.
const raster::Surface* ProgramPicture(const platform::Files& files, int id);

// Forgets every kept picture, as at program start.
void ForgetProgramPictures();

}  // namespace render
