#include "platform/qt/qt_web_loader.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <cstdio>
#include <utility>

#include "platform/qt/qt_dialog_host.h"

namespace qtplatform {

void PrepareWebEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

LoadedWebViews::LoadedWebViews(QtDialogHost& dialogs, std::string modulePath)
    : dialogs_(dialogs), modulePath_(std::move(modulePath)) {}

// The module stays loaded to the end: its engine does not come apart cleanly while running.
LoadedWebViews::~LoadedWebViews() = default;

platform::WebViews* LoadedWebViews::Loaded() {
    if (tried_) return loaded_.get();
    tried_ = true;
    QLibrary module(modulePath_.empty()
                        ? QDir(QCoreApplication::applicationDirPath()).filePath(kWebModuleFile)
                        : QString::fromStdString(modulePath_));
    const auto entry = reinterpret_cast<WebModuleEntry>(module.resolve(kWebModuleEntry));
    if (entry == nullptr) {
        std::fprintf(stderr, "marovek: no web pages: %s\n", qPrintable(module.errorString()));
        return nullptr;
    }
    loaded_.reset(entry(dialogs_));
    return loaded_.get();
}

std::unique_ptr<platform::WebView> LoadedWebViews::CreateFromStatic(
    CDialog& parent, int placeholderId, platform::WebViewClient& client) {
    if (dialogs_.WindowOf(parent) == nullptr) return nullptr;
    platform::WebViews* views = Loaded();
    return views != nullptr ? views->CreateFromStatic(parent, placeholderId, client) : nullptr;
}

}  // namespace qtplatform
