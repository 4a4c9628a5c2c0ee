// Reading the game list and writing this host's entry against real local HTTP and FTP servers:
// the lines kept, the bytes written, and each failure told once with nothing remembered.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "core/child_view.h"
#include "core/model/session_state.h"
#include "core/services/network.h"
#include "core/turn/turn_state.h"
#include "net/game_list.h"
#include "platform/curl/curl_transfer.h"
#include "platform/headless/test_platform.h"
#include "shell/settings.h"
#include "tests/net/list_servers.h"

namespace {

// 08:21:37 UTC on 9 December 2026.
constexpr std::int64_t kDec9 = 1796804497;

std::string Entry(const std::string& host, const std::string& name, std::int64_t seconds) {
    return game_list::ComposeEntry(host, false, "World         ", {}, name, seconds);
}

class GameListServers : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(servers_.Start()) << "the local list servers did not start";
        servers_.Export();
        test_ = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home_.Path().string()}},
            home_.Path().string());
        platform_ = std::make_unique<platform::Platform>(
            platform::Platform{test_->window, test_->dialogs, test_->sound, test_->files,
                               test_->shell, test_->clock, test_->random, test_->sockets, transfer_,
                               test_->fileDialogs, test_->glyphs, test_->imageDecoder});
        view_ = std::make_unique<CChildView>(*platform_);
        test_->clock.Set(kDec9);
    }

    void TearDown() override { view_.reset(); }

    std::vector<std::string> MessageBoxes() const {
        std::vector<std::string> texts;
        for (const auto& call : test_->window.messageBoxes) texts.push_back(call.text);
        return texts;
    }

    nettest::TempFolder home_;
    listtest::ListServers servers_;
    curl::CurlTransfer transfer_{game_list::kTimeouts};
    std::unique_ptr<headless::TestPlatform> test_;
    std::unique_ptr<platform::Platform> platform_;
    std::unique_ptr<CChildView> view_;
};

TEST_F(GameListServers, FetchKeepsTheGoodSlotFilesInOrderWithTheirSlots) {
    servers_.Write("game+.txt", std::string(85, 'x'));
    servers_.Write("game0.txt", Entry("198.51.100.1", "first", 100));
    servers_.Write("game1.txt", Entry("198.51.100.2", "second", 200) + "\r\n");
    // Slot 2 has no file at all; slot 3 holds something that is no entry.
    servers_.Write("game3.txt", std::string("\x7f"
                                            "ELF\0\0\0",
                                            7) +
                                    std::string(120, '\x01'));
    std::string withEscape = Entry("198.51.100.4", "fourth", 400);
    withEscape[30] = '\x1b';
    servers_.Write("game4.txt", withEscape);

    std::string status;
    EXPECT_TRUE(view_->FetchInternetGameList(status));

    EXPECT_EQ(status, "");  // 85 characters: no status character
    EXPECT_TRUE(MessageBoxes().empty());
    ASSERT_EQ(g_gameListLines.size(), 3u);
    EXPECT_EQ(g_gameListLines[0], Entry("198.51.100.1", "first", 100));
    EXPECT_EQ(g_gameListLines[1], Entry("198.51.100.2", "second", 200));
    EXPECT_EQ(g_gameListLines[2].substr(0, 30), withEscape.substr(0, 30));
    EXPECT_EQ(g_gameListLines[2][30], ' ');
    EXPECT_EQ(g_gameListSlots, (std::vector<std::int32_t>{0, 1, 4}));
}

TEST_F(GameListServers, ADisabledServiceSaysSoAndReadsNoSlot) {
    std::string statusFile(126, ' ');
    statusFile[85] = 'E';
    servers_.Write("game+.txt", statusFile);
    servers_.Write("game0.txt", Entry("198.51.100.1", "first", 100));
    std::string status;
    view_->FetchInternetGameList(status);
    EXPECT_EQ(status, "E");
    EXPECT_TRUE(g_gameListLines.empty());
    EXPECT_EQ(MessageBoxes(), (std::vector<std::string>{game_list::kDisabledText}));
}

