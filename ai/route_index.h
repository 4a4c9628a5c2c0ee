// The rows of the route table that pass through each territory, kept as routes are learned, so
// that a search reads the few rows through its ends instead of the whole table.
#pragma once

#include <cstdint>
#include <span>

namespace ai {

// The used rows holding t in any of their places, in row order, each once: every row a scan for
// t would find, and maybe rows where t stands past the row's end, which the scan still rejects.
// The index follows rows appended to the table and starts again when the table was rewritten.
std::span<const std::int32_t> RowsThrough(std::int32_t t);
// The first used row whose first place is empty (row scans stop there); past the used rows when
// there is none.
std::int32_t FirstEmptyRow();

void ResetRouteIndex();

}  // namespace ai
