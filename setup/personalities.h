// The personalities of the computer players: the dialog, its buttons by row, and the draws of
// Random Mix and Unstable at the start of a game.
#pragma once

#include <array>
#include <cstdint>

#include "ai/ai_state.h"
#include "platform/dialog.h"
#include "setup/setup_dialogs_info.h"

namespace platform {
class DialogHost;
class Random;
}  // namespace platform

// Normal, Conqueror, Defensive, Avenger, Determined, Hunter and Unstable (ai/ai_state.h).
inline constexpr int kPersonalityCount = 7;

// The seven buttons of computer player k (2..10), Normal to Unstable.
std::array<int, kPersonalityCount> PersonalityButtons(int player);

class CPersonalitiesDlg : public CDialog {
  public:
    static constexpr int kIdd = 254;
    static constexpr int kIdRandomMix = 1004;
    static constexpr int kIdReset = 1013;
    static constexpr int kIdInfo = 1014;
    explicit CPersonalitiesDlg(platform::DialogHost& host);

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    void OnCancel() override;
    void OnRandomMix();
    void OnReset();

    std::int32_t randomMix = 0;
    std::array<std::int32_t, 11> choices{};  // [2..10] personality of player II..X

    CPersinfoDlg info;

  private:
    // Enables the rows of live players, or none.
    void EnableRows(bool live);
    platform::DialogHost& host_;
};

// At the start of a game: avenge targets and Unstable marks cleared; with Random Mix each
// personality drawn 0..6; an Unstable player gets mark 6 and a base personality 0..5.
void DrawGamePersonalities(platform::Random& random);

// The personalities as the dialog shows them: an Unstable player as Unstable.
std::array<std::int32_t, 11> ShownPersonalities();

class CChildView;

// Fills the dialog from the game's personalities (an Unstable player shown as Unstable; with
// Random Mix the ones the settings file keeps) and shows it. On OK, when the personalities may
// change, the nine choices become the personalities and are saved, Random Mix as chosen. Answers
// whether they were taken.
bool ChoosePersonalities(CChildView& view, CPersonalitiesDlg& dialog, bool mayChange);

// The personalities the settings record keeps for players 1..10.
std::array<std::int32_t, 11> StoredPersonalities();
