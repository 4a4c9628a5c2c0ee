// The board click: when a click may be taken, the demo stop, the click outside every phase, the
// blocks of the open phases in their fixed order, the hover, and the steps the blocks share.
#include "core/input/board_input.h"

#include <array>
#include <cstdio>

#include "core/child_view.h"
#include "core/model/board_picture.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/window_services.h"

bool g_isPlacementClick = false;
std::int32_t g_armyCount = 0;

void ResetBoardInputState() {
    g_isPlacementClick = false;
    g_armyCount = 0;
}

namespace board_input {

void Beep(CChildView& view) {
    view.Platform().window.Beep();
}

std::int32_t ArmiesOf(std::int32_t territory) {
    return g_territories[static_cast<std::size_t>(territory)].armies;
}

void Unpick(CChildView& view, std::int32_t territory) {
    if (!IsTerritoryInPlay(territory)) return;
    g_territoryPicked[static_cast<std::size_t>(territory)] = kNo;
    view.MarkTerritoryAndSync(territory);
}

std::string AddArmiesText(std::int32_t armies, const char* what) {
    char text[96];
    std::snprintf(text, sizeof text, "Add %d %s based on your %s.", static_cast<int>(armies),
                  armies == 1 ? "army" : "armies", what);
    return text;
}

namespace {

// The phase bytes in the order the click runs their blocks.
struct PhaseBlock {
    bool* open;
    Flow (*run)(CChildView&, std::int32_t);
};
const std::array<PhaseBlock, 9> kBlocks{{
    {&g_isStrongholdChoice, StrongholdChoiceBlock},
    {&g_isInitialPlacement, InitialPlacementBlock},
    {&g_isAddForTerritories, AddForTerritoriesBlock},
    {&g_isAddForContinents, AddForContinentsBlock},
    {&g_isAddForCards, AddForCardsBlock},
    {&g_isAttackTo, AttackToBlock},
    {&g_isAttackFrom, AttackFromBlock},
    {&g_isMoveTo, MoveToBlock},
    {&g_isMoveFrom, MoveFromBlock},
}};

}  // namespace

bool IsAnyPhaseOpen() {
    for (const PhaseBlock& block : kBlocks)
        if (*block.open) return true;
    return false;
}

void CloseAllPhases() {
    for (const PhaseBlock& block : kBlocks) *block.open = false;
}

namespace {

// The first click of the demo ends it and leaves the program as it starts.
void StopDemo(CChildView& view) {
    g_isDemoRunning = false;
    view.Platform().window.ReleaseCapture();
    g_isMouseCaptured = false;
    g_canNewGame = g_canOpen = true;
    if (g_isCardsPanelShown) {
        view.HideCardsNotice();
        g_isCardsPanelShown = false;
    }
    view.ClearGameState();
    g_isBoardRebuildPending = false;
    g_canSetSlowSpeed = g_canSetFastSpeeds = true;
    view.LoadSettings();
    if (g_screenWidth <= 800) g_screenSize = 1;
    if (g_screenSize == 3 && (g_screenWidth < 1200 || g_screenHeight < 920)) g_screenSize = 2;
    g_areTerritoriesDealt = false;
}

bool IsOwnTerritory(std::int32_t territory) {
    return IsTerritoryInPlay(territory) &&
           g_territories[static_cast<std::size_t>(territory)].owner == g_currentPlayer;
}

// Outside every phase a click on an own territory while Add is enabled starts adding there.
// Answers whether a phase is open afterwards.
bool OpenAddByClick(CChildView& view, std::int32_t x, std::int32_t y) {
    if (g_canAdd) {
        std::int32_t territory = kNoTerritory;
        CChildView::HitTestTerritory(x, y, &territory);
        if (IsOwnTerritory(territory)) {
            g_isAddForTerritories = true;
            g_canAttack = g_canCards = g_canSave = g_canSaveAs = false;
            g_canCancel = true;
            view.QueueMessage(AddArmiesText(g_territoryArmiesToAdd, "territories"));
            return true;
        }
        Beep(view);
    }
    if (!g_isGameOver) Beep(view);
    return false;
}

}  // namespace

}  // namespace board_input

void CChildView::OnLButtonDown(int x, int y) {
    using namespace board_input;
    if (g_isPainting) return;
    // A demo chosen from New Game tells the player to click as well; the click ends it the same
    // way, not with a beep.
    if (g_isDemoRunning || g_gameKind == game_kind::kDemo) {
        StopDemo(*this);
        return;
    }
    if (g_eventCount > 0 || (g_networkSeat > 0 && g_currentPlayer != g_networkSeat)) {
        Beep(*this);
        return;
    }
    if (!IsAnyPhaseOpen() && !OpenAddByClick(*this, x, y)) return;
    std::int32_t territory = kNoTerritory;
    HitTestTerritory(x, y, &territory);
    if (!IsTerritoryInPlay(territory)) return;
    // A block that opens a later phase lets the same click go on into it.
    for (const PhaseBlock& block : kBlocks) {
        if (*block.open && block.run(*this, territory) == Flow::End) return;
    }
}

void CChildView::OnMouseMove(int x, int y) {
    if (g_screenSize != 1 || g_roundCounter < 1 || board_input::IsAnyPhaseOpen() ||
        g_canNextPlayer || g_isGameOver || g_messageCount != 0)
        return;
    std::int32_t territory = kNoTerritory;
    HoverTestTerritory(x, y, &territory);
    if (!IsTerritoryInPlay(territory)) return;
    const TerritoryState& state = g_territories[static_cast<std::size_t>(territory)];
    if (g_areTerritoriesHidden && state.owner != g_currentPlayer) return;
    char text[48];
    std::snprintf(text, sizeof text, "Armies :     %d", static_cast<int>(state.armies));
    ShowStatus(text);
}
