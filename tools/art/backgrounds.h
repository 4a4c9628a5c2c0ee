// The three sea backgrounds behind the map, at each screen size.
#pragma once

#include "platform/raster/surface.h"

namespace art {

enum class Sea { kDeepBlue, kGreenSwell, kNightCurrents };

// The sea at `width` x `height`. The scene is laid out on the width, so every screen size
// shows the same sea, only finer or coarser.
raster::Surface DrawSea(Sea sea, int width, int height);

// The same picture in 15-bit colour with an ordered dither, for screens of fewer colours.
raster::Surface ReduceColours(const raster::Surface& picture);

}  // namespace art
