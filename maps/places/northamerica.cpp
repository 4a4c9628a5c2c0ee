// NorthAmerica's label tables and contents, made by tools/gen_place_maps --search from its drawing.
// Not drawn yet: empty tables, so the game falls back to World for this map.
#include "maps/place_art.h"

namespace maps {

const PlaceData& NorthAmericaPlace() {
    static const PlaceData none{};
    return none;
}

}  // namespace maps
