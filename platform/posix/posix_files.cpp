// POSIX files: XDG folders, whole-file reads, writes by temporary file + fsync + rename.
#include "platform/posix/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <utility>

#include "platform/posix/host_name.h"

namespace posix {

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t written = ::write(fd, data + done, size - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool WriteAll(int fd, const platform::Bytes& content) {
    return WriteAll(fd, content.data(), content.size());
}

// Writes, flushes to disk and closes; the descriptor is closed whatever happens.
bool WriteSyncClose(int fd, const platform::Bytes& content) {
    const bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at (the path itself when it is no link, or names no
// file yet), so that a save replaces the file the user linked to and keeps the link; nullopt
// for a loop or a chain too long to follow.
std::optional<std::string> FinalTarget(std::string path) {
    constexpr int kMaxLinks = 40;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string target(4096, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return std::nullopt;
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : platform::JoinPath(FolderOf(path), target);
    }
    return std::nullopt;
}

// The mode a newly created file gets from the user's umask.
mode_t NewFileMode() {
    // umask can only be read by setting it: put it straight back.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// Copies `size` bytes from `in` to `out` inside the kernel where the file systems allow it, else
// through a buffer; a source that ends early ends the copy there.
bool CopyBytes(int in, int out, std::size_t size) {
    std::size_t left = size;
    while (left > 0) {
        const ssize_t moved = ::copy_file_range(in, nullptr, out, nullptr, left, 0);
        if (moved < 0 && errno == EINTR) continue;
        // Not between these file systems: the buffer below does it.
        if (moved < 0 && left == size &&
            (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP))
            break;
        if (moved < 0) return false;
        if (moved == 0) return true;
        left -= static_cast<std::size_t>(moved);
    }
    std::uint8_t buffer[65536];
    while (left > 0) {
        const ssize_t got = ::read(in, buffer, std::min(sizeof buffer, left));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (!WriteAll(out, buffer, static_cast<std::size_t>(got))) return false;
        left -= static_cast<std::size_t>(got);
    }
    return true;
}

// Makes a file only where none is yet (through a link to a file not there yet, the file it names,
// as a save through the link would), fills it through `fill` and flushes it to the disk. Answers
// the path made, or nullopt, and then no part of it is left: a half-made new file would later
// read as a damaged one. The kernel applies the user's umask to the mode.
template <typename Fill>
std::optional<std::string> MakeNewFile(const std::string& linkOrPath, Fill fill) {
    if (linkOrPath.empty()) return std::nullopt;
    std::optional<std::string> target = FinalTarget(linkOrPath);
    if (!target) return std::nullopt;
    const int fd = ::open(target->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return std::nullopt;
    const bool synced = fill(fd) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !synced) {
        ::unlink(target->c_str());
        return std::nullopt;
    }
    return target;
}

// Makes the rename itself durable.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool EndsWithNoCase(const std::string& name, const std::string& suffix) {
    if (name.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<long>(suffix.size()),
                      [](char a, char b) {
                          auto lower = [](char c) {
                              return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
                          };
                          return lower(a) == lower(b);
                      });
}

// The value of `key` in a user-dirs.dirs file: KEY="$HOME/path" or KEY="/path".
std::optional<std::string> UserDir(const std::string& file, const std::string& key,
                                   const std::string& home) {
    std::ifstream in(file);
    std::string line;
    const std::string prefix = key + "=\"";
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) != 0) continue;
        const std::size_t end = line.find('"', prefix.size());
        if (end == std::string::npos) return std::nullopt;
        std::string value = line.substr(prefix.size(), end - prefix.size());
        if (value.rfind("$HOME", 0) == 0) {
            value = home + value.substr(5);
        } else if (value.empty() || value.front() != '/') {
            return std::nullopt;
        }
        while (value.size() > 1 && value.back() == '/') value.pop_back();
        // A folder set to $HOME itself means the user has none for this purpose.
        if (value == home) return std::nullopt;
        return value;
    }
    return std::nullopt;
}

}  // namespace

Environment ProcessEnvironment() {
    return [](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    };
}

PosixFiles::PosixFiles(std::string programFolder, Environment environment)
    : programFolder_(std::move(programFolder)), environment_(std::move(environment)) {}

std::optional<std::string> PosixFiles::Variable(const std::string& name) const {
    std::optional<std::string> value = environment_(name);
    if (!value || value->empty()) return std::nullopt;
    return value;
}

std::optional<std::string> PosixFiles::Home() const {
    std::optional<std::string> home = Variable("HOME");
    if (!home || home->front() != '/') return std::nullopt;
    return home;
}

std::optional<std::string> PosixFiles::XdgDocumentsFolder() const {
    const std::optional<std::string> home = Home();
    if (!home) return std::nullopt;
    std::optional<std::string> config = Variable("XDG_CONFIG_HOME");
    if (!config || config->front() != '/') config = platform::JoinPath(*home, ".config");
    return UserDir(platform::JoinPath(*config, "user-dirs.dirs"), "XDG_DOCUMENTS_DIR", *home);
}

