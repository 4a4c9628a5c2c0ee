// Tests of the mail link's encoding: the mail program must receive exactly the texts shown.
#include <gtest/gtest.h>

#include <string>

#include "core/commands/mail_dlg.h"

namespace {

TEST(MailLink, EveryTextIsEncodedSoThatNothingIsLostOrSplit) {
    struct Case {
        const char* name;
        std::string text;
        std::string encoded;
    };
    const Case cases[] = {
        {"plain", "Code-X_1.2~", "Code-X_1.2~"},
        {"blanks",
         "Losses: (5 losses)   Name: ", "Losses%3A%20%285%20losses%29%20%20%20Name%3A%20"},
        // These would end or split the query, start a fragment or read as an escape.
        {"query characters", "a&b=c?d#e%f+g", "a%26b%3Dc%3Fd%23e%25f%2Bg"},
        {"line ends", "one\ntwo\r\nthree\rfour", "one%0D%0Atwo%0D%0Athree%0D%0Afour"},
        {"Latin-1 as UTF-8", "Jos\xE9 \xC5", "Jos%C3%A9%20%C3%85"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(PercentEncodeMailText(c.text), c.encoded) << c.name;

    EXPECT_EQ(MailtoLink("highscores@marovek.org", "Marovek High Score", "Code:  AB-12&x"),
              "mailto:highscores@marovek.org?subject=Marovek%20High%20Score"
              "&body=Code%3A%20%20AB-12%26x");
    // An address cannot smuggle in a query of its own.
    EXPECT_EQ(MailtoLink("a@b.org?cc=c@d.org", "s", "b"),
              "mailto:a@b.org%3Fcc%3Dc@d.org?subject=s&body=b");
}

}  // namespace
