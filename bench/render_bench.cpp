// Board rendering on World at the large size: a full rebuild with gradients and with solid
// colours, and one territory's redraw.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/child_view.h"
#include "core/game_state.h"
#include "core/turn_state.h"
#include "platform/headless/test_platform.h"
#include "render/render_state.h"
#include "shell/settings.h"

namespace {

// One view for the whole run, in a home folder of its own, World at size 3 with an owner and
// armies on every territory.
struct Board {
    Board() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "marovek-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        home = pattern;
        platform::ScreenMetrics screen;
        screen.width = 1600;
        screen.height = 1200;
        platform = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home}}, MAROVEK_PROGRAM_FOLDER, screen);
        view = std::make_unique<CChildView>(platform->platform);
        g_screenSize = 3;
        g_oceansBackground = 0;
        for (int t = 1; t <= g_territoryCount; ++t) {
            g_displayedTerritories[t] = {1 + t % 3, t * 7};
            g_territoryHighlight[t] = 'n';
        }
    }
    ~Board() {
        view.reset();
        platform.reset();
        std::filesystem::remove_all(home);
    }
    std::string home;
    std::unique_ptr<headless::TestPlatform> platform;
    std::unique_ptr<CChildView> view;
    raster::Surface window{kBoardWidth, kBoardHeight};
};

Board& TheBoard() {
    static Board board;
    return board;
}

void Rebuild(benchmark::State& state, bool gradient) {
    Board& board = TheBoard();
    g_isGradientFill = gradient;
    g_isGradientPaint = gradient;
    for (auto _ : state) {
        g_freshMapMarker = "0";
        g_isBoardRebuildPending = true;
        board.view->PaintBoard(board.window);
        benchmark::DoNotOptimize(board.window.Pixels().data());
    }
    state.counters["gradient_in_effect"] = g_isGradientPaint ? 1 : 0;
    state.counters["map_loaded"] = g_mapBitmap.Empty() ? 0 : 1;
}

void BM_FullRebuildGradient(benchmark::State& state) {
    Rebuild(state, true);
}
void BM_FullRebuildSolid(benchmark::State& state) {
    Rebuild(state, false);
}

void BM_TerritoryRedraw(benchmark::State& state) {
    Board& board = TheBoard();
    g_isGradientFill = g_isGradientPaint = state.range(0) != 0;
    g_freshMapMarker = "0";
    g_isBoardRebuildPending = true;
    board.view->PaintBoard(board.window);
    std::int32_t owner = 1;
    for (auto _ : state) {
        owner = owner == 1 ? 2 : 1;  // a change of owner recolours every piece
        board.view->DrawTerritoryArmies(2, 15, owner, false);
    }
}

BENCHMARK(BM_FullRebuildGradient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRebuildSolid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TerritoryRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
