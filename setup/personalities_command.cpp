// The Personalities command and the showing of the personalities dialog that New Game shares.
#include <cstdint>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "platform/dialog_host.h"
#include "setup/personalities.h"
#include "setup/setup_dialogs.h"
#include "shell/settings.h"
#include "shell/storage.h"

std::array<std::int32_t, 11> StoredPersonalities() {
    std::array<std::int32_t, 11> stored{};
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const std::size_t at = kPersonalitiesOffset + 4 * static_cast<std::size_t>(p - 1);
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(g_settings[at + i]) << (8 * i);
        const auto personality = static_cast<std::int32_t>(value);
        // The file is not trusted: an unknown personality plays as Normal.
        stored[p] = personality >= 0 && personality < kPersonalityCount ? personality : 0;
    }
    return stored;
}

bool ChoosePersonalities(CChildView& view, CPersonalitiesDlg& dialog, bool mayChange) {
    dialog.randomMix = g_isRandomMix ? 1 : 0;
    dialog.choices = g_isRandomMix ? StoredPersonalities() : ShownPersonalities();
    if (view.Platform().dialogs.RunModal(dialog) != kIdOk || !mayChange) return false;
    for (int p = 2; p <= kMaxPlayers; ++p) g_personalities[p] = dialog.choices[p];
    // Saved first without Random Mix so that the file keeps the chosen personalities.
    g_isRandomMix = false;
    view.SaveSettings();
    g_isRandomMix = dialog.randomMix != 0;
    view.SaveSettings();
    return true;
}

void CChildView::OnPersonalities() {
    const std::int32_t players = g_playerCount;
    const std::int32_t humans = g_humanPlayerCount;
    // Every row is live for the command.
    g_humanPlayerCount = 0;
    g_playerCount = kMaxPlayers;
    g_savedPersonalities = g_personalities;
    g_savedRandomMix = g_isRandomMix;
    const bool mayChange = !IsYes(g_isGameFromFile) && g_roundCounter == 0;
    if (ChoosePersonalities(*this, Setup().personalities, mayChange)) {
        for (int p = 1; p <= kMaxPlayers; ++p) g_unstableMarks[p] = g_avengeTargets[p] = 0;
    } else {
        g_personalities = g_savedPersonalities;
        g_isRandomMix = g_savedRandomMix;
    }
    g_playerCount = players;
    g_humanPlayerCount = humans;
}
