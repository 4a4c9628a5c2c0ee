// The quit confirmation: which question, and why the program ends.
#include "shell/quit.h"

#include <string>

#include "core/model/session_state.h"
#include "shell/frame_layout.h"

namespace {

constexpr int kNoPublishedSlot = 99;
const char kEndsForAll[] = "This ends the game for all players, quit anyway ?";
const char kReallyQuit[] = "Do you really want to quit ?";

bool AskYes(platform::WindowServices& window, const std::string& question) {
    return window.MessageBox(question, "Marovek", platform::MessageButtons::YesNo,
                             platform::MessageIcon::Exclamation) == platform::MessageAnswer::Yes;
}

}  // namespace

bool ConfirmQuit(platform::WindowServices& window) {
    const std::int32_t seat = g_networkSeat;
    if (seat == 1 && !g_isGameOver && g_connectedClients != 0) {
        if (!AskYes(window, kEndsForAll)) return false;
        g_exitReason = 1;
        return true;
    }
    if (seat >= 2 && !g_isGameOver && g_roundCounter != 0) {
        if (!AskYes(window, kEndsForAll)) return false;
        g_exitReason = 2;
        return true;
    }
    if (!AskYes(window, kReallyQuit)) return false;
    const bool published = seat == 1 && g_isInternetGame && g_publishedGameSlot != kNoPublishedSlot;
    g_exitReason = published ? 3 : 0;
    return true;
}
