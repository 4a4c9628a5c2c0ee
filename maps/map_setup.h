// The set-up of the code-built maps: every map table cleared to its limit, then the map written.
#pragma once

#include <cstdint>
#include <string>

struct BuiltinMap;

namespace maps {
// Clears every map table up to its limit: territories, names, continents, borders, neighbours,
// label points, codes and all route records.
void ClearMapTables();
// Sets up `map` (its sizes already set); answers false, and leaves the default map set up
// instead, when the map's contents are missing or its text is refused.
bool SetupBuiltinMap(const BuiltinMap& map);
// The code of a territory of a map whose codes follow its continents' compass words: the word
// and the territory's place in its continent (1..9, then 0), blank-filled to 3 characters.
std::string CompassTerritoryCode(const BuiltinMap& map, std::int32_t territory);
// Selects the default map and sets it up entirely: sizes, tables and the board's reset.
void FallBackToDefaultMap();
}  // namespace maps
