// The parts of one clock tick, shared by the clock's files.
#pragma once

#include <cstdint>

#include "core/turn/queues.h"

class CChildView;

namespace game_clock {

inline constexpr int kTimerId = 1;
inline constexpr int kSlowPeriodMs = 768;
inline constexpr int kFastPeriodMs = 384;
inline constexpr char kDemoText[] = "TO STOP THE DEMO, click anywhere on the game window.";
inline constexpr char kStrongholdPrompt[] = "Choose your stronghold";
inline constexpr char kPlacementPrompt[] =
    "Select a territory for initial army placement, available: %d";

// Timer 1 armed again with the period.
void RearmTimer(CChildView& view, int periodMs);

// The demo's banner and, while the demo has not been set up, its set-up. Answers true when the
// tick ends here.
bool RunDemoStep(CChildView& view);
// Queues the initial placement of every computer player from the current one on, until the
// current player is a human.
void QueueComputerPlacements(CChildView& view);
// The initial placement prompt of the current player: its announcement and the message.
void QueuePlacementPrompt(CChildView& view);

void PlayEvent(CChildView& view, const QueueRecord& record);
void PlayMessage(CChildView& view, const QueueRecord& record);
// The end of the game or the next map of a campaign; `localSide` for the message record that a
// local attacker's win queued.
void PlayGameEnd(CChildView& view, bool localSide);

// Draws every member of a continent from the displayed board; the marks are set first unless 0.
void DrawContinent(CChildView& view, std::int32_t continent, char highlightMark, char pickedMark);
// Draws a territory from the displayed board with the current highlight flag.
void DrawDisplayed(CChildView& view, std::int32_t territory);

}  // namespace game_clock
