// The generated tables of the imagined maps: printing them as C++ and comparing them with the
// tables compiled into the game.
#pragma once

#include <string>
#include <vector>

#include "tools/mapgen/imagined_map.h"

namespace mapgen {

// The whole of maps/generated_map_content.cpp, with the given maps' contents.
std::string ContentFile(const std::vector<ImaginedMap>& maps);
// The whole of maps/generated_map_texts.cpp, with the text of the map among them that is set up
// from a built-in map text.
std::string TextsFile(const std::vector<ImaginedMap>& maps);
// True when the game's compiled tables hold exactly what the map's inputs make.
bool MatchesCompiledTables(const ImaginedMap& map);

}  // namespace mapgen