std::optional<std::string> PosixFiles::DocumentsFolder() const {
    if (std::optional<std::string> xdg = XdgDocumentsFolder()) return xdg;
    const std::optional<std::string> home = Home();
    if (!home) return std::nullopt;
    const std::string documents = platform::JoinPath(*home, "Documents");
    return IsFolder(documents) ? documents : *home;
}

std::optional<std::string> PosixFiles::AppDataFolder() const {
    // Relative values are to be ignored (XDG base directories).
    std::optional<std::string> data = Variable("XDG_DATA_HOME");
    if (data && data->front() == '/') return data;
    const std::optional<std::string> home = Home();
    if (!home) return std::nullopt;
    return platform::JoinPath(*home, ".local/share");
}

std::optional<std::string> PosixFiles::ProgramFolder() const {
    if (programFolder_.empty()) return std::nullopt;
    return programFolder_;
}

std::optional<std::string> PosixFiles::CurrentDirectory() const {
    std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
    if (!cwd) return std::nullopt;
    return std::string(cwd.get());
}

std::optional<std::string> PosixFiles::ComputerName() const {
    return posix::ComputerName();
}

bool PosixFiles::CreateFolder(const std::string& path) {
    if (path.empty()) return false;
    // Each missing parent first, then the folder itself.
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && !IsFolder(part) && ::mkdir(part.c_str(), 0755) != 0 &&
            errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) break;
    }
    return IsFolder(path);
}

bool PosixFiles::Exists(const std::string& path) const {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

std::optional<platform::Bytes> PosixFiles::Read(const std::string& path,
                                                std::size_t maxBytes) const {
    // Without blocking: a FIFO or a device in a file's place must not hang the game; only a
    // regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // One read of the size the file says it has, straight into the result.
    const auto sized = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    platform::Bytes content(std::min(sized, maxBytes));
    std::size_t filled = 0;
    bool ok = true;
    bool ended = false;
    while (filled < content.size()) {
        const ssize_t got = ::read(fd, content.data() + filled, content.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) ok = false;
        if (got <= 0) {
            ended = true;
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    content.resize(filled);
    // A file that reports no size (the kernel's own files) is read in pieces to its end, still
    // up to maxBytes; bytes a writer adds after the size was taken are not read.
    std::uint8_t chunk[4096];
    while (ok && !ended && sized == 0 && content.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - content.size());
        const ssize_t got = ::read(fd, chunk, want);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) ok = false;
        if (got <= 0) break;
        content.insert(content.end(), chunk, chunk + got);
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    return content;
}

bool PosixFiles::WriteAtomic(const std::string& linkOrPath, const platform::Bytes& content) {
    if (linkOrPath.empty() || linkOrPath.back() == '/') return false;
    const std::optional<std::string> target = FinalTarget(linkOrPath);
    if (!target) return false;
    const std::string& path = *target;
    struct stat old {};
    const bool replaces = ::stat(path.c_str(), &old) == 0;
    // Only a file is replaced: a folder or a FIFO in its place stays.
    if (replaces && !S_ISREG(old.st_mode)) return false;
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;
    // Keep the mode of the file it replaces; a new file takes the user's umask.
    ::fchmod(fd, replaces ? (old.st_mode & 07777) : NewFileMode());
    if (!WriteSyncClose(fd, content) || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

bool PosixFiles::CreateNew(const std::string& linkOrPath, const platform::Bytes& content) {
    const std::optional<std::string> made =
        MakeNewFile(linkOrPath, [&](int fd) { return WriteAll(fd, content); });
    if (!made) return false;
    SyncFolder(FolderOf(*made));
    return true;
}

bool PosixFiles::CopyNew(const std::string& from, const std::string& linkOrTo,
                         std::size_t maxBytes) {
    // As Read: only a regular file is copied, and opening it never waits.
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (in < 0) return false;
    struct stat info {};
    const bool fits = ::fstat(in, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
                      static_cast<std::uintmax_t>(info.st_size) <= maxBytes;
    const bool made = fits && MakeNewFile(linkOrTo, [&](int out) {
                          return CopyBytes(in, out, static_cast<std::size_t>(info.st_size));
                      });
    ::close(in);
    // The folder is not flushed: a copy whose name a crash loses is simply made again, and its
    // bytes are on the disk before its name can be.
    return made;
}

bool PosixFiles::Remove(const std::string& path) {
    return !path.empty() && ::unlink(path.c_str()) == 0;
}

std::vector<std::string> PosixFiles::List(const std::string& folder,
                                          const std::string& suffix) const {
    std::vector<std::string> names;
    struct CloseDir {
        void operator()(DIR* dir) const { ::closedir(dir); }
    };
    std::unique_ptr<DIR, CloseDir> dir(::opendir(folder.c_str()));
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        struct stat info {};
        const std::string full = platform::JoinPath(folder, name);
        if (::stat(full.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            EndsWithNoCase(name, suffix)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace posix
