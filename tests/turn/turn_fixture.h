// A game view on the headless platform in a temporary home, with a small board, joined-machine
// sockets on the in-memory network, and helpers to read what the view sent and asked for.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/turn_order.h"
#include "core/services/network.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "setup/setup_dialogs_info.h"
#include "tests/support/view_fixture.h"

namespace turn_test {

using test_support::Sent;

class TurnFixture : public test_support::ViewFixture {
  protected:
    TurnFixture() : ViewFixture("turn") {}
    void SetUp() override {
        ViewFixture::SetUp();
        g_isDemoRunning = false;
    }
    void TearDown() override {
        view_.reset();
        joined_.Close();
        ViewFixture::TearDown();
    }

    headless::RecordingWindow& Window() { return platform_->window; }
    headless::RecordingSound& Sound() { return platform_->sound; }

    // Players 1..count, each holding territories; `humans` of them local.
    void StartGame(int players, int humans, int current = 1) {
        g_playerCount = players;
        g_humanPlayerCount = humans;
        rules::SetCurrentPlayer(current);
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
        joined_.Connect(platform_->sockets, View(), count);
    }

    // A joining machine whose socket 1 leads to the host.
    void ConnectToHost(int seat) {
        ConnectJoinedMachines(1);
        g_networkSeat = seat;
        g_connectedClients = 0;
    }

    // Everything the view's sockets sent, in order.
    std::vector<Sent> SentMessages() const { return joined_.SentMessages(platform_->sockets); }
    // The codes sent, as "code@socket".
    std::vector<std::string> SentCodes() const { return joined_.SentCodes(platform_->sockets); }

    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) View().RunClockTick();
    }

    test_support::JoinedMachines joined_;
};

}  // namespace turn_test
