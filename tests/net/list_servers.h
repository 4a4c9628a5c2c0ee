// The game list's two servers on loopback for tests: python's HTTP server on a folder whose
// "games" folder holds the slot files, and a pyftpdlib server whose login folder is that same
// "games" folder and whose one user is the login the game spells for itself.
#pragma once

#include <stdlib.h>

#include <memory>
#include <string>
#include <vector>

#include "net/game_list.h"
#include "tests/platform_net/local_servers.h"

namespace listtest {

class ListServers {
  public:
    // False when either server did not start.
    bool Start() {
        folder_.Write("games/.keep", "");
        httpPort_ = nettest::FreeLoopbackPort();
        http_ = std::make_unique<nettest::ChildProcess>(
            std::vector<std::string>{nettest::Python(), "-m", "http.server",
                                     std::to_string(httpPort_), "--bind", "127.0.0.1",
                                     "--directory", folder_.Path().string()},
            (logs_.Path() / "http.log").string());
        if (!nettest::WaitUntilAccepting(httpPort_, *http_)) return false;
        ftpPort_ = nettest::FreeLoopbackPort();
        ftp_ = std::make_unique<nettest::ChildProcess>(
            std::vector<std::string>{nettest::Python(), MAROVEK_FTP_SERVER_SCRIPT,
                                     std::to_string(ftpPort_), game_list::FtpUser(),
                                     game_list::FtpPassword(), (folder_.Path() / "games").string()},
            (logs_.Path() / "ftp.log").string());
        return nettest::WaitUntilAccepting(ftpPort_, *ftp_);
    }

    // Points this process (and the programs it starts) at the two servers.
    void Export() const {
        setenv("MAROVEK_GAME_LIST_WEB", Web().c_str(), 1);
        setenv("MAROVEK_GAME_LIST_FTP", ("127.0.0.1:" + std::to_string(ftpPort_)).c_str(), 1);
    }

    std::string Web() const { return "127.0.0.1:" + std::to_string(httpPort_); }
    std::uint16_t FtpPort() const { return ftpPort_; }
    void Write(const std::string& name, const std::string& content) const {
        folder_.Write("games/" + name, content);
    }
    std::string Read(const std::string& name) const { return folder_.Read("games/" + name); }
    void StopFtp() { ftp_.reset(); }
    std::string GamesFolder() const { return (folder_.Path() / "games").string(); }

  private:
    nettest::TempFolder folder_;
    nettest::TempFolder logs_;
    std::uint16_t httpPort_ = 0;
    std::uint16_t ftpPort_ = 0;
    std::unique_ptr<nettest::ChildProcess> http_;
    std::unique_ptr<nettest::ChildProcess> ftp_;
};

}  // namespace listtest
