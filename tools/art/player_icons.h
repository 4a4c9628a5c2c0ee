// The players' smiley icons (15 x 15) and the one mask they all share.
#pragma once

#include "platform/raster/surface.h"

namespace art {

inline constexpr int kPlayerIconSize = 15;
// The owner code of a territory whose owner is hidden.
inline constexpr int kHiddenOwner = 99;

// The icon of player 1..10 or of the hidden owner: the face in colour, black wherever the
// mask lets the board show through (drawn as board AND mask, then XOR icon). Any other code
// gives an empty picture.
raster::Surface DrawPlayerIcon(int code);

// The shared mask: black over the face, white around it.
raster::Surface DrawPlayerIconMask();

}  // namespace art
