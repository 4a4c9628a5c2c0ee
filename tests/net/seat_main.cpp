// A headless seat of a LAN game for tests: hosts or joins over real TCP and plays its seat with
// the computer player's routines. It logs every board it sees at a new turn, the chat lines and
// the end, so that a test can compare the machines.
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "core/child_view.h"
#include "core/input/board_input.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "net/game_list.h"
#include "net/net_links.h"
#include "platform/curl/curl_transfer.h"
#include "platform/headless/test_platform.h"
#include "platform/posix/posix_socket.h"
#include "setup/internet_dialogs.h"
#include "setup/network_windows.h"
#include "setup/setup_dialogs.h"
#include "shell/process_state.h"
#include "shell/settings.h"
#include "tests/net/routed_sockets.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    bool host = false;
    int port = 0;
    std::string address = "127.0.0.1";
    std::string name = "seat";
    int joins = 2;      // host: the machines to wait for before F2
    int computers = 1;  // host: computer players
    std::string chat;   // a line this seat sends once the game runs
    std::string log;
    unsigned seed = 1;
    int seconds = 150;  // the longest a game may take
    int turns = 0;      // ends well after this many turns played when not 0
    // An internet game: the host's public address, which the host lists and the joining seat
    // finds in the Games window and reaches through loopback.
    std::string internet;
};

bool Parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](void) -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--host") {
            options.host = true;
            options.port = std::atoi(value().c_str());
        } else if (arg == "--join") {
            options.port = std::atoi(value().c_str());
        } else if (arg == "--address") {
            options.address = value();
        } else if (arg == "--name") {
            options.name = value();
        } else if (arg == "--joins") {
            options.joins = std::atoi(value().c_str());
        } else if (arg == "--computers") {
            options.computers = std::atoi(value().c_str());
        } else if (arg == "--chat") {
            options.chat = value();
        } else if (arg == "--log") {
            options.log = value();
        } else if (arg == "--seed") {
            options.seed = static_cast<unsigned>(std::atoi(value().c_str()));
        } else if (arg == "--turns") {
            options.turns = std::atoi(value().c_str());
        } else if (arg == "--internet") {
            options.internet = value();
        } else if (arg == "--seconds") {
            options.seconds = std::atoi(value().c_str());
        } else {
            return false;
        }
    }
    return options.port > 0 && !options.log.empty();
}

std::string BoardText() {
    std::string text;
    for (int t = 1; t <= g_territoryCount; ++t) {
        if (t > 1) text += ',';
        text +=
            std::to_string(g_territories[t].owner) + ':' + std::to_string(g_territories[t].armies);
    }
    return text;
}

int TurnsPlayed() {
    int sum = 0;
    for (int p = 1; p <= kMaxPlayers; ++p) sum += g_turnsPlayed[p];
    return sum;
}

class Seat {
  public:
    Seat(const Options& options, const std::string& home)
        : options_(options),
          routed_(sockets_),
          test_({{"HOME", home}}, home),
          platform_{test_.window, test_.dialogs,     test_.sound,  test_.files,
                    test_.shell,  test_.clock,       test_.random, routed_,
                    transfer_,    test_.fileDialogs, test_.glyphs, test_.imageDecoder},
          log_(options.log) {
        ResetProcessState();
        view_ = std::make_unique<CChildView>(platform_);
        // As New Game does: the start-up demo ends and no earlier game is left.
        g_isDemoRunning = false;
        view_->ClearGameState();
        test_.random.Seed(options.seed);
        // The deal draws from the clock's time: the seed moves the start so that it picks the game.
        test_.clock.Set(test_.clock.Now() + 1000 * static_cast<std::int64_t>(options.seed));
        g_isSoundOff = true;
        g_isFastSpeed = true;
        g_networkPort = options.port;
        g_playerNames[1] = options.name;
        g_humanPlayerCount = 1;
    }

