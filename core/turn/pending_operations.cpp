// Operations of windows still to come (the internet game list, the network windows):
// until those windows exist there is nothing to show, and the chat window has no typed text.
#include <string>

#include "core/child_view.h"

// Internet game list.
void CChildView::PublishGameListEntry(std::int32_t, std::string, std::int32_t) {}
// Network windows: users joined.
void CChildView::ShowUsersJoinedWindow() {}
void CChildView::DestroyUsersJoinedWindow() {}
// Network windows: direct-IP information.
void CChildView::DestroyDirectIpWindow() {}
// Network windows: the chat window's typed text, none without the window.
void CChildView::GetChatText(std::string* text) {
    text->clear();
}
void CChildView::ClearChatText() {}
// Network windows: the chat window's list.
void CChildView::AddChatLine(const std::string&) {}
