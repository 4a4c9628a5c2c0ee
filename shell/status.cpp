// The status line of the game view.
#include "core/child_view.h"
#include "platform/window_services.h"
#include "shell/idle.h"
#include "shell/storage.h"

void CChildView::ShowStatus(const std::string& text) {
    g_statusText = text;
    if (const std::optional<std::string> shown = StatusDisplayText(text)) {
        platform_.window.SetStatusPane(0, *shown);
    }
}
