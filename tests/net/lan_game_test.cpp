// A whole LAN game between three real processes over loopback TCP: one host with a computer
// player and two joined seats, compared turn by turn, with a chat line passed around.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "hostile_peer.h"
#include "seat_processes.h"

namespace {

using seat_test::Process;
using seat_test::ReadLog;
using seat_test::SeatLog;
using seat_test::WaitForLogLine;

// Long enough for a loaded machine to start a seat program under the sanitizers.
constexpr std::chrono::seconds kReady{60};

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

// Every turn a joined machine saw begin, the host saw with the same board; all end alike.
void ExpectOneGame(const SeatLog& host, const std::vector<const SeatLog*>& joined) {
    for (const SeatLog* seat : joined) {
        int compared = 0;
        for (const auto& [key, board] : seat->boards) {
            const auto found = host.boards.find(key);
            if (found == host.boards.end()) continue;
            EXPECT_EQ(found->second, board) << "turns " << key.first << ", player " << key.second;
            ++compared;
        }
        // At least one per turn of each of the four players.
        EXPECT_GE(compared, 4);
        EXPECT_EQ(seat->end, host.end);
    }
    // Turns beyond the first round were played: the game went on to its end.
    ASSERT_FALSE(host.boards.empty());
    EXPECT_GT(host.boards.rbegin()->first.first, 4);
    EXPECT_FALSE(host.end.empty());
}

bool Reported(const SeatLog& log) {
    for (const std::string& status : log.statuses)
        if (status.rfind("Ignored a bad network message", 0) == 0) return true;
    return false;
}

// The host's seed picks the deal. Not every deal comes to an end: with two players left, one may
// keep reinforcing a border that its own big army already guards and never attack again. The deal
// of seed 7 ends within a few hundred turns.
TEST_F(LanGame, ThreeMachinesPlayToTheEndWithTheSameBoardAfterEveryTurn) {
    Process host({MAROVEK_SEAT, "--host", port_, "--joins", "2", "--computers", "1", "--name",
                  "Ann", "--seed", "7", "--log", Log("host")});
    // The joined seats connect once the host listens, one after the other, so that their seats
    // are always the same however slowly the machine starts the programs.
    ASSERT_TRUE(WaitForLogLine(Log("host"), "listening", kReady)) << ReadLog(Log("host")).failure;
    Process bob({MAROVEK_SEAT, "--join", port_, "--name", "Bob", "--chat", "hello all", "--log",
                 Log("bob")});
    ASSERT_TRUE(WaitForLogLine(Log("host"), "joins 1", kReady)) << ReadLog(Log("bob")).failure;
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

    ExpectOneGame(hostLog, {&bobLog, &cidLog});

    // The line reached everyone once: relayed by the host, never back to its sender.
    for (const SeatLog* log : {&hostLog, &bobLog, &cidLog})
        EXPECT_EQ(CountOf(log->chat, "Bob: hello all"), 1);
}

std::string Frame(const std::string& message) {
    return platform::EncodeFrame(message);
}

// The board of a message with one field broken.
std::string Broken(const std::string& message, std::size_t at, const std::string& with) {
    std::string text = message;
    if (text.size() >= 4 + at + with.size()) text.replace(4 + at, with.size(), with);
    return text;
}

TEST_F(LanGame, HostileMessagesChangeNothingAndTheGameStillPlaysToItsEnd) {
    const std::string relayPort = std::to_string(seat_test::FreePort());
    std::atomic<int> toJoined{0};
    std::atomic<int> toHost{0};
    // Between Bob and the host: at the start of Bob's turns and of the others', and after Bob's
    // turn ends, bad, repeated and out-of-turn messages follow the real one.
    auto tamper = [&](const std::string& message, bool towardJoined, std::vector<std::string>& j,
                      std::vector<std::string>& h) {
        const std::string code = message.substr(0, 4);
        if (towardJoined && code == "1007" && toJoined < 30) {
            j = {Frame(message),
                 Frame("1002" + message.substr(4)),
                 Frame("1001"
                       "9"
                       "9"
                       "x"),
                 Frame(std::string(2000, 'x')),
                 Frame("10"),
                 Frame("1004" + message.substr(4))};
            toJoined += 6;
        } else if (towardJoined && code == "1022" && toJoined < 60) {
            j = {Frame(Broken(message, 0, "99")),        Frame(Broken(message, 2, "z")),
                 Frame("1007" + message.substr(4)),      Frame("2011" + message.substr(4)),
                 Frame("1017" + message.substr(4, 100)), Frame("3000\x01\x02")};
            toJoined += 6;
        } else if (!towardJoined && code == "1011" && toHost < 60) {
            h = {Frame(message),
                 Frame("1006" + message.substr(4)),
                 Frame("3001Cid: not Bob"),
                 Frame("1000Mallory"),
                 Frame("1028" + message.substr(4)),
                 Frame("2004" + message.substr(4)),
                 Frame(Broken(message, 353, "9999"))};
            toHost += 7;
        }
    };

    Process host({MAROVEK_SEAT, "--host", port_, "--joins", "2", "--computers", "1", "--name",
                  "Ann", "--seed", "11", "--log", Log("host")});
    // A machine that connects first and never joins: junk, a name of control characters only, a
    // turn's end before any game, a message too long for the host, a stray acknowledgement.
    const int raw = seat_test::ConnectWhenListening(std::stoi(port_));
    ASSERT_GE(raw, 0);
    for (const std::string& junk :
         {std::string("xyz"), std::string("1000\x01\x02\x7f"), "1011" + std::string(940, '0'),
          std::string(3000, '7'), std::string("2007")})
        seat_test::SendMessage(raw, junk);
    seat_test::Relay relay(std::stoi(relayPort), std::stoi(port_), tamper);
    Process bob({MAROVEK_SEAT, "--join", relayPort, "--name", "Bob", "--log", Log("bob")});
    ASSERT_TRUE(WaitForLogLine(Log("host"), "joins 1", kReady)) << ReadLog(Log("bob")).failure;
    Process cid({MAROVEK_SEAT, "--join", port_, "--name", "Cid", "--log", Log("cid")});

    const int hostExit = host.Wait(std::chrono::seconds(170));
    const int bobExit = bob.Wait(std::chrono::seconds(10));
    const int cidExit = cid.Wait(std::chrono::seconds(10));
    ::close(raw);
    const SeatLog hostLog = ReadLog(Log("host"));
    const SeatLog bobLog = ReadLog(Log("bob"));
    const SeatLog cidLog = ReadLog(Log("cid"));
    ASSERT_EQ(hostExit, 0) << hostLog.failure;
    ASSERT_EQ(bobExit, 0) << bobLog.failure;
    ASSERT_EQ(cidExit, 0) << cidLog.failure;
    EXPECT_GT(toJoined.load(), 0);
    EXPECT_GT(toHost.load(), 0);
    ExpectOneGame(hostLog, {&bobLog, &cidLog});
    EXPECT_TRUE(Reported(hostLog));
    EXPECT_TRUE(Reported(bobLog));
    // No seat may speak for another: the line in Cid's name from Bob's link went nowhere.
    for (const SeatLog* log : {&hostLog, &bobLog, &cidLog})
        EXPECT_EQ(CountOf(log->chat, "Cid: not Bob"), 0);
}

}  // namespace
