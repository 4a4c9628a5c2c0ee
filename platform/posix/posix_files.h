// The game's files and folders on a POSIX system, with the XDG folder rules.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/files.h"

namespace posix {

// Looks up one environment variable; nullopt when it is not set.
using Environment = std::function<std::optional<std::string>(const std::string& name)>;

// The process's own environment.
Environment ProcessEnvironment();

class PosixFiles : public platform::Files {
  public:
    // `programFolder`: where the program's data lies (the executable's folder in a build tree).
    explicit PosixFiles(std::string programFolder, Environment environment = ProcessEnvironment());

    // XDG_DOCUMENTS_DIR of user-dirs.dirs, else $HOME/Documents when it exists, else $HOME.
    std::optional<std::string> DocumentsFolder() const override;
    // $XDG_DATA_HOME, else $HOME/.local/share.
    std::optional<std::string> AppDataFolder() const override;
    std::optional<std::string> ProgramFolder() const override;
    std::optional<std::string> CurrentDirectory() const override;
    std::optional<std::string> ComputerName() const override;

    bool CreateFolder(const std::string& path) override;
    bool Exists(const std::string& path) const override;
    std::optional<platform::Bytes> Read(const std::string& path,
                                        std::size_t maxBytes) const override;
    bool WriteAtomic(const std::string& path, const platform::Bytes& content) override;
    bool CreateNew(const std::string& path, const platform::Bytes& content) override;
    // Copied by the kernel, without the bytes passing through the program; the copy is flushed
    // to the disk, its folder is not.
    bool CopyNew(const std::string& from, const std::string& to, std::size_t maxBytes) override;
    bool Remove(const std::string& path) override;
    std::vector<std::string> List(const std::string& folder,
                                  const std::string& suffix) const override;

  private:
    std::optional<std::string> Home() const;
    std::optional<std::string> Variable(const std::string& name) const;
    std::optional<std::string> XdgDocumentsFolder() const;

    std::string programFolder_;
    Environment environment_;
};

}  // namespace posix
