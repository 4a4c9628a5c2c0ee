// A whole LAN game between three real processes over loopback TCP: one host with a computer
// player and two joined seats, compared turn by turn, with a chat line passed around.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "seat_processes.h"

namespace {

using seat_test::Process;
using seat_test::ReadLog;
using seat_test::SeatLog;

class LanGame : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() / ("marovek-lan-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        port_ = std::to_string(seat_test::FreePort());
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string Log(const std::string& name) const { return (folder_ / (name + ".log")).string(); }

    std::filesystem::path folder_;
    std::string port_;
};

int CountOf(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

TEST_F(LanGame, ThreeMachinesPlayToTheEndWithTheSameBoardAfterEveryTurn) {
    Process host({MAROVEK_SEAT, "--host", port_, "--joins", "2", "--computers", "1", "--name",
                  "Ann", "--seed", "7", "--log", Log("host")});
    // The joined seats connect once the host listens.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Process bob({MAROVEK_SEAT, "--join", port_, "--name", "Bob", "--chat", "hello all", "--log",
                 Log("bob")});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Process cid({MAROVEK_SEAT, "--join", port_, "--name", "Cid", "--log", Log("cid")});

    const int hostExit = host.Wait(std::chrono::seconds(170));
    const int bobExit = bob.Wait(std::chrono::seconds(10));
    const int cidExit = cid.Wait(std::chrono::seconds(10));
    const SeatLog hostLog = ReadLog(Log("host"));
    const SeatLog bobLog = ReadLog(Log("bob"));
    const SeatLog cidLog = ReadLog(Log("cid"));
    ASSERT_EQ(hostExit, 0) << hostLog.failure;
    ASSERT_EQ(bobExit, 0) << bobLog.failure;
    ASSERT_EQ(cidExit, 0) << cidLog.failure;

    // Every turn a joined machine saw begin, the host saw with the same board.
    for (const SeatLog* joined : {&bobLog, &cidLog}) {
        int compared = 0;
        for (const auto& [key, board] : joined->boards) {
            const auto found = hostLog.boards.find(key);
            if (found == hostLog.boards.end()) continue;
            EXPECT_EQ(found->second, board) << "turns " << key.first << ", player " << key.second;
            ++compared;
        }
        // At least one per turn of each of the four players.
        EXPECT_GE(compared, 4);
    }
    // Turns beyond the first round were played: the game went on to its end.
    EXPECT_GT(hostLog.boards.rbegin()->first.first, 4);
    EXPECT_FALSE(hostLog.end.empty());
    EXPECT_EQ(bobLog.end, hostLog.end);
    EXPECT_EQ(cidLog.end, hostLog.end);

    // The line reached everyone once: relayed by the host, never back to its sender.
    for (const SeatLog* log : {&hostLog, &bobLog, &cidLog})
        EXPECT_EQ(CountOf(log->chat, "Bob: hello all"), 1);
}

}  // namespace
