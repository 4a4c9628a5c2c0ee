// Embedded web pages: a browser put in a dialog in the place of a static control, and the hook
// through which the program sees each address before the browser goes there.
#pragma once

#include <memory>
#include <string>

class CDialog;

namespace platform {

// The program's side of an embedded browser.
class WebViewClient {
  public:
    virtual ~WebViewClient() = default;
    // Called before the browser goes to `url` (a link followed, an address loaded). False keeps
    // the browser where it is.
    virtual bool OnBeforeNavigate2(const std::string& url) = 0;
};

// One embedded browser, living as long as the dialog window it was put in.
class WebView {
  public:
    virtual ~WebView() = default;
    // Goes to `url`; an address without a scheme is a web (http) address. A page that has not
    // loaded within `timeoutMs` is stopped and the browser says so in its place; a page that
    // cannot be loaded is shown by the browser as such. Nothing happens once the dialog window
    // has gone.
    virtual void Navigate(const std::string& url, int timeoutMs) = 0;
};

class WebViews {
  public:
    virtual ~WebViews() = default;
    // Puts a browser where the static control `placeholderId` of the shown dialog `parent` is
    // (the placeholder gives way to it) and connects it to `client`, which must outlive it.
    // nullptr when the dialog is not shown or has no such static control.
    virtual std::unique_ptr<WebView> CreateFromStatic(CDialog& parent, int placeholderId,
                                                      WebViewClient& client) = 0;
};

}  // namespace platform
