// Where the card windows draw: the hand, the other players' totals, the options, the notice.
#include <cstdio>

#include "core/cards/card_windows.h"
#include "core/cards/cards.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"

namespace {

constexpr int kMostIcons = 5;
constexpr int kIconStep = 50;

// Cards in the order the windows draw them: cavalry, infantry, artillery, wild.
struct DrawnCards {
    std::int32_t cavalry = 0;
    std::int32_t infantry = 0;
    std::int32_t artillery = 0;
    std::int32_t wild = 0;
};

// Appends one picture per card, in the drawing order, at most five in all.
void AddIcons(CardLayout& layout, const DrawnCards& cards, int x, int y) {
    const std::array<std::pair<int, std::int32_t>, 4> runs{
        {{card_icon::kCavalry, cards.cavalry},
         {card_icon::kInfantry, cards.infantry},
         {card_icon::kArtillery, cards.artillery},
         {card_icon::kWild, cards.wild}}};
    for (const auto& [icon, count] : runs) {
        for (std::int32_t n = 0; n < count && layout.icons.size() < kMostIcons; ++n) {
            layout.icons.push_back({icon, x, y});
            x += kIconStep;
        }
    }
}

std::int32_t CardTotal(std::int32_t p) {
    using namespace player_field;
    const PlayerRecord& r = g_players[p];
    return r[kArtilleryCards] + r[kInfantryCards] + r[kCavalryCards] + r[kWildCards];
}

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char text[160];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// The other players' lines keep the slot of the player shown, which leaves a gap.
int OpponentLineY(std::int32_t p) {
    const int y = g_playerCount < 6 ? 127 + 30 * (p - 1) : 117 + 20 * (p - 1);
    return g_isLargeFonts ? y - 20 : y;
}

// The icons of the notice: a kind of one card shows only in a single card with a wild card for
// 5 armies, and then only one single card is drawn.
void AddNoticeIcons(CardLayout& layout, std::int32_t armies, std::int32_t wild,
                    const std::array<std::pair<int, std::int32_t>, 3>& kinds) {
    int x = 15;
    const auto add = [&](int icon) {
        if (layout.icons.size() >= kMostIcons) return;
        layout.icons.push_back({icon, x, 53});
        x += kIconStep;
    };
    const bool singleWithWild = wild == 1 && armies == 5;
    for (const auto& [icon, count] : kinds) {
        const bool single = count == 1 && singleWithWild && layout.icons.empty();
        if (count > 1 || single) {
            for (std::int32_t n = 0; n < count && layout.icons.size() < kMostIcons; ++n) add(icon);
        }
    }
    for (std::int32_t n = 0; n < wild && layout.icons.size() < kMostIcons; ++n) {
        add(card_icon::kWild);
    }
}

}  // namespace

raster::Colour CardTextColour(std::int32_t player) {
    if (!IsPlayer(player)) return 0;
    const raster::Colour colour = g_playerColours[player <= 5 ? player : player + 5];
    // Yellow does not read on the dialog face.
    return colour == 0x40E0FF ? 0x008080 : colour;
}

CardLayout CardsWindowLayout() {
    CardLayout layout;
    if (g_currentPlayer == 0) return layout;
    // A network seat always sees its own hand.
    const std::int32_t shown = g_networkSeat > 0 ? g_networkSeat : g_currentPlayer;
    if (!IsPlayer(shown)) return layout;
    using namespace player_field;
    const PlayerRecord& r = g_players[shown];
    AddIcons(layout, {r[kCavalryCards], r[kInfantryCards], r[kArtilleryCards], r[kWildCards]}, 30,
             g_isLargeFonts ? 50 : 30);
    for (std::int32_t p = 1; p <= g_playerCount && p <= kMaxPlayers; ++p) {
        if (p == shown) continue;
        const std::int32_t total = CardTotal(p);
        const std::string text =
            Format("%s : %d %s ", g_playerNames[p].c_str(), total, total == 1 ? " card" : " cards");
        layout.texts.push_back({text, 30, OpponentLineY(p), CardTextColour(p)});
    }
    return layout;
}

CardLayout TradeWindowLayout() {
    CardLayout layout;
    const int d = g_isLargeFonts ? 3 : -10;
    for (int k = 0; k < kMaxCardSetOptions; ++k) {
        const auto& row = g_cardSetOptions[k];
        const std::int32_t armies = row[4];
        if (armies <= 0) break;
        const int y = g_isLargeFonts ? 30 + 48 * k : 20 + 40 * k;
        CardLayout set;
        AddIcons(set, {row[2], row[1], row[0], row[3]}, 73 + d, y + 6);
        const int x = 73 + 2 * d + kIconStep * (row[0] + row[1] + row[2] + row[3]);
        layout.icons.insert(layout.icons.end(), set.icons.begin(), set.icons.end());
        layout.texts.push_back({Format(" = %d armies", armies), x, y + 15, 0});
    }
    return layout;
}

CardLayout ExchangeNoticeLayout() {
    CardLayout layout;
    const std::int32_t p = g_lastCardTurnIn[0];
    // The record may come from another machine: a player out of range shows nothing.
    if (!IsPlayer(p)) return layout;
    const std::int32_t armies = g_lastCardTurnIn[1];
    const raster::Colour colour = CardTextColour(p);
    const std::string& name = g_playerNames[p];
    layout.texts.push_back({name + " exchanges this set : ", 15, 10, colour});
    layout.texts.push_back({Format("%s gets %d armies.", name.c_str(), armies), 15, 120, colour});
    AddNoticeIcons(layout, armies, g_lastCardTurnIn[2],
                   {{{card_icon::kCavalry, g_lastCardTurnIn[3]},
                     {card_icon::kInfantry, g_lastCardTurnIn[4]},
                     {card_icon::kArtillery, g_lastCardTurnIn[5]}}});
    return layout;
}
