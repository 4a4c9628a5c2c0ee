// Copies between the saved-game record and the running game.
#include <algorithm>

#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/model/yes_no.h"
#include "core/turn/turn_state.h"
#include "setup/saved_game.h"

namespace saved_game {

namespace {

std::string WithoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

Record Capture(std::int64_t now) {
    Record record;
    record.territories = g_territories;
    record.players = g_players;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const auto at = static_cast<std::size_t>(p);
        record.aiLastTargets[at] = {g_aiLastTargets[at].victim, g_aiLastTargets[at].turn};
    }
    record.currentPlayer = g_currentPlayer;
    record.deck = {g_deckArtilleryCards, g_deckInfantryCards, g_deckCavalryCards, g_deckWildCards};
    record.cardTurnInMarker = g_cardTurnInMarker;
    record.humanPlayers = g_humanPlayerCount;
    record.playerCount = g_playerCount;
    record.reservedByte = g_savedGameByte3708;
    record.hasAttacked = g_hasAttackedThisTurn ? 1 : 0;
    record.turnsPlayed = g_turnsPlayed;
    record.earnedCard = static_cast<std::uint8_t>(g_hasEarnedCardThisTurn);
    record.rule = static_cast<std::uint8_t>(g_isOneForOneRule);
    record.hidden = g_areTerritoriesHidden ? 1 : 0;
    record.strongholds = g_areStrongholdsOn ? 1 : 0;
    record.neutralArmy = g_hasNeutralArmy ? 1 : 0;
    record.normalLevel = g_isNormalLevel ? 1 : 0;
    record.personalities = g_personalities;
    record.avengeTargets = g_avengeTargets;
    record.unstableMarks = g_unstableMarks;
    record.randomMix = g_isRandomMix ? 1 : 0;
    record.gameKind = g_gameKind;
    record.campaignNumber = g_campaignNumber;
    record.campaignLength = g_campaignLength;
    record.campaignStep = g_campaignStep;
    record.campaignPlayer = g_campaignPlayer;
    record.troopExperience = g_isTroopExperienceOn ? 1 : 0;
    g_playingSeconds += static_cast<double>(std::max<std::int64_t>(0, now - g_playResumeTime));
    g_playResumeTime = now;
    record.playingSeconds = g_playingSeconds;
    record.missionKind = g_missionKind;
    record.missionOrders = g_missionOrders;
    record.missionProgress = g_missionProgress;
    record.names = g_playerNames;
    record.campaignName = g_campaignName;
    record.path = g_campaignNumber == kOwnCampaign ? g_campaignFilePath : g_mapFilePath;
    return record;
}

void Restore(const Record& record) {
    g_territories = record.territories;
    g_players = record.players;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const auto at = static_cast<std::size_t>(p);
        g_aiLastTargets[at] = {record.aiLastTargets[at][0], record.aiLastTargets[at][1]};
    }
    g_currentPlayer = record.currentPlayer;
    g_deckArtilleryCards = record.deck[0];
    g_deckInfantryCards = record.deck[1];
    g_deckCavalryCards = record.deck[2];
    g_deckWildCards = record.deck[3];
    g_cardTurnInMarker = record.cardTurnInMarker;
    g_humanPlayerCount = record.humanPlayers;
    g_playerCount = record.playerCount;
    g_savedGameByte3708 = record.reservedByte;
    g_hasAttackedThisTurn = record.hasAttacked != 0;
    g_turnsPlayed = record.turnsPlayed;
    g_turnsPlayed[0] = 0;
    g_hasEarnedCardThisTurn = YesNo(IsYes(static_cast<char>(record.earnedCard)));
    g_isOneForOneRule = YesNo(!IsNo(static_cast<char>(record.rule)));
    g_aiMinAttackArmies = IsNo(g_isOneForOneRule) ? 2 : 3;
    g_areTerritoriesHidden = g_isHidingActive = record.hidden != 0;
    g_areStrongholdsOn = record.strongholds != 0;
    g_hasNeutralArmy = record.neutralArmy != 0;
    g_isNormalLevel = record.normalLevel != 0;
    g_gameKind = record.gameKind;
    g_campaignNumber = record.campaignNumber;
    g_campaignLength = record.campaignLength;
    g_campaignStep = record.campaignStep;
    g_campaignPlayer = record.campaignPlayer;
    g_isTroopExperienceOn = record.troopExperience != 0;
    g_missionKind = record.missionKind;
    g_missionOrders = record.missionOrders;
    g_missionProgress = record.missionProgress;
    g_isMissionFailed = false;
    g_campaignName = WithoutTrailingBlanks(record.campaignName);
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const auto at = static_cast<std::size_t>(p);
        g_playerNames[at].clear();
        for (char c : record.names[at])
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F && c != '/')
                g_playerNames[at].push_back(c);
    }
}

void TakePersonalities(const Record& record) {
    g_personalities = record.personalities;
    g_avengeTargets = record.avengeTargets;
    g_unstableMarks = record.unstableMarks;
    g_isRandomMix = record.randomMix != 0;
}

}  // namespace saved_game
