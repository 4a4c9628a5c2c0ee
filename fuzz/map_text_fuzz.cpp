// Fuzzes the map text parser; an accepted map must hold only what the board tables can use.
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/map_text.h"
#include "fuzz/fuzz_support.h"
#include "shell/process_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetProcessState();
    AppendMapTextLines(fuzz::Text(data, size));
    const std::int32_t result = ParseMapTextBuffer();
    fuzz::Require(result == map_text_result::kAccepted || !MapTextResultMessage(result).empty(),
                  "every refusal has its message");
    if (result != map_text_result::kAccepted) return 0;
    fuzz::Require(g_territoryCount >= 1 && g_territoryCount <= kMaxTerritories, "territories");
    fuzz::Require(g_continentCount >= 1 && g_continentCount <= kMaxContinents, "continents");
    for (std::int32_t t = 1; t <= g_territoryCount; ++t) {
        const LabelPosition& label = g_labelPositions[static_cast<std::size_t>(t)];
        fuzz::Require(
            label.x >= 0 && label.x < kBoardWidth && label.y >= 0 && label.y < kBoardHeight,
            "label point on the board");
        for (int k = 1; k <= kMaxNeighbours; ++k) {
            const std::int32_t n = g_neighbours[static_cast<std::size_t>(t)][k];
            fuzz::Require(n >= 0 && n <= g_territoryCount && n != t, "neighbour");
        }
    }
    for (std::int32_t c = 1; c <= g_continentCount; ++c) {
        const ContinentRecord& record = g_continents[static_cast<std::size_t>(c)];
        for (int k = 1; k <= record[kContinentMemberCount]; ++k)
            fuzz::Require(record[k] >= 1 && record[k] <= g_territoryCount, "member");
    }
    return 0;
}
