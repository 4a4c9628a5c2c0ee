// What the map says of each territory, gathered once for a computer turn: the continents that
// list it, each continent's members, and who lists it as a neighbour. The map does not change
// during a turn; outside a scope the questions scan the map tables as they stand.
#pragma once

#include <array>
#include <cstdint>

#include "core/model/game_state.h"

namespace ai {

struct MapIndex {
    // Bit c set: continent c lists the territory among its members.
    std::array<std::uint32_t, kMaxTerritories + 1> continents{};
    // The first continent listing the territory; 0 = none.
    std::array<std::uint8_t, kMaxTerritories + 1> firstContinent{};
    // Each continent's members in play, in member order, and its member count as the map gives it.
    std::array<std::array<std::uint8_t, kMaxContinentMembers>, kMaxContinents + 1> members{};
    std::array<std::uint8_t, kMaxContinents + 1> membersInPlay{};
    std::array<std::uint8_t, kMaxContinents + 1> memberCount{};
    // The territories whose neighbour lists name x: listedBy[listedFrom[x] .. listedFrom[x + 1]).
    std::array<std::int16_t, kMaxTerritories + 2> listedFrom{};
    std::array<std::uint8_t, kMaxTerritories * kMaxNeighbours> listedBy{};

    void Build();
};

// The index of the scope in force; nullptr outside one.
inline const MapIndex* g_mapIndex = nullptr;

// Builds the index for the map as it stands and answers from it until the scope ends.
class MapIndexScope {
  public:
    MapIndexScope() : saved_(g_mapIndex) {
        index_.Build();
        g_mapIndex = &index_;
    }
    ~MapIndexScope() { g_mapIndex = saved_; }
    MapIndexScope(const MapIndexScope&) = delete;
    MapIndexScope& operator=(const MapIndexScope&) = delete;

  private:
    MapIndex index_;
    const MapIndex* saved_;
};

}  // namespace ai
