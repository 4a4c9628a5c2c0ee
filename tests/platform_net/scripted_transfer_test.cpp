// The scripted game-list transfers: pages by URL, one FTP folder, refusals and the call log.
#include "platform/headless/scripted_transfer.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptedTransfer, AnswersScriptedPagesAndFailsOthersAsMissing) {
    headless::ScriptedTransfer transfer;
    transfer.SetPage("http://list/game+.txt", std::string(200, 'x'));
    const platform::TransferResult page = transfer.HttpGet("http://list/game+.txt", 128);
    EXPECT_TRUE(page.ok);
    EXPECT_EQ(page.body.size(), 128u);
    const platform::TransferResult missing = transfer.HttpGet("http://list/game0.txt", 128);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.status, 404);
    ASSERT_EQ(transfer.Calls().size(), 2u);
    EXPECT_EQ(transfer.Calls()[1].target, "http://list/game0.txt");
}

TEST(ScriptedTransfer, FtpFolderKeepsListingOrderAndChecksTheLogin) {
    headless::ScriptedTransfer transfer;
    transfer.SetFtpFile("game3b.txt", "old b");
    transfer.SetFtpFile("game3a.txt", "old a");
    transfer.SetFtpLogin("user", "secret");
    const platform::FtpLogin good{"ftp.list", 21, "user", "secret"};
    const platform::FtpLogin bad{"ftp.list", 21, "user", "guess"};

    EXPECT_EQ(transfer.FtpListNames(good).names,
              (std::vector<std::string>{"game3b.txt", "game3a.txt"}));
    EXPECT_FALSE(transfer.FtpUpload(bad, "game3b.txt", "new").ok);
    EXPECT_FALSE(transfer.FtpUpload(good, "../game3b.txt", "new").ok);
    EXPECT_TRUE(transfer.FtpUpload(good, "game3b.txt", "new").ok);
    transfer.FailFtp("421 Service not available");
    const platform::FtpListing refused = transfer.FtpListNames(good);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.error, "421 Service not available");

    const auto& files = transfer.FtpFiles();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], (std::pair<std::string, std::string>{"game3b.txt", "new"}));
    EXPECT_EQ(files[1].second, "old a");
    EXPECT_EQ(transfer.Calls().size(), 5u);
}

}  // namespace
