// Embedded browsers without a browser: they record where the program sends them, and a test
// follows a page's links through them as a user clicking would.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/web_view.h"

namespace headless {

class ScriptedWebViews;

// What one browser was asked and where it is now.
struct ScriptedBrowser {
    const CDialog* dialog = nullptr;
    int placeholderId = 0;
    platform::WebViewClient* client = nullptr;  // null once the browser is gone
    std::vector<std::string> navigations;       // each Navigate call's address
    std::vector<int> timeouts;                  // and its time limit
    std::string current;                        // the page shown
};

class ScriptedWebViews : public platform::WebViews {
  public:
    // Refuses, as the real host does, a dialog that is not shown or a placeholder that is not a
    // static control of its template.
    std::unique_ptr<platform::WebView> CreateFromStatic(CDialog& parent, int placeholderId,
                                                        platform::WebViewClient& client) override;

    // The user follows a link to `url` in the browser made last: the client is asked first,
    // and the page changes only when it lets the browser go. False when no browser is there.
    bool FollowLink(const std::string& url);

    // Every browser made, in order (kept after they are gone).
    std::vector<std::shared_ptr<ScriptedBrowser>> browsers;
    int refusals = 0;  // placeholders that could not be taken
};

}  // namespace headless
