// The line walker: visits each pixel of a straight line, for hit tests along a line.
#pragma once

#include <functional>

#include "platform/raster/surface.h"

namespace raster {

// Calls `visit` for every pixel of the line from `from` to `to` in order: the start pixel
// included, the end pixel left out (a line from a point to itself visits nothing). One pixel
// per step along the longer axis; step i's offset on the shorter axis is
// i * shorter / longer rounded to nearest, halves toward the start.
void WalkLine(Point from, Point to, const std::function<void(int x, int y)>& visit);
// The same walk, stopped at the first pixel for which `visit` returns false; whether it ran to
// the end.
bool WalkLineWhile(Point from, Point to, const std::function<bool(int x, int y)>& visit);

}  // namespace raster
