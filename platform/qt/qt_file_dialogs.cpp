// The open-file dialog: the game's filter turned into Qt's, the start folder from the initial path.
#include "platform/qt/qt_file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace qtplatform {

namespace {

// A description that already shows its patterns, "Map Files (*.txt)", loses that list: Qt shows
// the patterns it filters by itself, and reads them from the last parentheses.
std::string WithoutShownPatterns(std::string description) {
    while (!description.empty() && description.back() == ' ') description.pop_back();
    if (description.empty() || description.back() != ')') return description;
    const std::size_t open = description.rfind('(');
    if (open == std::string::npos || open == 0) return description;
    description.erase(open);
    while (!description.empty() && description.back() == ' ') description.pop_back();
    return description;
}

}  // namespace

std::string QtFilterFromGameFilter(const std::string& filter) {
    std::string result;
    std::size_t pos = 0;
    while (pos < filter.size()) {
        const std::size_t descriptionEnd = filter.find('|', pos);
        if (descriptionEnd == std::string::npos || descriptionEnd == pos) break;
        const std::size_t patternsEnd = filter.find('|', descriptionEnd + 1);
        const std::size_t end = patternsEnd == std::string::npos ? filter.size() : patternsEnd;
        std::string patterns = filter.substr(descriptionEnd + 1, end - descriptionEnd - 1);
        for (char& c : patterns)
            if (c == ';') c = ' ';
        if (!result.empty()) result += ";;";
        result +=
            WithoutShownPatterns(filter.substr(pos, descriptionEnd - pos)) + " (" + patterns + ")";
        pos = end + 1;
    }
    return result;
}

namespace {

// The initial path may be a pattern such as ".../*.txt": start in its folder.
QString StartPath(const std::string& initialPath) {
    const QFileInfo initial(QString::fromLocal8Bit(initialPath.c_str()));
    return initial.fileName().contains(QLatin1Char('*')) ? initial.path() : initial.filePath();
}

}  // namespace

std::optional<std::string> QtFileDialogs::OpenFile(const std::string& filter,
                                                   const std::string& initialPath) {
    const QString chosen =
        QFileDialog::getOpenFileName(parent_, QString(), StartPath(initialPath),
                                     QString::fromLatin1(QtFilterFromGameFilter(filter)));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toLocal8Bit().toStdString();
}

std::optional<std::string> QtFileDialogs::SaveFile(const std::string& filter,
                                                   const std::string& initialPath) {
    // The dialog asks before it replaces an existing file.
    const QString chosen =
        QFileDialog::getSaveFileName(parent_, QString(), StartPath(initialPath),
                                     QString::fromLatin1(QtFilterFromGameFilter(filter)));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toLocal8Bit().toStdString();
}

}  // namespace qtplatform
