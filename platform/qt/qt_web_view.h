// Embedded web pages on Qt WebEngine: a browser in a shown dialog in the place of a static
// control, every address handed to the program before the browser goes there.
#pragma once

#include "platform/web_view.h"

namespace qtplatform {

class QtDialogHost;

class QtWebViews : public platform::WebViews {
  public:
    explicit QtWebViews(QtDialogHost& dialogs) : dialogs_(dialogs) {}

    std::unique_ptr<platform::WebView> CreateFromStatic(CDialog& parent, int placeholderId,
                                                        platform::WebViewClient& client) override;

  private:
    QtDialogHost& dialogs_;
};

}  // namespace qtplatform
