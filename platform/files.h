// Files and folders as the game uses them: its data folders, whole-file reads and safe writes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

using Bytes = std::vector<std::uint8_t>;

class Files {
  public:
    virtual ~Files() = default;

    // The user's documents folder, the application-data folder and the folder holding the
    // program's data; nullopt when the system cannot tell.
    virtual std::optional<std::string> DocumentsFolder() const = 0;
    virtual std::optional<std::string> AppDataFolder() const = 0;
    virtual std::optional<std::string> ProgramFolder() const = 0;
    virtual std::optional<std::string> CurrentDirectory() const = 0;
    // The computer's name (Latin-1); nullopt when the system cannot tell.
    virtual std::optional<std::string> ComputerName() const = 0;

    // Creates one folder (and its missing parents); an existing folder is success.
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) const = 0;

    // Reads at most maxBytes of a regular file; nullopt when it cannot be opened or read, or is
    // no regular file (a FIFO or device is never waited on).
    virtual std::optional<Bytes> Read(const std::string& path, std::size_t maxBytes) const = 0;
    // Writes the whole file through a temporary file and a rename; false on any failure, and
    // the old file is then untouched. A symbolic link keeps pointing at the file, which gets
    // the new content; a new file's mode follows the user's umask.
    virtual bool WriteAtomic(const std::string& path, const Bytes& content) = 0;
    // Creates the file only when none exists yet; false when it exists or cannot be made. A
    // symbolic link to a file not there yet makes that file.
    virtual bool CreateNew(const std::string& path, const Bytes& content) = 0;
    // Copies the regular file `from` to `to` only when no file is at `to` yet, as CreateNew
    // makes it; false when `to` exists, `from` is larger than maxBytes or the copy cannot be
    // made, and then no part of a copy is left. This one reads the file and creates the copy;
    // a file system may copy without bringing the bytes into the program.
    virtual bool CopyNew(const std::string& from, const std::string& to, std::size_t maxBytes);
    virtual bool Remove(const std::string& path) = 0;

    // Names (not paths) of the plain files in a folder whose names end with `suffix`
    // (compared without regard to case), sorted.
    virtual std::vector<std::string> List(const std::string& folder,
                                          const std::string& suffix) const = 0;
};

// Joins two path pieces with one "/".
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace platform
