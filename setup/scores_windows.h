// The view's Scores and Statistics windows, made on first use and kept while the view lives, so
// that the Scores window selects its last chosen line again.
#pragma once

#include "setup/scores_dlg.h"
#include "setup/stats_dlg.h"

struct ScoresWindows {
    explicit ScoresWindows(platform::Platform& platform) : scores(platform) {}
    CScoresDlg scores;
    CStatsDlg stats;
};
