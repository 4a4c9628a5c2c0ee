// The set-up dialogs of New Game: their templates, members, enabling and the view's set of them.
#pragma once

#include <cstdint>
#include <string>

#include "core/model/session_state.h"
#include "core/rules/attack_help.h"
#include "platform/dialog.h"
#include "setup/personalities.h"
#include "setup/setup_dialogs_info.h"

namespace platform {
class DialogHost;
class Files;
class Shell;
}  // namespace platform

// A dialog of one radio group whose first button is 1000; `choice` is the checked button's
// place in template order.
class CChoiceDlg : public CDialog {
  public:
    static constexpr int kIdFirstChoice = 1000;
    explicit CChoiceDlg(const DialogTemplate& dialogTemplate) : CDialog(dialogTemplate) {}
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;

    std::int32_t choice = 0;
};

// "Main Menu": single player, high score, demo, multiplayer; "Info..." shows the high-score rules.
class CSpelersDlg : public CChoiceDlg {
  public:
    static constexpr int kIdd = 163;
    static constexpr int kIdInfo = 1013;
    CSpelersDlg(platform::DialogHost& host, platform::Shell& shell);
    void OnCommand(int controlId, Notification code) override;

    CWorld100Dlg world100;

  private:
    platform::DialogHost& host_;
};

class CGametypeDlg : public CChoiceDlg {
  public:
    static constexpr int kIdd = 323;
    CGametypeDlg();
};

// The map choice; CMap1Dlg is the high-score game's, whose template marks the maps played with
// other rules. Both hide "Load a Map..." in a high-score game.
class CMapDlg : public CChoiceDlg {
  public:
    static constexpr int kIdd = 183;
    static constexpr int kIdLoadMap = 1008;
    static constexpr int kLoadMapChoice = 13;
    CMapDlg();
    bool OnInitDialog() override;
    bool isHighScoreGame = false;

  protected:
    explicit CMapDlg(const DialogTemplate& dialogTemplate) : CChoiceDlg(dialogTemplate) {}
};

class CMap1Dlg : public CMapDlg {
  public:
    static constexpr int kIdd = 375;
    CMap1Dlg();
};

class CCampaignsDlg : public CChoiceDlg {
  public:
    static constexpr int kIdd = 322;
    static constexpr int kIdLoadCampaign = 1009;
    static constexpr int kLoadCampaignChoice = 5;
    CCampaignsDlg();
    bool OnInitDialog() override;
    bool isHighScoreGame = false;
};

// "Game options" of a game on this machine.
class COptiesDlg : public CDialog {
  public:
    static constexpr int kIdd = 164;
    static constexpr int kIdRule = 1000;
    static constexpr int kIdHidden = 1004;
    static constexpr int kIdStrongholds = 1005;
    static constexpr int kIdTroopExperience = 1042;
    static constexpr int kIdLevel = 1037;  // Easy; 1038 Normal
    static constexpr int kIdLevelNormal = 1038;
    static constexpr int kIdText = 1006;
    static constexpr int kIdMission = 1002;  // Conquer All
    static constexpr int kIdContinents = 1003;
    static constexpr int kIdHoldContinents = 1008;
    static constexpr int kIdAttackInfo = 1013;
    static constexpr int kIdStrongholdsInfo = 1014;
    static constexpr int kIdTroopExperienceInfo = 1015;
    static constexpr int kIdMissionsInfo = 1016;
    explicit COptiesDlg(platform::DialogHost& host);
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    void OnStrongholds();

    // Told before showing.
    std::int32_t gameKind = game_kind::kSinglePlayer;
    // Exchanged.
    std::int32_t rule = 0;  // 0 "1-for-1 system", 1 "Dice-like results"
    std::int32_t hidden = 0;
    std::int32_t strongholds = 0;
    std::int32_t troopExperience = 0;
    std::int32_t level = 1;  // 0 Easy, 1 Normal
    std::int32_t mission = 0;

    CAttackhelpDlg attackHelp;
    CStronginfoDlg strongholdsInfo;
    CTEInfoDlg troopExperienceInfo;
    CMissioninfoDlg missionsInfo;

