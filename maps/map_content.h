// The fixed contents that the set-up of a code-built map writes into the board's tables.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/model/game_state.h"
#include "core/model/route_table.h"

struct TerritoryContent {
    std::string_view code;  // used by maps whose codes are their own
    std::int32_t x;         // label point, medium-screen units
    std::int32_t y;
    std::array<std::int32_t, kMaxNeighbours> neighbours;  // in stored order, 0 after the last
};

// A continent's border territories in stored order, 0 after the last.
using BorderRow = std::array<std::int32_t, kMaxContinentBorder>;
// An attack chain of at most 15 territories, 0 after the last (entry 16 of a record stays 0).
inline constexpr int kMaxRouteChain = kRouteLength - 1;
using RouteChain = std::array<std::int32_t, kMaxRouteChain>;

struct CodeMapContent {
    std::span<const TerritoryContent> territories;  // territories 1..n
    std::span<const BorderRow> borders;             // continents 1..n
    std::span<const RouteChain> routes;             // route records 1..n
};

struct BuiltinMap;

// World's contents.
const CodeMapContent& WorldMapContent();
// The contents of the imagined maps, made by their generator, by the map's table key; empty for
// any other map.
const CodeMapContent& GeneratedMapContent(const BuiltinMap& map);
// The contents that the set-up of `map` writes: its drawn place's, else the generated ones.
const CodeMapContent& ContentOf(const BuiltinMap& map);
// True when the contents fill every territory, continent and route record of the map.
bool IsContentComplete(const CodeMapContent& content, const BuiltinMap& map);
