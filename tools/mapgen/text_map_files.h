// Writing a drawn map text as the map files the game ships: "<name>.bmp", "<name>_2.bmp" and,
// unless it is a draft, "<name>.txt" with exactly the lines the game serves for the text.
#pragma once

#include <filesystem>

#include "tools/mapgen/text_map.h"

namespace mapgen {

// Writes the files into `folder`; false when one of them could not be written.
bool WriteTextMapFiles(const TextMap& map, const std::filesystem::path& folder, bool withText);

}  // namespace mapgen
