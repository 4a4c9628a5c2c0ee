// Save, Save As and Open: the saved game written where the user chose it, and a chosen file
// checked whole before it replaces the running game.
#include <algorithm>
#include <optional>
#include <string>

#include "core/child_view.h"
#include "core/model/files.h"
#include "core/model/session_state.h"
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/files.h"
#include "platform/window_services.h"
#include "setup/saved_game.h"
#include "setup/saved_game_open.h"
#include "shell/storage.h"

namespace {

using platform::MessageButtons;
using platform::MessageIcon;

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

void ShowError(platform::WindowServices& window, const std::string& text) {
    window.MessageBox(text, "Error", MessageButtons::Ok, MessageIcon::Error);
}

// Writes the running game to `path`; the old file stays whole when the write fails.
bool WriteGame(CChildView& view, const std::string& path) {
    view.PackSaveRecord();
    const platform::Bytes bytes(g_savedGame.begin(), g_savedGame.end());
    if (view.Platform().files.WriteAtomic(path, bytes)) return true;
    ShowError(view.Platform().window, "The game could not be saved to " + path + ".");
    return false;
}

}  // namespace

namespace saved_game {

FileKind KindOfFileName(const std::string& name, const Record& record) {
    FileKind kind;
    std::string rest = name;
    if (StartsWith(name, "LAN_") || StartsWith(name, "INT_")) {
        kind.networkResume = true;
        kind.internet = StartsWith(name, "INT_");
        rest = name.substr(4);
    }
    // The record knows an own campaign whatever the file is called.
    if (record.campaignNumber == kOwnCampaign) {
        kind.source = Source::kOwnCampaign;
    } else if (StartsWith(rest, "CMPGN_") && IsBuiltinCampaign(record.campaignNumber)) {
        kind.source = Source::kBuiltinCampaign;
    } else if (StartsWith(rest, "My")) {
        kind.source = Source::kMapFile;
    } else {
        kind.source = Source::kBuiltinMap;
    }
    return kind;
}

}  // namespace saved_game

void CChildView::PackSaveRecord() {
    g_savedGame = saved_game::Pack(saved_game::Capture(platform_.clock.Now()));
}

void CChildView::OnSaveAs() {
    const bool named = g_hasOpenedFileName || g_hasFileName;
    const std::string initial =
        named ? g_documentsFolder : platform::JoinPath(g_userFilesFolder, g_savedGamePath);
    const std::optional<std::string> chosen =
        platform_.fileDialogs.SaveFile(saved_game::kFilter, initial);
    if (!chosen) return;
    if (!WriteGame(*this, *chosen)) return;
    g_savedGamePath = FileNameOf(*chosen);
    g_documentsFolder = *chosen;
    g_hasFileName = true;
    SaveSettings();
}

void CChildView::OnSave() {
    if (!g_hasOpenedFileName && !g_hasFileName) {
        OnSaveAs();
        return;
    }
    if (WriteGame(*this, g_documentsFolder)) g_hasFileName = true;
}

void CChildView::OnOpen() {
    const std::optional<std::string> chosen =
        platform_.fileDialogs.OpenFile(saved_game::kFilter, g_documentsFolder);
    if (!chosen) return;
    // One byte more than a record tells a longer file from a whole one.
    const std::optional<platform::Bytes> bytes =
        platform_.files.Read(*chosen, saved_game::kSize + 1);
    if (!bytes) {
        ShowError(platform_.window, "The file " + *chosen + " could not be opened.");
        return;
    }
    if (bytes->size() != saved_game::kSize) {
        platform_.window.MessageBox(saved_game::kWrongVersionText, "Marovek", MessageButtons::Ok,
                                    MessageIcon::Information);
        return;
    }
    saved_game::Bytes record{};
    std::copy(bytes->begin(), bytes->end(), record.begin());
    const saved_game::Record decoded = saved_game::Unpack(record);
    if (const std::optional<std::string> fault = saved_game::Check(decoded)) {
        ShowError(platform_.window,
                  "The file " + *chosen + " is not a playable saved game: " + *fault + ".");
        return;
    }
    saved_game::OpenAccepted(*this, *chosen, record, decoded);
}
