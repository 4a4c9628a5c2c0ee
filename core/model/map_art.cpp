// Reading a map's artwork data: its label rows, offsets and seeds by screen size.
#include "core/model/map_art.h"

namespace maps {

const ArtLabel* LabelRow(const MapArt& art, int size, std::int32_t territory, std::int32_t* x,
                         std::int32_t* y) {
    const auto& rows = size == 1 ? art.labelsSize1 : art.labelsSize23;
    if (territory < 1 || static_cast<std::size_t>(territory) > rows.size()) return nullptr;
    const ArtLabel& row = rows[static_cast<std::size_t>(territory) - 1];
    const bool own3 = size == 3 && row.x3 >= 0;
    *x = own3 ? row.x3 : row.x;
    *y = own3 ? row.y3 : row.y;
    return &row;
}

const ArtOffset* FindOffset(std::span<const ArtOffset> rows, int size, std::int32_t territory) {
    for (const ArtOffset& row : rows)
        if (row.size == size && row.territory == territory) return &row;
    return nullptr;
}

std::span<const FillSeed> SeedsFor(const MapArt& art, int size) {
    if (size < 1 || size > 3) return {};
    return art.seeds[size - 1];
}

}  // namespace maps
