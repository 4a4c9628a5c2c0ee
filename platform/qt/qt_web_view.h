// Embedded web pages on Qt WebEngine: a browser in a shown dialog in the place of a static
// control, every address handed to the program before the browser goes there.
#pragma once

#include "platform/web_view.h"

namespace qtplatform {

class QtDialogHost;

// Prepares the web engine before the application object exists: the engine shares its drawing
// contexts with the widgets, and a program run as root (where the engine cannot sandbox its page
// processes) runs them unsandboxed.
void PrepareWebEngine();

class QtWebViews : public platform::WebViews {
  public:
    explicit QtWebViews(QtDialogHost& dialogs) : dialogs_(dialogs) {}

    std::unique_ptr<platform::WebView> CreateFromStatic(CDialog& parent, int placeholderId,
                                                        platform::WebViewClient& client) override;

  private:
    QtDialogHost& dialogs_;
};

}  // namespace qtplatform
