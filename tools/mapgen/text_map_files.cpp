#include "tools/mapgen/text_map_files.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "core/model/map_text.h"
#include "maps/map_texts.h"
#include "platform/raster/bmp.h"

namespace mapgen {
namespace {

namespace fs = std::filesystem;

bool WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::vector<std::uint8_t> MapFileBytes(const BuiltinMapText& text) {
    g_mapTextBuffer.clear();
    maps::AppendBuiltinMapText(text);
    std::string out;
    for (const std::string& line : g_mapTextBuffer) out += line + "\n";
    g_mapTextBuffer.clear();
    return {out.begin(), out.end()};
}

}  // namespace

bool WriteTextMapFiles(const TextMap& map, const fs::path& folder, bool withText) {
    const std::string base = map.name;
    bool written = WriteFile(folder / (base + ".bmp"), raster::WriteBmp(map.drawings[0].picture)) &&
                   WriteFile(folder / (base + "_2.bmp"), raster::WriteBmp(map.drawings[1].picture));
    if (withText) written = written && WriteFile(folder / (base + ".txt"), MapFileBytes(*map.text));
    return written;
}

}  // namespace mapgen
