// The per-territory index of the route table.
#include "ai/route_index.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/route_table.h"

namespace ai {

namespace {

struct RouteIndex {
    std::uint32_t generation = 0;
    std::int32_t indexed = 0;  // rows 1..indexed are in `through`
    std::int32_t firstEmpty = 0;
    RouteRecord lastRow{};  // row `indexed` as it was indexed
    std::array<std::vector<std::int32_t>, kMaxTerritories + 1> through;
    std::array<std::vector<std::uint64_t>, kMaxTerritories + 1> bits;
};

RouteIndex g_routeIndex;

std::int32_t UsedRows() {
    return std::clamp(g_routeCount, 0, std::min(g_routeTableCapacity, kRouteTableRecords - 1));
}

void StartAgain(RouteIndex& index) {
    for (std::vector<std::int32_t>& rows : index.through) rows.clear();
    for (std::vector<std::uint64_t>& words : index.bits) words.clear();
    index.generation = RouteTableGeneration();
    index.indexed = 0;
    index.firstEmpty = 0;
    index.lastRow = {};
}

void AddRow(RouteIndex& index, std::int32_t r) {
    const RouteRecord& row = g_routeTable[static_cast<std::size_t>(r)];
    if (row[1] == 0 && index.firstEmpty == 0) index.firstEmpty = r;
    for (int k = 1; k <= kRouteLength; ++k) {
        const std::int32_t t = row[static_cast<std::size_t>(k)];
        if (t < 1 || t > kMaxTerritories) continue;
        std::vector<std::int32_t>& rows = index.through[static_cast<std::size_t>(t)];
        if (!rows.empty() && rows.back() == r) continue;
        rows.push_back(r);
        std::vector<std::uint64_t>& words = index.bits[static_cast<std::size_t>(t)];
        const std::size_t w = static_cast<std::size_t>(r) / 64;
        if (words.size() <= w) words.resize(w + 1, 0);
        words[w] |= std::uint64_t{1} << (r % 64);
    }
    index.indexed = r;
    index.lastRow = row;
}

// Brings the index up to the table: new rows are added; fewer rows, a rewrite noted, or a change
// to the last row indexed (rows rewritten behind a lowered count) start it again.
const RouteIndex& Synced() {
    RouteIndex& index = g_routeIndex;
    const std::int32_t used = UsedRows();
    const bool lastRowChanged =
        index.indexed > 0 && g_routeTable[static_cast<std::size_t>(index.indexed)] != index.lastRow;
    if (index.generation != RouteTableGeneration() || used < index.indexed || lastRowChanged)
        StartAgain(index);
    for (std::int32_t r = index.indexed + 1; r <= used; ++r) AddRow(index, r);
    return index;
}

}  // namespace

std::span<const std::int32_t> RowsThrough(std::int32_t t) {
    const RouteIndex& index = Synced();
    if (t < 1 || t > kMaxTerritories) return {};
    return index.through[static_cast<std::size_t>(t)];
}

std::span<const std::uint64_t> RowBitsThrough(std::int32_t t) {
    const RouteIndex& index = Synced();
    if (t < 1 || t > kMaxTerritories) return {};
    return index.bits[static_cast<std::size_t>(t)];
}

std::int32_t FirstEmptyRow() {
    const RouteIndex& index = Synced();
    return index.firstEmpty != 0 ? index.firstEmpty : UsedRows() + 1;
}

void ResetRouteIndex() {
    StartAgain(g_routeIndex);
}

}  // namespace ai
