// Where the program's generated pictures and sounds lie below the program folder.
#pragma once

#include <string>

#include "platform/files.h"

namespace platform {

// <program folder>/res/bitmaps/<id>.bmp, res/icons/<id>.bmp, res/sounds/<name>.wav
inline std::string BitmapPath(const std::string& programFolder, int id) {
    return JoinPath(programFolder, "res/bitmaps/" + std::to_string(id) + ".bmp");
}
inline std::string IconPath(const std::string& programFolder, int id) {
    return JoinPath(programFolder, "res/icons/" + std::to_string(id) + ".bmp");
}
inline std::string SoundPath(const std::string& programFolder, const std::string& name) {
    return JoinPath(programFolder, "res/sounds/" + name + ".wav");
}

}  // namespace platform
