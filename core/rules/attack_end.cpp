// The end of a game that an attack decides (its message, the queued end, the score record) and
// the card a conquest earns once a turn.
#include <algorithm>

#include "core/child_view.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/rules/attack.h"
#include "core/turn/queues.h"
#include "core/turn/turn_state.h"
#include "platform/clock.h"

namespace {

using namespace player_field;

constexpr int kEndTextRepeats = 3;

attack::EndFacts FactsOf(const attack::Sides& s) {
    attack::EndFacts f;
    f.inCampaign = g_campaignNumber > 0;
    f.campaignLost = g_isCampaignLost;
    f.campaignFinished = g_isCampaignFinished;
    f.stalemate = g_isGameWithoutWinner;
    f.strongholdsOn = g_areStrongholdsOn;
    f.defenderStrongholdLost = g_players[s.defender][kStronghold] == 0;
    f.attackerStrongholdLost = g_players[s.attacker][kStronghold] == 0;
    f.missionGame = g_missionKind > mission_kind::kConquerAll;
    f.missionFailed = g_isMissionFailed;
    f.attackerName = g_playerNames[s.attacker];
    f.attackerLosses = g_players[s.attacker][kLosses];
    f.defenderName = g_playerNames[s.defender];
    f.defenderLosses = g_players[s.defender][kLosses];
    return f;
}

// Every end text is played, even at the speeds that drop event texts.
void QueueEndTexts(CChildView& view, const std::string& message) {
    const bool wasFast = g_isFastSpeed;
    g_isFastSpeed = false;
    for (int i = 0; i < kEndTextRepeats; ++i) view.QueueEventText(message);
    g_isFastSpeed = wasFast;
}

bool HasWinnerToRecord(const attack::Sides& s) {
    if (g_isCampaignLost || g_gameKind == game_kind::kDemo || g_isGameWithoutWinner ||
        g_isMissionFailed)
        return false;
    if (g_areStrongholdsOn && g_players[s.attacker][kStronghold] == 0) return false;
    return g_campaignNumber <= 0 || g_isCampaignFinished;
}

std::int32_t* HandCountOf(PlayerRecord& record, attack::CardKind kind) {
    switch (kind) {
        case attack::CardKind::Artillery:
            return &record[kArtilleryCards];
        case attack::CardKind::Infantry:
            return &record[kInfantryCards];
        case attack::CardKind::Cavalry:
            return &record[kCavalryCards];
        case attack::CardKind::Wild:
            return &record[kWildCards];
        case attack::CardKind::None:
            break;
    }
    return nullptr;
}

std::int32_t* DeckCountOf(attack::CardKind kind) {
    switch (kind) {
        case attack::CardKind::Artillery:
            return &g_deckArtilleryCards;
        case attack::CardKind::Infantry:
            return &g_deckInfantryCards;
        case attack::CardKind::Cavalry:
            return &g_deckCavalryCards;
        case attack::CardKind::Wild:
            return &g_deckWildCards;
        case attack::CardKind::None:
            break;
    }
    return nullptr;
}

}  // namespace

namespace attack {

void EndGame(CChildView& view, const Sides& s) {
    const std::string message = EndMessage(FactsOf(s));
    g_isGameOver = true;
    if (!s.attackerIsLocal) {
        g_statusText = message;
        QueueEndTexts(view, message);
        AppendEvent(event_type::kGameEnd);
    } else {
        view.SetBusy();
        AppendMessage(message_type::kLocalGameEnd);
        QueueEndTexts(view, message);
    }
    if (HasWinnerToRecord(s)) {
        view.RecordScore(s.attacker, g_playerCount, g_isOneForOneRule,
                         g_players[s.attacker][kLosses], g_playerNames[s.attacker]);
    }
    g_gameEndTime = view.Platform().clock.Now();
}

void AwardCard(CChildView& view, const Sides& s, char& cardFlag) {
    if (!IsNo(cardFlag)) return;
    cardFlag = kYes;
    const CardKind kind = DrawCardKind(view.Platform().random, g_deckArtilleryCards,
                                       g_deckInfantryCards, g_deckCavalryCards, g_deckWildCards);
    if (kind != CardKind::None) {
        // A computer player's card is announced; a human's shows in the status line.
        if (s.attacker > g_humanPlayerCount)
            view.QueueEventText(g_playerNames[s.attacker] + " has earned a Vorn card.");
        ++*HandCountOf(g_players[s.attacker], kind);
        --*DeckCountOf(kind);
        if (s.attacker <= g_humanPlayerCount && !g_isFastSpeed) g_statusText = EarnedCardText(kind);
    }
    if (s.attackerIsLocal) g_playerRecordSnapshot = g_players;
}

}  // namespace attack