    int Run() {
        if (!options_.internet.empty()) {
            if (!StartInternetGame()) return Fail("internet set-up: " + g_statusText);
        } else if (options_.host) {
            g_gameKind = game_kind::kNetworkHost;
            g_playerCount = 1;
            if (!view_->HostNetworkGame()) return Fail("cannot listen");
            log_ << "listening" << std::endl;
        } else {
            g_gameKind = game_kind::kNetworkJoined;
            if (!view_->JoinNetworkGame(options_.address)) return Fail("cannot connect");
        }
        const Clock::time_point end = Clock::now() + std::chrono::seconds(options_.seconds);
        Clock::time_point lastTick = Clock::now();
        Clock::time_point gameOverAt{};
        Clock::time_point stopAt{};
        while (Clock::now() < end) {
            sockets_.Pump(g_ackPendingCode != 0 ? 20 : 2);
            if (test_.window.hasQuit) {
                // A machine that ends after the turns asked for ends the game for the others.
                if (stopAt != Clock::time_point{}) return Finish();
                return Fail("the program ended: " + g_statusText);
            }
            LogJoins();
            // The board as received, before this seat plays on it.
            Snapshot();
            StartWhenJoined();
            PlayOwnPart();
            SendChatOnce();
            Snapshot();
            if (g_statusText != lastStatus_) {
                lastStatus_ = g_statusText;
                log_ << "status " << lastStatus_ << std::endl;
                // A join that failed leaves the player with nothing to wait for.
                if (!options_.host && !Started() && lastStatus_.rfind("ERROR", 0) == 0)
                    return Fail("cannot join");
            }
            // While an acknowledgement is awaited the clock goes slowly, so that the watchdog
            // gives the other machine time; otherwise it plays the queues fast.
            const auto period = std::chrono::milliseconds(g_ackPendingCode != 0 ? 200 : 2);
            if (Clock::now() - lastTick >= period) {
                lastTick = Clock::now();
                test_.clock.Advance(100);
                view_->RunClockTick();
            }
            if (options_.turns > 0 && TurnsPlayed() >= options_.turns) {
                // A short while for the other machines to get as far.
                if (stopAt == Clock::time_point{}) stopAt = Clock::now();
                if (Clock::now() - stopAt > std::chrono::milliseconds(1500)) return Finish();
            }
            if (g_isGameOver) {
                if (gameOverAt == Clock::time_point{}) gameOverAt = Clock::now();
                // A short while for the last messages and chat lines to arrive everywhere.
                if (Clock::now() - gameOverAt > std::chrono::milliseconds(1500)) return Finish();
            }
        }
        return Fail("no end in time");
    }

  private:
    // New Game's own dialogs, answered as a player would: the host lists its game under its
    // public address; the joining seat picks that line in the Games window.
    bool StartInternetGame() {
        using headless::ScriptStep;
        auto choose = [&](int dialog, int id) {
            test_.dialogs.Script(dialog, {ScriptStep::Click(id), ScriptStep::Click(kIdOk)});
        };
        choose(CSpelersDlg::kIdd, 1003);
        choose(CMultiplayerDlg::kIdd, 1002);
        choose(CStartjoinDlg::kIdd, options_.host ? 1000 : 1001);
        test_.dialogs.Script(CNaamDlg::kIdd, {ScriptStep::Edit(CNaamDlg::kIdName, options_.name),
                                              ScriptStep::Click(kIdOk)});
        if (options_.host) {
            g_settingsString216 = options_.internet;
            g_settingsString236 = options_.name + "'s game";
            g_isSavingHostAddress = true;
            view_->SaveSettings();
            g_isSavingHostAddress = false;
            test_.dialogs.Script(COpties1Dlg::kIdd, {ScriptStep::Click(kIdOk)});
            choose(CAskftpDlg::kIdd, 1000);
            view_->OnNewGame();
            log_ << "listed " << g_publishedGameSlot << std::endl;
            return g_isHostWaiting && g_publishedGameSlot != 99;
        }
        routed_.AddRoute(options_.internet, "127.0.0.1");
        // Where the host's line stands in the list the Games window will show.
        std::string status;
        view_->FetchInternetGameList(status);
        int line = -1;
        for (std::size_t i = 0; i < g_gameListLines.size(); ++i)
            if (game_list::HostField(g_gameListLines[i]) == options_.internet)
                line = static_cast<int>(i);
        if (line < 0) return false;
        choose(CJoinftpDlg::kIdd, 1000);
        test_.dialogs.Script(CIplistDlg::kIdd, {ScriptStep::Select(CIplistDlg::kIdList, line),
                                                ScriptStep::Click(kIdOk)});
        view_->OnNewGame();
        log_ << "joined " << g_settingsString196 << std::endl;
        return g_networkSeat == 2;
    }

    int Fail(const std::string& why) {
        for (const auto& box : test_.window.messageBoxes) log_ << "box " << box.text << "\n";
        log_ << "fail " << why << "\n";
        log_.flush();
        return 1;
    }

