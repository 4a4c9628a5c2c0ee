// The Scores and Statistics commands: the view's windows, run modally.
#include "core/child_view.h"
#include "platform/clock.h"
#include "platform/dialog_host.h"
#include "setup/scores_windows.h"

void DestroyScoresWindows(ScoresWindows* windows) {
    delete windows;
}

ScoresWindows& CChildView::ScoresAndStatistics() {
    if (!scoresWindows_) scoresWindows_.reset(new ScoresWindows(platform_));
    return *scoresWindows_;
}

void CChildView::OnScores() {
    platform_.dialogs.RunModal(ScoresAndStatistics().scores);
}

void CChildView::ShowStatsDialog() {
    CStatsDlg& stats = ScoresAndStatistics().stats;
    stats.openedAt = platform_.clock.Now();
    platform_.dialogs.RunModal(stats);
}
