// The Chat rooms window, its browser and the commands its page may give.
#include "net/chat_rooms.h"

#include <cstdlib>

#include "core/commands/web_pages.h"
#include "core/model/session_state.h"
#include "platform/platform.h"
#include "platform/window_services.h"

namespace chat_rooms {

namespace {

constexpr char kAppPrefix[] = "app:";
constexpr std::size_t kAppPrefixLength = sizeof(kAppPrefix) - 1;

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string ServerHost() {
    const char* host = std::getenv(kServerVariable);
    return host != nullptr && *host != '\0' ? std::string(host) : std::string(kWebsiteHost);
}

std::string PageAddress(const std::string& serverHost, std::int32_t gameKind) {
    return serverHost + (gameKind == game_kind::kNetworkJoined ? kJoiningPagePath : kPagePath);
}

std::optional<std::string> AppCommandOf(const std::string& url) {
    if (url.size() < kAppPrefixLength) return std::nullopt;
    for (std::size_t i = 0; i < kAppPrefixLength; ++i) {
        if (Lower(url[i]) != kAppPrefix[i]) return std::nullopt;
    }
    return url.substr(kAppPrefixLength);
}

AppCommand ParseAppCommand(const std::string& command) {
    if (command == "Minimise") return AppCommand::Minimise;
    if (command == "Beep") return AppCommand::Beep;
    return AppCommand::Unexpected;
}

std::string CommandForMessage(const std::string& command) {
    std::string shown;
    for (const char c : command) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) continue;
        if (shown.size() == kMostCommandChars) break;
        shown += c;
    }
    return shown;
}

}  // namespace chat_rooms

namespace {

DialogTemplate ChatRoomsTemplate() {
    DialogTemplate t;
    t.id = CChatDlg::kIdd;
    t.caption = "Chat rooms";
    t.width = 369;
    t.height = 242;
    t.controls = {{CChatDlg::kIdBrowser, ControlKind::Static, "", {12, 9, 350, 224}}};
    return t;
}

}  // namespace

CHtmlCtrl::CHtmlCtrl(platform::Platform& platform) : platform_(platform) {}

CHtmlCtrl::~CHtmlCtrl() = default;

bool CHtmlCtrl::CreateFromStatic(int id, CDialog& parent) {
    browser_.reset();
    if (platform_.webViews == nullptr) return false;
    browser_ = platform_.webViews->CreateFromStatic(parent, id, *this);
    return browser_ != nullptr;
}

void CHtmlCtrl::Navigate(const std::string& url) {
    if (browser_) browser_->Navigate(url, chat_rooms::kPageTimeoutMs);
}

bool CHtmlCtrl::OnBeforeNavigate2(const std::string& url) {
    const std::optional<std::string> command = chat_rooms::AppCommandOf(url);
    if (!command) return true;
    // A page that fires commands while one's message is still open gets nothing more.
    if (!inCommand_) {
        inCommand_ = true;
        OnAppCommand(*command);
        inCommand_ = false;
    }
    return false;
}

void CHtmlCtrl::OnAppCommand(const std::string& command) {
    switch (chat_rooms::ParseAppCommand(command)) {
        case chat_rooms::AppCommand::Minimise:
            platform_.window.MinimiseMainWindow();
            break;
        case chat_rooms::AppCommand::Beep:
            platform_.window.Beep();
            break;
        case chat_rooms::AppCommand::Unexpected:
            platform_.window.MessageBox(chat_rooms::CommandForMessage(command),
                                        "Unexpected Command", platform::MessageButtons::Ok,
                                        platform::MessageIcon::Question);
            break;
    }
}

void CHtmlCtrl::OnDestroy() {
    browser_.reset();
}

CChatDlg::CChatDlg(platform::Platform& platform)
    : CDialog(ChatRoomsTemplate()), browser_(platform) {}

bool CChatDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (browser_.CreateFromStatic(kIdBrowser, *this))
        browser_.Navigate(chat_rooms::PageAddress(chat_rooms::ServerHost(), g_gameKind));
    return true;
}

void CChatDlg::OnCancel() {
    browser_.OnDestroy();
    CDialog::OnCancel();
}
