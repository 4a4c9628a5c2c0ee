// The map files the program ships beside its data (res/mapfiles), and their copying into the
// user's files folder, where Load Map, campaign files and network games look for map files.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class Files;
}

namespace maps {

// The shipped maps by name: the built-in map texts with a file name whose lines exist, each
// shipped as "<name>.txt" (the text the game serves) with "<name>.bmp" and "<name>_2.bmp".
std::vector<std::string_view> ShippedMapNames();
// The files that make up one shipped map, in the order they are copied.
std::span<const std::string_view> ShippedMapSuffixes();
// The folder below the program folder that holds them.
std::string ShippedMapFolder(const std::string& programFolder);

// Copies every shipped map of which the user's folder holds none of its files; a map of which
// the user keeps any file (a map of their own of that name, or one they changed) is left alone,
// and no file there is ever replaced. Answers how many files were copied.
int CopyMissingShippedMaps(platform::Files& files, const std::string& programFolder,
                           const std::string& userFolder);

}  // namespace maps
