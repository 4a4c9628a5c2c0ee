// The status line of the game view: the remembered text and the passing notices.
#include "core/child_view.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"
#include "shell/idle.h"

void CChildView::ShowStatus(const std::string& text) {
    g_statusText = text;
    ShowTransientStatus(text);
}

// The idle pass shows g_statusText again, so this text stays only until then.
void CChildView::ShowTransientStatus(const std::string& text) {
    if (const std::optional<std::string> shown = StatusDisplayText(text)) {
        platform_.window.SetStatusPane(0, *shown);
    }
}
