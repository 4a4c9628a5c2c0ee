// A joined machine on the in-memory network, with the test standing in for its host: the map
// of a started game, what its player is shown in its own turn, and how its game ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/commands/command_ids.h"
#include "core/commands/command_ui.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/services/network.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "net/net_links.h"
#include "platform/raster/bmp.h"
#include "tests/support/view_fixture.h"

namespace {

class JoinedMachine : public test_support::ViewFixture {
  protected:
    JoinedMachine() : ViewFixture("joined-machine") {}

    headless::LoopbackSocketFactory& Net() { return platform_->sockets; }

    // A started game of three on a small board: Ann hosts, Bob plays here (seat 2), pc III.
    void SetUp() override {
        ViewFixture::SetUp();
        test_support::BuildBoard(6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}},
                                 {{{1, 2, 3, 4, 5, 6}, 2, {}}});
        const int owners[] = {0, 1, 1, 2, 2, 3, 3};
        for (int t = 1; t <= 6; ++t) {
            g_territories[t] = {owners[t], 3};
            g_players[owners[t]][player_field::kTerritories] = 2;
        }
        g_playerNames[1] = "Ann";
        g_playerNames[2] = "Bob";
        g_playerNames[3] = "pc III";
        g_playerCount = 3;
        g_humanPlayerCount = 1;
        g_gameKind = game_kind::kNetworkJoined;
        g_networkPort = 5466;
        host_ = Net().CreateSocket(hostLog_);
        ASSERT_TRUE(host_->Listen(5466));
        ASSERT_TRUE(View().JoinNetworkGame(Net().LocalHostName()));
        Net().Pump();
        hostSide_ = Net().CreateSocket(hostLog_);
        ASSERT_TRUE(host_->Accept(*hostSide_));
        Net().Pump();
        EmptyQueues();  // the join request is not needed here
        g_networkSeat = 2;
        g_joinedSeatCount = 2;
        g_hasNetworkGameStarted = true;
        g_isDemoRunning = false;  // New Game ended the start-up demo
    }
    void TearDown() override {
        view_.reset();
        hostSide_.reset();
        host_.reset();
        ViewFixture::TearDown();
    }

    // The host sends `code` with the board as it stands, naming `current` as the current player.
    void FromHost(int code, std::int32_t current) {
        const std::int32_t kept = g_currentPlayer;
        g_currentPlayer = current;
        net::BuildBoardMessage(View(), code);
        g_currentPlayer = kept;
        ASSERT_GE(hostSide_->Send(g_outgoingMessage), 0);
        Net().Pump();
    }
    // The codes this machine sent to the host since the last call.
    std::vector<std::string> ToHost() {
        std::vector<std::string> codes;
        char buffer[1024];
        for (int size; (size = hostSide_->Receive(buffer, sizeof buffer)) >= 0;)
            codes.emplace_back(buffer, static_cast<std::size_t>(std::min(size, 4)));
        return codes;
    }

    headless::SocketEventLog hostLog_;
    std::unique_ptr<platform::Socket> host_;
    std::unique_ptr<platform::Socket> hostSide_;
};

TEST_F(JoinedMachine, ItsPlayerIsToldItIsHisTurnWhenTheHostNamesHimInHisOwnTurn) {
    g_currentPlayer = 1;
    View().ShowStatus("Ann to play..");
    FromHost(1007, 2);
    EXPECT_EQ(ToHost(), std::vector<std::string>{"2007"});
    ASSERT_TRUE(g_isOwnTurnOpen);
    // A late echo naming someone else leaves the status and the board alone.
    g_territories[3].armies = 7;
    FromHost(1012, 3);
    EXPECT_EQ(g_statusText, "Ann to play..");
    EXPECT_EQ(g_territories[3].armies, 7);
    // The host's next-player event for this seat.
    FromHost(1012, 2);
    EXPECT_EQ(g_statusText, "Bob to play..");
    EXPECT_EQ(g_territories[3].armies, 7);
    EXPECT_EQ(g_currentPlayer, 2);
}

// A network game ends on a joined machine as on its host: play stops, the winner is named, and
// the game is not followed by another from here: New Game, Quick Launch and Open stay off, so
// that the player leaves with Exit.
void ExpectOnlyQuittingLeft(CChildView& view) {
    EXPECT_TRUE(g_isGameOver);
    for (const int command : {cmd::kNewGame, cmd::kQuickLaunch, cmd::kOpen}) {
        CmdUI ui;
        ASSERT_TRUE(view.OnUpdateCommand(command, ui));
        EXPECT_FALSE(ui.enabled) << command;
    }
}

