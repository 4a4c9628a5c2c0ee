// The Chat rooms window without a browser engine: the page's address, the "app:" commands and
// the way the host-address dialog opens the window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/commands/web_pages.h"
#include "core/model/session_state.h"
#include "net/chat_rooms.h"
#include "platform/headless/test_platform.h"
#include "setup/internet_dialogs.h"

namespace {

using headless::MessageBoxCall;
using platform::MessageButtons;
using platform::MessageIcon;

TEST(ChatRoomsTest, PageAddressDependsOnWhetherThisMachineJoins) {
    const struct {
        std::int32_t gameKind;
        const char* address;
    } cases[] = {
        {game_kind::kNetworkJoined, "chat.test:8080//chat2j.htm"},
        {game_kind::kNetworkHost, "chat.test:8080//chat2.htm"},
        {game_kind::kSinglePlayer, "chat.test:8080//chat2.htm"},
        {game_kind::kHotseat, "chat.test:8080//chat2.htm"},
        {0, "chat.test:8080//chat2.htm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chat_rooms::PageAddress("chat.test:8080", c.gameKind), c.address) << c.gameKind;
}

TEST(ChatRoomsTest, ServerIsOurWebSiteUnlessTheVariableNamesAnother) {
    unsetenv(chat_rooms::kServerVariable);
    EXPECT_EQ(chat_rooms::ServerHost(), kWebsiteHost);
    setenv(chat_rooms::kServerVariable, "", 1);
    EXPECT_EQ(chat_rooms::ServerHost(), kWebsiteHost);
    setenv(chat_rooms::kServerVariable, "127.0.0.1:4711", 1);
    EXPECT_EQ(chat_rooms::ServerHost(), "127.0.0.1:4711");
}

// What one address followed in the page did to the program.
struct Effect {
    bool goes;  // the browser goes there
    int beeps;
    int minimisations;
    const char* message;  // the text of an "Unexpected Command" box, null for none
};

TEST(ChatRoomsTest, AppAddressesRunTheirExactCommandAndGoNowhere) {
    const struct {
        std::string url;
        Effect effect;
    } cases[] = {
        {"app:Beep", {false, 1, 0, nullptr}},
        {"APP:Beep", {false, 1, 0, nullptr}},
        {"aPp:Minimise", {false, 0, 1, nullptr}},
        {"app:beep", {false, 0, 0, "beep"}},
        {"app:Minimize", {false, 0, 0, "Minimize"}},
        {"app:Beep ", {false, 0, 0, "Beep "}},
        {"app:", {false, 0, 0, ""}},
        {"app:Quit", {false, 0, 0, "Quit"}},
        {std::string("app:Be\x01"
                     "ep\r\n\x7F"),
         {false, 0, 0, "Beep"}},
        // Not commands: the page goes there.
        {"http://chat.test//chat2.htm", {true, 0, 0, nullptr}},
        {"http://chat.test/app:Beep", {true, 0, 0, nullptr}},
        {"application:Beep", {true, 0, 0, nullptr}},
        {"ap", {true, 0, 0, nullptr}},
        {"", {true, 0, 0, nullptr}},
        {"about:blank", {true, 0, 0, nullptr}},
    };
    for (const auto& c : cases) {
        headless::TestPlatform test;
        CHtmlCtrl browser(test.platform);
        EXPECT_EQ(browser.OnBeforeNavigate2(c.url), c.effect.goes) << c.url;
        EXPECT_EQ(test.window.beeps, c.effect.beeps) << c.url;
        EXPECT_EQ(test.window.minimisations, c.effect.minimisations) << c.url;
        if (c.effect.message == nullptr) {
            EXPECT_TRUE(test.window.messageBoxes.empty()) << c.url;
        } else {
            const MessageBoxCall expected{c.effect.message, "Unexpected Command",
                                          MessageButtons::Ok, MessageIcon::Question};
            EXPECT_EQ(test.window.messageBoxes, std::vector<MessageBoxCall>{expected}) << c.url;
        }
    }
}

TEST(ChatRoomsTest, AnOverlongCommandIsShownCutShort) {
    headless::TestPlatform test;
    CHtmlCtrl browser(test.platform);
    EXPECT_FALSE(browser.OnBeforeNavigate2("app:" + std::string(100000, 'x')));
    ASSERT_EQ(test.window.messageBoxes.size(), 1u);
    EXPECT_EQ(test.window.messageBoxes[0].text, std::string(chat_rooms::kMostCommandChars, 'x'));
}

// The window opened on its own (modeless, so that the test can follow links while it is open).
struct OpenChatWindow : ::testing::Test {
    // The window goes before its dialog.
    ~OpenChatWindow() override { test.dialogs.DestroyModeless(chat); }
    headless::TestPlatform test;
    CChatDlg chat{test.platform};
};

TEST_F(OpenChatWindow, LoadsThePageInPlaceOfThePlaceholderAndRunsItsCommands) {
    setenv(chat_rooms::kServerVariable, "127.0.0.1:4711", 1);
    g_gameKind = game_kind::kNetworkJoined;
    ASSERT_TRUE(test.dialogs.CreateModeless(chat));
    EXPECT_EQ(chat.Caption(), "Chat rooms");
    ASSERT_EQ(test.webViews.browsers.size(), 1u);
    const headless::ScriptedBrowser& browser = *test.webViews.browsers[0];
    EXPECT_EQ(browser.placeholderId, CChatDlg::kIdBrowser);
    EXPECT_EQ(browser.navigations, std::vector<std::string>{"127.0.0.1:4711//chat2j.htm"});
    EXPECT_EQ(browser.timeouts, std::vector<int>{chat_rooms::kPageTimeoutMs});

    ASSERT_TRUE(test.webViews.FollowLink("app:Beep"));
    ASSERT_TRUE(test.webViews.FollowLink("app:Minimise"));
    EXPECT_EQ(browser.current, "127.0.0.1:4711//chat2j.htm");  // the page stays
    EXPECT_EQ(test.window.beeps, 1);
    EXPECT_EQ(test.window.minimisations, 1);
    EXPECT_TRUE(chat.IsOpen());  // the chat window stays while the main window goes down

    ASSERT_TRUE(test.webViews.FollowLink("http://127.0.0.1:4711//room1.htm"));
    EXPECT_EQ(browser.current, "http://127.0.0.1:4711//room1.htm");
    EXPECT_TRUE(test.window.messageBoxes.empty());
}

TEST_F(OpenChatWindow, WithoutAnEmbeddableBrowserTheWindowStaysEmpty) {
    test.platform.webViews = nullptr;
    ASSERT_TRUE(test.dialogs.CreateModeless(chat));
    EXPECT_FALSE(chat.Browser().HasBrowser());
    chat.Browser().Navigate("chat.test//chat2.htm");  // nothing to go anywhere: no harm
    EXPECT_TRUE(test.webViews.browsers.empty());
}

TEST_F(OpenChatWindow, APlaceholderThatIsNotThereGivesNoBrowser) {
    CHtmlCtrl other(test.platform);
    // The dialog is not shown yet, then it has no such static control.
    EXPECT_FALSE(other.CreateFromStatic(CChatDlg::kIdBrowser, chat));
    ASSERT_TRUE(test.dialogs.CreateModeless(chat));
    EXPECT_FALSE(other.CreateFromStatic(4242, chat));
    EXPECT_EQ(test.webViews.refusals, 2);
    EXPECT_FALSE(other.HasBrowser());
}

TEST(ChatRoomsTest, HostAddressDialogOpensTheChatRoomsAfreshEachTime) {
    unsetenv(chat_rooms::kServerVariable);
    headless::TestPlatform test;
    CHostipDlg hostIp(test.platform);
    using headless::ScriptStep;
    test.dialogs.Script(
        CHostipDlg::kIdd,
        {ScriptStep::Click(CHostipDlg::kIdChatRoom), ScriptStep::Click(CHostipDlg::kIdChatRoom),
         ScriptStep::Edit(CHostipDlg::kIdHost, "92.75.8.193"), ScriptStep::Click(kIdOk)});
    EXPECT_EQ(test.dialogs.RunModal(hostIp), kIdOk);
    EXPECT_EQ(hostIp.host, "92.75.8.193");

    // Shown in the order they closed: the chat rooms twice (closed by the user), then this one.
    const auto& shown = test.dialogs.Shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].templateId, CChatDlg::kIdd);
    EXPECT_EQ(shown[0].caption, "Chat rooms");
    EXPECT_EQ(shown[1].templateId, CChatDlg::kIdd);
    EXPECT_EQ(shown[2].templateId, CHostipDlg::kIdd);
    EXPECT_EQ(shown[2].texts.at(CHostipDlg::kIdChatRoom), "Go to the Chat room");

    // One browser per opening, each loading the page, each gone with its window.
    ASSERT_EQ(test.webViews.browsers.size(), 2u);
    for (const auto& browser : test.webViews.browsers) {
        EXPECT_EQ(browser->navigations,
                  std::vector<std::string>{std::string(kWebsiteHost) + "//chat2.htm"});
        EXPECT_EQ(browser->client, nullptr);
    }
}

}  // namespace
