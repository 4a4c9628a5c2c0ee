// Path joining shared by every Files implementation.
#include "platform/files.h"

namespace platform {

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
