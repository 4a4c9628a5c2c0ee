// Names and chat lines from the network: what the game keeps of them, and the message code.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "net/message_text.h"

namespace {

TEST(MessageText, NamesAreCleanedCutAndNeverPassForAComputerPlayer) {
    struct Case {
        std::string raw;
        std::optional<std::string> kept;
    };
    const Case cases[] = {
        {"Ann", "Ann"},
        {"An\x01n\x1b\x7f\n", "Ann"},                            // control characters removed
        {"J\xf6rg", "J\xf6rg"},                                  // Latin-1 letters stay
        {"a\x85z", "az"},                                        // the upper half's controls go
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRST"},  // cut to the slot
        {"pc II", "apc II"},
        {"Bob   ", "Bob"},
        {"   ", std::nullopt},
        {"\x01\x02", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(net::CleanPlayerName(c.raw), c.kept) << c.raw;
}

TEST(MessageText, ChatLinesAreCutToTheLongestLine) {
    EXPECT_EQ(net::CleanText(std::string(300, 'x'), net::kChatLineMost).size(), net::kChatLineMost);
    EXPECT_EQ(net::CleanText("Bob: hi\tthere\r\n", net::kChatLineMost), "Bob: hithere");
}

TEST(MessageText, TheCodeIsFourDigits) {
    EXPECT_EQ(net::MessageCode("1007xyz"), 1007);
    EXPECT_EQ(net::MessageCode("0000"), 0);
    for (const char* bad : {"", "100", "10a7", " 100", "-100"})
        EXPECT_EQ(net::MessageCode(bad), std::nullopt) << bad;
}

}  // namespace
