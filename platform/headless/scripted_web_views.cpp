// The scripted embedded browsers.
#include "platform/headless/scripted_web_views.h"

#include "platform/dialog.h"

namespace headless {

namespace {

class ScriptedWebView : public platform::WebView {
  public:
    explicit ScriptedWebView(std::shared_ptr<ScriptedBrowser> browser)
        : browser_(std::move(browser)) {}
    ~ScriptedWebView() override { browser_->client = nullptr; }

    void Navigate(const std::string& url, int timeoutMs) override {
        browser_->navigations.push_back(url);
        browser_->timeouts.push_back(timeoutMs);
        if (browser_->client != nullptr && browser_->client->OnBeforeNavigate2(url))
            browser_->current = url;
    }

  private:
    std::shared_ptr<ScriptedBrowser> browser_;
};

bool IsStaticOf(const CDialog& dialog, int id) {
    for (const ControlTemplate& c : dialog.Template().controls) {
        if (c.id == id) return c.kind == ControlKind::Static;
    }
    return false;
}

}  // namespace

std::unique_ptr<platform::WebView> ScriptedWebViews::CreateFromStatic(
    CDialog& parent, int placeholderId, platform::WebViewClient& client) {
    if (!parent.IsOpen() || !IsStaticOf(parent, placeholderId)) {
        ++refusals;
        return nullptr;
    }
    auto browser = std::make_shared<ScriptedBrowser>();
    browser->dialog = &parent;
    browser->placeholderId = placeholderId;
    browser->client = &client;
    browsers.push_back(browser);
    return std::make_unique<ScriptedWebView>(browser);
}

bool ScriptedWebViews::FollowLink(const std::string& url) {
    if (browsers.empty() || browsers.back()->client == nullptr) return false;
    ScriptedBrowser& browser = *browsers.back();
    if (browser.client->OnBeforeNavigate2(url)) browser.current = url;
    return true;
}

}  // namespace headless
