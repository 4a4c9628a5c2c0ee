// The Statistics window: one line per player of the game in progress, the rounds played and the
// playing time.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog.h"

namespace stats {

// One player's figures as the window lines them up.
struct Row {
    std::string name;
    std::int32_t territories = 0;
    std::int32_t armies = 0;
    std::int32_t losses = 0;
    std::int32_t battlesWon = 0;
    std::int32_t battlesLost = 0;
    std::int32_t battlesFought = 0;
    std::int32_t reinforcementRounds = 0;
    std::int32_t rank = 0;  // 1..10, 0 for a player without territories
};

// The fixed columns of one line; a network game shows no battle figures.
std::string FormatRow(const Row& row, bool networkGame);

// The players 1..10 from the strongest down (0 for an empty place). With Troop Experience on
// the armies are weighed by experience; the game's own ranking is rated again on the real
// armies afterwards, so that it is what it would have been without the window.
using Ranking = std::array<std::int32_t, 11>;
Ranking RankPlayers();

// The game's players with their figures and places in `ranking`.
std::vector<Row> PlayerRows(const Ranking& ranking);

// "%5d" of the current player's turns, and "%6.0f" of the minutes played up to `now` (to the
// game's end once it is over).
std::string RoundsText();
std::string MinutesText(std::int64_t now);

// Nothing to show before the first turn or during the initial placement.
bool HasFigures();

}  // namespace stats

class CStatsDlg : public CDialog {
  public:
    static constexpr int kIdd = 259;
    static constexpr int kIdList = 1010;
    static constexpr int kIdRounds = 1006;
    static constexpr int kIdMinutes = 1007;

    CStatsDlg();

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;

    std::string selectedLine;
    std::string rounds;
    std::string minutes;
    // Told before showing: the time of the opening, in the clock's seconds.
    std::int64_t openedAt = 0;
};

const DialogTemplate& StatsTemplate();
