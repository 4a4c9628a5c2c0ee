// Seat programs run as real processes on loopback for the LAN tests: a free port, the spawn,
// the bounded wait and the logs they leave.
#pragma once

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace seat_test {

// A port nothing listens on now (the system picks it; the seat takes it a moment later).
inline int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

class Process {
  public:
    explicit Process(const std::vector<std::string>& args) {
        std::vector<char*> argv;
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        if (::posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
    }
    ~Process() {
        if (pid_ > 0 && !done_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // The exit code, or -1 when it did not end in time (it is killed then).
    int Wait(std::chrono::seconds limit) {
        if (pid_ <= 0) return -1;
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                done_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }

  private:
    pid_t pid_ = -1;
    bool done_ = false;
};

// One seat's log: the boards by (turns played, current player), its chat lines and its end.
struct SeatLog {
    std::map<std::pair<int, int>, std::string> boards;
    std::vector<std::string> chat;
    std::vector<std::string> statuses;
    std::string end;
    std::string failure;
};

// Waits until a seat's log holds `line` (a whole line), at most `limit`.
inline bool WaitForLogLine(const std::string& path, const std::string& line,
                           std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        std::ifstream in(path);
        std::string read;
        while (std::getline(in, read))
            if (read == line) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

inline SeatLog ReadLog(const std::string& path) {
    SeatLog log;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "snap") {
            int turns = 0, current = 0;
            std::string board;
            words >> turns >> current >> board;
            log.boards[{turns, current}] = board;
        } else if (kind == "chat") {
            log.chat.push_back(line.substr(5));
        } else if (kind == "end") {
            log.end = line.substr(4);
        } else if (kind == "status") {
            log.statuses.push_back(line.size() > 7 ? line.substr(7) : "");
        } else if (kind == "fail") {
            log.failure = line.substr(5);
        }
    }
    return log;
}

}  // namespace seat_test
