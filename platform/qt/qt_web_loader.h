// The embedded browser loaded when it is first asked for. The web engine is a large library:
// linked into the program it would be loaded, and much of it touched, at every start, although
// few players ever open a web page in the game.
#pragma once

#include <memory>
#include <string>

#include "platform/web_view.h"

namespace qtplatform {

class QtDialogHost;

// Prepares the web engine before the application object exists: the engine shares its drawing
// contexts with the widgets, and a program run as root (where the engine cannot sandbox its page
// processes) runs them unsandboxed. Touches nothing of the engine itself.
void PrepareWebEngine();

// The browser module's file, beside the program.
inline constexpr const char* kWebModuleFile = "libmarovek_web.so";
// The module's one entry: makes the browsers that live in `dialogs`' windows.
inline constexpr const char* kWebModuleEntry = "MarovekCreateWebViews";
using WebModuleEntry = platform::WebViews* (*)(QtDialogHost& dialogs);

class LoadedWebViews : public platform::WebViews {
  public:
    // `modulePath` empty: the module file beside the program.
    explicit LoadedWebViews(QtDialogHost& dialogs, std::string modulePath = {});
    ~LoadedWebViews() override;

    // nullptr, and the window stays empty, when the module cannot be loaded either.
    std::unique_ptr<platform::WebView> CreateFromStatic(CDialog& parent, int placeholderId,
                                                        platform::WebViewClient& client) override;

  private:
    platform::WebViews* Loaded();

    QtDialogHost& dialogs_;
    std::string modulePath_;
    bool tried_ = false;
    std::unique_ptr<platform::WebViews> loaded_;
};

}  // namespace qtplatform
