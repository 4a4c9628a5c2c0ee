// The ids of the commands of the menus, toolbars and status panes, declared once.
#pragma once

namespace cmd {
// Game menu.
inline constexpr int kNewGame = 153;
inline constexpr int kQuickLaunch = 32825;
inline constexpr int kOpen = 154;
inline constexpr int kSave = 155;
inline constexpr int kSaveAs = 156;
inline constexpr int kExit = 57665;  // the application's own command
// Scores, Cards, Continents, Statistics.
inline constexpr int kScores = 147;
inline constexpr int kShowCards = 148;
inline constexpr int kContinents = 32801;
inline constexpr int kStatistics = 32802;
// Settings menu.
inline constexpr int kSpeedSlow = 151;
inline constexpr int kSpeedFast = 152;
inline constexpr int kSpeedVeryFast = 32785;
inline constexpr int kSpeedFastest = 32786;
inline constexpr int kScreenSmall = 32788;
inline constexpr int kScreenMedium = 32789;
inline constexpr int kScreenLarge = 32806;
inline constexpr int kGradients = 32828;
inline constexpr int kSolidColors = 32829;
inline constexpr int kColors = 149;
inline constexpr int kBackground1 = 32791;
inline constexpr int kBackground2 = 32819;
inline constexpr int kBackground3 = 32827;
inline constexpr int kDesktopShiningThrough = 32792;
inline constexpr int kYourColorSettings = 32793;
inline constexpr int kOceansPicture = 32818;
inline constexpr int kSmilies = 150;
inline constexpr int kTransparency = 32826;
inline constexpr int kSound = 32796;
inline constexpr int kPersonalities = 32798;
inline constexpr int kSafeMode = 32803;
inline constexpr int kHostingInternetGames = 32824;
// Map menu; each built-in map's command id is in its catalogue row.
inline constexpr int kLoadMap = 32795;
inline constexpr int kTestCustomMap = 32822;
inline constexpr int kMoreMaps = 32823;
// Help menu: About is the application's own command.
inline constexpr int kAbout = 57664;
// The turn commands of the action toolbar and the view's popup menu.
inline constexpr int kCancel = 157;
inline constexpr int kCards = 158;
inline constexpr int kMove = 159;
inline constexpr int kAdd = 160;
inline constexpr int kAttack = 161;
inline constexpr int kNextPlayer = 162;
// Status-bar panes.
inline constexpr int kPaneStatus = 0;
inline constexpr int kPaneLosses = 163;
inline constexpr int kPaneCards = 164;
}  // namespace cmd
