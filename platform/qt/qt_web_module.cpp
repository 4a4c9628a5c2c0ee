// The browser module's entry, looked up by name when the program first shows a web page.
#include <QtGlobal>

#include "platform/qt/qt_web_loader.h"
#include "platform/qt/qt_web_view.h"

extern "C" Q_DECL_EXPORT platform::WebViews* MarovekCreateWebViews(
    qtplatform::QtDialogHost& dialogs) {
    return new qtplatform::QtWebViews(dialogs);
}
