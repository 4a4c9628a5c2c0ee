// The program's platform: the Qt window, dialogs, sound, shell, sockets and embedded browsers,
// the POSIX files and clock, the curl transfers and the one random source, bundled as the view
// expects them.
#pragma once

#include <string>

#include "net/game_list.h"
#include "platform/curl/curl_transfer.h"
#include "platform/platform.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/system_clock.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_glyph_source.h"
#include "platform/qt/qt_image_decoder.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_socket.h"
#include "platform/qt/qt_sound_player.h"
#include "platform/qt/qt_web_loader.h"
#include "platform/qt/qt_window_services.h"
#include "platform/random.h"

namespace app {

struct AppPlatform {
    // `programFolder` holds res/; the environment decides the user's folders.
    explicit AppPlatform(std::string programFolder,
                         posix::Environment environment = posix::ProcessEnvironment());
    AppPlatform(const AppPlatform&) = delete;
    AppPlatform& operator=(const AppPlatform&) = delete;

    qtplatform::QtWindowServices window;
    qtplatform::QtDialogHost dialogs;
    qtplatform::QtSoundPlayer sound;
    posix::PosixFiles files;
    qtplatform::QtShell shell;
    posix::SystemClock clock;
    platform::Random random;
    qtplatform::QtSocketFactory sockets;
    curl::CurlTransfer transfer{game_list::kTimeouts};
    qtplatform::QtFileDialogs fileDialogs;
    qtplatform::QtGlyphSource glyphs;
    qtplatform::QtImageDecoder imageDecoder;
    qtplatform::LoadedWebViews webViews;
    platform::Platform platform;
};

}  // namespace app