TEST_F(GameListServers, ServersThatDoNotAnswerAreToldOnceAndTheProgramGoesOn) {
    nettest::SilentListener silent;
    for (const std::uint16_t port : {silent.Port(), nettest::FreeLoopbackPort()}) {
        setenv("MAROVEK_GAME_LIST_WEB", ("127.0.0.1:" + std::to_string(port)).c_str(), 1);
        test_->window.messageBoxes.clear();
        std::string status;
        EXPECT_FALSE(view_->FetchInternetGameList(status));
        EXPECT_EQ(status, "D");
        EXPECT_TRUE(g_gameListLines.empty());
        EXPECT_EQ(MessageBoxes().size(), 1u) << port;
    }
}

TEST_F(GameListServers, PublishWritesTheEntryIntoTheSlotsFileAndClosingOverwritesIt) {
    servers_.Write("game2.txt", std::string(126, ' '));
    servers_.Write("game3-list.txt", std::string(300, '3'));
    g_settingsString236 = "Evening game";
    g_isSavingHostAddress = true;
    view_->SaveSettings();
    g_isSavingHostAddress = false;
    g_isOneForOneRule = 'j';
    g_areStrongholdsOn = true;
    g_isTroopExperienceOn = true;

    view_->PublishGameListEntry(3, "203.0.113.5", 0);

    const game_list::EntryRules rules{true, true, true};
    const std::string open = game_list::ComposeEntry("203.0.113.5", false, "World         ", rules,
                                                     "Evening game", kDec9);
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_EQ(servers_.Read("game3-list.txt"), open);
    EXPECT_EQ(servers_.Read("game2.txt"), std::string(126, ' '));
    EXPECT_EQ(g_publishedGameSlot, 3);
    EXPECT_EQ(g_publishedHostText, "203.0.113.5");

    test_->clock.Set(kDec9 + 3600);
    view_->PublishGameListEntry(3, "203.0.113.5", 1);
    const std::string closed = servers_.Read("game3-list.txt");
    EXPECT_EQ(closed, game_list::ComposeEntry("203.0.113.5", true, "World         ", rules,
                                              "Evening game", kDec9 + 3600));
    EXPECT_EQ(closed.substr(0, 25), "Closed" + std::string(19, ' '));
    EXPECT_EQ(closed.substr(60, 16), "Dec 09 2026 0921");
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(GameListServers, AFailedPublicationIsToldOnceAndTheGameStaysUnlisted) {
    servers_.Write("game1.txt", std::string(126, ' '));
    std::uint16_t otherPort = 0;
    std::unique_ptr<nettest::ChildProcess> other;
    struct Case {
        const char* what;
        std::int32_t slot;
        std::function<void()> arrange;
    };
    const std::vector<Case> cases{
        {"no file for the slot", 4, [] {}},
        {"login refused", 1,
         [&] {
             // A server on the same folder that knows only somebody else.
             otherPort = nettest::FreeLoopbackPort();
             other = std::make_unique<nettest::ChildProcess>(
                 std::vector<std::string>{nettest::Python(), MAROVEK_FTP_SERVER_SCRIPT,
                                          std::to_string(otherPort), "someone.else", "secret12",
                                          servers_.GamesFolder()},
                 (home_.Path() / "other-ftp.log").string());
             ASSERT_TRUE(nettest::WaitUntilAccepting(otherPort, *other));
             setenv("MAROVEK_GAME_LIST_FTP", ("127.0.0.1:" + std::to_string(otherPort)).c_str(), 1);
         }},
        {"server down", 1, [&] { servers_.StopFtp(); }},
    };
    for (const Case& c : cases) {
        servers_.Export();
        c.arrange();
        test_->window.messageBoxes.clear();
        g_publishedGameSlot = 99;
        view_->PublishGameListEntry(c.slot, "203.0.113.5", 0);
        EXPECT_EQ(MessageBoxes().size(), 1u) << c.what;
        EXPECT_EQ(g_publishedGameSlot, 99) << c.what;
        EXPECT_EQ(servers_.Read("game1.txt"), std::string(126, ' ')) << c.what;
    }
}

}  // namespace
