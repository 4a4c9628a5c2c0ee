// The Statistics window: its template, the players' lines, the ranking and the playing time.
#include "setup/stats_dlg.h"

#include <algorithm>
#include <cstdio>

#include "ai/ai_state.h"
#include "ai/evaluation.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"

namespace {

constexpr std::size_t kNameColumn = 18;

DialogTemplate MakeStatsTemplate() {
    using K = ControlKind;
    DialogTemplate t;
    t.id = CStatsDlg::kIdd;
    t.caption = "Statistics";
    t.width = 350;
    t.height = 196;
    // Fixed pitch, so that the figures stand under their headers.
    t.fontFace = "Courier New";
    const auto label = [](const char* text, DialogRect rect) {
        return ControlTemplate{kIdStatic, K::Static, text, rect, 0};
    };
    t.controls = {
        label("Territories", {56, 12, 46, 8}),
        label("Armies", {104, 12, 28, 8}),
        label("Losses", {140, 12, 28, 8}),
        label("______Battles______", {174, 4, 80, 8}),
        label("won", {180, 12, 16, 8}),
        label(" lost", {204, 12, 22, 8}),
        label("total", {236, 12, 22, 8}),
        label("Reinforcement", {246, 4, 56, 8}),
        label("rounds", {264, 12, 28, 8}),
        label("Ranking", {296, 12, 32, 8}),
        {CStatsDlg::kIdList,
         K::ListBox,
         "",
         {8, 22, 334, 120},
         ctl::kVerticalScroll | ctl::kTabStop},
        label("Rounds", {8, 152, 60, 8}),
        {CStatsDlg::kIdRounds, K::Edit, "", {90, 150, 40, 12}, ctl::kReadOnly | ctl::kTabStop},
        label("Total Time (minutes)", {8, 168, 80, 8}),
        {CStatsDlg::kIdMinutes, K::Edit, "", {90, 166, 40, 12}, ctl::kReadOnly | ctl::kTabStop},
        {kIdOk, K::Button, "OK", {292, 174, 50, 14}, ctl::kDefault | ctl::kTabStop | ctl::kGroup},
    };
    return t;
}

std::int32_t Field(std::int32_t p, int field) {
    return g_players[static_cast<std::size_t>(p)][static_cast<std::size_t>(field)];
}

stats::Ranking RankingNow() {
    stats::Ranking ranking{};
    for (std::size_t k = 1; k < ranking.size(); ++k) ranking[k] = g_playerRanking[k].id;
    return ranking;
}

}  // namespace

const DialogTemplate& StatsTemplate() {
    static const DialogTemplate t = MakeStatsTemplate();
    return t;
}

namespace stats {

std::string FormatRow(const Row& row, bool networkGame) {
    const std::string name = (row.name + std::string(kNameColumn, ' ')).substr(0, kNameColumn);
    const auto battles = [&](std::int32_t value) { return networkGame ? 0 : value; };
    char text[160];
    std::snprintf(text, sizeof text, " %3d %6d %8d %6d  %6d  %6d  %6d       %2d",
                  static_cast<int>(row.territories), static_cast<int>(row.armies),
                  static_cast<int>(row.losses), static_cast<int>(battles(row.battlesWon)),
                  static_cast<int>(battles(row.battlesLost)),
                  static_cast<int>(battles(row.battlesFought)),
                  static_cast<int>(battles(row.reinforcementRounds)), static_cast<int>(row.rank));
    return name + text;
}

Ranking RankPlayers() {
    Ranking weighed{};
    if (g_isTroopExperienceOn) {
        const ai::WeighedArmies experience(true);
        ai::RatePlayerStrengths(ai::strength::kWithContinents);
        weighed = RankingNow();
    }
    ai::RatePlayerStrengths(ai::strength::kWithContinents);
    return g_isTroopExperienceOn ? weighed : RankingNow();
}

std::vector<Row> PlayerRows(const Ranking& ranking) {
    using namespace player_field;
    std::vector<Row> rows;
    const std::int32_t players = std::clamp(g_playerCount, 0, kMaxPlayers);
    for (std::int32_t p = 1; p <= players; ++p) {
        Row row;
        row.name = g_playerNames[static_cast<std::size_t>(p)];
        row.territories = Field(p, kTerritories);
        row.armies = Field(p, kArmies);
        row.losses = Field(p, kLosses);
        row.battlesWon = Field(p, kBattlesWon);
        row.battlesLost = Field(p, kBattlesLost);
        row.battlesFought = Field(p, kBattlesFought);
        row.reinforcementRounds = Field(p, kReinforcementCount);
        if (row.territories > 0) {
            const auto at = std::find(ranking.begin() + 1, ranking.end(), p);
            if (at != ranking.end()) row.rank = static_cast<std::int32_t>(at - ranking.begin());
        }
        rows.push_back(row);
    }
    return rows;
}

bool HasFigures() {
    if (!IsPlayer(g_currentPlayer) || g_isInitialPlacement) return false;
    return g_turnsPlayed[static_cast<std::size_t>(g_currentPlayer)] >= 1;
}

std::string RoundsText() {
    const std::int32_t turns =
        IsPlayer(g_currentPlayer) ? g_turnsPlayed[static_cast<std::size_t>(g_currentPlayer)] : 0;
    char text[16];
    std::snprintf(text, sizeof text, "%5d", static_cast<int>(turns));
    return text;
}

std::string MinutesText(std::int64_t now) {
    const std::int64_t end = g_isGameOver ? g_gameEndTime : now;
    const double minutes =
        static_cast<double>(end - g_playResumeTime) / 60.0 + g_playingSeconds / 60.0;
    char text[64];
    std::snprintf(text, sizeof text, "%6.0f", minutes);
    return text;
}

}  // namespace stats

CStatsDlg::CStatsDlg() : CDialog(StatsTemplate()) {}

bool CStatsDlg::DoDataExchange(bool save) {
    if (save) {
        selectedLine = GetText(kIdList);
        rounds = GetText(kIdRounds);
        minutes = GetText(kIdMinutes);
    } else {
        if (!selectedLine.empty()) SelectItemByPrefix(kIdList, selectedLine);
        SetText(kIdRounds, rounds);
        SetText(kIdMinutes, minutes);
    }
    return true;
}

bool CStatsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    rounds = "0";
    minutes = "0";
    ResetContent(kIdList);
    if (stats::HasFigures()) {
        const stats::Ranking ranking = stats::RankPlayers();
        rounds = stats::RoundsText();
        minutes = stats::MinutesText(openedAt);
        for (const stats::Row& row : stats::PlayerRows(ranking))
            AddItem(kIdList, stats::FormatRow(row, IsNetworkGame()));
    }
    UpdateData(false);
    SetOpacity(g_transparencyPercent);
    return true;
}
