// The quit confirmation, the idle pass and the status line.
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "shell/frame_layout.h"
#include "shell/idle.h"
#include "shell/quit.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

struct QuitCase {
    const char* name;
    std::int32_t seat;
    bool gameOver;
    std::int32_t clients;
    std::int32_t rounds;
    bool internet;
    std::int32_t slot;
    platform::MessageAnswer answer;
    const char* question;
    bool closes;
    std::int32_t exitReason;  // -1: left as it was
};

TEST(QuitConfirmation, QuestionAndExitReasonBySeat) {
    using A = platform::MessageAnswer;
    const char* endsAll = "This ends the game for all players, quit anyway ?";
    const char* really = "Do you really want to quit ?";
    const QuitCase cases[] = {
        {"alone", 0, false, 0, 5, false, 99, A::Yes, really, true, 0},
        {"alone, no", 0, false, 0, 5, false, 99, A::No, really, false, -1},
        {"host with clients", 1, false, 2, 0, false, 99, A::Yes, endsAll, true, 1},
        {"host with clients, no", 1, false, 2, 0, false, 99, A::No, endsAll, false, -1},
        {"host, game over", 1, true, 2, 4, false, 99, A::Yes, really, true, 0},
        {"host without clients", 1, false, 0, 0, false, 99, A::Yes, really, true, 0},
        {"internet host published", 1, false, 0, 0, true, 4, A::Yes, really, true, 3},
        {"internet host unpublished", 1, false, 0, 0, true, 99, A::Yes, really, true, 0},
        {"joined, started", 3, false, 0, 2, false, 99, A::Yes, endsAll, true, 2},
        {"joined, not started", 3, false, 0, 0, false, 99, A::Yes, really, true, 0},
        {"joined, game over", 2, true, 0, 9, false, 99, A::Yes, really, true, 0},
        {"joined, published slot ignored", 2, false, 0, 0, true, 4, A::Yes, really, true, 0},
    };
    for (const QuitCase& c : cases) {
        headless::RecordingWindow window;
        window.ScriptAnswer(c.answer);
        g_networkSeat = c.seat;
        g_isGameOver = c.gameOver;
        g_connectedClients = c.clients;
        g_roundCounter = c.rounds;
        g_isInternetGame = c.internet;
        g_publishedGameSlot = c.slot;
        g_exitReason = -1;

        EXPECT_EQ(ConfirmQuit(window), c.closes) << c.name;
        EXPECT_EQ(g_exitReason, c.exitReason) << c.name;
        ASSERT_EQ(window.messageBoxes.size(), 1u) << c.name;
        EXPECT_EQ(window.messageBoxes[0],
                  (headless::MessageBoxCall{c.question, "Marovek", platform::MessageButtons::YesNo,
                                            platform::MessageIcon::Exclamation}))
            << c.name;
    }
}

TEST(IdlePass, StatusTextIsSpacedOutOnlyWhenLargeAndShort) {
    struct Case {
        std::int32_t screenSize;
        std::string text;
        std::optional<std::string> shown;
    };
    const std::string sixtyFour(64, 'x');
    const std::string sixtyThree(63, 'x');
    std::string sixtyThreeSpaced;
    for (int i = 0; i < 63; ++i) sixtyThreeSpaced += "x ";
    const Case cases[] = {
        {3, "", std::nullopt},          {2, "", std::nullopt},
        {3, "abcdef", "a b c d e f  "}, {3, "Attack now", "A t t a c k   n o w  "},
        {3, sixtyFour, sixtyFour},      {3, sixtyThree, sixtyThreeSpaced + " "},
        {2, "abcdef", "abcdef"},        {1, "abcdef", "abcdef"},
    };
    for (const Case& c : cases) {
        g_screenSize = c.screenSize;
        g_statusText = c.text;
        g_showTestMarkers = true;
        EXPECT_EQ(IdlePass(), c.shown) << c.screenSize << " '" << c.text << "'";
        EXPECT_FALSE(g_showTestMarkers);
    }
    g_screenSize = 3;
    EXPECT_EQ(StatusDisplayText("Attack now")->size(), 21u);
}

using StatusTest = ShellFixture;

TEST_F(StatusTest, ShowStatusSetsTheTextAndThePaneButAnEmptyTextOnlyTheText) {
    CChildView& view = StartView(1024, 768);
    view.ShowStatus("Next player");
    EXPECT_EQ(g_statusText, "Next player");
    EXPECT_EQ(platform_->window.statusPanes[0], "Next player");
    view.ShowStatus("");
    EXPECT_EQ(g_statusText, "");
    EXPECT_EQ(platform_->window.statusPanes[0], "Next player");
    g_screenSize = 3;
    view.ShowStatus("ab");
    EXPECT_EQ(platform_->window.statusPanes[0], "a b  ");
}

}  // namespace
}  // namespace shell_test
