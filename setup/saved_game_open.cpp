// Open after the file was accepted: the map the game was played on, the restore, the question
// whether to continue, and a host's resume of a network game.
#include "setup/saved_game_open.h"

#include <algorithm>

#include "ai/evaluation.h"
#include "core/child_view.h"
#include "core/mapsel/map_selection.h"
#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/model/yes_no.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/random.h"
#include "platform/socket.h"
#include "platform/window_services.h"
#include "setup/new_game.h"
#include "shell/settings.h"
#include "shell/storage.h"

namespace saved_game {

namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void TakeCampaignFields(const Record& record) {
    g_campaignNumber = record.campaignNumber;
    g_campaignLength = record.campaignLength;
    g_campaignStep = record.campaignStep;
    g_campaignPlayer = record.campaignPlayer;
    g_isCampaignFinished = g_isCampaignLost = false;
}

// Selects and builds the map of the record; false (the loader has said why) when a map or
// campaign file it names no longer loads.
bool BuildMap(CChildView& view, const FileKind& kind, const Record& record) {
    ClearMapFlags();
    g_isTestCustomMap = false;
    switch (kind.source) {
        case Source::kBuiltinCampaign: {
            TakeCampaignFields(record);
            const std::vector<const BuiltinMap*> maps = CampaignMaps(record.campaignNumber);
            const auto step = static_cast<std::size_t>(record.campaignStep);
            *(step <= maps.size() ? maps[step - 1]->flag : DefaultMap().flag) = true;
            view.SetupSelectedMap();
            return true;
        }
        case Source::kBuiltinMap:
            *MapFlagByTerritories(record) = true;
            view.SetupSelectedMap();
            return true;
        case Source::kOwnCampaign:
        case Source::kMapFile:
            break;
    }
    g_isJustOpened = kYes;
    g_isUserMapLoad = false;
    if (kind.source == Source::kOwnCampaign) {
        TakeCampaignFields(record);
        g_campaignName = record.campaignName;
        g_mapFilePath = record.path;
        view.LoadCampaignFile();
    } else {
        g_mapFilePath = record.path;
        g_isMapFileLoaded = true;
    }
    if (g_isMapFileLoaded) view.OnLoadMap();
    g_isUserMapLoad = true;
    if (g_isMapFileLoaded && g_isMapCustom) return true;
    g_isJustOpened = kNo;
    return false;
}

void RedrawRestored(CChildView& view) {
    platform::WindowServices& window = view.Platform().window;
    g_displayedTerritories = g_territories;
    view.ShowTransientStatus(kSlowCommandNotice);
    map_selection::RedrawWholeBoard(view);
    view.ShowStatus(" ");
    window.Invalidate();
    view.UpdateWindowTitle();
}

// "No" to continuing: an empty single-player game on the default map, and the toolbars come
// back once the clock has played the pauses.
void SetUpEmptyGame(CChildView& view) {
    platform::Platform& platform = view.Platform();
    platform.window.EnableToolbars(false);
    g_isOneForOneRule = kYes;
    g_aiMinAttackArmies = 3;
    g_areTerritoriesHidden = g_isHidingActive = false;
    g_areStrongholdsOn = g_isTroopExperienceOn = g_hasNeutralArmy = false;
    SelectDefaultMap();
    g_gameKind = game_kind::kSinglePlayer;
    g_campaignNumber = 0;
    g_campaignLength = g_campaignStep = 1;
    g_campaignPlayer = 0;
    g_isCampaignFinished = g_isCampaignLost = false;
    g_missionKind = mission_kind::kConquerAll;
    for (auto& orders : g_missionOrders) orders.fill(0);
    g_missionProgress = 1;
    g_isMissionFailed = false;
    view.SetupSelectedMap();
    platform.window.SetWindowTitle("Marovek");
    g_turnsPlayed.fill(0);
    g_humanPlayerCount = 1;
    g_playerCount = 3;
    view.ResetTerritories();
    g_displayedTerritories = g_territories;
    map_selection::RedrawWholeBoard(view);
    g_currentPlayer = 0;
    g_lossesShown = 0;
    for (PlayerRecord& snapshot : g_playerRecordSnapshot)
        for (int k = player_field::kArtilleryCards; k <= player_field::kWildCards; ++k)
            snapshot[static_cast<std::size_t>(k)] = 0;
    g_cardsLinePlayer = 0;
    g_isJustOpened = g_isGameFromFile = kNo;
    platform.window.Invalidate();
    g_hasOpenedFileName = false;
    g_canNewGame = g_canOpen = true;
    view.QueuePauseMessage();
    view.QueuePauseMessage();
    AppendMessage(message_type::kEnableToolbars);
}

// A host takes up its network game again: the joining players' names are asked anew and the
// host waits for them. Answers false when this version cannot listen for them.
bool ResumeHosting(CChildView& view, bool internet) {
    platform::Platform& platform = view.Platform();
    for (int p = 2; p <= 5; ++p) {
        std::string& name = g_playerNames[static_cast<std::size_t>(p)];
        if (!name.empty() && name.compare(0, 2, "pc") != 0) name = name.substr(0, 2) + "..";
    }
    view.QueueNextPlayerEvent();
    view.PlayGameSound(game_sound::kSonar);
    const std::string& ipCode = g_settingsString216;
    const std::string address =
        ipCode.size() >= 2 && ipCode.substr(0, 2) > "  " ? ipCode : platform.sockets.LocalAddress();
    view.ShowStatus(WaitingText(internet, platform.sockets.LocalHostName(), address));
    // The same listening step as New Game's hosting; the game goes on when the host presses F2.
    return view.HostNetworkGame();
}

void ContinueGame(CChildView& view, const FileKind& kind, const Record& record) {
    platform::Platform& platform = view.Platform();
    view.SaveSettings();
    g_roundCounter =
        g_turnsPlayed[static_cast<std::size_t>(std::clamp(g_currentPlayer, 0, kMaxPlayers))];
    TakePersonalities(record);
    platform.random.Seed(static_cast<std::uint32_t>(platform.clock.Now()));
    g_canNewGame = g_canOpen = g_canChangeMap = false;
    g_canSave = g_canSaveAs = true;
    if (g_gameKind == game_kind::kSinglePlayer || g_gameKind == game_kind::kHotseat)
        g_newGameEnablePending = true;
    g_canSetSlowSpeed = g_canSetFastSpeeds = true;
    ai::FillContinentsByBonus();
    if (kind.networkResume) return;
    g_gameStartTime = g_playResumeTime = g_gameEndTime = platform.clock.Now();
    g_playingSeconds = record.playingSeconds;
    if (g_missionKind == mission_kind::kContinents) {
        const auto player = static_cast<std::size_t>(std::clamp(g_currentPlayer, 1, kMaxPlayers));
        const auto step =
            static_cast<std::size_t>(std::clamp(g_missionProgress, 1, kMaxContinents));
        const std::int32_t continent = g_missionOrders[player][step];
        view.QueuePauseMessage();
        QueueRecord& highlight = AppendMessage(message_type::kContinentHighlight);
        highlight.a = continent;
        highlight.b = 100;
        view.QueuePauseMessage();
        view.QueuePauseMessage();
        QueueRecord& repaint = AppendMessage(message_type::kContinentRepaint);
        repaint.a = continent;
        repaint.b = 100;
    }
    view.ComputeReinforcements();
    // A game saved on a computer player's turn: the clock plays the computers from there.
    if (g_currentPlayer > g_humanPlayerCount) AppendMessage(message_type::kComputerTurns);
}

}  // namespace

