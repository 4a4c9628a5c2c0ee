// A game view on the headless platform in a temporary home, with a small board, joined-machine
// sockets on the in-memory network, and helpers to read what the view sent and asked for.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/child_view.h"
#include "core/game_state.h"
#include "core/pending_operations.h"
#include "core/queues.h"
#include "core/session_state.h"
#include "core/turn_state.h"
#include "net/net_state.h"
#include "platform/headless/test_platform.h"
#include "setup/setup_dialogs_info.h"
#include "shell/settings.h"

namespace turn_test {

inline std::string MakeTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "marovek-turn-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

// One message a socket sent: which of the view's sockets, and the text.
struct Sent {
    int socket;
    std::string text;
    bool operator==(const Sent&) const = default;
};

class TurnFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        home_ = MakeTemporaryFolder();
        platform_ = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home_}}, home_);
        view_ = std::make_unique<CChildView>(platform_->platform);
        g_isDemoRunning = false;
        PendingCallLog().clear();
    }
    void TearDown() override {
        view_.reset();
        remotes_.clear();
        listener_.reset();
        platform_.reset();
        std::filesystem::remove_all(home_);
    }

    CChildView& View() { return *view_; }
    headless::RecordingWindow& Window() { return platform_->window; }
    headless::RecordingSound& Sound() { return platform_->sound; }

    // Players 1..count, each holding territories; `humans` of them local.
    void StartGame(int players, int humans, int current = 1) {
        g_playerCount = players;
        g_humanPlayerCount = humans;
        g_currentPlayer = current;
        g_gameKind = 1;
        for (int p = 1; p <= players; ++p) {
            g_players[p][player_field::kTerritories] = 3;
            g_playerNames[p] = "Player" + std::to_string(p);
        }
    }

    // The state a hand-over leaves: the turn not yet started, the speeds not to be changed.
    void HandedOver() {
        g_isHumanTurnStarted = false;
        g_canSetSlowSpeed = g_canSetFastSpeeds = false;
    }

    // A real deal of the start map among the game's players, for tests that play real
    // computer turns or placements; the names stay those of StartGame. At speed Slow the
    // computer turns queue their texts too.
    void DealBoard() {
        g_isFastSpeed = g_isVeryFastSpeed = g_isFastestSpeed = false;
        View().DealTerritories();
        ASSERT_TRUE(g_areTerritoriesDealt);
    }

    // Every territory of `from` goes to `to`: `from` is out of the game.
    static void GiveAwayTerritoriesOf(int from, int to) {
        for (int t = 1; t <= g_territoryCount; ++t)
            if (g_territories[t].owner == from) g_territories[t].owner = to;
        g_displayedTerritories = g_territories;
        for (int p : {from, to}) {
            int held = 0;
            for (int t = 1; t <= g_territoryCount; ++t) held += g_territories[t].owner == p;
            g_players[p][player_field::kTerritories] = held;
            g_players[p][player_field::kArmies] = ArmiesOnBoard(p);
        }
    }

    static int ArmiesOnBoard(int player) {
        int armies = 0;
        for (int t = 1; t <= g_territoryCount; ++t)
            if (g_territories[t].owner == player) armies += g_territories[t].armies;
        return armies;
    }

    // The players whose computer turn was played, in order: each such turn opens with its
    // next-player event and the text that names the player (at speed Slow).
    static std::vector<int> ComputerTurnsPlayed() {
        std::vector<int> players;
        for (int i = 1; i < g_eventCount; ++i) {
            const QueueRecord& record = g_eventQueue[i];
            const QueueRecord& next = g_eventQueue[i + 1];
            if (record.type == event_type::kNextPlayer && next.type == event_type::kText &&
                next.text == g_playerNames[record.a] + " is next.")
                players.push_back(record.a);
        }
        return players;
    }

    // The texts of every mission window that was shown, in order.
    std::vector<std::string> MissionWindowTexts() const {
        std::vector<std::string> texts;
        for (const headless::ShownDialog& shown : platform_->dialogs.Shown())
            if (shown.templateId == CMissionDlg::kIdd)
                texts.push_back(shown.texts.at(CMissionDlg::kIdText));
        return texts;
    }

    // `count` joined machines on the host's sockets 1..count.
    void ConnectJoinedMachines(int count) {
        g_networkSeat = 1;
        g_connectedClients = count;
        headless::LoopbackSocketFactory& net = platform_->sockets;
        listener_ = net.CreateSocket(log_);
        ASSERT_TRUE(listener_->Listen(0));
        for (int k = 1; k <= count; ++k) {
            remotes_.push_back(net.CreateSocket(log_));
            ASSERT_TRUE(remotes_.back()->Connect(net.LocalHostName(), listener_->LocalPort()));
            net.Pump();
            std::unique_ptr<platform::Socket> hostSide = net.CreateSocket(log_);
            ASSERT_TRUE(listener_->Accept(*hostSide));
            socketIds_[static_cast<headless::LoopbackSocket*>(hostSide.get())->Id()] = k;
            View().AttachSocket(k, std::move(hostSide));
        }
        net.Pump();
    }

    // A joining machine whose socket 1 leads to the host.
    void ConnectToHost(int seat) {
        ConnectJoinedMachines(1);
        g_networkSeat = seat;
        g_connectedClients = 0;
    }

    // Everything the view's sockets sent, in order.
    std::vector<Sent> SentMessages() const {
        std::vector<Sent> sent;
        for (const headless::SentMessage& message : platform_->sockets.Sent()) {
            const auto found = socketIds_.find(message.from);
            if (found != socketIds_.end() && message.error == platform::SocketError::None)
                sent.push_back({found->second, message.data});
        }
        return sent;
    }
    // The codes sent, as "code@socket".
    std::vector<std::string> SentCodes() const {
        std::vector<std::string> codes;
        for (const Sent& sent : SentMessages())
            codes.push_back(sent.text.substr(0, 4) + "@" + std::to_string(sent.socket));
        return codes;
    }

    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) View().RunClockTick();
    }

    bool Logged(const std::string& call) const {
        for (const std::string& entry : PendingCallLog())
            if (entry == call) return true;
        return false;
    }

    std::string home_;
    std::unique_ptr<headless::TestPlatform> platform_;
    headless::SocketEventLog log_;
    std::unique_ptr<platform::Socket> listener_;
    std::vector<std::unique_ptr<platform::Socket>> remotes_;
    std::map<int, int> socketIds_;  // loopback id -> the view's socket number
    std::unique_ptr<CChildView> view_;
};

}  // namespace turn_test