TEST_F(JoinedMachine, TheHostsWinnerEndsTheGameHere) {
    for (int t = 1; t <= 6; ++t) g_territories[t].owner = 3;
    g_players[1][player_field::kTerritories] = g_players[2][player_field::kTerritories] = 0;
    g_players[3][player_field::kTerritories] = 6;
    g_players[3][player_field::kLosses] = 5;
    FromHost(1027, 3);
    EXPECT_EQ(g_statusText, "pc III has won the game ! , 5 losses. ");
    ExpectOnlyQuittingLeft(View());
    // Nothing the host sends afterwards changes the end.
    FromHost(1012, 1);
    EXPECT_EQ(g_statusText, "pc III has won the game ! , 5 losses. ");
}

TEST_F(JoinedMachine, ItsOwnWinIsToldToTheHostAndEndsTheGameHere) {
    g_currentPlayer = 2;
    g_isGameOver = true;  // as the last conquest leaves it
    AppendMessage(message_type::kLocalGameEnd);
    View().RunClockTick();
    Net().Pump();
    EXPECT_EQ(ToHost(), std::vector<std::string>{"1028"});
    ExpectOnlyQuittingLeft(View());
}

// Two continents on three territories, as a map file of the user's.
constexpr char kIslesText[] =
    "[map]\nIsles\n[player names]\n400 12\n[smilies and codes]\nY\n[continents]\n2 North 1 2\n"
    "1 South 3\n[territories]\n1 NOR 100 50 2 3\n2 NEA 150 60 1\n3 SOU 120 200 1\n";

class JoinedMachineFileMap : public JoinedMachine {
  protected:
    // The host's board on Isles, sent as the start of the game to a machine that shows World.
    void StartOnIsles() {
        g_mapName = "Isles         ";
        for (int t = 4; t <= 6; ++t) g_territories[t] = {};
        g_hasNetworkGameStarted = false;
        g_isMapCustom = g_isMapFileLoaded = false;
        FromHost(1002, 1);
    }
    void WriteIsles(bool withPicture) {
        const std::filesystem::path folder = g_userFilesFolder;
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "Isles.txt", std::ios::binary) << kIslesText;
        if (!withPicture) return;
        const std::vector<std::uint8_t> bmp = raster::WriteBmp(raster::Surface(4, 3));
        std::ofstream(folder / "Isles.bmp", std::ios::binary)
            .write(reinterpret_cast<const char*>(bmp.data()),
                   static_cast<std::streamsize>(bmp.size()));
    }
    void SetUp() override {
        JoinedMachine::SetUp();
        g_screenWidth = 1024;
        g_screenSize = 2;
        g_hideCreatingMapsNotice = true;
    }
};

// The host plays a map file: this machine loads its own file of that name and plays on.
TEST_F(JoinedMachineFileMap, TheStartLoadsTheMapFileTheHostNamed) {
    WriteIsles(true);
    // The hands of the demo game that ran here before.
    g_playerRecordSnapshot[2][player_field::kCavalryCards] = 1;
    g_playerRecordSnapshot[3][player_field::kWildCards] = 2;
    StartOnIsles();
    EXPECT_TRUE(platform_->window.messageBoxes.empty());
    EXPECT_FALSE(platform_->window.hasQuit);
    EXPECT_TRUE(g_hasNetworkGameStarted);
    EXPECT_TRUE(g_isMapCustom && g_isMapFileLoaded);
    EXPECT_EQ(g_territoryCount, 3);
    EXPECT_EQ(g_territories[3].owner, 2);
    std::string cards;
    View().FormatCardsLine(cards);
    EXPECT_EQ(cards, "Cards :       - 0 0 0");
}

// Without that file (or without its picture) there is no game to join.
TEST_F(JoinedMachineFileMap, WithoutTheMapFileTheGameEndsHere) {
    for (const bool hasText : {false, true}) {
        if (hasText) WriteIsles(false);
        platform_->window.messageBoxes.clear();
        platform_->window.hasQuit = false;
        g_isGameOver = false;
        StartOnIsles();
        ASSERT_FALSE(platform_->window.messageBoxes.empty()) << hasText;
        EXPECT_EQ(platform_->window.messageBoxes.back().text, "Invalid Map, End of Game.");
        EXPECT_TRUE(platform_->window.hasQuit);
        EXPECT_TRUE(g_isGameOver);
        EXPECT_FALSE(g_hasNetworkGameStarted);
    }
}

}  // namespace
