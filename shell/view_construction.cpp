// The game view's construction: the program's own start-up, before any window exists.
#include <array>
#include <string>
#include <vector>

#include "ai/ai_state.h"
#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "maps/shipped_maps.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/window_services.h"
#include "render/pictures.h"
#include "render/render_state.h"
#include "shell/frame_layout.h"
#include "shell/settings.h"

namespace {

void ReadScreen(const platform::WindowServices& window) {
    const platform::ScreenMetrics screen = window.Screen();
    g_screenWidth = screen.width;
    g_screenHeight = screen.height;
    g_repaintOnFocus = false;
    g_deferSlowCommands = true;
}

// The faces are the game's own names; the glyph source maps them to free fonts, so the game's
// font file "sserife.fon" is not added to the system's fonts.
void CreateFonts() {
    g_fontSansSerif8 = {"MS Sans Serif", 8, 8};
    g_fontSansSerif6 = {"MS Sans Serif", 6, 6};
    g_fontSerif6 = {"MS Serif", 6, 6};
    g_fontTerminal8 = {"Terminal", 8, 0};
    g_fontSansSerif6Underlined = {"MS Sans Serif", 6, 6, true};
    g_fontTerminal10 = {"Terminal", 10, 0};
}

void SetSoundStartValues() {
    g_isSoundOff = false;
    for (bool* on :
         {&g_isAttackSoundOn, &g_isAddSoundOn, &g_isMoveSoundOn, &g_isNextPlayerSoundOn,
          &g_isPlayerOutSoundOn, &g_isContinentSoundOn, &g_isVictorySoundOn, &g_isSonarSoundOn}) {
        *on = true;
    }
}

// Start values before the map's size is known.
void SetFirstStartValues() {
    g_isFastestSpeed = false;
    g_isDemoRunning = true;
    g_hasNeutralArmy = g_isHighScoreGame = g_isInternetGame = false;
    g_chatRoomRequest = g_emailIpRequest = g_showUsersJoinedRequest = g_advancedIpRequest = false;
    g_isUsersJoinedShown = false;
    g_areTerritoriesDealt = g_isSavingPlayerName = g_isSavingHotseatNames = false;
    g_isSavingHostAddress = g_isChatWindowShown = g_isChatLinePending = false;
    SetSoundStartValues();
    g_isPainting = g_isSafeMode = g_isCardsPanelShown = false;
    g_resolveUnstableOnLoad = true;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        g_troopExperience[p] = 100;
        for (int q = 1; q <= kMaxPlayers; ++q) g_troopExperienceSnapshots[p][q] = 100;
    }
    for (int t = 1; t <= kMaxTerritories; ++t) {
        g_defenceMissiles[t] = g_attackMissiles[t] = 0;
        g_displayedDefenceMissiles[t] = g_displayedAttackMissiles[t] = 0;
    }
    for (int i = 1; i <= 20; ++i) g_aiStrongArmyTerritories[i] = g_aiMissileLaunchers[i] = 0;
    SelectDefaultMap();
    g_canChangeMap = true;
    g_showTestMarkers = g_isQuickLaunch = false;
    g_gameKind = game_kind::kSinglePlayer;
    g_isNormalLevel = true;
    for (int p = 1; p <= kMaxPlayers; ++p)
        g_personalities[p] = g_avengeTargets[p] = g_unstableMarks[p] = 0;
    g_isRandomMix = false;
    g_campaignNumber = 0;
    g_campaignStep = 1;
    g_campaignLength = 1;
    g_campaignPlayer = 0;
    g_isCampaignLost = g_isCampaignFinished = false;
}

void FindCurrentDirectory(platform::Platform& platform) {
    if (const std::optional<std::string> current = platform.files.CurrentDirectory()) {
        g_currentDirectory = *current;
        return;
    }
    platform.window.MessageBox("No current directory", "Marovek", platform::MessageButtons::Ok,
                               platform::MessageIcon::None);
}

void SetGameStartValues() {
    rules::SetCurrentPlayer(0);
    g_lossesShown = 0;
    SetPlayerStartValues();
    g_hasFinishedGame = false;
    g_exitReason = 0;
    g_ackPendingCode = g_ackTicks = g_ackResends = g_ackSocket = 0;
    for (int p = 1; p <= kMaxPlayers; ++p) g_playerRecordSnapshot[p] = g_players[p];
    g_cardsLinePlayer = 0;
    for (int t = 1; t <= g_territoryCount && t <= kMaxTerritories; ++t) {
        g_territoryHighlight[t] = kNo;
        g_displayedTerritories[t] = g_territories[t];
    }
}

void SetSettingStartValues() {
    for (int k = 1; k <= kPlayerColourSlots; ++k) g_playerColours[k] = kDefaultPlayerColours[k - 1];
    g_isFastSpeed = g_isVeryFastSpeed = g_isFastestSpeed = false;
    g_screenSize = DefaultScreenSize(g_screenWidth);
    g_isSmiliesOn = g_hideCreatingMapsNotice = false;
    g_oceansBackground = g_colourScheme = 0;
    g_oceansColour = kDefaultOceansColour;
    g_transparencyPercent = kDefaultTransparencyPercent;  // what a new settings file holds
}

// Without a documents folder the patterns stay empty rather than point at the working folder.
void SetUserFolders() {
    g_userFilesFolder = g_documentsFolder;
    g_mapName.clear();
    if (g_documentsFolder.empty()) return;
    g_mapFilePath = platform::JoinPath(g_documentsFolder, "*.txt");
    g_documentsFolder = platform::JoinPath(g_documentsFolder, "*.Mrvek");
}

