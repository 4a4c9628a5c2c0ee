// Real local servers for the transfer tests: a temporary folder, a child process serving it, a
// free loopback port, and a listener that never answers.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace nettest {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    void Write(const std::string& relativePath, const std::string& content) const;
    std::string Read(const std::string& relativePath) const;

  private:
    std::filesystem::path path_;
};

// A port on 127.0.0.1 that nothing listens on at the moment of asking.
std::uint16_t FreeLoopbackPort();

// A child process, ended (SIGTERM, then waited for) when this object goes.
class ChildProcess {
  public:
    // Starts `argv`, its output going to `logPath`; Pid() is 0 when it could not start.
    ChildProcess(const std::vector<std::string>& argv, const std::string& logPath);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    pid_t Pid() const { return pid_; }
    // False once the process has ended (it is then reaped).
    bool Running();

  private:
    pid_t pid_ = 0;
};

// Waits until the server accepts TCP connections on 127.0.0.1:port; false when it ended or
// took more than about 15 seconds.
bool WaitUntilAccepting(std::uint16_t port, ChildProcess& server);

// The system python with the test servers' modules (set by the build).
std::string Python();

// A socket on 127.0.0.1 that listens but never accepts nor answers.
class SilentListener {
  public:
    SilentListener();
    ~SilentListener();
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;
    std::uint16_t Port() const { return port_; }

  private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};

// A file's whole content, for reading back what a server wrote.
std::string ReadFile(const std::filesystem::path& path);

}  // namespace nettest
