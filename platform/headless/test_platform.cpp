// The headless platform bundle, wired together.
#include "platform/headless/test_platform.h"

#include <utility>

namespace headless {

namespace {

posix::Environment FixedEnvironment(std::map<std::string, std::string> variables) {
    return
        [variables = std::move(variables)](const std::string& name) -> std::optional<std::string> {
            const auto found = variables.find(name);
            if (found == variables.end()) return std::nullopt;
            return found->second;
        };
}

}  // namespace

TestPlatform::TestPlatform(std::map<std::string, std::string> environment,
                           std::string programFolder, platform::ScreenMetrics screen)
    : window(screen),
      files(std::move(programFolder), FixedEnvironment(std::move(environment))),
      platform{window,  dialogs,  sound,       files,  shell,        clock,    random,
               sockets, transfer, fileDialogs, glyphs, imageDecoder, &webViews} {}

}  // namespace headless
