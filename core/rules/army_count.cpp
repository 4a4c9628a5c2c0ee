// The army count: the counts offered by phase, the question, the "Armies" window and the asking
// that insists on a count within the limit.
#include "core/rules/army_count.h"

#include <algorithm>
#include <cstdlib>

#include "core/child_view.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/dialog_host.h"

std::int32_t g_fromTerritory = 0;
std::int32_t g_toTerritory = 0;
std::int32_t g_selectedTerritory = 0;
bool g_isAskingArmyCount = false;

void ResetArmyCountState() {
    g_fromTerritory = g_toTerritory = g_selectedTerritory = 0;
    g_isAskingArmyCount = false;
}

namespace {

constexpr std::int32_t kSmallStepUpTo = 30;
constexpr std::int32_t kMediumStepUpTo = 150;
constexpr std::int32_t kPlacementMost = 3;

std::int32_t ArmiesOf(std::int32_t t) {
    return IsTerritorySlot(t) ? g_territories[t].armies : 0;
}

DialogTemplate MakeArmiesTemplate() {
    DialogTemplate t;
    t.id = ClegersDlg::kIdd;
    t.caption = "Armies";
    t.width = 62;
    t.height = 120;
    t.controls = {
        {ClegersDlg::kIdList,
         ControlKind::ListBox,
         "",
         {6, 6, 50, 84},
         ctl::kTabStop | ctl::kVerticalScroll},
        {kIdOk, ControlKind::Button, "OK", {6, 98, 50, 14}, ctl::kDefault | ctl::kTabStop},
    };
    return t;
}

}  // namespace

namespace army_count {

std::vector<std::int32_t> PlacementChoices(std::int32_t armiesLeft) {
    std::vector<std::int32_t> choices;
    for (std::int32_t n = kPlacementMost; n >= 1; --n)
        if (armiesLeft >= n) choices.push_back(n);
    choices.push_back(0);
    return choices;
}

std::vector<std::int32_t> CountChoices(std::int32_t n) {
    if (n - 1 < 1) return {0};
    const std::int32_t step = n <= kSmallStepUpTo ? 1 : n <= kMediumStepUpTo ? 5 : 10;
    std::vector<std::int32_t> choices{n - 1, 0};
    for (std::int32_t v = n - 1 - step; v >= 1; v -= step) choices.push_back(v);
    return choices;
}

std::int32_t PhaseBase() {
    if (g_isAttackFrom || g_isAttackTo) return ArmiesOf(g_fromTerritory);
    if (g_isMoveFrom || g_isMoveTo) return std::min(g_movesLeft + 1, ArmiesOf(g_fromTerritory));
    // A later add phase overrides an earlier one.
    std::int32_t n = g_selectedTerritory;
    if (g_isAddForTerritories) n = g_territoryArmiesToAdd + 1;
    if (g_isAddForContinents) n = g_continentArmiesToAdd + 1;
    if (g_isAddForCards) n = g_cardArmiesToAdd + 1;
    return n;
}

std::vector<std::int32_t> ChoicesNow(std::int32_t limit) {
    if (limit <= 0) return {0};
    if (g_isInitialPlacement) return PlacementChoices(g_initialArmiesLeft);
    return CountChoices(PhaseBase());
}

Question QuestionNow(bool afterConquest) {
    if (g_isAttackTo) {
        return {"leave 1 behind, no more than ",
                afterConquest ? "How many armies do you want to move ?"
                              : "How many armies do you want to attack with ?"};
    }
    if (g_isMoveTo) return {"no more than ", "Move 7 armies across your territories."};
    return {"no more than ", g_isFastSpeed ? " " : "How many armies ? "};
}

std::string OverLimitText(const std::string& prefix, std::int32_t limit) {
    return prefix + std::to_string(limit) + (limit == 1 ? " army." : " armies.");
}

}  // namespace army_count

const DialogTemplate& ArmiesTemplate() {
    static const DialogTemplate t = MakeArmiesTemplate();
    return t;
}

ClegersDlg::ClegersDlg() : CDialog(ArmiesTemplate()) {}

bool ClegersDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ResetContent(kIdList);
    for (std::int32_t count : choices) AddItem(kIdList, std::to_string(count));
    SetSelection(kIdList, 0);
    SetOpacity(g_transparencyPercent);
    return true;
}

bool ClegersDlg::DoDataExchange(bool save) {
    if (save) {
        const int selected = GetSelection(kIdList);
        text = selected >= 0 ? ItemText(kIdList, selected) : std::string();
    }
    return true;
}

void DestroyArmiesDialog(ClegersDlg* dialog) {
    delete dialog;
}

ClegersDlg& CChildView::ArmiesDialog() {
    if (!armiesDialog_) armiesDialog_.reset(new ClegersDlg());
    return *armiesDialog_;
}

void CChildView::AskArmyCount(std::int32_t* count, std::int32_t afterConquest, std::int32_t limit) {
    const army_count::Question question = army_count::QuestionNow(afterConquest != 0);
    ClegersDlg& dialog = ArmiesDialog();
    for (;;) {
        if (!g_isInitialPlacement) ShowStatus(question.text);
        g_isAskingArmyCount = true;
        dialog.text.clear();
        dialog.choices = army_count::ChoicesNow(limit);
        const int result = platform_.dialogs.RunModal(dialog);
        // Nothing but 0 can be chosen, or the window cannot be shown at all: asking again would
        // never end, so the count is 0.
        const bool onlyZero = limit <= 0 || result < 0;
        if (result != kIdOk && !onlyZero) continue;
        g_isAskingArmyCount = false;
        const std::int32_t chosen = onlyZero ? 0 : std::max(0, std::atoi(dialog.text.c_str()));
        if (!onlyZero && chosen > limit) {
            QueueMessage(army_count::OverLimitText(question.limitPrefix, limit));
            continue;
        }
        *count = chosen;
        if (!g_isInitialPlacement && chosen == 0) QueueMessage(" ");
        return;
    }
}