// Reserves each record's text as the game expects of its queues.
constexpr char kQueueTextPreset[] =
    "0123456789012345678901234567890123456789012345678901234567890123456789012345678901234567"
    "890123456789";

void PresetQueue(std::vector<QueueRecord>& queue, std::size_t records) {
    queue.assign(records, QueueRecord{});
    for (QueueRecord& record : queue) record.text = kQueueTextPreset;
}

void SetPlayStartValues() {
    g_isInitialPlacement = g_isAttackFrom = g_isMoveFrom = g_isAttackTo = false;
    g_isAddForTerritories = g_isAddForContinents = g_isAddForCards = false;
    g_isMoveTo = g_isStrongholdChoice = false;
    g_lastGainedContinent = g_syncContinent = g_retakenMissionContinent = 0;
    g_canTurnInCards = g_hasTurnedInCards = kNo;
    g_isGreyOutline = false;
    g_isHumanTurnStarted = true;
    for (int p = 1; p <= kMaxPlayers; ++p) g_playerRecordSnapshot[p] = g_players[p];
    g_cardsLinePlayer = g_currentPlayer;
    g_eventCount = g_eventReadIndex = g_messageCount = g_messageReadIndex = 0;
    PresetQueue(g_eventQueue, kEventTextLimit + 1);
    PresetQueue(g_messageQueue, kMessageTextLimit + 1);
    g_areTerritoriesHidden = g_isHidingActive = g_areStrongholdsOn = g_areMissilesEnabled = false;
    g_missionKind = mission_kind::kConquerAll;
    g_missionProgress = 1;
    g_isMissionFailed = false;
    g_missionTextKind = 0;
    g_isTroopExperienceOn = false;
    g_statusText = " ";
    g_isAskingArmyCount = g_isFixedPalette = g_isMouseCaptured = false;
    SetOneCharacterText(g_freshMapMarker, '0');
    g_canSaveAs = g_canSave = g_canOpen = g_canNewGame = g_newGameEnablePending = false;
    g_canCancel = g_canAttack = g_canAdd = g_canMove = g_canCards = g_canNextPlayer = false;
    g_canSetSlowSpeed = g_canSetFastSpeeds = true;
    g_hasOpenedFileName = g_hasFileName = false;
    for (int p = 1; p <= kMaxPlayers; ++p) g_playerNames[p] = " ";
}

void SetNetworkAndClockStartValues(const platform::Clock& clock) {
    g_isHostWaiting = false;
    g_networkSeat = g_lastNetworkSeat = g_syncTerritory = g_connectedClients = 0;
    g_lastCardTurnIn.fill(0);
    g_syncArmies = g_syncOwner = 0;
    g_syncMarked = false;
    g_playResumeTime = clock.Now();
    g_playingSeconds = 0.0;
    g_demoBlinkCounter = 0;
    g_isUserMapLoad = true;
    g_isTestMapPending = g_isMapFileLoaded = g_isTestCustomMap = false;
    g_publishedGameSlot = 99;
    g_publishedHostText = " ";
}

// The game's network port.
constexpr std::int32_t kNetworkPort = 5466;

void SetUpStartMap(CChildView& view) {
    if (g_isMapCustom) {
        view.ResetGame();
        return;
    }
    // The selected map (the default one after the start values).
    if (const BuiltinMap* map = SelectedBuiltinMap()) (view.*map->setup)();
}

}  // namespace

CChildView::CChildView(platform::Platform& platform) : platform_(platform) {
    // The optional resource library is loaded at the first paint; nothing to clear here.
    ReadScreen(platform_.window);
    CreateFonts();
    SetFirstStartValues();
    SetBuiltinMapSize();  // the default map's counts, for the tables below
    FindCurrentDirectory(platform_);
    FindDataFolders(platform_.files);
    if (const std::optional<std::string> program = platform_.files.ProgramFolder()) {
        g_programFolder = *program;
    }
    CreateDataFolders(platform_.files);
    SetGameStartValues();
    SetSettingStartValues();
    SetUserFolders();
    // The map files shipped with the game join the user's, never replacing one of theirs.
    maps::CopyMissingShippedMaps(platform_.files, g_programFolder, g_userFilesFolder);
    g_isGradientFill = true;
    LoadSettings();
    g_isGradientPaint = g_isGradientFill;
    g_screenSize = ClampScreenSize(g_screenSize, g_screenWidth, g_screenHeight);
    SetUpStartMap(*this);
    SetPlayStartValues();
    LoadScoresRecord();
    // The sockets are made when a network game needs them, already knowing their view.
    g_networkPort = kNetworkPort;
    SetNetworkAndClockStartValues(platform_.clock);
    // The desktop as it is before the main window covers it, for "Desktop Shining Through".
    platform_.window.SnapshotScreen();
}

CChildView::~CChildView() {
    switch (g_exitReason) {
        case 1:
            // The host leaves: every joined machine hears it, as far as they are connected.
            net::SendBoard(*this, net_code::kHostQuits, 1);
            for (int socket = 2; socket <= 4 && g_connectedClients >= socket; ++socket)
                net::SendBoard(*this, net_code::kHostQuits, socket);
            break;
        case 2:
            net::SendBoard(*this, net_code::kJoinedQuits, 1);
            break;
        case 3:
            PublishGameListEntry(g_publishedGameSlot, g_publishedHostText, 1);
            break;
        default:
            break;
    }
    // The windows left open leave the dialog host before the view that owns them goes.
    CloseNetworkWindows();
    if (cardWindows_) HideCardsNotice();
    g_isChatWindowShown = false;
    // The blocks, pictures and sockets are released by their owners' destructors.
}
