// The system's open-file and save-file dialogs through Qt.
#pragma once

#include <string>

#include "platform/file_dialogs.h"

class QWidget;

namespace qtplatform {

class QtFileDialogs : public platform::FileDialogs {
  public:
    void SetParentWidget(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> OpenFile(const std::string& filter,
                                        const std::string& initialPath) override;
    std::optional<std::string> SaveFile(const std::string& filter,
                                        const std::string& initialPath) override;

  private:
    QWidget* parent_ = nullptr;
};

// "Map Files (*.txt)|*.txt||" becomes "Map Files (*.txt)": Qt's filter form, one entry per
// description and patterns, the patterns shown once in parentheses (a list the description
// already shows is replaced by the patterns that filter); patterns separated by ";" become blanks.
std::string QtFilterFromGameFilter(const std::string& filter);

}  // namespace qtplatform
