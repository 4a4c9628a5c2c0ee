// The game view: the board, every game command and click. It holds no game fields (the game's
// state is process-wide); it holds its dialogs, sockets and the platform it reaches out through.
// Its member functions are defined in the folder of the subsystem each belongs to.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/commands/command_ui.h"
#include "platform/platform.h"
#include "platform/raster/surface.h"

namespace platform {
class FileDialogs;
class Socket;
}  // namespace platform
// Board rendering's helpers (render/).
namespace platform {
class ImageDecoder;
}
namespace raster {
class GlyphSource;
}
namespace render {
class TraceProgress;
}

// The map flags before a change (core/mapsel/map_selection.h).
struct PreviousMapFlags;

// The card windows the view holds (core/cards/card_windows.h); deleted through the function so that
// this header needs only their name.
struct CardWindows;
void DestroyCardWindows(CardWindows* windows);

// The "Armies" window of the army count (core/rules/army_count.h), made on first use.
class ClegersDlg;
void DestroyArmiesDialog(ClegersDlg* dialog);

// The set-up dialogs the view holds (setup/setup_dialogs.h): made on first use, they keep their
// last answers as the presets of the next New Game while the program runs.
struct SetupDialogs;
void DestroySetupDialogs(SetupDialogs* dialogs);

// The Scores and Statistics windows the view holds (setup/scores_windows.h), made on first use.
struct ScoresWindows;
void DestroyScoresWindows(ScoresWindows* windows);

// The internet game's dialogs the view holds (setup/internet_dialogs.h), made on first use.
struct InternetWindows;
void DestroyInternetWindows(InternetWindows* windows);

// Deletes a socket where its class is known (net/net_state.cpp), so that this header needs only
// its name.
struct SocketDeleter {
    void operator()(platform::Socket* socket) const;
};

// The notification receivers of the view's sockets (net/net_links.h).
struct NetLinks;
void DestroyNetLinks(NetLinks* links);

// The network windows the view holds: the LAN host dialog, the chat window and the joined
// players' window (setup/network_windows.h).
struct NetworkWindows;
void DestroyNetworkWindows(NetworkWindows* windows);

class CChildView {
  public:
    // The program's own start-up (shell/view_construction.cpp).
    explicit CChildView(platform::Platform& platform);
    ~CChildView();
    CChildView(const CChildView&) = delete;
    CChildView& operator=(const CChildView&) = delete;

    platform::Platform& Platform() { return platform_; }

    // Events forwarded by the window that hosts the view (core/child_view_events.cpp; the click
    // and the hover in core/input/board_input.cpp, the keys in core/commands/command_routing.cpp,
    // the popup menu in shell/menu.cpp).
    void OnPaint(raster::Surface& target);
    void OnTimer(int id);
    void OnLButtonDown(int x, int y);
    void OnMouseMove(int x, int y);
    void OnSetFocus();
    void OnContextMenu(int x, int y);
    // Key presses by the system's virtual-key code (F2 = 113).
    void OnKeyDown(int virtualKey);

    // Commands by id (menu, toolbar, keys; core/commands/command_routing.cpp). OnCommand answers
    // false for an id the view does not handle; OnUpdateCommand fills the item's state and
    // answers false likewise.
    bool OnCommand(int id);
    bool OnUpdateCommand(int id, CmdUI& ui);

    // Settings file (shell/settings.cpp).
    void LoadSettings();
    void SaveSettings();

    // Settings menu: screen size, fill, colours, oceans, smilies, safe mode, sound and dialog
    // transparency (shell/settings_menu*.cpp). The oceans and smilies run in two steps through
    // the message queue.
    void OnScreenSmall();
    void OnScreenMedium();
    void OnScreenLarge();
    void OnGradients();
    void OnSolidColors();
    void OnColors();
    void OnBackground1();
    void OnBackground2();
    void OnBackground3();
    void OnDesktopShiningThrough();
    void OnYourColorSettings();
    void OnSmilies();
    void OnSafeMode();
    void OnSound();
    void OnTransparency();

    // Status line (shell/status.cpp): the text the idle handler copies into the status bar.
    void ShowStatus(const std::string& text);
    void ShowTransientStatus(const std::string& text);

    // Map texts and campaign files (core/model/map_text.cpp, core/model/campaign_file.cpp).
    void ParseMapText(std::int32_t* result);
    void FindContinentOfTerritory(std::int32_t territory, std::int32_t* continent);
    void ParseCampaignFile(std::int32_t* result);
    void AdvanceCampaign();
    // Map and campaign loaders (core/model/map_loader.cpp, core/model/campaign_loader.cpp).
    void OnLoadMap();
    void OnTestCustomMap();
    void LoadCampaignFile();

