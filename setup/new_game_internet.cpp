// New Game's network steps over the Internet: the host's address (asked for behind a router),
// its listening and its entry in the game list or the "Internet Game" window; the joining
// player's typed or listed host and the connection.
#include <string>

#include "core/child_view.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "net/game_list.h"
#include "net/host_address.h"
#include "platform/dialog_host.h"
#include "platform/socket.h"
#include "setup/internet_dialogs.h"
#include "setup/new_game.h"
#include "shell/settings.h"

namespace new_game {

namespace {

constexpr std::int32_t kStartSound = 0;

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Not blank: the first two characters are not both blanks (and there are any).
bool IsFilled(const std::string& text) {
    return !Trimmed(text.substr(0, 2)).empty();
}

}  // namespace

// The address this host is reached at; false restarts New Game.
bool Sequence::HostAddress() {
    const std::string stored = SettingsText(kExternalAddressOffset);
    const std::string local = view_.Platform().sockets.LocalAddress();
    const std::string address = Trimmed(IsFilled(stored) ? stored : local);
    if (!host_address::IsPrivate(address) && !address.empty()) {
        g_hostIpText = address;
        return true;
    }
    CHostip2Dlg& dialog = view_.Internet().hostip2;
    dialog.external = stored;
    dialog.internal = local;
    dialog.gameName = SettingsText(kGameListNameOffset);
    if (view_.Platform().dialogs.RunModal(dialog) != kIdOk) return false;
    if (dialog.external == stored && dialog.gameName == SettingsText(kGameListNameOffset))
        return false;
    // A refused address, or one that is itself private, leaves the previous one in place.
    if (!CheckHostAddress(view_, dialog.external)) return false;
    if (host_address::IsPrivate(dialog.external)) return false;
    g_hostIpText = Trimmed(dialog.external);
    g_settingsString216 = dialog.external;
    g_settingsString236 = dialog.gameName;
    // Kept at once, so that a game that ends in any way does not lose them.
    g_isSavingHostAddress = true;
    view_.SaveSettings();
    g_isSavingHostAddress = false;
    g_advancedIpRequest = true;
    return true;
}

Next Sequence::HostInternet() {
    if (!HostAddress()) return Reenable(Next::kRestart);
    if (!view_.HostNetworkGame()) return Reenable(Next::kRestart);
    view_.ShowStatus("Waiting for others to join...   Your IP:   " + g_hostIpText);
    InternetWindows& windows = view_.Internet();
    windows.askFtp.choice = 0;
    bool chosen = view_.Platform().dialogs.RunModal(windows.askFtp) == kIdOk;
    if (chosen && windows.askFtp.choice == 1) {
        g_chatRoomRequest = g_emailIpRequest = false;
        g_hostIpAtStart = g_hostIpText;
        g_advancedIpRequest = false;
        if (!windows.directIp.IsOpen()) view_.Platform().dialogs.CreateModeless(windows.directIp);
    } else if (chosen) {
        std::string status;
        const bool answered = view_.FetchInternetGameList(status);
        if (status == "E") chosen = false;
        // A list that could not be read was told of; the game goes on unlisted.
        else if (answered) {
            const std::int32_t slot = game_list::ChooseSlot(
                g_hostIpText, SettingsText(kGameListNameOffset), view_.Platform().random);
            view_.PublishGameListEntry(slot, g_hostIpText, 0);
        }
        g_chatRoomRequest = g_emailIpRequest = false;
    }
    if (!chosen) {
        view_.CloseSocket(0);
        g_isHostWaiting = false;
        g_networkSeat = 0;
        view_.ShowStatus(" ");
        return Reenable(Next::kRestart);
    }
    view_.UpdateWindowTitle();
    return Next::kLeave;
}

// The host the joining player typed or chose in the Games window; empty restarts New Game.
std::string Sequence::InternetHost() {
    platform::DialogHost& dialogs = view_.Platform().dialogs;
    InternetWindows& windows = view_.Internet();
    windows.joinFtp.choice = 0;
    if (dialogs.RunModal(windows.joinFtp) != kIdOk) return {};
    std::string host;
    if (windows.joinFtp.choice == 1) {
        windows.hostIp.host = g_settingsString196;
        while (Trimmed(host).empty()) {
            if (dialogs.RunModal(windows.hostIp) != kIdOk) return {};
            host = windows.hostIp.host;
        }
    } else {
        windows.gameList.selected = " ";
        std::string status;
        view_.FetchInternetGameList(status);
        if (status == "E" || dialogs.RunModal(windows.gameList) != kIdOk) return {};
        host = game_list::HostField(windows.gameList.selected);
        if (host.rfind("Closed", 0) == 0) return {};
    }
    host = Trimmed(host);
    // Whatever the list or the player gave is checked before anything connects to it.
    if (host.empty() || !CheckHostAddress(view_, host)) return {};
    return host;
}

Next Sequence::JoinInternet() {
    const std::string host = InternetHost();
    if (host.empty()) {
        view_.ShowStatus(" ");
        return Reenable(Next::kRestart);
    }
    g_settingsString196 = host;
    g_isSavingHostAddress = true;
    view_.SaveSettings();
    g_isSavingHostAddress = false;
    view_.PlayGameSound(kStartSound);
    if (!view_.JoinNetworkGame(host)) return Reenable(Next::kRestart);
    return Next::kLeave;
}

}  // namespace new_game
