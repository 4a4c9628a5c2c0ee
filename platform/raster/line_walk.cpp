// The line walker: visits each pixel of a straight line, for hit tests along a line.
#include "platform/raster/line_walk.h"

#include <cstdint>
#include <cstdlib>

namespace raster {
namespace {

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {  // b > 0
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// round(i * minor / major) with halves rounded down: ceil((2 i minor - major) / (2 major)).
int MinorOffset(std::int64_t i, std::int64_t minor, std::int64_t major) {
    return static_cast<int>(CeilDiv(2 * i * minor - major, 2 * major));
}

}  // namespace

bool WalkLineWhile(Point from, Point to, const std::function<bool(int x, int y)>& visit) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    const std::int64_t ax = std::llabs(dx);
    const std::int64_t ay = std::llabs(dy);
    const int sx = dx < 0 ? -1 : 1;
    const int sy = dy < 0 ? -1 : 1;
    if (ax >= ay) {
        for (std::int64_t i = 0; i < ax; ++i)
            if (!visit(static_cast<int>(from.x + sx * i), from.y + sy * MinorOffset(i, ay, ax)))
                return false;
    } else {
        for (std::int64_t i = 0; i < ay; ++i)
            if (!visit(from.x + sx * MinorOffset(i, ax, ay), static_cast<int>(from.y + sy * i)))
                return false;
    }
    return true;
}

void WalkLine(Point from, Point to, const std::function<void(int x, int y)>& visit) {
    WalkLineWhile(from, to, [&](int x, int y) {
        visit(x, y);
        return true;
    });
}

}  // namespace raster
