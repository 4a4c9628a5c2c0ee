// CurlTransfer against real local servers: python's HTTP server and a pyftpdlib FTP server.
#include "platform/curl/curl_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/platform_net/local_servers.h"

namespace {

using nettest::ChildProcess;
using nettest::TempFolder;

// Short enough that a test against a silent server ends quickly.
constexpr platform::TransferTimeouts kQuick{1000, 2000};

std::string Line(char fill, std::size_t length) {
    return std::string(length, fill);
}

// Serves a temporary folder over HTTP on a free loopback port.
class HttpServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.Write("games/game0.txt", Line('a', 126));
        folder_.Write("games/long.txt", Line('b', 300));
        port_ = nettest::FreeLoopbackPort();
        server_ = std::make_unique<ChildProcess>(
            std::vector<std::string>{nettest::Python(), "-m", "http.server", std::to_string(port_),
                                     "--bind", "127.0.0.1", "--directory", folder_.Path().string()},
            (folder_.Path() / "server.log").string());
        ASSERT_TRUE(nettest::WaitUntilAccepting(port_, *server_)) << "HTTP server did not start";
    }

    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

    TempFolder folder_;
    std::uint16_t port_ = 0;
    std::unique_ptr<ChildProcess> server_;
    curl::CurlTransfer transfer_{kQuick};
};

TEST_F(HttpServerTest, ReadsAFileByTheGamesDoubledSlashPath) {
    const platform::TransferResult result = transfer_.HttpGet(Url("//games//game0.txt"), 128);
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(result.body, Line('a', 126));
}

TEST_F(HttpServerTest, StopsReadingAtTheByteLimitWithoutError) {
    const platform::TransferResult result = transfer_.HttpGet(Url("/games/long.txt"), 128);
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.body, Line('b', 128));
}

TEST_F(HttpServerTest, MissingFileIsAnError) {
    const platform::TransferResult result = transfer_.HttpGet(Url("//games//game4.txt"), 128);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.status, 404);
    EXPECT_NE(result.error.find("404"), std::string::npos) << result.error;
}

// Serves a temporary folder over FTP to one user.
class FtpServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.Write("game0old.txt", Line('0', 126));
        folder_.Write("game3x.txt", Line('3', 400));
        port_ = nettest::FreeLoopbackPort();
        server_ = std::make_unique<ChildProcess>(
            std::vector<std::string>{nettest::Python(), MAROVEK_FTP_SERVER_SCRIPT,
                                     std::to_string(port_), "player.x", "pw123456",
                                     folder_.Path().string()},
            (logFolder_.Path() / "server.log").string());
        ASSERT_TRUE(nettest::WaitUntilAccepting(port_, *server_)) << "FTP server did not start";
        login_ = {"127.0.0.1", port_, "player.x", "pw123456"};
    }

    TempFolder folder_;
    TempFolder logFolder_;
    std::uint16_t port_ = 0;
    std::unique_ptr<ChildProcess> server_;
    platform::FtpLogin login_;
    curl::CurlTransfer transfer_{platform::TransferTimeouts{2000, 5000}};
};

TEST_F(FtpServerTest, ListsTheLoginFolder) {
    const platform::FtpListing listing = transfer_.FtpListNames(login_);
    ASSERT_TRUE(listing.ok) << listing.error;
    EXPECT_EQ(listing.names.size(), 2u);
    EXPECT_NE(std::find(listing.names.begin(), listing.names.end(), "game3x.txt"),
              listing.names.end());
    EXPECT_NE(std::find(listing.names.begin(), listing.names.end(), "game0old.txt"),
              listing.names.end());
}

TEST_F(FtpServerTest, UploadReplacesTheWholeFile) {
    const std::string entry = Line('E', 126);
    const platform::TransferResult result = transfer_.FtpUpload(login_, "game3x.txt", entry);
    ASSERT_TRUE(result.ok) << result.error;
    // The old content was longer: nothing of it may remain after the new one.
    EXPECT_EQ(folder_.Read("game3x.txt"), entry);
}

TEST_F(FtpServerTest, WrongPasswordWritesNothing) {
    login_.password = "wrong";
    const platform::TransferResult result = transfer_.FtpUpload(login_, "game3x.txt", "new");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(folder_.Read("game3x.txt"), Line('3', 400));
}

TEST_F(FtpServerTest, UnsafeFileNamesAreRefusedBeforeAnythingIsSent) {
    for (const std::string name : {"../escape.txt", "a/b.txt", "game3\r\nDELE game0old.txt", ""}) {
        const platform::TransferResult result = transfer_.FtpUpload(login_, name, "x");
        EXPECT_FALSE(result.ok) << name;
        EXPECT_EQ(result.status, 0) << name;
    }
    EXPECT_EQ(folder_.Read("game0old.txt"), Line('0', 126));
    EXPECT_FALSE(std::filesystem::exists(folder_.Path().parent_path() / "escape.txt"));
}

// A server that accepts the connection but never answers, or a port where nothing listens:
// every operation ends with an error within its time-outs.
TEST(CurlTransferFailures, SilentOrAbsentServersEndWithAnError) {
    nettest::SilentListener silent;
    ASSERT_NE(silent.Port(), 0);
    const std::uint16_t absent = nettest::FreeLoopbackPort();
    curl::CurlTransfer transfer{kQuick};
    for (const std::uint16_t port : {silent.Port(), absent}) {
        const std::string url = "http://127.0.0.1:" + std::to_string(port) + "/games/game0.txt";
        const platform::TransferResult get = transfer.HttpGet(url, 128);
        EXPECT_FALSE(get.ok) << port;
        EXPECT_FALSE(get.error.empty()) << port;
        const platform::FtpLogin login{"127.0.0.1", port, "u", "p"};
        const platform::FtpListing list = transfer.FtpListNames(login);
        EXPECT_FALSE(list.ok) << port;
        EXPECT_FALSE(list.error.empty()) << port;
        const platform::TransferResult upload = transfer.FtpUpload(login, "game1.txt", "x");
        EXPECT_FALSE(upload.ok) << port;
        EXPECT_FALSE(upload.error.empty()) << port;
    }
}

}  // namespace
