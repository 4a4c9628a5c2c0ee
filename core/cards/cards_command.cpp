// The Cards command and turn-in, a computer's cards event, the cards pane and the Cards window.
#include <cstdio>

#include "core/cards/card_windows.h"
#include "core/cards/cards.h"
#include "core/child_view.h"
#include "core/commands/command_ids.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "core/rules/board_changes.h"
#include "core/services/network.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/dialog_host.h"
#include "platform/window_services.h"

namespace {

using namespace player_field;

// The row the choice names, when it names an option shown and worth armies; the turn-in itself
// refuses cards the player does not hold.
const std::array<std::int32_t, 5>* ChosenRow(std::int32_t choice) {
    if (choice < 0 || choice >= kMaxCardSetOptions) return nullptr;
    const auto& row = g_cardSetOptions[static_cast<std::size_t>(choice)];
    if (row[4] <= 0) return nullptr;
    return &row;
}

// The choice the trade window leaves: what the user selected on OK, else none; an option
// beyond those shown is none as well.
std::int32_t TradeChoice(CKaartiDlg& trade, platform::DialogHost& host) {
    trade.choice = 0;
    if (host.RunModal(trade) != kIdOk) return kNoCardChoice;
    const auto texts = CardSetOptionTexts();
    int last = 0;
    for (int k = 1; k < kMaxCardSetOptions; ++k) {
        if (IsCardSetOptionPresent(*texts[k])) last = k;
    }
    return trade.choice > last ? kNoCardChoice : trade.choice;
}

// The row's set turned in; its armies become the pool of the add phase.
bool TurnIn(const std::array<std::int32_t, 5>& row, std::int32_t player) {
    g_cardArmiesToAdd = 0;
    return rules::TurnInCards(player, {row[0], row[1], row[2], row[3], row[4]}, g_cardArmiesToAdd);
}

}  // namespace

void CChildView::OnCards() {
    // The trade window runs a nested loop; a second Cards command meanwhile does nothing.
    if (IsYes(g_hasTurnedInCards)) return;
    const std::int32_t p = g_currentPlayer;
    if (p < 1 || p > kMaxPlayers) return;
    const PlayerRecord& hand = g_players[static_cast<std::size_t>(p)];
    BuildCardSetOptions(
        hand[kArtilleryCards], hand[kInfantryCards], hand[kCavalryCards], hand[kWildCards],
        hand[kArtilleryCards] + hand[kInfantryCards] + hand[kCavalryCards] + hand[kWildCards]);
    g_hasTurnedInCards = kYes;
    for (auto& row : g_cardSetOptions) row.fill(0);
    FillCardSetOptionRows();
    const std::int32_t choice = TradeChoice(Cards().trade, platform_.dialogs);

    const auto* row = ChosenRow(choice);
    if (row != nullptr && TurnIn(*row, p)) {
        const std::int32_t armies = (*row)[4];
        g_canCards = false;
        if (IsYes(g_canTurnInCards)) {
            g_canAttack = false;
            g_canAdd = false;
        }
        g_isAddForCards = true;
        char text[64];
        std::snprintf(text, sizeof text, "Add %d armies based on your cards.",
                      static_cast<int>(armies));
        QueueMessage(text);
        g_mustTurnInCards = 0;
        g_canTurnInCards = kNo;
        for (int q = 1; q <= kMaxPlayers; ++q) g_playerRecordSnapshot[q] = g_players[q];
        g_cardsLinePlayer = p;
        if (g_networkSeat > 0) {
            g_lastCardTurnIn = {p, armies, (*row)[3], (*row)[2], (*row)[1], (*row)[0]};
            net::SendBoardFromSeat(*this, net_code::kCardsRelay, net_code::kCardsOnJoined);
        }
    } else {
        g_isAddForCards = false;
        g_cardArmiesToAdd = 0;
    }
    g_hasTurnedInCards = kNo;
}

void CChildView::QueueCardsEvent() {
    g_cardTurnInMarker = 177;
    const auto atLeast = [](std::int32_t count, std::int32_t least) {
        return count >= least ? count : 0;
    };
    // A single card with a wild card shows that single card; otherwise only the kinds the set
    // holds more than once.
    const bool singleWithWild = g_cardSetArmies == 5 && g_aiWildCards == 1;
    const std::int32_t least = singleWithWild ? 1 : 2;
    QueueRecord& record = AppendEvent(event_type::kCardTurnIn);
    record.a = atLeast(g_aiArtilleryCards, least);
    record.b = atLeast(g_aiInfantryCards, least);
    record.c = atLeast(g_aiCavalryCards, least);
    record.d = singleWithWild ? 1 : atLeast(g_aiWildCards, 1);
    record.e = g_turnInArmies;
    record.f = g_currentPlayer;
    for (int i = 0; i < 3; ++i) QueuePauseEvent();
    AppendEvent(event_type::kCardsWindowOff);
}

void CChildView::FormatCardsLine(std::string& text) {
    const std::int32_t q = g_cardsLinePlayer;
    std::string hand(6, ' ');
    if (IsPlayer(q) && g_humanPlayerCount <= 1) {
        const PlayerRecord& r = g_playerRecordSnapshot[static_cast<std::size_t>(q)];
        const std::array<std::pair<char, std::int32_t>, 4> kinds{{{'C', r[kCavalryCards]},
                                                                  {'I', r[kInfantryCards]},
                                                                  {'A', r[kArtilleryCards]},
                                                                  {'W', r[kWildCards]}}};
        std::size_t at = 1;
        for (const auto& [letter, count] : kinds) {
            for (std::int32_t n = 0; n < count && at < hand.size(); ++n) hand[at++] = letter;
        }
    }
    std::string counts = "    ";
    if (g_playerCount >= 3 && g_playerCount <= kMaxPlayers) {
        counts.clear();
        for (std::int32_t p = 1; p <= g_playerCount; ++p) {
            const PlayerRecord& r = g_playerRecordSnapshot[static_cast<std::size_t>(p)];
            char total[16];
            std::snprintf(total, sizeof total, "%1d",
                          static_cast<int>(r[kArtilleryCards] + r[kInfantryCards] +
                                           r[kCavalryCards] + r[kWildCards]));
            if (p > 1) counts += ' ';
            counts += total;
        }
    }
    text = "Cards :" + hand + " - " + counts;
}

void CChildView::OnUpdateCardsPane(CmdUI& ui) {
    ui.enabled = true;
    std::string text;
    FormatCardsLine(text);
    platform_.window.SetStatusPane(cmd::kPaneCards, text);
}

void CChildView::OnShowCards() {
    platform_.dialogs.RunModal(Cards().cards);
}

void CChildView::ShowCardsNotice() {
    CCkaartDlg& notice = Cards().notice;
    // A notice still up from the last turn-in shows the new one.
    if (notice.IsOpen()) {
        notice.Invalidate();
        return;
    }
    platform_.dialogs.CreateModeless(notice);
}

void CChildView::HideCardsNotice() {
    platform_.dialogs.DestroyModeless(Cards().notice);
}
