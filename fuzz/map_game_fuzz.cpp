// Fuzzes a whole game on a map file: the text is loaded as Load a Map loads it (with a picture of
// dark borders beside it), the board is composed and painted at every size, hit-tested all over,
// and three computer players deal and play their first turns on it.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"
#include "fuzz/fuzz_support.h"
#include "platform/headless/test_platform.h"
#include "platform/raster/bmp.h"
#include "shell/process_state.h"

namespace {

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A folder of its own holding the map's picture: white land cut by dark lines every 60 pixels,
// so that the outline tracer finds borders to follow.
const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "marovek-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        raster::Surface picture(kBoardWidth, kBoardHeight, raster::Rgb(240, 240, 240));
        for (int y = 0; y < kBoardHeight; ++y)
            for (int x = 0; x < kBoardWidth; ++x)
                if (x % 60 == 0 || y % 60 == 0) picture.SetPixel(x, y, 0);
        const std::vector<std::uint8_t> bmp = raster::WriteBmp(picture);
        const std::string_view bytes(reinterpret_cast<const char*>(bmp.data()), bmp.size());
        WriteFile(pattern + "/fuzz.bmp", bytes);
        WriteFile(pattern + "/fuzz_2.bmp", bytes);
        return pattern;
    }();
    return folder;
}

void PaintAndHitTest(CChildView& view) {
    for (int size = 1; size <= 3; ++size) {
        g_screenSize = size;
        SetOneCharacterText(g_freshMapMarker, '0');
        g_isBoardRebuildPending = true;
        raster::Surface window(1280, 1024);
        view.PaintBoard(window);
        for (int y = -40; y < kBoardHeight + 40; y += 37)
            for (int x = -40; x < kBoardWidth + 40; x += 53) {
                std::int32_t territory = 0;
                CChildView::HoverTestTerritory(x, y, &territory);
                fuzz::Require(
                    territory == kNoTerritory || (territory >= 1 && territory <= g_territoryCount),
                    "hit test");
            }
    }
    g_screenSize = 2;
}

void PlayFirstTurns(CChildView& view, headless::TestPlatform& platform) {
    g_gameKind = 1;
    g_playerCount = g_computerPlayerCount = 3;
    g_humanPlayerCount = 0;
    g_isFastSpeed = g_isFastestSpeed = true;
    g_isSoundOff = true;
    for (int p = 1; p <= 3; ++p) g_playerNames[p] = "pc " + std::to_string(p);
    platform.clock.Set(1'700'000'000);
    view.DealTerritories();
    if (!g_areTerritoriesDealt) return;
    platform.random.Seed(17);
    g_roundCounter = 1;
    for (int p = 1; p <= 3; ++p) {
        rules::SetCurrentPlayer(p);
        view.QueueNextPlayerEvent();
        view.AnnounceInitialPlacement();
        view.QueueComputerPlacementEvents();
    }
    rules::SetCurrentPlayer(1);
    g_isInitialPlacement = false;
    view.QueueNextPlayerEvent();
    view.NextPlayer();
    for (int tick = 0; tick < 400 && !g_hasFinishedGame; ++tick) view.RunClockTick();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxMapTextBytes) return 0;
    ResetProcessState();
    const std::string path = Folder() + "/fuzz.txt";
    WriteFile(path, fuzz::Text(data, size));
    headless::TestPlatform platform({{"HOME", Folder()}}, Folder(), {1280, 1024});
    CChildView view(platform.platform);
    g_screenWidth = 1280;
    g_screenHeight = 1024;
    g_screenSize = 2;
    g_userFilesFolder = Folder();
    g_hideCreatingMapsNotice = true;
    g_isJustOpened = 'n';
    g_gameKind = 1;
    g_isGradientFill = true;
    g_isUserMapLoad = false;
    platform.fileDialogs.ScriptOpen(path);
    ViewMapLoadSteps steps(view);
    if (!LoadMapFile({platform.window, platform.files, &platform.fileDialogs, steps})) return 0;
    PaintAndHitTest(view);
    PlayFirstTurns(view, platform);
    PaintAndHitTest(view);
    // MAROVEK_FUZZ_VERBOSE=1 tells how far an input got, to check that seeds reach the game.
    if (std::getenv("MAROVEK_FUZZ_VERBOSE") != nullptr)
        std::fprintf(stderr, "map of %d territories, dealt %d, round %d\n", g_territoryCount,
                     g_areTerritoriesDealt ? 1 : 0, g_roundCounter);
    return 0;
}
