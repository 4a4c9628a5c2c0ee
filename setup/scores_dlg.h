// The Scores window (filters over the scores file) and the All-scores window (every record).
#pragma once

#include <string>
#include <vector>

#include "platform/dialog.h"
#include "setup/scores_list.h"

namespace platform {
struct Platform;
}

const DialogTemplate& ScoresTemplate();
const DialogTemplate& ScoresAllTemplate();

// Every record of the scores file with all of its settings, sorted; it only reads the file.
class CScoresallDlg : public CDialog {
  public:
    static constexpr int kIdd = 221;
    static constexpr int kIdList = 1010;
    explicit CScoresallDlg(platform::Platform& platform);

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;

    std::string selectedLine;

  private:
    platform::Platform& platform_;
};

// The games of the scores file like the one being played, narrowed by map, players and seven
// option groups; it only reads the file.
class CScoresDlg : public CDialog {
  public:
    static constexpr int kIdd = 170;
    static constexpr int kIdRecords = 1010;
    static constexpr int kIdMaps = 1040;
    static constexpr int kIdPlayers = 1041;
    static constexpr int kIdListAll = 1013;
    static constexpr int kIdWorldTop20 = 1014;
    // The first button of each radio group.
    static constexpr int kIdRule = 1000;
    static constexpr int kIdHidden = 1003;
    static constexpr int kIdLevel = 1026;
    static constexpr int kIdPersonalities = 1039;
    static constexpr int kIdStrongholds = 1042;
    static constexpr int kIdExperience = 1028;
    static constexpr int kIdMission = 1045;

    explicit CScoresDlg(platform::Platform& platform);

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;

    // Exchanged with the controls; the selected line is selected again at the next opening.
    scores::Filters filters;
    std::string selectedLine;

    CScoresallDlg all;

  private:
    void RefreshList();
    // The file's records; false (and a message at an opening) when it cannot be read.
    bool Read(std::vector<scores::Entry>& entries, bool tell);

    platform::Platform& platform_;
};

namespace scores {
// The scores file's path in the application-data folder (also kept in g_scoresFilePath); empty
// when there is no such folder.
std::string FilePath();
// One message for a file that cannot be read; the window then opens empty.
void ReportUnreadable(platform::Platform& platform, const std::string& path);
}  // namespace scores
