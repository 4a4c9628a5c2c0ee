// Placeholders for operations of subsystems still to come: each only notes that it was called.
#include "core/turn/pending_operations.h"

#include "core/child_view.h"
#include "core/turn/turn_state.h"

std::vector<std::string>& PendingCallLog() {
    static std::vector<std::string> log;
    return log;
}

std::string& PendingChatText() {
    static std::string text;
    return text;
}

namespace {
void Note(std::string call) {
    PendingCallLog().push_back(std::move(call));
}
}  // namespace

// Game set-up: the statistics window.
void CChildView::ShowStatsDialog() {
    Note("ShowStatsDialog");
}
// Internet game list.
void CChildView::PublishGameListEntry(std::int32_t slot, std::string hostText, std::int32_t close) {
    Note("PublishGameListEntry " + std::to_string(slot) + " " + hostText + " " +
         std::to_string(close));
}
// Network windows: users joined.
void CChildView::ShowUsersJoinedWindow() {
    Note("ShowUsersJoinedWindow");
}
// Network windows: users joined.
void CChildView::DestroyUsersJoinedWindow() {
    Note("DestroyUsersJoinedWindow");
}
// Network windows: direct-IP information.
void CChildView::DestroyDirectIpWindow() {
    Note("DestroyDirectIpWindow");
}
// Network windows: the chat window's typed text.
void CChildView::GetChatText(std::string* text) {
    Note("GetChatText");
    *text = PendingChatText();
}
// Network windows: the chat window's typed text.
void CChildView::ClearChatText() {
    Note("ClearChatText");
    PendingChatText().clear();
}
// Network windows: the chat window's list.
void CChildView::AddChatLine(const std::string& line) {
    Note("AddChatLine " + line);
}
