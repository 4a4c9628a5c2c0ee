// The shipped map files and their copying into the user's files folder.
#include "maps/shipped_maps.h"

#include "maps/map_texts.h"
#include "platform/files.h"

namespace maps {
namespace {

constexpr std::string_view kSuffixes[] = {".txt", ".bmp", "_2.bmp"};

// Larger than any map picture the game draws; a bigger file is not ours.
constexpr std::size_t kLargestShippedFile = 16u << 20;

}  // namespace

std::vector<std::string_view> ShippedMapNames() {
    std::vector<std::string_view> names;
    for (const BuiltinMapText& text : BuiltinMapTexts()) {
        constexpr std::string_view kText = ".txt";
        if (!text.fileName.ends_with(kText) || !IsMapTextComplete(text)) continue;
        names.push_back(text.fileName.substr(0, text.fileName.size() - kText.size()));
    }
    return names;
}

std::span<const std::string_view> ShippedMapSuffixes() {
    return kSuffixes;
}

std::string ShippedMapFolder(const std::string& programFolder) {
    return platform::JoinPath(programFolder, "res/mapfiles");
}

int CopyMissingShippedMaps(platform::Files& files, const std::string& programFolder,
                           const std::string& userFolder) {
    if (programFolder.empty() || userFolder.empty()) return 0;
    const std::string from = ShippedMapFolder(programFolder);
    int copied = 0;
    for (std::string_view name : ShippedMapNames()) {
        bool userHasOne = false;
        for (std::string_view suffix : kSuffixes)
            userHasOne = userHasOne || files.Exists(platform::JoinPath(
                                           userFolder, std::string(name) + std::string(suffix)));
        if (userHasOne) continue;
        // A map whose files are not all there (not drawn in this build) is not copied in part.
        bool shipped = true;
        for (std::string_view suffix : kSuffixes)
            shipped = shipped && files.Exists(platform::JoinPath(
                                     from, std::string(name) + std::string(suffix)));
        if (!shipped) continue;
        for (std::string_view suffix : kSuffixes) {
            const std::string file = std::string(name) + std::string(suffix);
            // Made only where no file is, so that one made meanwhile is never replaced.
            if (files.CopyNew(platform::JoinPath(from, file), platform::JoinPath(userFolder, file),
                              kLargestShippedFile))
                ++copied;
        }
    }
    return copied;
}

}  // namespace maps
