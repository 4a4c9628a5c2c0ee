// Fuzzes the last game's record that Quick Launch reads: any bytes are applied in range.
#include <algorithm>

#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "fuzz/fuzz_support.h"
#include "setup/quick_launch.h"
#include "shell/process_state.h"
#include "shell/storage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetProcessState();
    std::copy(data, data + std::min(size, g_savedGame.size()), g_savedGame.begin());
    quick_launch::ApplyRecord();
    fuzz::Require(g_playerCount >= 0 && g_playerCount <= kMaxPlayers, "player count");
    fuzz::Require(g_humanPlayerCount >= 0 && g_humanPlayerCount <= kMaxPlayers, "humans");
    return 0;
}
