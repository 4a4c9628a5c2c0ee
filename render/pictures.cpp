// Picture files: the program's own bitmaps, kept once read, and the user's pictures.
#include "render/pictures.h"

#include <map>
#include <string>

#include "core/model/files.h"
#include "platform/raster/bmp.h"
#include "platform/resources.h"

namespace render {
namespace {

// Keyed by full path, so that a change of program folder never serves another folder's picture.
std::map<std::string, raster::Surface>& Kept() {
    static std::map<std::string, raster::Surface> kept;
    return kept;
}

}  // namespace

std::optional<raster::Surface> ReadPictureFile(const platform::Files& files,
                                               const std::string& path) {
    if (path.empty()) return std::nullopt;
    const std::optional<platform::Bytes> bytes = files.Read(path, kMaxPictureFileBytes);
    if (!bytes) return std::nullopt;
    return raster::ReadBmp(*bytes, nullptr);
}

const raster::Surface* ProgramPicture(const platform::Files& files, int id) {
    if (g_programFolder.empty()) return nullptr;
    const std::string path = platform::BitmapPath(g_programFolder, id);
    auto& kept = Kept();
    if (const auto found = kept.find(path); found != kept.end()) return &found->second;
    std::optional<raster::Surface> picture = ReadPictureFile(files, path);
    if (!picture) return nullptr;
    return &kept.emplace(path, std::move(*picture)).first->second;
}

void ForgetProgramPictures() {
    Kept().clear();
}

}  // namespace render