    // Built-in maps: sizes, names, texts and set-ups (maps/). A set-up or text answers false when
    // its map's content is missing or refused; the set-up then leaves the default map set up.
    void SetBuiltinMapSize();
    void SetContinentNames();
    void FallBackToDefaultMap();
    void ResetTerritories();
    void ResetGame();
    bool SetupMapWorld();
    bool SetupMapEurope();
    bool SetupMapNorthAmerica();
    bool SetupMapRealWorld();
    bool SetupMapJapanKorea();
    bool SetupMapAustralia();
    bool SetupMapScandinavia();
    bool SetupMapWorms();
    bool SetupMapChina();
    bool SetupMapGreatBritain();
    bool SetupMapLinesII();
    bool SetupMapSwamp();
    bool SetupMapThreeNationsA();
    bool SetupMapThreeNationsB();
    bool SetupMapSwampII();
    bool AddBuiltinMapTextUSA();
    bool AddBuiltinMapTextEurope2();
    bool AddBuiltinMapTextMiddleEarth();
    bool AddBuiltinMapTextAfrica();
    bool AddBuiltinMapTextAloneInACrowd();
    bool AddBuiltinMapTextAtlantis2();
    bool AddBuiltinMapTextAtlantis();
    bool AddBuiltinMapTextDoom();
    bool AddBuiltinMapTextDragonWarrior();
    bool AddBuiltinMapTextE2();
    bool AddBuiltinMapTextHexGoneCrazy();
    bool AddBuiltinMapTextIreland();
    bool AddBuiltinMapTextLines();
    bool AddBuiltinMapTextNeighbourhood();
    bool AddBuiltinMapTextOK83();
    bool AddBuiltinMapTextRings();
    bool AddBuiltinMapTextRomania();
    bool AddBuiltinMapTextCoconutz();
    bool AddBuiltinMapTextSwampII();
    bool AddBuiltinMapTextJustNeedTwo();
    bool AddBuiltinMapTextRussia();
    bool AddBuiltinMapTextWorldII();
    bool AddBuiltinMapTextParisByNight();
    bool AddBuiltinMapTextFrance();
    bool AddBuiltinMapText107();

    // Map selection: the Map menu's commands, the set-up of the selected map, its reload after a
    // change, and the window title (core/mapsel/map_selection.cpp, core/mapsel/window_title.cpp).
    void OnMapWorld();
    void OnMapEurope();
    void OnMapRealWorld();
    void OnMapNorthAmerica();
    void OnMapJapanKorea();
    void OnMapAustralia();
    void OnMapScandinavia();
    void OnMapWorms();
    void OnMapChina();
    void OnMapGreatBritain();
    void OnMapLinesII();
    void OnMapSwamp();
    void OnMapSwampII();
    void SetupSelectedMap();
    void ReloadMapIfChanged(const PreviousMapFlags& previous);
    void UpdateWindowTitle();

    // Cards: trade options, the Cards command and turn-in, the cards pane and the card windows
    // (core/cards/).
    void BuildCardSetOptions(std::int32_t artillery, std::int32_t infantry, std::int32_t cavalry,
                             std::int32_t wild, std::int32_t total);
    void OnCards();
    void QueueCardsEvent();
    void OnShowCards();
    void FormatCardsLine(std::string& text);
    void OnUpdateCardsPane(CmdUI& ui);
    // The exchange notice of another player's turn-in: shown modeless from g_lastCardTurnIn by
    // the clock (cards event) and the network receive code, removed by the cards-notice-off event.
    void ShowCardsNotice();
    void HideCardsNotice();
    // The view's three card windows, made on first use and destroyed with the view.
    CardWindows& Cards();

    // Turn engine: sounds, queues, clock and hand-over (core/turn/game_sounds.cpp,
    // core/turn/queues.cpp, core/turn/game_clock*.cpp, core/turn/turn_handover.cpp).
    void PlayGameSound(std::uint32_t sound);
    void SetBusy();
    void ClearBusy();
    void ReportLastError(const std::string& text);
    void GetComputerPlayerName(std::string* name);
    void QueueTerritoryUpdate(std::int32_t territory);
    void ShowBattleResult(std::int32_t territory, bool drawNow);
    void QueueEventText(std::string text);
    void QueueMessage(std::string text);
    void QueueNextPlayerEvent();
    void QueueComputerPlacementEvents();
    void QueuePauseEvent();
    void QueuePauseMessage();
    void AnnounceInitialPlacement();
    // One tick of the game clock (timer 1); a tick that starts while one runs does nothing.
    void RunClockTick();
    void NextPlayer();
    void OnNextPlayer();

