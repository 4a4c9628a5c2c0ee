// The program's platform bundle.
#include "app/app_platform.h"

#include <ctime>

namespace app {

AppPlatform::AppPlatform(std::string programFolder, posix::Environment environment)
    : files(std::move(programFolder), std::move(environment)),
      // A new seed every run; a replay seeds the source again itself.
      random(static_cast<std::uint32_t>(std::time(nullptr))),
      webViews(dialogs),
      platform{window,  dialogs,  sound,       files,  shell,        clock,    random,
               sockets, transfer, fileDialogs, glyphs, imageDecoder, &webViews} {}

}  // namespace app
