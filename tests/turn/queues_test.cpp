// The two queues: what each appender writes, the text bounds and the growth beyond them.
#include "core/model/options.h"
#include "core/rules/turn_order.h"
#include "turn_fixture.h"

namespace turn_test {
namespace {

using QueuesTest = TurnFixture;

std::vector<std::pair<int, int>> EventTypesAndPlayers() {
    std::vector<std::pair<int, int>> records;
    for (int i = 1; i <= g_eventCount; ++i)
        records.emplace_back(g_eventQueue[i].type, g_eventQueue[i].a);
    return records;
}

TEST_F(QueuesTest, ComputerPlacementEventsComeInTheirOrder) {
    rules::SetCurrentPlayer(4);
    View().QueueComputerPlacementEvents();
    const std::vector<int> types = {8, 11, 12, 12, 12, 12, 10};
    ASSERT_EQ(g_eventCount, 7);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(g_eventQueue[i].type, types[i - 1]) << i;
    EXPECT_EQ(g_eventQueue[1].a, 4);
    EXPECT_EQ(g_eventQueue[2].a, 4);
    EXPECT_EQ(g_eventQueue[7].a, 4);
}

TEST_F(QueuesTest, TextRecordsKeepTheWholeTextItsLengthAndThePendingSound) {
    const std::string text(300, 'x');
    g_pendingSound = 6;
    View().QueueMessage(text);
    EXPECT_EQ(g_messageQueue[1].text, text);
    EXPECT_EQ(g_messageQueue[1].a, 300);
    EXPECT_EQ(g_messageQueue[1].b, 6);
    EXPECT_EQ(g_pendingSound, 0);
    View().QueueEventText("Player2 places 3 armies.");
    EXPECT_EQ(g_eventQueue[1].type, 2);
    EXPECT_EQ(g_eventQueue[1].a, 24);
}

TEST_F(QueuesTest, FastSpeedsDropEventTextsButNotMessages) {
    for (bool fast : {false, true}) {
        EmptyQueues();
        g_isFastSpeed = fast;
        View().QueueEventText("pc II is attacking.");
        View().QueueMessage("Your turn");
        EXPECT_EQ(g_eventCount, fast ? 0 : 1);
        EXPECT_EQ(g_messageCount, 1);
    }
}

TEST_F(QueuesTest, TextBoundsDropTheTextButOtherRecordsGrowTheStorage) {
    for (int i = 0; i < 200; ++i) View().QueueMessage("m");
    g_pendingSound = 6;
    View().QueueMessage("the 201st");
    EXPECT_EQ(g_messageCount, 200);
    EXPECT_EQ(g_pendingSound, 6);  // survives the dropped message

    for (int i = 0; i < 500; ++i) View().QueueEventText("e");
    View().QueueEventText("the 501st");
    EXPECT_EQ(g_eventCount, 500);
    // Records without a bound of their own never write past the storage; numbering goes on.
    for (int i = 0; i < 700; ++i) View().QueuePauseEvent();
    for (int i = 0; i < 300; ++i) View().QueuePauseMessage();
    EXPECT_EQ(g_eventCount, 1200);
    EXPECT_EQ(g_messageCount, 500);
    EXPECT_EQ(g_eventQueue[500].text, "e");
    EXPECT_EQ(g_eventQueue[1200].type, 12);
    EXPECT_EQ(g_messageQueue[500].type, 100);
    EXPECT_GT(g_eventQueue.size(), 1200u);
}

TEST_F(QueuesTest, TerritoryUpdateCarriesTheTablesHighlightAndSound) {
    g_territories[5] = {3, 12};
    g_isHighlightOn = true;
    g_pendingSound = 2;
    View().QueueTerritoryUpdate(5);
    const QueueRecord& r = g_eventQueue[1];
    EXPECT_EQ(std::vector<int>({r.type, r.a, r.b, r.c, r.d, r.e}),
              std::vector<int>({1, 5, 12, 3, 1, 2}));
    EXPECT_EQ(g_territoryHighlight[5], 'j');
    EXPECT_EQ(g_pendingSound, 0);
    View().QueueTerritoryUpdate(0);     // no such territory: nothing
    View().QueueTerritoryUpdate(5000);  // nor here
    EXPECT_EQ(g_eventCount, 1);
}

TEST_F(QueuesTest, ABattleResultShownAtOnceIsDrawnAndPlaysThePlayerOutSound) {
    g_territories[7] = {2, 4};
    g_pendingSound = 5;
    View().ShowBattleResult(7, true);
    EXPECT_EQ(g_displayedTerritories[7].armies, 4);
    ASSERT_EQ(Sound().played.size(), 1u);
    EXPECT_NE(Sound().played[0].wavePath.find("res/sounds/238.wav"), std::string::npos);
    EXPECT_EQ(g_eventCount, 0);
}

TEST_F(QueuesTest, InitialPlacementAnnouncementNamesThePlayerAndPauses) {
    rules::SetCurrentPlayer(3);
    g_playerNames[3] = "pc III";
    View().AnnounceInitialPlacement();
    ASSERT_EQ(g_eventCount, 3);
    EXPECT_EQ(g_eventQueue[1].text,
              "pc III, initial placement of " + std::to_string(g_startArmies) + " armies.");
    EXPECT_EQ(EventTypesAndPlayers()[1].first, 12);
    EXPECT_EQ(EventTypesAndPlayers()[2].first, 12);
}

}  // namespace
}  // namespace turn_test
