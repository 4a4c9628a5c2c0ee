// The content tables of a map of real places, derived from its drawing: neighbours, continent
// border lists and route records, printed as C++ and compared with the compiled ones.
#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/model/map_catalogue.h"
#include "maps/map_content.h"
#include "maps/world_art.h"

namespace places {

struct PlaceTables {
    std::vector<std::vector<int>> neighbours;  // territories 1..n, element 0 unused, ascending
    std::vector<std::vector<int>> borders;     // continents 1..c, element 0 unused
    std::vector<std::vector<int>> routes;      // records in order
};

// Neighbours from contact pairs (a < b) of territories 1..n.
std::vector<std::vector<int>> NeighboursFrom(const std::vector<std::pair<int, int>>& pairs, int n);
// Each continent's members with a neighbour outside it, ascending.
std::vector<std::vector<int>> BorderLists(const std::vector<std::vector<int>>& neighbours,
                                          std::span<const ContinentRun> runs);
// `count` chains of neighbours without repeats, found depth first in ascending order: the first
// `longest` long from territory 1, the others from the first member of continents 2, 3, ...
// (wrapping round), each as long as it can be up to `longest`. Empty when the first falls short.
std::vector<std::vector<int>> MakeRoutes(const std::vector<std::vector<int>>& neighbours,
                                         std::span<const ContinentRun> runs, int count,
                                         int longest);

// Every way the tables miss the catalogue's fixed values, one line each.
std::vector<std::string> CatalogueMisses(const PlaceTables& tables, const BuiltinMap& map);

// Every way the compiled content differs from the derived tables and label points (size 2).
std::vector<std::string> CompiledMisses(const PlaceTables& tables, const maps::MapArt& art,
                                        const CodeMapContent& compiled);

// The map's content as C++ rows for maps/place_map_content.cpp, under the name `prefix`.
std::string ContentSource(const std::string& prefix, const PlaceTables& tables,
                          const maps::MapArt& art);

}  // namespace places
