// Web pages and mail links handed to the desktop through Qt.
#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace qtplatform {

bool QtShell::OpenUrl(const std::string& url) {
    // The game's addresses carry no scheme; fromUserInput makes them http addresses.
    const QUrl address = QUrl::fromUserInput(QString::fromLatin1(url));
    return address.isValid() && QDesktopServices::openUrl(address);
}

bool QtShell::OpenMail(const std::string& mailtoLink) {
    // The link is composed without escaping; the tolerant parser escapes blanks itself.
    const QUrl address(QString::fromLatin1(mailtoLink), QUrl::TolerantMode);
    return address.isValid() && address.scheme() == QLatin1String("mailto") &&
           QDesktopServices::openUrl(address);
}

}  // namespace qtplatform