  private:
    void EnableMissions();
    platform::DialogHost& host_;
};

// "Game options" of a network host: the map, the rule and two options.
class COpties1Dlg : public CDialog {
  public:
    static constexpr int kIdd = 249;
    static constexpr int kIdRule = 1000;
    static constexpr int kIdMap = 1002;
    static constexpr int kIdStrongholds = 1004;
    static constexpr int kIdTroopExperience = 1005;
    static constexpr int kIdText = 1006;
    static constexpr int kLoadMapChoice = 12;
    explicit COpties1Dlg(platform::DialogHost& host);
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;

    std::int32_t map = 0;
    std::int32_t rule = 0;
    std::int32_t strongholds = 0;
    std::int32_t troopExperience = 0;

    CAttackhelpDlg attackHelp;
    CStronginfoDlg strongholdsInfo;
    CTEInfoDlg troopExperienceInfo;

  private:
    platform::DialogHost& host_;
};

// "Computer players" 2..9, or 1 beside a neutral army (choice 8).
class CPlayers234Dlg : public CChoiceDlg {
  public:
    static constexpr int kIdd = 181;
    static constexpr int kIdText = 1006;
    static constexpr int kNeutralChoice = 8;
    CPlayers234Dlg();
    bool OnInitDialog() override;
    bool isDemo = false;
    bool areStrongholdsOn = false;
    std::int32_t continents = 0;
};

// "Computer players" 0..9 beside humans or joined seats.
class CPlayers810Dlg : public CChoiceDlg {
  public:
    static constexpr int kIdd = 182;
    static constexpr int kIdText = 1006;
    CPlayers810Dlg();
    bool OnInitDialog() override;
    bool isHotseat = false;
    bool areStrongholdsOn = false;
    std::int32_t continents = 0;
    std::int32_t seated = 0;
};

// A hotseat player's name; "+ Add More Players" asks for one more.
class CHotseatnmDlg : public CDialog {
  public:
    static constexpr int kIdd = 211;
    static constexpr int kIdPrompt = 1006;
    static constexpr int kIdName = 1007;
    static constexpr int kIdAddMore = 1036;
    static constexpr int kNameLimit = 18;
    CHotseatnmDlg();
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    std::string prompt;
    std::string name;
};

// The player's own name.
class CNaamDlg : public CDialog {
  public:
    static constexpr int kIdd = 165;
    static constexpr int kIdName = 1006;
    static constexpr int kIdPrompt = 1007;
    static constexpr int kNameLimit = 25;
    CNaamDlg();
    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    std::string name;
    std::string prompt;
};

// The multiplayer menu and the host-or-join choice that lead to the network games.
class CMultiplayerDlg : public CChoiceDlg {
  public:
    static constexpr int kIdd = 241;
    CMultiplayerDlg();
};
class CStartjoinDlg : public CChoiceDlg {
  public:
    static constexpr int kIdd = 242;
    static constexpr int kIdNote = 1006;
    CStartjoinDlg();
    bool DoDataExchange(bool save) override;
    std::string note;
};

// Every set-up dialog the view holds, so that each keeps its last answers.
struct SetupDialogs {
    SetupDialogs(platform::DialogHost& host, platform::Shell& shell, const platform::Files& files);

    CSpelersDlg mainMenu;
    COptiesDlg options;
    CNaamDlg name;
    CPlayers234Dlg players234;
    CPlayers810Dlg players810;
    CMapDlg map;
    CHotseatnmDlg hotseatName;
    CCreamapDlg creatingMaps;
    CMultiplayerDlg multiplayer;
    CStartjoinDlg startJoin;
    COpties1Dlg hostOptions;
    CPersonalitiesDlg personalities;
    CCampaignsDlg campaigns;
    CGametypeDlg gameType;
    CQuickDlg quickLaunch;
    CMissionDlg mission;
    CMap1Dlg map1;
};

// The applied opacity of the transparent set-up dialogs.
void ApplyDialogTransparency(CDialog& dialog);
