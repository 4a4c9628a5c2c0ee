// Building the computer turn's index of the map.
#include "ai/map_index.h"

#include "ai/board.h"

namespace ai {

void MapIndex::Build() {
    // The scans below must read the map tables, not an index.
    const MapIndex* saved = g_mapIndex;
    g_mapIndex = nullptr;
    *this = MapIndex{};
    for (int c = Continents(); c >= 1; --c) {
        memberCount[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(MemberCount(c));
        ForEachMember(c, [&](std::int32_t t) {
            continents[static_cast<std::size_t>(t)] |= 1u << c;
            firstContinent[static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(c);
            std::uint8_t& n = membersInPlay[static_cast<std::size_t>(c)];
            members[static_cast<std::size_t>(c)][n++] = static_cast<std::uint8_t>(t);
        });
    }
    const std::int32_t territories = Territories();
    for (int y = 1; y <= territories; ++y)
        ForEachNeighbour(
            y, [&](std::int32_t n, int) { ++listedFrom[static_cast<std::size_t>(n) + 1]; });
    for (std::size_t x = 1; x < listedFrom.size(); ++x)
        listedFrom[x] = static_cast<std::int16_t>(listedFrom[x] + listedFrom[x - 1]);
    std::array<std::int16_t, kMaxTerritories + 2> next = listedFrom;
    for (int y = 1; y <= territories; ++y)
        ForEachNeighbour(y, [&](std::int32_t n, int) {
            listedBy[static_cast<std::size_t>(next[static_cast<std::size_t>(n)]++)] =
                static_cast<std::uint8_t>(y);
        });
    g_mapIndex = saved;
}

}  // namespace ai
