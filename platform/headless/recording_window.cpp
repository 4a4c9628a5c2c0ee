// The recording window: message boxes answered from a script, status panes remembered.
#include "platform/headless/recording_window.h"

namespace headless {

namespace {

platform::MessageAnswer FirstButton(platform::MessageButtons buttons) {
    switch (buttons) {
        case platform::MessageButtons::Ok:
        case platform::MessageButtons::OkCancel:
            return platform::MessageAnswer::Ok;
        case platform::MessageButtons::YesNo:
        case platform::MessageButtons::YesNoCancel:
            return platform::MessageAnswer::Yes;
        case platform::MessageButtons::RetryCancel:
            return platform::MessageAnswer::Retry;
    }
    return platform::MessageAnswer::Ok;
}

}  // namespace

platform::MessageAnswer RecordingWindow::MessageBox(const std::string& text,
                                                    const std::string& caption,
                                                    platform::MessageButtons buttons,
                                                    platform::MessageIcon icon) {
    messageBoxes.push_back({text, caption, buttons, icon});
    if (answers_.empty()) return FirstButton(buttons);
    const platform::MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void RecordingWindow::SetStatusPane(int paneId, const std::string& text) {
    statusPanes[paneId] = text;
    if (paneId == 0) statusTextsSet.push_back(text);
}

}  // namespace headless
