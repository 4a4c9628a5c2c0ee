// The idle pass: the status text shown again, spaced out on the Large board.
#include "shell/idle.h"

#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"

std::optional<std::string> StatusDisplayText(const std::string& text) {
    if (text.empty()) return std::nullopt;
    if (g_screenSize != 3 || text.size() >= 64) return text;
    // Every character followed by a blank, and one more blank for the end of the text.
    std::string spaced;
    for (char c : text) {
        spaced.push_back(c);
        spaced.push_back(' ');
    }
    spaced.push_back(' ');
    return spaced;
}

std::optional<std::string> IdlePass() {
    std::optional<std::string> shown = StatusDisplayText(g_statusText);
    g_showTestMarkers = false;
    return shown;
}
