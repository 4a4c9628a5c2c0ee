// What the placeholder operations record, so that tests see that the turn engine called them.
#pragma once

#include <string>
#include <vector>

// Each placeholder appends its name (with its arguments where they matter) when it is called.
std::vector<std::string>& PendingCallLog();
// The text the placeholder chat window holds as typed.
std::string& PendingChatText();
