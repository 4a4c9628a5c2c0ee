// The 32 x 32 icons the dialogs draw: the four card pictures and the two mission pictures.
#pragma once

#include "platform/raster/surface.h"

namespace art {

inline constexpr int kDialogIconSize = 32;

enum class CardKind { kCavalry, kInfantry, kWild, kArtillery };
enum class MissionPicture { kOrders, kCompleted };

// Both are opaque pictures: around the drawing they hold the dialogs' face colour, so they
// sit on a dialog as if they had a mask.
raster::Surface DrawCard(CardKind kind);
raster::Surface DrawMission(MissionPicture picture);

}  // namespace art
