// What every window system's screen snapshot shares: cutting a piece of it.
#include "platform/window_services.h"

#include "platform/raster/blit.h"

namespace platform {

std::optional<ScreenPiece> CutScreenPiece(const raster::Surface& screen, const raster::Rect& area) {
    const raster::Rect part = raster::Intersect(area, screen.Bounds());
    if (part.Empty()) return std::nullopt;
    ScreenPiece piece{raster::Surface(part.Width(), part.Height()), {part.left, part.top}};
    raster::Blit(piece.picture, 0, 0, screen, part);
    return piece;
}

}  // namespace platform
