// A whole headless platform for tests: recording services, scripted dialogs, file dialogs and
// transfers, the in-memory network, a manual clock, a glyph slot, the BMP decoder and real files
// below a home folder of the test's choice.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/headless/glyphs.h"
#include "platform/headless/image_decoder.h"
#include "platform/headless/loopback_sockets.h"
#include "platform/headless/manual_clock.h"
#include "platform/headless/recording_services.h"
#include "platform/headless/recording_window.h"
#include "platform/headless/scripted_dialog_host.h"
#include "platform/headless/scripted_file_dialogs.h"
#include "platform/headless/scripted_transfer.h"
#include "platform/headless/scripted_web_views.h"
#include "platform/platform.h"
#include "platform/posix/posix_files.h"
#include "platform/random.h"

namespace headless {

// Real files and folders, and a computer name of the test's choosing.
class TestFiles : public posix::PosixFiles {
  public:
    using posix::PosixFiles::PosixFiles;
    std::optional<std::string> ComputerName() const override { return computerName; }

    std::optional<std::string> computerName = "testbox";
};

struct TestPlatform {
    // `environment` holds the only variables the files see (HOME, XDG_...).
    explicit TestPlatform(std::map<std::string, std::string> environment = {},
                          std::string programFolder = {}, platform::ScreenMetrics screen = {});
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    RecordingWindow window;
    ScriptedDialogHost dialogs;
    RecordingSound sound;
    TestFiles files;
    RecordingShell shell;
    ManualClock clock;
    platform::Random random;
    LoopbackSocketFactory sockets;
    ScriptedTransfer transfer;
    ScriptedFileDialogs fileDialogs;
    // Empty until a test installs its glyph source with glyphs.Use().
    GlyphSlot glyphs;
    BmpImageDecoder imageDecoder;
    ScriptedWebViews webViews;
    platform::Platform platform;
};

}  // namespace headless
