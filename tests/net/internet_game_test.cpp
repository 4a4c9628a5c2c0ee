// An internet game between two real seat processes on one machine against real local list
// servers: the host lists its game, the other finds it in the Games window and joins it, and
// the entry is closed once the game starts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "net/game_list.h"
#include "tests/net/list_servers.h"
#include "tests/net/seat_processes.h"

namespace {

using seat_test::Process;
using seat_test::ReadLog;
using seat_test::SeatLog;

// The host's address as the internet sees it; the joining seat reaches it through loopback.
const std::string kPublic = "203.0.113.5";

TEST(InternetGame, AListedGameIsJoinedFromTheGamesWindowAndClosedWhenItStarts) {
    listtest::ListServers servers;
    ASSERT_TRUE(servers.Start()) << "the local list servers did not start";
    servers.Export();
    const std::string blank(game_list::kEntryLength, ' ');
    for (int slot = 0; slot < game_list::kSlotCount; ++slot)
        servers.Write("game" + std::to_string(slot) + ".txt", blank);
    // Somebody else's game, still open, in slot 0.
    const std::string other = game_list::ComposeEntry("198.51.100.3", false, "Europe        ", {},
                                                      "Zed's game", 1796000000);
    servers.Write("game0.txt", other);

    nettest::TempFolder logs;
    const std::string hostLogPath = (logs.Path() / "host.log").string();
    const std::string joinLogPath = (logs.Path() / "join.log").string();
    const std::string port = std::to_string(seat_test::FreePort());
    Process host({MAROVEK_SEAT, "--host", port, "--joins", "1", "--computers", "1", "--name", "Ann",
                  "--seed", "3", "--internet", kPublic, "--turns", "12", "--log", hostLogPath});
    // The joining seat looks once the host's line is there.
    int listedSlot = -1;
    for (int wait = 0; wait < 300 && listedSlot < 0; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        for (int slot = 1; slot < game_list::kSlotCount; ++slot)
            if (servers.Read("game" + std::to_string(slot) + ".txt").rfind(kPublic, 0) == 0)
                listedSlot = slot;
    }
    ASSERT_GE(listedSlot, 1) << ReadLog(hostLogPath).failure;
    const std::string slotFile = "game" + std::to_string(listedSlot) + ".txt";
    const std::string open = servers.Read(slotFile);
    EXPECT_EQ(open.size(), game_list::kEntryLength);
    EXPECT_EQ(open.substr(78, 20), "Ann's game          ");
    // The blank slot last in the list is the one taken; the other game is left alone.
    EXPECT_EQ(listedSlot, 4);
    EXPECT_EQ(servers.Read("game0.txt"), other);

    Process joiner({MAROVEK_SEAT, "--join", port, "--name", "Bob", "--internet", kPublic, "--turns",
                    "12", "--log", joinLogPath});
    const int hostExit = host.Wait(std::chrono::seconds(170));
    const int joinExit = joiner.Wait(std::chrono::seconds(10));
    const SeatLog hostLog = ReadLog(hostLogPath);
    const SeatLog joinLog = ReadLog(joinLogPath);
    ASSERT_EQ(hostExit, 0) << hostLog.failure;
    ASSERT_EQ(joinExit, 0) << joinLog.failure;

    // Both machines played one game: every turn the joined machine saw begin, the host saw
    // with the same board.
    int compared = 0;
    for (const auto& [key, board] : joinLog.boards) {
        const auto found = hostLog.boards.find(key);
        if (found == hostLog.boards.end()) continue;
        EXPECT_EQ(found->second, board) << "turns " << key.first << ", player " << key.second;
        ++compared;
    }
    EXPECT_GE(compared, 8);
    // Closed when the game started: the same entry with "Closed" for the host.
    const std::string closed = servers.Read(slotFile);
    EXPECT_EQ(closed.substr(0, 25), "Closed" + std::string(19, ' '));
    EXPECT_EQ(closed.substr(25, 35), open.substr(25, 35));
    EXPECT_EQ(closed.substr(78, 20), open.substr(78, 20));
}

}  // namespace
