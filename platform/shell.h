// Hands web pages and mail links to the desktop.
#pragma once

#include <string>

namespace platform {

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a web page in the user's browser; false when nothing could open it.
    virtual bool OpenUrl(const std::string& url) = 0;
    // Opens a composed "mailto:" link in the user's mail program.
    virtual bool OpenMail(const std::string& mailtoLink) = 0;
};

}  // namespace platform