    // Speed and view commands (core/commands/command_state.cpp).
    void OnSpeedSlow();
    void OnSpeedFast();
    void OnSpeedVeryFast();
    void OnSpeedFastest();
    void OnStatistics();
    void OnMoreMaps();
    void RepaintOnFocus();

    // Network messages and links (net/board_state_glue.cpp, net/net_state.cpp). Socket 0
    // listens on a host; 1..4 are a host's joined machines, 1 a joining machine's host.
    void AppendBoardState();
    // False when the received text fails its checks; nothing is applied then.
    bool ReadBoardState();
    void MarkTerritoryAndSync(std::int32_t territory);
    void AttachSocket(int index, std::unique_ptr<platform::Socket> socket);
    platform::Socket* SocketAt(int index) const;
    // Socket notifications and the receive with its dispatch (net/receive.cpp, net/links.cpp).
    void OnSocketAccept();
    void OnSocketReceive(int socket);
    void OnSocketClose(int socket);
    void OnSocketConnect(int socket, bool connected);
    // A new socket at `index` that reports to this view.
    platform::Socket& OpenSocket(int index);
    void CloseSocket(int index);
    // Sockets a and b (1..4) trade places, each keeping its receiver.
    void SwapSockets(int a, int b);
    // Hosting: listens on g_networkPort and waits for players (the New Game host step, and the
    // resume of a saved network game). False when the port cannot be opened.
    bool HostNetworkGame();
    // Joining: connects to the host and queues the join request with the player's name.
    bool JoinNetworkGame(const std::string& host);
    // F2 on a waiting host: seats the players and starts the game (setup/network_start.cpp).
    void StartNetworkGame();
    // The chat window, created minimised once per network game (setup/network_windows.cpp).
    void ShowChatWindow();
    void CloseNetworkWindows();
    NetworkWindows& NetWindows();

    // Board rendering (render/): the composed board, outlines, territory painting and labels,
    // the players panel and the ocean picture. PaintBoard is the work of OnPaint.
    void PaintBoard(raster::Surface& target);
    void RebuildBoard();
    void MakeTerritoryOutlines();
    void OpenMapCacheFile();
    void TraceTerritoryOutline(std::int32_t x, std::int32_t y, std::int16_t* count,
                               std::int32_t territory);
    void GradientFillTerritory(std::int32_t territory, std::int32_t owner);
    void PaintTerritory(std::int32_t x, std::int32_t y, const std::string& code,
                        const std::string& countText, bool highlight, std::int32_t owner,
                        std::int32_t territory, std::int32_t armies);
    void DrawTerritoryArmies(std::int32_t territory, std::int32_t armies, std::int32_t owner,
                             bool highlight);
    void DrawPlayerIcon(std::int32_t code, std::int32_t x, std::int32_t y);
    void DrawPlayersPanel();
    void OnOceansPicture();
    void OnUpdateOceansPicture(CmdUI& ui);
    // The tracing progress bar is optional UI: without one no progress is shown.
    void SetTraceProgress(render::TraceProgress* progress) { traceProgress_ = progress; }

    // Rules: deal, reinforcements, attack resolution, turn commands, army count and the scores
    // file (core/rules/, setup/scores_file.cpp).
    void DealTerritories();
    void ComputeStartArmies();
    void ComputeReinforcements();
    void ResolveAttack(std::int32_t from, std::int32_t count, std::int32_t to, char& cardFlag);
    void OnAttack();
    void OnMoveArmies();
    void OnAdd();
    void OnCancel();
    void UpdateActionFlags();
    void IsNextToStronghold(std::int32_t territory, bool* refused);
    void AskArmyCount(std::int32_t* count, std::int32_t afterConquest, std::int32_t limit);
    ClegersDlg& ArmiesDialog();
    void LoadScoresRecord();
    // `winner` is the player number of the winner (the attacker that ended the game).
    void RecordScore(std::int32_t winner, std::int32_t players, char ruleByte, std::int32_t losses,
                     std::string name);

    // Board input: the click and its phases, hit testing and hover, the Continents overlay
    // (core/input/). The hit tests answer a territory or kNoTerritory.
    void SelectPlacementTerritory(std::int32_t territory);
    void PlaceArmies(std::int32_t* pool, std::int32_t count);
    static void HitTestTerritory(std::int32_t x, std::int32_t y, std::int32_t* territory);
    static void HoverTestTerritory(std::int32_t x, std::int32_t y, std::int32_t* territory);
    static void IsMarkerReachable(std::int32_t labelX, std::int32_t labelY, bool* reachable,
                                  raster::Point point);
    static void IsPointNearMarker(std::int32_t labelX, std::int32_t labelY, bool* near,
                                  raster::Point point);
    static void LineDdaCheckPixel(std::int32_t x, std::int32_t y, void* userValue);
    void OnContinents();

