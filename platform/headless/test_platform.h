// A whole headless platform for tests: recording services, scripted dialogs and transfers, the
// in-memory network, a manual clock and real files below a home folder of the test's choice.
#pragma once

#include <map>
#include <string>

#include "platform/headless/loopback_sockets.h"
#include "platform/headless/manual_clock.h"
#include "platform/headless/recording_services.h"
#include "platform/headless/recording_window.h"
#include "platform/headless/scripted_dialog_host.h"
#include "platform/headless/scripted_transfer.h"
#include "platform/platform.h"
#include "platform/posix/posix_files.h"
#include "platform/random.h"

namespace headless {

struct TestPlatform {
    // `environment` holds the only variables the files see (HOME, XDG_...).
    explicit TestPlatform(std::map<std::string, std::string> environment = {},
                          std::string programFolder = {}, platform::ScreenMetrics screen = {});
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    RecordingWindow window;
    ScriptedDialogHost dialogs;
    RecordingSound sound;
    posix::PosixFiles files;
    RecordingShell shell;
    ManualClock clock;
    platform::Random random;
    LoopbackSocketFactory sockets;
    ScriptedTransfer transfer;
    platform::Platform platform;
};

}  // namespace headless
