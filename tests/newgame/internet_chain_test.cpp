// New Game's Internet road with scripted dialogs, a scripted game list and the in-memory network:
// hosting with the list or with friends, the router dialog, joining from the Games window or by
// a typed address, and the Settings command for hosting.
#include <fstream>
#include <iterator>

#include "core/commands/command_ids.h"
#include "core/services/network.h"
#include "net/game_list.h"
#include "newgame_fixture.h"
#include "setup/internet_dialogs.h"
#include "setup/new_game.h"
#include "shell/frame_layout.h"
#include "shell/quit.h"

namespace newgame_test {
namespace {

// 08:21:37 UTC on 9 December 2026.
constexpr std::int64_t kDec9 = 1796804497;
const std::string kPublic = "203.0.113.5";

std::string Url(std::int32_t slot) {
    return game_list::SlotUrl(game_list::CurrentServers().web, slot);
}

std::string Entry(const std::string& host, const std::string& name, std::int64_t seconds) {
    return game_list::ComposeEntry(host, false, "World         ", {}, name, seconds);
}

std::string SettingsSlot(std::size_t offset) {
    std::ifstream in(g_settingsFilePath, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string text;
    for (std::size_t i = offset; i < offset + 19 && i < bytes.size() && bytes[i] != 0; ++i)
        text.push_back(bytes[i]);
    return text;
}

class InternetChain : public NewGameFixture {
  protected:
    void SetUp() override {
        NewGameFixture::SetUp();
        platform_->clock.Set(kDec9);
    }

    headless::ScriptedTransfer& Transfer() { return platform_->transfer; }

    void StoreHostSettings(const std::string& external, const std::string& gameName) {
        g_settingsString216 = external;
        g_settingsString236 = gameName;
        g_isSavingHostAddress = true;
        View().SaveSettings();
        g_isSavingHostAddress = false;
    }

    void ScriptHost(int listChoice) {
        Choose(CSpelersDlg::kIdd, 1003);
        Choose(CMultiplayerDlg::kIdd, 1002);
        Choose(CStartjoinDlg::kIdd, 1000);
        Ok(COpties1Dlg::kIdd);
        Name("Ann");
        Choose(CAskftpDlg::kIdd, listChoice);
    }

    void ScriptJoinStart() {
        Choose(CSpelersDlg::kIdd, 1003);
        Choose(CMultiplayerDlg::kIdd, 1002);
        Choose(CStartjoinDlg::kIdd, 1001);
        Name("Bob");
    }

    const headless::ShownDialog* LastShown(int templateId) const {
        const headless::ShownDialog* found = nullptr;
        for (const auto& shown : platform_->dialogs.Shown())
            if (shown.templateId == templateId) found = &shown;
        return found;
    }
};

TEST_F(InternetChain, HostPublishesInTheOldestSlotAndF2ClosesTheEntryBeforePlacement) {
    StoreHostSettings(kPublic, "Ann's game");
    Transfer().SetPage(Url(-1), std::string(126, ' '));
    Transfer().SetPage(Url(0), Entry("198.51.100.1", "other", kDec9 - 100));
    Transfer().SetPage(Url(2), Entry("198.51.100.2", "older", kDec9 - 900));
    for (const char* name : {"game0.txt", "game1.txt", "game2.txt", "game3.txt", "game4.txt"})
        Transfer().SetFtpFile(name, std::string(126, ' '));
    ScriptHost(1000);
    View().OnNewGame();

    EXPECT_EQ(ShownIds(), (std::vector<int>{163, 241, 242, 249, 165, 354}));
    ASSERT_NE(LastShown(CStartjoinDlg::kIdd), nullptr);
    EXPECT_EQ(LastShown(CStartjoinDlg::kIdd)->texts.at(CStartjoinDlg::kIdNote),
              "(not for 56k modems)");
    EXPECT_TRUE(g_isInternetGame);
    EXPECT_TRUE(g_isHostWaiting);
    EXPECT_EQ(g_statusText, "Waiting for others to join...   Your IP:   " + kPublic);
    // Slot 1 gave nothing; of the two listed, slot 2 is the older.
    EXPECT_EQ(g_publishedGameSlot, 2);
    const game_list::EntryRules rules{g_isOneForOneRule == 'j', g_areStrongholdsOn,
                                      g_isTroopExperienceOn};
    const std::string open =
        game_list::ComposeEntry(kPublic, false, "World         ", rules, "Ann's game", kDec9);
    EXPECT_EQ(Transfer().FtpFiles()[2].second, open);
    EXPECT_TRUE(MessageBoxTexts().empty());

    // F2's start, here with two computer players and nobody joined.
    Choose(CPlayers810Dlg::kIdd, 1002);
    View().StartNetworkGame();
    EXPECT_FALSE(g_isInitialPlacement);
    ASSERT_FALSE(QueuedMessageTexts().empty());
    EXPECT_EQ(QueuedMessageTexts().front(), "Wait a moment for the game to start...");
    platform_->clock.Set(kDec9 + 60);
    for (int tick = 0; tick < 10 && !g_isInitialPlacement; ++tick) View().RunClockTick();
    EXPECT_TRUE(g_isInitialPlacement);
    const std::string closed = Transfer().FtpFiles()[2].second;
    EXPECT_EQ(closed.substr(0, 25), "Closed" + std::string(19, ' '));
    EXPECT_EQ(closed.substr(25, 35), open.substr(25, 35));
    EXPECT_EQ(closed.substr(60, 16), "Dec 09 2026 0822");
}

TEST_F(InternetChain, AListedHostThatQuitsBeforeTheStartClosesItsEntry) {
    StoreHostSettings(kPublic, "Ann's game");
    Transfer().SetFtpFile("game3.txt", std::string(126, ' '));
    Transfer().SetPage(Url(3), std::string(126, ' '));
    ScriptHost(1000);
    View().OnNewGame();
    ASSERT_EQ(g_publishedGameSlot, 3);
    ASSERT_EQ(Transfer().FtpFiles()[0].second.substr(0, 11), kPublic);

    ASSERT_TRUE(ConfirmQuit(Window()));
    EXPECT_EQ(g_exitReason, 3);
    platform_->clock.Set(kDec9 + 120);
    view_.reset();
    const std::string closed = Transfer().FtpFiles()[0].second;
    EXPECT_EQ(closed.substr(0, 25), "Closed" + std::string(19, ' '));
    EXPECT_EQ(closed.substr(60, 16), "Dec 09 2026 0823");
}

TEST_F(InternetChain, APrivateAddressAsksForTheExternalOneAndKeepsOnlyAnAcceptedOne) {
    platform_->sockets.SetLocalHost("box", "10.1.2.3");
    StoreHostSettings("  ", "Ann's game");
    g_hostIpText = "198.51.100.77";
    struct Case {
        std::string typed;
        bool invalid;
    };
    for (const Case& c : {Case{"12.ab.3.4", true}, Case{".217.12.3", true},
                          Case{"192.168.1.9", false}, Case{"172.20.0.1", false}}) {
        platform_->window.messageBoxes.clear();
        ScriptHost(1001);
        Script(CHostip2Dlg::kIdd,
               {ScriptStep::Edit(CHostip2Dlg::kIdExternal, c.typed), ScriptStep::Click(kIdOk)});
        Cancel(CSpelersDlg::kIdd);
        View().OnNewGame();
        EXPECT_EQ(MessageBoxTexts(),
                  c.invalid ? std::vector<std::string>{"Invalid IP"} : std::vector<std::string>{})
            << c.typed;
        EXPECT_EQ(g_hostIpText, "198.51.100.77") << c.typed;
        EXPECT_FALSE(g_isHostWaiting) << c.typed;
        EXPECT_EQ(SettingsSlot(kExternalAddressOffset), "  ") << c.typed;
    }
    // The internal address is shown; an accepted external one is kept at once.
    ScriptHost(1001);
    Script(CHostip2Dlg::kIdd,
           {ScriptStep::Edit(CHostip2Dlg::kIdExternal, "217.12.3.4"),
            ScriptStep::Edit(CHostip2Dlg::kIdGameName, "Router game"), ScriptStep::Click(kIdOk)});
    View().OnNewGame();
    ASSERT_NE(LastShown(CHostip2Dlg::kIdd), nullptr);
    EXPECT_EQ(LastShown(CHostip2Dlg::kIdd)->texts.at(CHostip2Dlg::kIdInternal), "10.1.2.3");
    EXPECT_EQ(g_hostIpText, "217.12.3.4");
    EXPECT_TRUE(g_isHostWaiting);
    EXPECT_EQ(SettingsSlot(kExternalAddressOffset), "217.12.3.4");
    EXPECT_EQ(SettingsSlot(kGameListNameOffset), "Router game");
    // "Your friends know your IP address": the Internet Game window shows it; nothing is listed.
    EXPECT_EQ(
        Dialogs().ModelessEvents().back(),
        (headless::ModelessEvent{headless::ModelessEvent::Kind::Created, CDirectipinfoDlg::kIdd}));
    CDirectipinfoDlg& window = View().Internet().directIp;
    EXPECT_EQ(window.GetText(CDirectipinfoDlg::kIdAddress), "217.12.3.4");
    EXPECT_FALSE(window.IsVisible(CDirectipinfoDlg::kIdChatRoom));
    EXPECT_EQ(g_publishedGameSlot, 99);
    EXPECT_TRUE(Transfer().Calls().empty());
    // Still open when the program ends: it leaves the dialog host with the view.
    view_.reset();
    EXPECT_EQ(Dialogs().ModelessEvents().back(),
              (headless::ModelessEvent{headless::ModelessEvent::Kind::Destroyed,
                                       CDirectipinfoDlg::kIdd}));
}

TEST_F(InternetChain, TheInternetGameWindowMailsTheAddressAndChangesItOnlyWhenAccepted) {
    StoreHostSettings(kPublic, "Ann's game");
    ScriptHost(1001);
    View().OnNewGame();
    CDirectipinfoDlg& window = View().Internet().directIp;
    ASSERT_TRUE(window.IsOpen());

    Script(CHostip2Dlg::kIdd,
           {ScriptStep::Edit(CHostip2Dlg::kIdExternal, "217"), ScriptStep::Click(kIdOk)});
    window.UserClick(CDirectipinfoDlg::kIdAdvanced);
    EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Invalid IP"}));
    EXPECT_EQ(g_hostIpText, kPublic);
    EXPECT_EQ(window.GetText(CDirectipinfoDlg::kIdAddress), kPublic);

    Script(CHostip2Dlg::kIdd,
           {ScriptStep::Edit(CHostip2Dlg::kIdExternal, "198.51.100.9"), ScriptStep::Click(kIdOk)});
    window.UserClick(CDirectipinfoDlg::kIdAdvanced);
    EXPECT_EQ(window.GetText(CDirectipinfoDlg::kIdAddress), "198.51.100.9");
    View().RunClockTick();
    EXPECT_EQ(SettingsSlot(kExternalAddressOffset), "198.51.100.9");
    EXPECT_EQ(g_statusText, "Waiting for others to join...   Your IP:   198.51.100.9");

    Ok(CPrepmailDlg::kIdd);
    window.UserClick(CDirectipinfoDlg::kIdEmail);
    ASSERT_NE(LastShown(CPrepmailDlg::kIdd), nullptr);
    EXPECT_EQ(LastShown(CPrepmailDlg::kIdd)->texts.at(CPrepmailDlg::kIdSubject),
              "Marovek Game ready at IP   198.51.100.9");
    View().RunClockTick();
    EXPECT_FALSE(window.IsOpen());
}

TEST_F(InternetChain, JoinFromTheGamesWindowConnectsOnlyToAnOpenWellFormedAddress) {
    headless::SocketEventLog hostLog;
    std::unique_ptr<platform::Socket> host = platform_->sockets.CreateSocket(hostLog);
    ASSERT_TRUE(host->Listen(5466));
    platform_->sockets.AddHost(kPublic);
    Transfer().SetPage(Url(0), game_list::ComposeEntry(kPublic, true, "World         ", {},
                                                       "closed one", kDec9 - 50));
    Transfer().SetPage(Url(1), Entry("evil.example.com", "bait", kDec9 - 40));
    Transfer().SetPage(Url(2), std::string("\0\0binary", 8));
    Transfer().SetPage(Url(3), Entry(kPublic, "Ann's game", kDec9 - 30) + "\r\n");

    // The closed game and the address with letters are refused; nothing connects.
    for (int line : {0, 1}) {
        platform_->window.messageBoxes.clear();
        ScriptJoinStart();
        Choose(CJoinftpDlg::kIdd, 1000);
        Script(CIplistDlg::kIdd,
               {ScriptStep::Select(CIplistDlg::kIdList, line), ScriptStep::Click(kIdOk)});
        Cancel(CSpelersDlg::kIdd);
        View().OnNewGame();
        EXPECT_EQ(g_networkSeat, 0) << line;
        EXPECT_EQ(MessageBoxTexts().size(), line == 1 ? 1u : 0u) << line;
    }

    ScriptJoinStart();
    Choose(CJoinftpDlg::kIdd, 1000);
    Script(CIplistDlg::kIdd,
           {ScriptStep::Select(CIplistDlg::kIdList, 2), ScriptStep::Click(kIdOk)});
    View().OnNewGame();

    const CIplistDlg& games = View().Internet().gameList;
    ASSERT_EQ(games.ItemCount(CIplistDlg::kIdList), 3);  // the binary file is left out
    EXPECT_EQ(games.ItemText(CIplistDlg::kIdList, 2),
              Entry(kPublic, "Ann's game", kDec9 - 30).substr(0, 99));
    EXPECT_EQ(LastShown(CIplistDlg::kIdd)->texts.at(CIplistDlg::kIdTime),
              "Universal Time (UT) is Dec 09 2026 0821");
    EXPECT_EQ(g_networkSeat, 2);
    EXPECT_EQ(g_settingsString196, kPublic);
    EXPECT_EQ(SettingsSlot(kInternetHostOffset), kPublic);
    EXPECT_EQ(g_statusText, "Waiting for host to start game... ");
    ASSERT_GE(g_messageCount, 3);
    EXPECT_EQ(g_messageQueue[3].type, message_type::kJoinRequest);
}

TEST_F(InternetChain, JoinByATypedAddressAsksUntilSomethingIsTyped) {
    headless::SocketEventLog hostLog;
    std::unique_ptr<platform::Socket> host = platform_->sockets.CreateSocket(hostLog);
    ASSERT_TRUE(host->Listen(5466));
    platform_->sockets.AddHost(kPublic);
    ScriptJoinStart();
    Choose(CJoinftpDlg::kIdd, 1001);
    Script(CHostipDlg::kIdd,
           {ScriptStep::Edit(CHostipDlg::kIdHost, "   "), ScriptStep::Click(kIdOk)});
    Script(CHostipDlg::kIdd,
           {ScriptStep::Edit(CHostipDlg::kIdHost, " " + kPublic + " "), ScriptStep::Click(kIdOk)});
    View().OnNewGame();
    EXPECT_EQ(TimesShown(CHostipDlg::kIdd), 2);
    EXPECT_EQ(g_networkSeat, 2);
    EXPECT_EQ(g_settingsString196, kPublic);
    EXPECT_TRUE(Transfer().Calls().empty());
}

TEST_F(InternetChain, TheGamesWindowRefreshesAndADisabledListShowsNothing) {
    Transfer().SetPage(Url(0), Entry("198.51.100.1", "first", kDec9));
    CIplistDlg& games = View().Internet().gameList;
    std::string status;
    View().FetchInternetGameList(status);
    std::string disabled(126, ' ');
    disabled[85] = 'E';
    Transfer().SetPage(Url(-1), disabled);
    Script(CIplistDlg::kIdd, {ScriptStep::Click(CIplistDlg::kIdRefresh), ScriptStep::Cancel()});
    Dialogs().RunModal(games);
    EXPECT_EQ(games.ItemCount(CIplistDlg::kIdList), 0);
    EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{game_list::kDisabledText}));
}

TEST_F(InternetChain, HostingInternetGamesStoresOnlyAChangedAcceptedAddress) {
    StoreHostSettings("198.51.100.1", "old name");
    platform_->sockets.SetLocalHost("box", "192.168.0.4");
    struct Case {
        std::string external;
        std::string name;
        std::vector<std::string> messages;
        std::string stored;
    };
    const std::vector<Case> cases{
        {"198.51.100.1", "old name", {}, "198.51.100.1"},
        {"217", "new name", {"Invalid IP"}, "198.51.100.1"},
        {"217.12.3.4", "new name", {}, "217.12.3.4"},
    };
    for (const Case& c : cases) {
        platform_->window.messageBoxes.clear();
        Script(CHostip2Dlg::kIdd,
               {ScriptStep::Edit(CHostip2Dlg::kIdExternal, c.external),
                ScriptStep::Edit(CHostip2Dlg::kIdGameName, c.name), ScriptStep::Click(kIdOk)});
        EXPECT_TRUE(View().OnCommand(cmd::kHostingInternetGames));
        EXPECT_EQ(LastShown(CHostip2Dlg::kIdd)->texts.at(CHostip2Dlg::kIdInternal), "192.168.0.4");
        EXPECT_EQ(MessageBoxTexts(), c.messages) << c.external;
        EXPECT_EQ(SettingsSlot(kExternalAddressOffset), c.stored) << c.external;
    }
    EXPECT_EQ(SettingsSlot(kGameListNameOffset), "new name");
}

}  // namespace
}  // namespace newgame_test
