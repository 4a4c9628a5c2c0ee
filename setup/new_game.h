// The New Game sequence: one restartable chain of set-up dialogs that ends with the first move.
#pragma once

#include <cstdint>
#include <string>

#include "core/mapsel/map_selection.h"

class CChildView;
struct SetupDialogs;

namespace new_game {

// What a step asks of the chain: go on, start again at the main menu, or end the command.
enum class Next { kGo, kRestart, kLeave };

inline constexpr char kNeutralArmyText[] = "A non-attacking neutral army is assigned.";
inline constexpr char kStartQuestion[] = "Start a new game ? (and quit current game)";
inline constexpr char kNamePrompt[] = "Your name ?";

class Sequence {
  public:
    explicit Sequence(CChildView& view);
    void Run();

  private:
    bool Prepare();
    Next Pass();
    void RestartValues();
    void ReloadSettingsIfDealt();
    Next MainMenu();
    Next MapAndOptions();
    Next ChooseMap(bool withGameType, bool highScore);
    Next ChooseSingleMap(bool highScore);
    Next ChooseCampaign();
    Next LoadChosenMap(const PreviousMapFlags& previous, bool wasWorld);
    Next FallBack();
    Next Options();
    // The network steps (setup/new_game_network.cpp).
    Next HostOptions();
    Next NetworkSteps();
    // The Internet road (setup/new_game_internet.cpp).
    bool HostAddress();
    Next HostInternet();
    std::string InternetHost();
    Next JoinInternet();
    Next ComputerPlayers();
    Next HighScoreGame();
    Next Demo();
    Next HotseatNames();
    Next HotseatComputers(std::int32_t most);
    Next Personalities();
    Next Deal();
    void ReinforcementInfo();
    void DrawBoard();
    void CommandsAndName();
    Next PlayerName();
    void StartPlay();
    // Cancel after a map file or own campaign was loaded: the next pass reloads the settings.
    Next RestartAfterCancel();
    Next Reenable(Next next);
    bool IsCustomSource() const;

    CChildView& view_;
    SetupDialogs& dialogs_;
    std::string timeStamp_;
};

// The map dialogs' choices are the Map menu's maps in its order, then "Load a Map..." (any other
// choice).
void SelectMapChoice(std::int32_t choice);

// A text slot of the settings record (at most 19 characters up to its first zero).
std::string SettingsText(std::size_t offset);

}  // namespace new_game
