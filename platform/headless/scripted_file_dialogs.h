// File dialogs that answer from a test's script and record what they were asked.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

namespace headless {

struct FileDialogCall {
    std::string filter;
    std::string initialPath;
    bool scripted = false;  // false: no answer was waiting and the user cancelled
    bool save = false;      // the save-file dialog
    bool operator==(const FileDialogCall&) const = default;
};

class ScriptedFileDialogs : public platform::FileDialogs {
  public:
    // Queues the user's next choice in either dialog: a path, or nullopt for Cancel.
    void ScriptOpen(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }

    std::optional<std::string> OpenFile(const std::string& filter,
                                        const std::string& initialPath) override;
    std::optional<std::string> SaveFile(const std::string& filter,
                                        const std::string& initialPath) override;

    const std::vector<FileDialogCall>& Calls() const { return calls_; }
    std::size_t PendingAnswers() const { return answers_.size(); }

  private:
    std::optional<std::string> Answer(const std::string& filter, const std::string& initialPath,
                                      bool save);
    std::deque<std::optional<std::string>> answers_;
    std::vector<FileDialogCall> calls_;
};

}  // namespace headless
