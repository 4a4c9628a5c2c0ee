// Helpers of the map text tests: building map texts and parsing them.
#pragma once

#include <string>
#include <vector>

#include "core/model/map_text.h"

// Parses the given lines as the map loader would.
inline std::int32_t ParseLines(const std::vector<std::string>& lines) {
    g_mapTextBuffer = lines;
    return ParseMapTextBuffer();
}

// A continent line: bonus, name, members.
inline std::string ContinentLine(int bonus, const std::string& name,
                                 const std::vector<int>& members) {
    std::string line = std::to_string(bonus) + " " + name;
    for (int m : members) line += " " + std::to_string(m);
    return line;
}

// A territory line: number, code, label point, neighbours.
inline std::string TerritoryLine(int number, const std::vector<int>& neighbours) {
    std::string line = std::to_string(number) + " c" + std::to_string(number % 100) + " " +
                       std::to_string(number * 3) + " " + std::to_string(number * 2);
    for (int n : neighbours) line += " " + std::to_string(n);
    return line;
}

// A ring of `count` territories, each naming the next `links` ones (wrapping around).
inline std::vector<std::string> RingTerritories(int count, int links) {
    std::vector<std::string> lines{"[territories]"};
    for (int t = 1; t <= count; ++t) {
        std::vector<int> neighbours;
        for (int k = 1; k <= links; ++k) neighbours.push_back((t - 1 + k) % count + 1);
        lines.push_back(TerritoryLine(t, neighbours));
    }
    return lines;
}

// `continents` continents sharing territories 1..territories in consecutive blocks.
inline std::vector<std::string> BlockContinents(int continents, int territories) {
    std::vector<std::string> lines{"[continents]"};
    int next = 1;
    for (int c = 1; c <= continents; ++c) {
        const int size = territories / continents + (c <= territories % continents ? 1 : 0);
        std::vector<int> members;
        for (int k = 0; k < size; ++k) members.push_back(next++);
        lines.push_back(ContinentLine(c, "Land" + std::to_string(c), members));
    }
    return lines;
}

inline std::vector<std::string> Join(std::vector<std::string> a,
                                     const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
