// A joined machine's half of the dispatch: the seat list, the start, its own placement and turn,
// the host's mirrored events, the end and chat. Everything comes from the host, the only peer.
#include <array>
#include <string>

#include "core/child_view.h"
#include "core/mapsel/map_selection.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/game_clock.h"
#include "core/turn/game_sounds.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "net/board_state.h"
#include "net/dispatch.h"
#include "net/message_text.h"
#include "net/net_links.h"
#include "net/peer_board.h"
#include "platform/window_services.h"

namespace net {

using namespace net_code;

namespace {

const char kPlacementStatus[] = ", initial army placement.    ++Chat program on the taskbar++";

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

const std::string& NameOf(std::int32_t player) {
    return g_playerNames[At(std::clamp(player, 0, kMaxPlayers))];
}

bool Read(std::string_view payload) {
    return ReadPeerBoard(payload, 1) == nullptr;
}

void Invalidate(CChildView& view) {
    view.Platform().window.Invalidate();
}

bool TakeSeatList(CChildView& view, std::string_view payload) {
    if (g_hasNetworkGameStarted) return false;
    const std::optional<::SeatList> list = DecodeSeatList(payload);
    if (!list || list->seat < 2 || list->seat > list->seatCount || list->seatCount > 5)
        return false;
    std::array<std::string, 6> names{};
    for (int seat = 1; seat <= list->seatCount; ++seat) {
        const std::optional<std::string> name = CleanPlayerName(list->names[At(seat)]);
        if (!name) return false;
        names[At(seat)] = *name;
    }
    g_networkSeat = list->seat;
    g_joinedSeatCount = list->seatCount;
    for (int seat = 1; seat <= list->seatCount; ++seat) g_playerNames[At(seat)] = names[At(seat)];
    g_playerCount = std::max(g_playerCount, g_joinedSeatCount);
    view.DrawPlayersPanel();
    Invalidate(view);
    return true;
}

// The built-in map of a board: the first of these territories that has an owner names it.
struct MapByTerritory {
    int territory;
    bool (CChildView::*setup)();
};
constexpr MapByTerritory kMapsByTerritory[] = {
    {113, &CChildView::SetupMapLinesII},     {110, &CChildView::SetupMapWorms},
    {106, &CChildView::SetupMapSwamp},       {85, &CChildView::SetupMapRealWorld},
    {82, &CChildView::SetupMapGreatBritain}, {66, &CChildView::SetupMapJapanKorea},
    {64, &CChildView::SetupMapNorthAmerica}, {63, &CChildView::SetupMapScandinavia},
    {60, &CChildView::SetupMapAustralia},    {44, &CChildView::SetupMapEurope},
    {43, &CChildView::SetupMapChina},
};

const BuiltinMap* MapOfBoard() {
    for (const MapByTerritory& row : kMapsByTerritory)
        if (g_territories[At(row.territory)].owner != 0) return BuiltinMapBySetup(row.setup);
    return &DefaultMap();
}

std::string WithoutTrailingBlanks(const std::string& text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

// A map from a file is not carried by the network: this machine plays the map file of that name
// from its own map folder, loaded now unless it is the one loaded already. `shownMap` is the
// name of the map this machine had before the board named its map.
bool SelectBoardMap(CChildView& view, const std::string& shownMap) {
    const bool fromFile = g_mapName.find_first_not_of(' ') != std::string::npos;
    if (fromFile) {
        const bool loaded = g_isMapCustom && g_isMapFileLoaded &&
                            WithoutTrailingBlanks(shownMap) == WithoutTrailingBlanks(g_mapName);
        if (!loaded) view.OnLoadMap();
        if (g_isMapCustom && g_isMapFileLoaded) return true;
        view.Platform().window.MessageBox("Invalid Map, End of Game.", "Error",
                                          platform::MessageButtons::Ok,
                                          platform::MessageIcon::Error);
        g_isGameOver = true;
        view.Platform().window.Quit();
        return false;
    }
    const BuiltinMap* map = MapOfBoard();
    if (map == nullptr) return false;
    const PreviousMapFlags previous = CurrentMapFlags();
    g_wasMapSelected = *DefaultMap().flag;
    ClearMapFlags();
    *map->flag = true;
    view.ReloadMapIfChanged(previous);
    return true;
}

bool GameStart(CChildView& view, std::string_view payload) {
    if (g_hasNetworkGameStarted || !PeekCurrentPlayer(payload)) return false;
    // The map first: its set-up fixes the territory count the board is checked against.
    std::string shownMap;
    {
        const std::optional<BoardState> state = DecodeBoardState(payload, nullptr);
        if (!state) return false;
        shownMap = g_mapName;
        g_mapName = state->mapName;
        for (int t = 1; t <= kBoardTerritories; ++t)
            g_territories[At(t)].owner = state->territories[At(t)].owner;
    }
    if (!SelectBoardMap(view, shownMap)) return true;
    if (!Read(payload)) return false;
    g_hasNetworkGameStarted = true;
    // The cards pane shows the hands of this game, not those of the demo it replaces.
    g_playerRecordSnapshot = g_players;
    for (int t = 1; t <= g_territoryCount && t <= kMaxTerritories; ++t) {
        const TerritoryState& shown = g_displayedTerritories[At(t)];
        view.DrawTerritoryArmies(t, shown.armies, shown.owner, IsYes(g_territoryHighlight[At(t)]));
    }
    view.ShowStatus(NameOf(1) + ", initial army placement.   ++Chat program on the taskbar++");
    view.UpdateWindowTitle();
    map_selection::RedrawWholeBoard(view);
    view.QueueNextPlayerEvent();
    view.ShowChatWindow();
    return true;
}

// This seat's placement or turn: a repeat of the one already open is only answered.
bool OwnPlacement(CChildView& view, std::string_view payload) {
    if (!g_hasNetworkGameStarted || PeekCurrentPlayer(payload) != g_networkSeat) return false;
    if (g_isOwnTurnOpen || g_hasPlacedOwn) {
        SendBoard(view, kAckPlacementBegins, 1);
        return true;
    }
    if (!Read(payload)) return false;
    g_isOwnTurnOpen = g_hasPlacedOwn = true;
    if (g_areStrongholdsOn) {
        g_isStrongholdChoice = true;
        g_isInitialPlacement = false;
        view.QueueNextPlayerEvent();
        view.QueueMessage(game_clock::kStrongholdPrompt);
    } else {
        g_isInitialPlacement = true;
        game_clock::QueuePlacementPrompt(view);
    }
    SendBoard(view, kAckPlacementBegins, 1);
    return true;
}

bool OwnTurn(CChildView& view, std::string_view payload) {
    if (!g_hasNetworkGameStarted || PeekCurrentPlayer(payload) != g_networkSeat) return false;
    const std::optional<std::int32_t> turns = PeekTurnsPlayed(payload, g_networkSeat);
    if (g_isOwnTurnOpen || (turns && *turns == g_ownTurnMark)) {
        SendBoard(view, kAckTurnBegins, 1);
        return true;
    }
    if (!turns || !Read(payload)) return false;
    g_isOwnTurnOpen = true;
    g_ownTurnMark = *turns;
    g_isInitialPlacement = g_isStrongholdChoice = false;
    RepaintWholeBoard(view);
    SendBoard(view, kAckTurnBegins, 1);
    g_isHumanTurnStarted = false;
    return true;
}

bool Acknowledged(int pendingCode) {
    if (g_ackPendingCode != pendingCode) return true;  // a stale acknowledgement changes nothing
    g_ackPendingCode = g_ackTicks = g_ackResends = g_ackSocket = 0;
    g_isOwnTurnOpen = false;
    return true;
}

void DrawPlacedTerritories(CChildView& view, char mark) {
    for (int t = 1; t <= g_territoryCount && t <= kMaxTerritories; ++t) {
        const TerritoryState& state = g_territories[At(t)];
        if (state.owner != g_currentPlayer || state.armies <= 1) continue;
        g_territoryHighlight[At(t)] = static_cast<std::uint8_t>(mark);
        view.DrawTerritoryArmies(t, state.armies, state.owner, mark == kYes);
    }
    Invalidate(view);
}

// The host's mirrored events: shown only while this seat is not playing its own part.
bool Mirror(CChildView& view, int code, std::string_view payload) {
    if (!g_hasNetworkGameStarted) return false;
    if (g_isOwnTurnOpen) {
        // The host's echo of a turn this seat is playing leaves its board alone. Only the host
        // naming this seat as the next player is shown, so that its player sees whose turn it
        // is rather than the name of the one before.
        if (code == kNextPlayer && PeekCurrentPlayer(payload) == g_networkSeat) {
            view.DrawPlayersPanel();
            view.ShowStatus(NameOf(g_networkSeat) + " to play..");
            Invalidate(view);
        }
        return true;
    }
    const std::int32_t remembered = g_currentPlayer;
    if (!Read(payload)) return false;
    switch (code) {
        case kTerritorySelected:
            view.MarkTerritoryAndSync(g_syncTerritory);
            break;
        case kPlacementStep:
            view.ShowStatus(NameOf(g_currentPlayer) + kPlacementStatus);
            view.DrawPlayersPanel();
            view.PlayGameSound(game_sound::kPlaceArmies);
            view.SetBusy();
            DrawPlacedTerritories(view, kYes);
            view.ClearBusy();
            break;
        case kPlayerRepaint:
            view.ClearBusy();
            DrawPlacedTerritories(view, kNo);
            break;
        case kHumanTurnStarts:
        case kOtherTurn:
            RepaintWholeBoard(view);
            view.DrawPlayersPanel();
            view.ShowStatus(NameOf(g_currentPlayer) + " to play..");
            break;
        case kNextPlayer:
            view.DrawPlayersPanel();
            view.ShowStatus(NameOf(g_currentPlayer) + " to play..");
            rules::SetCurrentPlayer(remembered);
            break;
        case kCardsTurnedIn:
            view.ShowCardsNotice();
            g_isCardsPanelShown = true;
            break;
        case kCardsWindowOff:
            view.HideCardsNotice();
            g_isCardsPanelShown = false;
            break;
        case kCardsRelay:
            ShowCardsNoticeForAWhile(view);
            break;
        case kTerritoryUpdate:
            if (g_syncTerritory >= 1 && g_syncTerritory <= g_territoryCount) {
                const auto t = At(g_syncTerritory);
                g_isHighlightOn = g_syncMarked;
                g_territoryHighlight[t] = YesNo(g_syncMarked);
                g_displayedTerritories[t] = {g_syncOwner, g_syncArmies};
                view.DrawTerritoryArmies(g_syncTerritory, g_syncArmies, g_syncOwner, g_syncMarked);
            }
            break;
        case kOtherPlacement:
            RepaintWholeBoard(view);
            view.DrawPlayersPanel();
            view.ShowStatus(NameOf(g_currentPlayer) + kPlacementStatus);
            break;
        case kContinentHighlight:
            view.PlayGameSound(game_sound::kContinentTaken);
            view.SetBusy();
            game_clock::DrawContinent(view, g_syncContinent, kYes, 0);
            break;
        case kContinentRepaint:
            view.ClearBusy();
            game_clock::DrawContinent(view, g_syncContinent, kNo, 0);
            break;
        default:
            return false;
    }
    Invalidate(view);
    return true;
}

void EndWithMessage(CChildView& view, const std::string& text) {
    g_isGameOver = true;
    view.Platform().window.MessageBox(text, "Error", platform::MessageButtons::Ok,
                                      platform::MessageIcon::Error);
    view.Platform().window.Quit();
}

bool QuitRelay(CChildView& view, std::string_view payload) {
    const std::optional<std::int32_t> quitter = PeekCurrentPlayer(payload);
    if (!quitter || *quitter < 1 || *quitter > kMaxPlayers) return false;
    const std::string text = NameOf(*quitter) + ", has quit the game, End of Game.";
    view.ShowStatus(text);
    view.QueueMessage(text);
    EndWithMessage(view, text);
    return true;
}

bool Won(CChildView& view, std::string_view payload) {
    if (!g_hasNetworkGameStarted || !Read(payload)) return false;
    ShowGameWon(view);
    return true;
}

bool Chat(CChildView& view, std::string_view payload) {
    const std::string line = CleanText(payload, kChatLineMost);
    if (line.empty()) return false;
    view.AddChatLine(line);
    return true;
}

}  // namespace

bool JoinedReceive(CChildView& view, int code, std::string_view payload) {
    switch (code) {
        case kSeatList:
            return TakeSeatList(view, payload);
        case kGameStart:
            return GameStart(view, payload);
        case kPlacementBegins:
            return OwnPlacement(view, payload);
        case kTurnBegins:
            return OwnTurn(view, payload);
        case kHostQuits:
            EndWithMessage(view, "Server player has quit the game, End of Game.");
            return true;
        case kQuitRelay:
            return QuitRelay(view, payload);
        case kAckPlacementDone:
            return Acknowledged(kPlacementDone);
        case kAckTurnEnded:
            return Acknowledged(kTurnEnded);
        case kGameWon:
            return Won(view, payload);
        case kHostChat:
            return Chat(view, payload);
        default:
            return Mirror(view, code, payload);
    }
}

}  // namespace net
