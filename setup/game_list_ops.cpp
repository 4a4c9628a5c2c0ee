// Reading the internet game list over HTTP and writing this host's entry over FTP. Everything a
// server sends is cleaned before it is kept; every failure is told once and changes nothing.
#include <string>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/session_state.h"
#include "core/model/yes_no.h"
#include "core/services/network.h"
#include "core/turn/turn_state.h"
#include "net/game_list.h"
#include "platform/clock.h"
#include "platform/transfer.h"
#include "platform/window_services.h"
#include "setup/new_game.h"
#include "shell/frame_layout.h"
#include "shell/settings.h"

namespace {

// Enough to tell an entry with its line end from an oversized file.
constexpr std::size_t kReadLimit = 256;
constexpr std::size_t kMostErrorText = 1024;
constexpr std::int32_t kQuittingHost = 3;

void Tell(CChildView& view, std::string text) {
    if (text.size() > kMostErrorText) text.resize(kMostErrorText);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    view.Platform().window.MessageBox(text, "Marovek", platform::MessageButtons::Ok,
                                      platform::MessageIcon::Exclamation);
}

std::string MapTitle() {
    if (g_isMapCustom) return (g_mapName + std::string(15, ' ')).substr(0, 14);
    const BuiltinMap* map = SelectedBuiltinMap();
    if (map == nullptr) return std::string(14, ' ');
    return std::string(map->scoreTitle.empty() ? map->name : map->scoreTitle);
}

}  // namespace

bool CChildView::FetchInternetGameList(std::string& status) {
    status = "D";
    ResetGameListState();
    const game_list::Servers servers = game_list::CurrentServers();
    const platform::TransferResult head =
        platform_.transfer.HttpGet(game_list::SlotUrl(servers.web, -1), kReadLimit);
    // A server that does not answer is told once; one that answers without the file is not.
    if (!head.ok && head.status < 400) {
        Tell(*this, head.error);
        return false;
    }
    if (head.ok && !head.body.empty())
        status = head.body.size() > game_list::kStatusPosition
                     ? head.body.substr(game_list::kStatusPosition, 1)
                     : std::string();
    if (status == "E") {
        Tell(*this, game_list::kDisabledText);
        return true;
    }
    for (std::int32_t slot = 0; slot < game_list::kSlotCount; ++slot) {
        const platform::TransferResult file =
            platform_.transfer.HttpGet(game_list::SlotUrl(servers.web, slot), kReadLimit);
        if (!file.ok) {
            if (file.status >= 400) continue;  // a missing slot file adds no line
            Tell(*this, file.error);
            return false;
        }
        if (const std::optional<std::string> line = game_list::CleanLine(file.body)) {
            g_gameListLines.push_back(*line);
            g_gameListSlots.push_back(slot);
        }
    }
    return true;
}

void CChildView::PublishGameListEntry(std::int32_t slot, std::string hostText, std::int32_t close) {
    if (slot < 0 || slot >= game_list::kSlotCount) return;
    // While the program ends there is nobody left to tell.
    const bool quiet = g_exitReason == kQuittingHost;
    auto fail = [&](const std::string& why) {
        if (quiet) return;
        Tell(*this, (close != 0 ? "Your game's entry in the server list could not be closed: "
                                : "Your game could not be added to the server list; it goes on "
                                  "without being listed: ") +
                        why);
    };
    game_list::Servers servers = game_list::CurrentServers();
    platform::FtpLogin login = servers.ftp;
    login.user = game_list::FtpUser();
    login.password = game_list::FtpPassword();
    ResetGameListState();
    const platform::FtpListing listing = platform_.transfer.FtpListNames(login);
    if (!listing.ok) return fail(listing.error);
    std::string fileName;
    for (const std::string& name : listing.names) {
        if (game_list::IsSlotFileName(name, slot) && platform::IsPlainFtpFileName(name)) {
            fileName = name;
            break;
        }
    }
    if (fileName.empty())
        return fail("the server has no file for slot " + std::to_string(slot) + ".");
    const std::int64_t now = platform_.clock.Now();
    if (game_list::UtcTimeText(now).empty()) {
        if (!quiet) Tell(*this, "Invalid Argument to _gmtime64_s.");
        return;
    }
    const game_list::EntryRules rules{IsYes(g_isOneForOneRule), g_areStrongholdsOn,
                                      g_isTroopExperienceOn};
    const std::string entry = game_list::ComposeEntry(
        hostText, close != 0, MapTitle(), rules, new_game::SettingsText(kGameListNameOffset), now);
    const platform::TransferResult written = platform_.transfer.FtpUpload(login, fileName, entry);
    if (!written.ok) return fail(written.error);
    if (close == 0) {
        g_publishedHostText = hostText;
        g_publishedGameSlot = slot;
    }
}
