// The application's idle pass and the status line's display rule.
#pragma once

#include <optional>
#include <string>

// The text the status bar shows for `text`: nothing for an empty text (the bar keeps what it
// shows); letter-spaced at Screen Size Large when shorter than 64 characters.
std::optional<std::string> StatusDisplayText(const std::string& text);

// One idle pass: the status text to set again (if any); ends the one-shot label markers.
std::optional<std::string> IdlePass();