    // Game set-up: New Game, Quick Launch, the reset of game state, personalities, the set-up
    // dialogs and the mission window (setup/).
    void OnNewGame();
    void OnQuickLaunch();
    void ClearGameState();
    // Saved games (setup/saved_game_commands.cpp): the record packed from the running game, and
    // the Save, Save As and Open commands.
    void PackSaveRecord();
    void OnSave();
    void OnSaveAs();
    void OnOpen();
    void OnPersonalities();
    SetupDialogs& Setup();
    void ShowMissionDialog(const std::string& text);
    // The "Creating Maps" notice of the map and campaign loaders: answers its "Don't show this
    // again" box.
    bool RunCreatingMapsNotice(bool hidden);

    // Computer player (ai/): the turn driver, card turn-in, the evaluations other subsystems
    // ask for, placement, moves, attacks and strategy. Its pure evaluations are in ai/evaluation.h.
    void RunComputerTurns();
    void PlayComputerTurn();
    void ComputerPlaceArmies();
    void ComputerDecideCardTurnIn();
    void TurnInCards();
    void GetCardSetValue();
    void SortScoreTables(std::int32_t kind, std::int32_t count);
    void RatePlayerStrengths(std::int32_t mode);
    // Answers the chosen row of the path rows (0 = none); `value` receives its value.
    std::int32_t FindAttackPath(std::int32_t from, std::int32_t to, std::int32_t mode,
                                std::int32_t* value = nullptr);
    void ComputerPlaceArmiesOn(std::int32_t territory, std::int32_t count);
    void ComputerPlaceTerritoryArmies();
    void ComputerPlaceTerritoryArmiesOn(std::int32_t territory, std::int32_t count);
    void ComputerPlacementStep();
    void ComputerPlaceFromPool(std::int32_t count);
    void ComputerPlaceContinentBonus();
    void ComputerMoveIntoConquered(std::int32_t from, std::int32_t to, std::int32_t mode);
    void ComputerMoveArmies(std::int32_t& count, std::int32_t& budget, std::int32_t source);
    void ComputerMoveStep(std::int32_t& budget);
    void ComputerAttackTarget(std::int32_t entry);
    void ComputerAttackPass();
    void ComputerAttackAndAdvance();
    void ComputerAttackAndMove();
    void ComputerChooseStrategy();
    void ComputerReinforceContinentBorders();
    void ComputerChoosePlacement();

    // The Scores command and the Statistics window (setup/scores_commands.cpp).
    void OnScores();
    void ShowStatsDialog();
    ScoresWindows& ScoresAndStatistics();

    // The internet game list and the internet windows (setup/game_list_ops.cpp,
    // setup/internet_commands.cpp).
    // False when the web server did not answer (told to the player once).
    bool FetchInternetGameList(std::string& status);
    void PublishGameListEntry(std::int32_t slot, std::string hostText, std::int32_t close);
    void DestroyDirectIpWindow();
    void OnHostingInternetGames();
    InternetWindows& Internet();
    // The network windows (setup/network_windows.cpp).
    void ShowUsersJoinedWindow();
    // Out of the way of a settings change that redraws the board.
    void MinimiseChatWindow();
    void DestroyUsersJoinedWindow();
    void GetChatText(std::string* text);
    void ClearChatText();
    void AddChatLine(const std::string& line);

  private:
    platform::Platform& platform_;
    render::TraceProgress* traceProgress_ = nullptr;
    // Before the sockets: the receivers must outlive the sockets that report to them.
    std::unique_ptr<NetLinks, void (*)(NetLinks*)> netLinks_{nullptr, &DestroyNetLinks};
    std::array<std::unique_ptr<platform::Socket, SocketDeleter>, 5> sockets_;
    std::unique_ptr<NetworkWindows, void (*)(NetworkWindows*)> networkWindows_{
        nullptr, &DestroyNetworkWindows};
    std::unique_ptr<CardWindows, void (*)(CardWindows*)> cardWindows_{nullptr, &DestroyCardWindows};
    std::unique_ptr<ClegersDlg, void (*)(ClegersDlg*)> armiesDialog_{nullptr, &DestroyArmiesDialog};
    std::unique_ptr<SetupDialogs, void (*)(SetupDialogs*)> setupDialogs_{nullptr,
                                                                         &DestroySetupDialogs};
    std::unique_ptr<ScoresWindows, void (*)(ScoresWindows*)> scoresWindows_{nullptr,
                                                                            &DestroyScoresWindows};
    std::unique_ptr<InternetWindows, void (*)(InternetWindows*)> internetWindows_{
        nullptr, &DestroyInternetWindows};
};
