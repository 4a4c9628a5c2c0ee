// Drawing an imagined map organically around label points and neighbour lists already fixed:
// each territory is the land nearest to its label (and to a few seeds where it meets its
// neighbours), under a noise warp; creeks of sea part the territories that are not neighbours,
// sea lanes join the neighbours that do not touch, and the coast is bent by noise.
#pragma once

#include <array>
#include <vector>

#include "tools/mapgen/drawing.h"
#include "tools/mapgen/layout.h"

struct BuiltinMap;
struct CodeMapContent;

namespace mapgen {

// The three pictures (sizes 1, 2, 3, lanes drawn) of `layout`'s map drawn organically around
// `content`'s label points, with the contacts of the strips (`strips`: the territory under each
// pixel of the strips' medium drawing) and sea lanes for the other neighbours; a pair no lane
// fits between is left without one, for the picture checks to name.
std::array<Drawing, 3> DrawOrganic(const Layout& layout, const std::vector<int>& strips,
                                   const BuiltinMap& map, const CodeMapContent& content);

}  // namespace mapgen