    int Finish() {
        const CChatterDlg& chat = view_->NetWindows().chat;
        for (int i = 0; i < chat.ItemCount(CChatterDlg::kIdLines); ++i)
            log_ << "chat " << chat.ItemText(CChatterDlg::kIdLines, i) << "\n";
        for (const auto& box : test_.window.messageBoxes) log_ << "box " << box.text << "\n";
        log_ << "end " << g_currentPlayer << " " << BoardText() << "\n";
        log_.flush();
        return 0;
    }

    bool Started() const {
        return options_.host ? !g_isHostWaiting && g_lastNetworkSeat > 0 : g_hasNetworkGameStarted;
    }

    // The host tells how many machines have joined, so that a test starts the next one in turn.
    void LogJoins() {
        if (!options_.host || g_joinedSeatCount == joinsLogged_) return;
        joinsLogged_ = g_joinedSeatCount;
        log_ << "joins " << g_joinedSeatCount - 1 << std::endl;
    }

    void StartWhenJoined() {
        if (!options_.host || !g_isHostWaiting || g_joinedSeatCount - 1 < options_.joins) return;
        test_.dialogs.Script(
            CPlayers810Dlg::kIdd,
            {headless::ScriptStep::Click(CChoiceDlg::kIdFirstChoice + options_.computers),
             headless::ScriptStep::Click(kIdOk)});
        view_->OnKeyDown(113);
    }

    // A listed host's game begins when the clock has played the start that closes its entry.
    static bool IsHostedStartWaiting() {
        for (std::int32_t i = g_messageReadIndex + 1; i <= g_messageCount; ++i)
            if (g_messageQueue[static_cast<std::size_t>(i)].type == message_type::kHostedGameStart)
                return true;
        return false;
    }

    // This seat's placement or turn, once nothing of an earlier play waits on the clock.
    bool IsOwnPartDue() const {
        if (!Started() || g_isGameOver || g_currentPlayer != g_networkSeat) return false;
        if (g_eventReadIndex < g_eventCount || IsHostedStartWaiting()) return false;
        if (options_.host) return g_ackPendingCode == 0;
        return g_isOwnTurnOpen && g_ackPendingCode == 0;
    }

    void PlayOwnPart() {
        if (!IsOwnPartDue()) return;
        if (g_isInitialPlacement) {
            if (placedRound_ == g_roundCounter) return;
            placedRound_ = g_roundCounter;
            view_->ComputerPlaceArmies();
            board_input::FinishInitialPlacement(*view_);
            return;
        }
        if (g_isHumanTurnStarted && playedTurn_ == TurnsPlayed()) return;
        playedTurn_ = TurnsPlayed();
        g_isHumanTurnStarted = true;
        view_->PlayComputerTurn();
        if (!g_isGameOver) view_->NextPlayer();
    }

    void SendChatOnce() {
        if (options_.chat.empty() || chatSent_ || !Started()) return;
        chatSent_ = true;
        CChatterDlg& chat = view_->NetWindows().chat;
        chat.line = options_.chat;
        g_isChatLinePending = true;
    }

    // The board at the first moment of every (turns played, current player).
    void Snapshot() {
        if (!Started() || g_isGameOver) return;
        const std::pair<int, int> key{TurnsPlayed(), g_currentPlayer};
        if (!seen_.insert(key).second) return;
        log_ << "snap " << key.first << " " << key.second << " " << BoardText() << "\n";
    }

    Options options_;
    posix::PosixSocketFactory sockets_;
    seat_test::RoutedSocketFactory routed_;
    curl::CurlTransfer transfer_{game_list::kTimeouts};
    headless::TestPlatform test_;
    platform::Platform platform_;
    std::unique_ptr<CChildView> view_;
    std::ofstream log_;
    std::set<std::pair<int, int>> seen_;
    std::int32_t placedRound_ = -1;
    int playedTurn_ = -1;
    std::int32_t joinsLogged_ = 0;
    bool chatSent_ = false;
    std::string lastStatus_;
};

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: marovek_seat (--host PORT [--joins N] [--computers N] | --join PORT "
                     "[--address HOST]) --log FILE [--name NAME] [--chat LINE] [--seed N] "
                     "[--internet ADDRESS] [--turns N]\n");
        return 2;
    }
    std::string home = (std::filesystem::temp_directory_path() / "marovek-seat-XXXXXX").string();
    if (::mkdtemp(home.data()) == nullptr) return 2;
    int result = 0;
    {
        Seat seat(options, home);
        result = seat.Run();
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}
