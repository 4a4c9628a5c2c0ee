// The set-up dialogs as the user meets them: their texts, their enabling and the personalities.
#include <set>

#include "core/model/options.h"
#include "newgame_fixture.h"
#include "setup/personalities.h"
#include "shell/storage.h"

namespace newgame_test {
namespace {

// Opens a dialog as a host would, without a host: fresh controls, then OnInitDialog.
void Open(CDialog& dialog) {
    dialog.CreateControls();
    dialog.OnInitDialog();
}

bool HasText(const CDialog& dialog, const std::string& text) {
    for (const ControlTemplate& control : dialog.Template().controls)
        if (control.text == text) return true;
    return false;
}

using SetupDialogsTest = NewGameFixture;

TEST_F(SetupDialogsTest, TemplatesCarryTheGamesTexts) {
    SetupDialogs& d = View().Setup();
    struct Case {
        const CDialog* dialog;
        std::string caption;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {&d.mainMenu,
         "Main Menu",
         {"Single player Game", "High Score Game", "Demo mode", "Multiplayer Game", "Info..."}},
        {&d.gameType, "Single-map / Campaign Game", {"Single Map Game", "Campaign Game"}},
        {&d.map, "Map", {"World", "Japan  Korea", "Swamp II", "Load a Map..."}},
        {&d.campaigns, "Campaigns", {"Load a Campaign..."}},
        {&d.options,
         "Game options",
         {"1-for-1 system", "Dice-like results", "Hidden territories", "Strongholds",
          "Troop Experience", "Easy", "Normal", "Conquer All", "Continents", "Hold Continents"}},
        {&d.players234,
         "Computer players",
         {"2 ", "8", "9 ", "1  *", "* a non-attacking neutral", "army is assigned."}},
        {&d.players810, "Computer players", {"0", "9"}},
        {&d.hotseatName,
         "Marovek",
         {"+ Add More Players", "Proceed", "(When finished entering players)"}},
        {&d.name, "Marovek", {"OK", "Cancel"}},
        {&d.personalities,
         "Personalities",
         {"Computer Player", "Normal", "Conqueror", "Defensive", "Avenger", "Determined",
          "Unstable", "Hunter", "II", "X", "Random Mix", "Reset", "Info..."}},
        {&d.quickLaunch,
         "Quick Launch - Single player Game",
         {"Quick Launch bypasses several input dialogs",
          "and uses settings of the last saved game.", "Single player games only.",
          "You haven't saved a game yet."}},
        {&d.options.strongholdsInfo,
         "Strongholds",
         {"Choose a territory as your stronghold and defend it at all cost."}},
        {&d.options.troopExperienceInfo,
         "Troop Experience",
         {"Troop Experience begins with round 10."}},
        {&d.options.missionsInfo, "Missions", {"The continents window shows your progress."}},
        {&d.personalities.info,
         "Personalities",
         {"- don't attack his continent !", "- no personalities."}},
        {&d.creatingMaps,
         "Creating Maps",
         {"see Help - Contents - Creating Maps", "Don't show this again"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.dialog->Template().caption, c.caption);
        for (const std::string& text : c.texts)
            EXPECT_TRUE(HasText(*c.dialog, text)) << c.caption << ": " << text;
    }
}

// The choices of the map, high-score map, campaign and host dialogs: their ids and texts in order.
TEST_F(SetupDialogsTest, MapAndCampaignChoicesInTheirOrder) {
    SetupDialogs& d = View().Setup();
    using Choices = std::vector<std::pair<int, std::string>>;
    const Choices map = {{1000, "World"},        {1001, "China"},         {1002, "Europe"},
                         {1003, "Australia"},    {1004, "Scandinavia"},   {1005, "North America"},
                         {1006, "Japan  Korea"}, {1007, "Great Britain"}, {1009, "Real World"},
                         {1010, "Swamp"},        {1011, "Worms"},         {1012, "Lines II"},
                         {1013, "Swamp II"},     {1008, "Load a Map..."}};
    Choices highScore = map;
    for (auto& [id, text] : highScore) {
        if (id == 1002 || id == 1004 || id == 1005 || id == 1010) text += "   (Troop Experience)";
        if (id == 1001 || id == 1007) text += "   (Hold Continents)";
    }
    const Choices campaigns = {
        {1000, "Worlds   (World - Real World)"},
        {1001, "West Pacific   (Australia - China - Japan Korea)"},
        {1002, "North Atlantic   (Europe - Great Britain - Scandinavia - North America)"},
        {1003, "Three Nations   (Three Nations I - II)"},
        {1004, "Marovek   (Lines II - Swamp - Worms)"},
        {1009, "Load a Campaign..."}};
    // A network game cannot carry Swamp II.
    const Choices host = {{1002, "World"},        {1020, "China"},         {1021, "Europe"},
                          {1022, "Australia"},    {1023, "Scandinavia"},   {1024, "North America"},
                          {1025, "Japan Korea"},  {1026, "Great Britain"}, {1027, "Real World"},
                          {1028, "Swamp"},        {1029, "Worms"},         {1030, "Lines II"},
                          {1031, "Load a Map..."}};
    const std::pair<const CDialog*, const Choices*> cases[] = {
        {&d.map, &map}, {&d.map1, &highScore}, {&d.campaigns, &campaigns}, {&d.hostOptions, &host}};
    for (const auto& [dialog, expected] : cases) {
        Choices radios;
        for (const ControlTemplate& control : dialog->Template().controls)
            if (control.kind == ControlKind::RadioButton)
                radios.emplace_back(control.id, control.text);
        if (dialog == &d.hostOptions) radios.resize(std::min(radios.size(), expected->size()));
        EXPECT_EQ(radios, *expected) << dialog->Template().caption;
    }
    // The host's notes stand beside Swamp (and Worms) and beside Lines II.
    std::vector<std::pair<int, std::string>> notes;
    for (const ControlTemplate& control : d.hostOptions.Template().controls)
        if (control.text.starts_with("Requires")) notes.emplace_back(control.rect.y, control.text);
    EXPECT_EQ(notes, (std::vector<std::pair<int, std::string>>{
                         {126, "Requires at least version 5.1 of Marovek"},
                         {150, "Requires at least version 5.2 of Marovek"}}));
}

TEST_F(SetupDialogsTest, LoadChoicesAreHiddenInAHighScoreGame) {
    SetupDialogs& d = View().Setup();
    d.map.isHighScoreGame = false;
    Open(d.map);
    EXPECT_TRUE(d.map.IsVisible(CMapDlg::kIdLoadMap));
    d.map.isHighScoreGame = true;
    Open(d.map);
    EXPECT_FALSE(d.map.IsVisible(CMapDlg::kIdLoadMap));
    Open(d.map1);
    EXPECT_FALSE(d.map1.IsVisible(CMapDlg::kIdLoadMap));
    d.campaigns.isHighScoreGame = true;
    Open(d.campaigns);
    EXPECT_FALSE(d.campaigns.IsVisible(CCampaignsDlg::kIdLoadCampaign));
}

TEST_F(SetupDialogsTest, StrongholdsTakeTheMissionAwayAndHotseatNeverHasOne) {
    COptiesDlg& options = View().Setup().options;
    options.gameKind = 1;
    options.mission = 2;
    Open(options);
    EXPECT_TRUE(options.IsEnabled(COptiesDlg::kIdHoldContinents));
    EXPECT_TRUE(options.IsLayered());
    options.UserClick(COptiesDlg::kIdStrongholds);
    EXPECT_FALSE(options.IsEnabled(COptiesDlg::kIdContinents));
    EXPECT_FALSE(options.IsEnabled(COptiesDlg::kIdHoldContinents));
    EXPECT_EQ(options.GetRadioIndex(COptiesDlg::kIdMission), 0);
    options.UserClick(COptiesDlg::kIdStrongholds);
    EXPECT_TRUE(options.IsEnabled(COptiesDlg::kIdContinents));

    options.gameKind = 4;
    options.strongholds = 1;
    Open(options);
    options.UserClick(COptiesDlg::kIdStrongholds);  // unchecked in a hotseat set-up
    EXPECT_FALSE(options.IsEnabled(COptiesDlg::kIdContinents));
    EXPECT_FALSE(options.IsEnabled(COptiesDlg::kIdHoldContinents));
    EXPECT_TRUE(options.IsEnabled(COptiesDlg::kIdHidden));

    options.gameKind = 2;
    Open(options);
    EXPECT_FALSE(options.IsEnabled(COptiesDlg::kIdHidden));
    EXPECT_FALSE(options.IsEnabled(COptiesDlg::kIdLevel));
    EXPECT_FALSE(options.IsVisible(COptiesDlg::kIdText));
}

TEST_F(SetupDialogsTest, ComputerPlayerChoicesFollowTheRules) {
    CPlayers234Dlg& few = View().Setup().players234;
    few.areStrongholdsOn = true;
    few.continents = 4;
    Open(few);
    std::vector<bool> enabled;
    for (int id : {1000, 1001, 1002, 1003, 1004, 1005, 1007, 1008, 1009})
        enabled.push_back(few.IsEnabled(id));
    EXPECT_EQ(enabled, (std::vector<bool>{1, 1, 0, 0, 0, 0, 0, 0, 1}));

    CPlayers810Dlg& many = View().Setup().players810;
    many.isHotseat = false;
    many.seated = 3;
    Open(many);
    EXPECT_TRUE(many.IsEnabled(1000));
    EXPECT_TRUE(many.IsEnabled(1008));   // 7
    EXPECT_FALSE(many.IsEnabled(1009));  // 8
}

TEST_F(SetupDialogsTest, PersonalityRowsOfNewGameAndOfTheCommand) {
    CPersonalitiesDlg& dialog = View().Setup().personalities;
    auto rowEnabled = [&](int player) {
        bool all = true;
        for (int id : PersonalityButtons(player)) all = all && dialog.IsEnabled(id);
        bool none = true;
        for (int id : PersonalityButtons(player)) none = none && !dialog.IsEnabled(id);
        EXPECT_TRUE(all || none) << player;
        return all;
    };
    g_playerCount = 5;
    g_humanPlayerCount = 2;
    Open(dialog);
    for (int k = 2; k <= 10; ++k) EXPECT_EQ(rowEnabled(k), k >= 3 && k <= 5) << k;
    dialog.UserClick(CPersonalitiesDlg::kIdRandomMix);
    for (int k = 2; k <= 10; ++k) EXPECT_FALSE(rowEnabled(k)) << k;

    // Every button id is the row's own.
    std::set<int> ids;
    for (int k = 2; k <= 10; ++k)
        for (int id : PersonalityButtons(k)) EXPECT_TRUE(ids.insert(id).second) << id;
    EXPECT_EQ(PersonalityButtons(10),
              (std::array<int, 7>{1034, 1077, 1078, 1079, 1080, 1081, 1090}));
}

TEST_F(SetupDialogsTest, TheCommandShowsAllRowsAndOkSavesTheChoice) {
    Script(CPersonalitiesDlg::kIdd,
           {ScriptStep::Click(PersonalityButtons(10)[2]), ScriptStep::Click(kIdOk)});
    g_playerCount = 3;
    g_humanPlayerCount = 1;
    View().OnPersonalities();
    EXPECT_EQ(g_personalities[10], 2);
    EXPECT_EQ(g_playerCount, 3);
    EXPECT_EQ(g_humanPlayerCount, 1);
    EXPECT_EQ(g_settings[kPersonalitiesOffset + 36], 2);  // saved for player X

    // After the first round it only shows them.
    g_roundCounter = 1;
    Script(CPersonalitiesDlg::kIdd,
           {ScriptStep::Click(PersonalityButtons(10)[0]), ScriptStep::Click(kIdOk)});
    View().OnPersonalities();
    EXPECT_EQ(g_personalities[10], 2);
}

TEST_F(SetupDialogsTest, CancelAndResetOfThePersonalities) {
    g_personalities[4] = 3;
    g_unstableMarks[5] = 6;
    Cancel(CPersonalitiesDlg::kIdd);
    Script(CPersonalitiesDlg::kIdd,
           {ScriptStep::Click(CPersonalitiesDlg::kIdReset), ScriptStep::Cancel()});
    View().OnPersonalities();
    View().OnPersonalities();
    // An Unstable player is shown as Unstable.
    EXPECT_EQ(Dialogs().Shown()[0].checks.at(PersonalityButtons(5)[6]), 1);
    EXPECT_EQ(Dialogs().Shown()[0].checks.at(PersonalityButtons(4)[3]), 1);
    EXPECT_EQ(g_personalities[4], 3);
    EXPECT_EQ(g_unstableMarks[5], 6);

    Script(CPersonalitiesDlg::kIdd,
           {ScriptStep::Click(CPersonalitiesDlg::kIdReset), ScriptStep::Click(kIdOk)});
    View().OnPersonalities();
    EXPECT_EQ(g_personalities[4], 0);
    EXPECT_EQ(g_unstableMarks[5], 0);
}

TEST_F(SetupDialogsTest, RandomMixDrawsEveryPersonalityAndUnstableGetsABase) {
    g_isRandomMix = true;
    std::set<int> seen;
    for (int round = 0; round < 50; ++round) {
        DrawGamePersonalities(platform_->random);
        for (int p = 1; p <= kMaxPlayers; ++p) {
            ASSERT_GE(g_personalities[p], 0);
            ASSERT_LE(g_personalities[p], 5);
            ASSERT_TRUE(g_unstableMarks[p] == 0 || g_unstableMarks[p] == 6);
            seen.insert(g_unstableMarks[p] == 6 ? 6 : g_personalities[p]);
        }
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST_F(SetupDialogsTest, InformationIconIsPainted) {
    Open(View().Setup().options.strongholdsInfo);
    raster::Surface surface(200, 100, kDialogFace);
    View().Setup().options.strongholdsInfo.OnPaint(surface);
    EXPECT_NE(surface.Pixel(31, 31), kDialogFace);  // inside the icon at (15, 15)
    EXPECT_EQ(surface.Pixel(5, 5), kDialogFace);
    EXPECT_FALSE(View().Setup().options.strongholdsInfo.IsLayered());
}

}  // namespace
}  // namespace newgame_test
