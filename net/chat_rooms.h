// The Chat rooms window: our chat page in an embedded browser, whose "app:" links call back into
// the program with a command word.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/dialog.h"
#include "platform/web_view.h"

namespace platform {
struct Platform;
}

namespace chat_rooms {

// The chat pages on our chat server: one for a machine that joins a game, one otherwise.
inline constexpr char kJoiningPagePath[] = "//chat2j.htm";
inline constexpr char kPagePath[] = "//chat2.htm";
// The chat server is our web site unless this variable names another (a host, with a port if
// need be), as the tests do with a local server.
inline constexpr char kServerVariable[] = "MAROVEK_CHAT_SERVER";
// A chat page that has not come within this time is given up.
inline constexpr int kPageTimeoutMs = 10000;
// The most characters of an unknown command that its message shows.
inline constexpr std::size_t kMostCommandChars = 200;

std::string ServerHost();
// The chat page for this machine, an address without a scheme.
std::string PageAddress(const std::string& serverHost, std::int32_t gameKind);

// The command word of an "app:" address (the prefix in any case); nullopt for any other
// address.
std::optional<std::string> AppCommandOf(const std::string& url);

enum class AppCommand { Minimise, Beep, Unexpected };
// The command words are exact: any other spelling is unexpected.
AppCommand ParseAppCommand(const std::string& command);
// An unexpected command as its message shows it: printable characters only, cut short.
std::string CommandForMessage(const std::string& command);

}  // namespace chat_rooms

// The browser of the Chat rooms window: a page inside a dialog, whose "app:" links run the
// program's commands instead of going anywhere.
class CHtmlCtrl : public platform::WebViewClient {
  public:
    explicit CHtmlCtrl(platform::Platform& platform);
    ~CHtmlCtrl() override;
    CHtmlCtrl(const CHtmlCtrl&) = delete;
    CHtmlCtrl& operator=(const CHtmlCtrl&) = delete;

    // Puts the browser in the place of the static control `id` of the shown dialog `parent`;
    // false (and no browser) when that cannot be done, as where no browser can be embedded.
    bool CreateFromStatic(int id, CDialog& parent);
    // Goes to a page; nothing happens without a browser.
    void Navigate(const std::string& url);
    bool HasBrowser() const { return browser_ != nullptr; }

    // Every address the page goes to passes here first: "app:" addresses are commands and
    // go nowhere.
    bool OnBeforeNavigate2(const std::string& url) override;
    virtual void OnAppCommand(const std::string& command);
    // The window went: the browser goes with it.
    void OnDestroy();

  private:
    platform::Platform& platform_;
    std::unique_ptr<platform::WebView> browser_;
    bool inCommand_ = false;
};

class CChatDlg : public CDialog {
  public:
    static constexpr int kIdd = 246;
    static constexpr int kIdBrowser = 1050;
    explicit CChatDlg(platform::Platform& platform);

    // Loads the chat page afresh at each opening.
    bool OnInitDialog() override;
    void OnCancel() override;

    CHtmlCtrl& Browser() { return browser_; }

  private:
    CHtmlCtrl browser_;
};
