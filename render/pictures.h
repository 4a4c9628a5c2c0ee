// The program's pictures (map, background and icon bitmaps) and pictures read from the user's
// files, as the board uses them.
#pragma once

#include <cstdint>
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

// Reads the pictures of oceans background `background` (0..5) at every screen size into the
// kept pictures, so that the board's next rebuild finds them; backgrounds without a picture of
// ours read nothing.
void LoadOceansPictures(const platform::Files& files, std::int32_t background);

// Forgets every kept picture, as at program start.
void ForgetProgramPictures();

}  // namespace render