std::string WaitingText(bool internet, const std::string& hostName, const std::string& address) {
    return internet ? "Waiting for others to join...   Your IP:   " + address
                    : "Waiting for others to join...   Hostname:  " + hostName;
}

void OpenAccepted(CChildView& view, const std::string& path, const Bytes& bytes,
                  const Record& record) {
    platform::Platform& platform = view.Platform();
    const std::string name = FileNameOf(path);
    const FileKind kind = KindOfFileName(name, record);
    // A map file needs a screen that can show it; the running game stays as it is otherwise.
    if ((kind.source == Source::kMapFile || kind.source == Source::kOwnCampaign) &&
        !map_loading::ScreenFitsMapFiles(platform.window))
        return;

    view.ShowStatus(" ");
    g_showTestMarkers = g_isQuickLaunch = false;
    g_defenceMissiles.fill(0);
    g_attackMissiles.fill(0);
    g_displayedDefenceMissiles.fill(0);
    g_displayedAttackMissiles.fill(0);
    if (g_hasFinishedGame) {
        g_hasFinishedGame = g_isGameOver = false;
        view.ClearGameState();
    }
    g_hasOpenedFileName = false;
    g_isJustOpened = g_isGameFromFile = kNo;
    g_isSavingHostAddress = g_isSavingHotseatNames = g_isSavingPlayerName = false;
    g_publishedGameSlot = 99;
    g_savedGamePath = name;
    g_documentsFolder = path;
    g_savedGame = bytes;
    g_isInternetGame = kind.internet;

    g_wasMapSelected = *DefaultMap().flag;
    if (!BuildMap(view, kind, record)) {
        // Never a game on a half-built map: the default map without a game.
        view.ClearGameState();
        g_canNewGame = g_canOpen = true;
        return;
    }
    Restore(record);
    g_lossesShown = g_players[static_cast<std::size_t>(std::clamp(g_currentPlayer, 0, kMaxPlayers))]
                             [player_field::kLosses];
    g_playerRecordSnapshot = g_players;
    g_cardsLinePlayer = g_currentPlayer;
    g_isJustOpened = g_isGameFromFile = kYes;
    g_hasOpenedFileName = true;
    RedrawRestored(view);

    if (platform.window.MessageBox(kContinueQuestion, "Marovek", MessageButtons::YesNo,
                                   MessageIcon::Exclamation) != MessageAnswer::Yes) {
        SetUpEmptyGame(view);
        return;
    }
    ContinueGame(view, kind, record);
    // A host that cannot listen again (its port taken) has no game to wait for.
    if (kind.networkResume && !ResumeHosting(view, kind.internet)) SetUpEmptyGame(view);
}

}  // namespace saved_game
