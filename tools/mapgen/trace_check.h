// The board's own outline tracer run over a traced map's picture, as the board runs it.
#pragma once

#include <string>
#include <vector>

#include "maps/map_content.h"
#include "platform/raster/surface.h"

namespace mapgen {

// The outline length the tracer finds for each territory 1..n at `size` (element 0 unused);
// 0 where it finds none.
// `mapFile`: traced as the board traces a loaded map file's picture.
std::vector<int> TracedLengths(const raster::Surface& picture, const CodeMapContent& content,
                               int size, bool mapFile = false);
// One line for each territory whose outline has fewer than 100 points, or repeats the outline
// of the territory before it: either makes the board give up gradient painting.
std::vector<std::string> TraceShortfalls(const raster::Surface& picture,
                                         const CodeMapContent& content, int size,
                                         bool mapFile = false);

}  // namespace mapgen
