// The system's open-file and save-file dialogs as the game asks for them.
#pragma once

#include <optional>
#include <string>

namespace platform {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // Lets the user choose an existing file. `filter` is the game's filter text, pairs of
    // description and patterns separated by "|" and ended by "||" ("Map Files (*.txt)|*.txt||");
    // `initialPath` is the file or pattern the dialog starts from. Answers the chosen file's
    // full path, or nullopt when the user cancels.
    virtual std::optional<std::string> OpenFile(const std::string& filter,
                                                const std::string& initialPath) = 0;
    // Lets the user choose where a file is written, asking before an existing file is
    // replaced. Answers the chosen full path, or nullopt when the user cancels.
    virtual std::optional<std::string> SaveFile(const std::string& filter,
                                                const std::string& initialPath) = 0;
};

}  // namespace platform
