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
// The same rows as bits: bit r % 64 of word r / 64 is set for row r.
std::span<const std::uint64_t> RowBitsThrough(std::int32_t t);

// Calls each(row) for the used rows holding both a and b, in row order, until it returns false.
template <typename Each>
void ForEachRowThroughBoth(std::int32_t a, std::int32_t b, Each each) {
    const std::span<const std::uint64_t> x = RowBitsThrough(a), y = RowBitsThrough(b);
    const std::size_t words = x.size() < y.size() ? x.size() : y.size();
    for (std::size_t w = 0; w < words; ++w) {
        for (std::uint64_t both = x[w] & y[w]; both != 0; both &= both - 1) {
            const int bit = __builtin_ctzll(both);
            if (!each(static_cast<std::int32_t>(w * 64 + static_cast<std::size_t>(bit)))) return;
        }
    }
}

// The first used row whose first place is empty (row scans stop there); past the used rows when
// there is none.
std::int32_t FirstEmptyRow();

void ResetRouteIndex();

}  // namespace ai
