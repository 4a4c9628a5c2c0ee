// Path joining shared by every Files implementation.
#include "platform/files.h"

namespace platform {

bool Files::CopyNew(const std::string& from, const std::string& to, std::size_t maxBytes) {
    // One byte more than allowed tells a file that is too large.
    const std::optional<Bytes> content = Read(from, maxBytes + 1);
    return content && content->size() <= maxBytes && CreateNew(to, *content);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (name.empty()) return folder;
    const bool folderSlash = folder.back() == '/';
    const bool nameSlash = name.front() == '/';
    if (folderSlash && nameSlash) return folder + name.substr(1);
    if (folderSlash || nameSlash) return folder + name;
    return folder + "/" + name;
}

}  // namespace platform
