// Web pages and mail links handed to the desktop through Qt.
#pragma once

#include "platform/shell.h"

namespace qtplatform {

class QtShell : public platform::Shell {
  public:
    // An address without a scheme is taken as a web address.
    bool OpenUrl(const std::string& url) override;
    bool OpenMail(const std::string& mailtoLink) override;
};

}  // namespace qtplatform
