// The scripted file dialogs: the next queued answer, or Cancel when none is queued.
#include "platform/headless/scripted_file_dialogs.h"

namespace headless {

std::optional<std::string> ScriptedFileDialogs::OpenFile(const std::string& filter,
                                                         const std::string& initialPath) {
    return Answer(filter, initialPath, false);
}

std::optional<std::string> ScriptedFileDialogs::SaveFile(const std::string& filter,
                                                         const std::string& initialPath) {
    return Answer(filter, initialPath, true);
}

std::optional<std::string> ScriptedFileDialogs::Answer(const std::string& filter,
                                                       const std::string& initialPath, bool save) {
    const bool scripted = !answers_.empty();
    calls_.push_back({filter, initialPath, scripted, save});
    if (!scripted) return std::nullopt;
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

}  // namespace headless
