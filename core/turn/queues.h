// The event and message queues: what the rules and players did, played back one record per tick.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CChildView;

// One record of either queue; a type uses only some of the values and leaves the rest as they
// were, and only text records overwrite the text.
struct QueueRecord {
    std::int32_t type = 0;
    std::int32_t a = 0;
    std::int32_t b = 0;
    std::int32_t c = 0;
    std::int32_t d = 0;
    std::int32_t e = 0;
    std::int32_t f = 0;
    std::string text;
};

// Record types of the event queue.
namespace event_type {
inline constexpr std::int32_t kTerritory =
    1;                                    // a territory, b armies, c owner, d highlight, e sound
inline constexpr std::int32_t kText = 2;  // a length, text
inline constexpr std::int32_t kCardTurnIn = 3;  // a..d card counts, e armies, f player
inline constexpr std::int32_t kCardsWindowOff = 4;
inline constexpr std::int32_t kContinentGained = 5;  // a continent
inline constexpr std::int32_t kContinentRepaint = 6;
inline constexpr std::int32_t kNextPlayer = 7;         // a player
inline constexpr std::int32_t kComputerPlacement = 8;  // a player
inline constexpr std::int32_t kGameEnd = 9;
inline constexpr std::int32_t kPlayerRepaint = 10;  // a player
inline constexpr std::int32_t kPlacementStep = 11;  // a player
inline constexpr std::int32_t kPause = 12;
}  // namespace event_type

// Record types of the message queue.
namespace message_type {
inline constexpr std::int32_t kText = 1;                // a length, b sound, text
inline constexpr std::int32_t kContinentHighlight = 2;  // a continent, b 100 = mission preview
inline constexpr std::int32_t kContinentRepaint = 3;    // the same
inline constexpr std::int32_t kTurnEnables = 4;         // a 1 = may attack again
inline constexpr std::int32_t kComputerTurns = 5;
inline constexpr std::int32_t kUnpick = 6;  // a territory
inline constexpr std::int32_t kPick = 7;    // a territory
inline constexpr std::int32_t kLocalGameEnd = 8;
inline constexpr std::int32_t kHandOver = 9;
inline constexpr std::int32_t kEnableToolbars = 10;
inline constexpr std::int32_t kMapCommand = 11;
inline constexpr std::int32_t kSmilies = 12;  // 13..17 the five ocean backgrounds
inline constexpr std::int32_t kBackground1 = 13;
inline constexpr std::int32_t kDesktopShiningThrough = 14;
inline constexpr std::int32_t kYourColorSettings = 15;
inline constexpr std::int32_t kBackground2 = 16;
inline constexpr std::int32_t kBackground3 = 17;
inline constexpr std::int32_t kPause = 100;
inline constexpr std::int32_t kJoinRequest = 101;  // a name length, text
inline constexpr std::int32_t kCardsWindowOff = 102;
inline constexpr std::int32_t kHostedGameStart = 103;
}  // namespace message_type

// The bounds that the text appenders keep; other records only grow the storage.
inline constexpr std::int32_t kEventTextLimit = 500;
inline constexpr std::int32_t kMessageTextLimit = 200;

// Both start with 501 and 201 elements. Element 0 is never used; element [count] is the last
// written, [read index] the last played.
extern std::vector<QueueRecord> g_eventQueue;
extern std::int32_t g_eventCount;
extern std::int32_t g_eventReadIndex;
extern std::vector<QueueRecord> g_messageQueue;
extern std::int32_t g_messageCount;
extern std::int32_t g_messageReadIndex;

// The next element of a queue, its count raised; the storage grows when it is full.
QueueRecord& AppendEvent(std::int32_t type);
QueueRecord& AppendMessage(std::int32_t type);
// The message queue played from the start again with one record of `type`.
QueueRecord& RestartMessages(std::int32_t type);
// Both counts and read indices back to 0.
void EmptyQueues();
bool AreQueuesEmpty();
// A message record of `type` is queued and not played yet.
bool IsMessagePending(std::int32_t type);
// Both queues back to their start storage of empty records, counts and read indices 0.
void ResetQueues();

// The mark a mission's continent blinks with when the mission is previewed.
inline constexpr std::int32_t kMissionPreviewMark = 100;
// A continent blinks: highlighted with `mark`, then repainted, with the view's pauses between.
void QueueContinentBlink(CChildView& view, std::int32_t continent, std::int32_t mark);
