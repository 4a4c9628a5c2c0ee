// Board rendering at the large size on the default map and on the largest map: a full rebuild
// with gradients and with solid colours, one territory's redraw, and one hit test.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/rules/turn_order.h"
#include "core/turn/turn_state.h"
#include "platform/headless/test_platform.h"

namespace {

// One view for the whole run, in a home folder of its own, at size 3; Show() sets up a map
// with an owner and armies on every territory.
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
    }
    // 0 the default map, 1 the largest built-in map.
    void Show(std::int64_t map) {
        if (map == shown) return;
        const auto maps = BuiltinMaps();
        const BuiltinMap& largest = *std::max_element(
            maps.begin(), maps.end(),
            [](const BuiltinMap& a, const BuiltinMap& b) { return a.territories < b.territories; });
        ClearMapFlags();
        *(map == 0 ? DefaultMap() : largest).flag = true;
        view->SetupSelectedMap();
        for (int t = 1; t <= g_territoryCount; ++t) {
            g_territories[t] = g_displayedTerritories[t] = {1 + t % 3, t * 7};
            g_territoryHighlight[t] = kNo;
        }
        rules::SetCurrentPlayer(1);
        shown = map;
    }
    std::int64_t shown = -1;
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
    board.Show(state.range(0));
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
    board.Show(state.range(0));
    g_isGradientFill = g_isGradientPaint = state.range(1) != 0;
    g_freshMapMarker = "0";
    g_isBoardRebuildPending = true;
    board.view->PaintBoard(board.window);
    std::int32_t owner = 1;
    for (auto _ : state) {
        owner = owner == 1 ? 2 : 1;  // a change of owner recolours every piece
        board.view->DrawTerritoryArmies(2, 15, owner, false);
    }
}

// A click on each territory's label point in turn, on the composed board.
void BM_HitTest(benchmark::State& state) {
    Board& board = TheBoard();
    board.Show(state.range(0));
    g_isGradientFill = g_isGradientPaint = true;
    g_freshMapMarker = "0";
    board.view->PaintBoard(board.window);
    std::int32_t t = 0;
    std::int32_t found = 0;
    for (auto _ : state) {
        t = t % g_territoryCount + 1;
        const auto& label = g_labelPositions[static_cast<std::size_t>(t)];
        CChildView::HitTestTerritory(label.x * 125 / 100, label.y * 125 / 100, &found);
        benchmark::DoNotOptimize(found);
    }
}

BENCHMARK(BM_FullRebuildGradient)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRebuildSolid)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TerritoryRedraw)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HitTest)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
