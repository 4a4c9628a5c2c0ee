// The two queues and their appenders.
#include "core/turn/queues.h"

#include <algorithm>
#include <cstdio>

#include "core/child_view.h"
#include "core/model/options.h"
#include "core/turn/turn_state.h"

namespace {
constexpr std::size_t kEventStartRecords = kEventTextLimit + 1;
constexpr std::size_t kMessageStartRecords = kMessageTextLimit + 1;
}  // namespace

std::vector<QueueRecord> g_eventQueue(kEventStartRecords);
std::int32_t g_eventCount{};
std::int32_t g_eventReadIndex{};
std::vector<QueueRecord> g_messageQueue(kMessageStartRecords);
std::int32_t g_messageCount{};
std::int32_t g_messageReadIndex{};

void ResetQueues() {
    g_eventQueue.assign(kEventStartRecords, QueueRecord{});
    g_messageQueue.assign(kMessageStartRecords, QueueRecord{});
    EmptyQueues();
}

namespace {

// Records that have no bound of their own may outgrow the start storage: the storage grows so
// that no append ever writes past it, and the numbering from 1 stays.
QueueRecord& Append(std::vector<QueueRecord>& queue, std::int32_t& count, std::int32_t type) {
    ++count;
    if (static_cast<std::size_t>(count) >= queue.size()) queue.resize(queue.size() * 2);
    QueueRecord& record = queue[static_cast<std::size_t>(count)];
    record.type = type;
    return record;
}

std::int32_t TextLength(const std::string& text) {
    return static_cast<std::int32_t>(text.size());
}

}  // namespace

QueueRecord& AppendEvent(std::int32_t type) {
    return Append(g_eventQueue, g_eventCount, type);
}

QueueRecord& AppendMessage(std::int32_t type) {
    return Append(g_messageQueue, g_messageCount, type);
}

QueueRecord& RestartMessages(std::int32_t type) {
    g_messageReadIndex = 0;
    g_messageCount = 0;
    return AppendMessage(type);
}

void EmptyQueues() {
    g_eventCount = g_eventReadIndex = 0;
    g_messageCount = g_messageReadIndex = 0;
}

bool AreQueuesEmpty() {
    return g_eventCount == 0 && g_messageCount == 0;
}

bool IsMessagePending(std::int32_t type) {
    const auto last = std::min<std::int32_t>(g_messageCount,
                                             static_cast<std::int32_t>(g_messageQueue.size()) - 1);
    for (std::int32_t i = std::max(g_messageReadIndex + 1, 1); i <= last; ++i) {
        if (g_messageQueue[static_cast<std::size_t>(i)].type == type) return true;
    }
    return false;
}

void CChildView::QueueTerritoryUpdate(std::int32_t territory) {
    if (!IsTerritorySlot(territory)) return;
    g_territoryHighlight[static_cast<std::size_t>(territory)] = YesNo(g_isHighlightOn);
    QueueRecord& record = AppendEvent(event_type::kTerritory);
    record.a = territory;
    record.b = g_territories[static_cast<std::size_t>(territory)].armies;
    record.c = g_territories[static_cast<std::size_t>(territory)].owner;
    record.d = g_isHighlightOn ? 1 : 0;
    record.e = g_pendingSound;
    g_pendingSound = game_sound::kSilence;
}

void CChildView::ShowBattleResult(std::int32_t territory, bool drawNow) {
    if (!IsTerritorySlot(territory)) return;
    if (!drawNow) {
        QueueTerritoryUpdate(territory);
        return;
    }
    const auto t = static_cast<std::size_t>(territory);
    g_territoryHighlight[t] = YesNo(g_isHighlightOn);
    g_displayedTerritories[t] = g_territories[t];
    DrawTerritoryArmies(territory, g_territories[t].armies, g_territories[t].owner,
                        g_isHighlightOn);
    if (g_pendingSound == game_sound::kPlayerOut) PlayGameSound(game_sound::kPlayerOut);
    g_pendingSound = game_sound::kSilence;
}

// At Fast and faster the computer's announcements would only flicker past: they are dropped.
void CChildView::QueueEventText(std::string text) {
    if (g_isFastSpeed || g_eventCount >= kEventTextLimit) return;
    QueueRecord& record = AppendEvent(event_type::kText);
    record.a = TextLength(text);
    record.text = std::move(text);
}

void CChildView::QueueMessage(std::string text) {
    if (g_messageCount >= kMessageTextLimit) return;
    QueueRecord& record = AppendMessage(message_type::kText);
    record.a = TextLength(text);
    record.b = g_pendingSound;
    record.text = std::move(text);
    g_pendingSound = game_sound::kSilence;
}

void CChildView::QueueNextPlayerEvent() {
    AppendEvent(event_type::kNextPlayer).a = g_currentPlayer;
}

void CChildView::QueueComputerPlacementEvents() {
    const std::int32_t player = g_currentPlayer;
    AppendEvent(event_type::kComputerPlacement).a = player;
    AppendEvent(event_type::kPlacementStep).a = player;
    for (int i = 0; i < 4; ++i) QueuePauseEvent();
    AppendEvent(event_type::kPlayerRepaint).a = player;
}

void CChildView::QueuePauseEvent() {
    AppendEvent(event_type::kPause);
}

void CChildView::QueuePauseMessage() {
    AppendMessage(message_type::kPause);
}

void CChildView::AnnounceInitialPlacement() {
    ComputeStartArmies();
    char text[96];
    std::snprintf(text, sizeof text, ", initial placement of %d armies.",
                  static_cast<int>(g_startArmies));
    QueueEventText(g_playerNames[static_cast<std::size_t>(g_currentPlayer)] + text);
    QueuePauseEvent();
    QueuePauseEvent();
}

void QueueContinentBlink(CChildView& view, std::int32_t continent, std::int32_t mark) {
    view.QueuePauseMessage();
    QueueRecord& highlight = AppendMessage(message_type::kContinentHighlight);
    highlight.a = continent;
    highlight.b = mark;
    view.QueuePauseMessage();
    view.QueuePauseMessage();
    QueueRecord& repaint = AppendMessage(message_type::kContinentRepaint);
    repaint.a = continent;
    repaint.b = mark;
}
