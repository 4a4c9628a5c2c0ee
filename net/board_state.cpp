// Writing and reading the board-state text and the seat list, field by fixed field.
#include "net/board_state.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
constexpr int kMaxArmies = 999;

// Field positions of the text.
constexpr int kTerritoriesAt = 2;
constexpr int kPlayersAt = 353;
constexpr int kPlayerBlock = 39;
constexpr int kDeckAt = 743;
constexpr int kTurnsAt = 755;
constexpr int kRuleAt = 795;
constexpr int kSyncAt = 799;
constexpr int kNamesAt = 826;
constexpr int kNameWidth = 20;
constexpr int kMapNameAt = 926;
constexpr int kMapNameWidth = 14;

int MaxForWidth(int width) {
    int max = 1;
    for (int i = 0; i < width; ++i) max *= 10;
    return max - 1;
}

void AppendNumber(std::string& out, std::int32_t value, int width) {
    const int clamped = std::clamp<std::int32_t>(value, 0, MaxForWidth(width));
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%*d", width, clamped);
    out += buffer;
}

void AppendFlag(std::string& out, bool flag) {
    out += flag ? '1' : '0';
}

// Owners 0..9 as a digit, 10 as "A".
void AppendOwner(std::string& out, std::int32_t owner) {
    const int clamped = std::clamp(owner, 0, 10);
    out += clamped == 10 ? 'A' : static_cast<char>('0' + clamped);
}

void AppendPadded(std::string& out, const std::string& text, int width) {
    std::string field = text.substr(0, static_cast<std::size_t>(width));
    field.resize(static_cast<std::size_t>(width), ' ');
    out += field;
}

// A reader over the text that remembers the first fault; every field read after a fault is 0.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::int32_t Number(int at, int width, std::int32_t max, const char* what) {
        std::string_view field =
            text_.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(width));
        std::size_t i = 0;
        while (i < field.size() && field[i] == ' ') ++i;
        if (i == field.size()) return Fail(what);
        std::int32_t value = 0;
        for (; i < field.size(); ++i) {
            if (field[i] < '0' || field[i] > '9') return Fail(what);
            value = value * 10 + (field[i] - '0');
        }
        if (value > max) return Fail(what);
        return value;
    }
    bool Flag(int at, const char* what) {
        const char c = text_[static_cast<std::size_t>(at)];
        if (c != '0' && c != '1') Fail(what);
        return c == '1';
    }
    std::int32_t Owner(int at, const char* what) {
        const char c = text_[static_cast<std::size_t>(at)];
        if (c == 'A') return 10;
        if (c < '0' || c > '9') return Fail(what);
        return c - '0';
    }
    std::int32_t Armies(int at) {
        const int high = DigitValue(text_[static_cast<std::size_t>(at)]);
        const int low = DigitValue(text_[static_cast<std::size_t>(at) + 1]);
        if (high < 0 || low < 0) return Fail("territory armies");
        const int armies = high * 32 + low;
        if (armies > kMaxArmies) return Fail("territory armies");
        return armies;
    }
    std::string Text(int at, int width, const char* what) {
        std::string field(
            text_.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(width)));
        for (unsigned char c : field)
            if (c < 0x20 || c == 0x7F) Fail(what);
        return field;
    }
    char Char(int at) const { return text_[static_cast<std::size_t>(at)]; }
    void Reject(const std::string& what) {
        if (error_.empty()) error_ = what;
    }
    const std::string& Error() const { return error_; }

  private:
    std::int32_t Fail(const char* what) {
        if (error_.empty()) error_ = std::string("bad ") + what;
        return 0;
    }
    static int DigitValue(char c) {
        const auto pos = kDigits.find(c);
        return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
    }

    std::string_view text_;
    std::string error_;
};

std::string TrimRight(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::string EncodeBoardState(const BoardState& state) {
    std::string out;
    out.reserve(kBoardStateLength);
    AppendNumber(out, state.currentPlayer, 2);
    for (int t = 1; t <= kBoardTerritories; ++t) {
        const int armies = std::clamp(state.territories[t].armies, 0, kMaxArmies);
        out += kDigits[static_cast<std::size_t>(armies / 32)];
        out += kDigits[static_cast<std::size_t>(armies % 32)];
        // No player holds a slot beyond the players (the map's slots past its territories keep
        // what an earlier board left there): it goes as unowned, as a reader would refuse it.
        const std::int32_t owner = state.territories[t].owner;
        AppendOwner(out, owner <= state.playerCount ? owner : 0);
    }
    for (int p = 1; p <= 10; ++p) {
        const BoardState::Player& player = state.players[p];
        AppendNumber(out, player.territories, 3);
        AppendNumber(out, player.armies, 5);
        AppendNumber(out, player.continentBonus, 3);
        for (std::int32_t cards :
             {player.artilleryCards, player.infantryCards, player.cavalryCards, player.wildCards})
            AppendNumber(out, cards, 1);
        for (int c = 1; c <= 15; ++c) AppendNumber(out, player.continentHeld[c], 1);
        AppendNumber(out, player.losses, 6);
        AppendNumber(out, player.stronghold, 3);
    }
    for (std::int32_t count : {state.deckArtillery, state.deckInfantry, state.deckCavalry,
                               state.deckWild, state.humanPlayerCount, state.playerCount})
        AppendNumber(out, count, 2);
    for (int p = 1; p <= 10; ++p) AppendNumber(out, state.turnsPlayed[p], 4);
    out += YesNo(IsYes(state.battleRule));
    AppendFlag(out, state.troopExperience);
    AppendFlag(out, state.strongholds);
    AppendFlag(out, state.highlight);
    AppendNumber(out, state.syncTerritory, 3);
    AppendNumber(out, state.roundCounter, 4);
    for (int i = 5; i >= 0; --i) AppendNumber(out, state.lastCardTurnIn[i], 2);
    AppendNumber(out, state.syncArmies, 4);
    AppendOwner(out, state.syncOwner);
    AppendNumber(out, state.syncContinent, 2);
    AppendFlag(out, state.syncMarked);
    for (int p = 1; p <= kBoardNamedPlayers; ++p) AppendPadded(out, state.names[p], kNameWidth);
    AppendPadded(out, state.mapName, kMapNameWidth);
    return out;
}

std::optional<BoardState> DecodeBoardState(std::string_view text, std::string* error) {
    if (text.size() != static_cast<std::size_t>(kBoardStateLength)) {
        if (error) *error = "board text of " + std::to_string(text.size()) + " characters";
        return std::nullopt;
    }
    FieldReader in(text);
    BoardState state;
    state.currentPlayer = in.Number(0, 2, 10, "current player");
    for (int t = 1; t <= kBoardTerritories; ++t) {
        const int at = kTerritoriesAt + 3 * (t - 1);
        state.territories[t].armies = in.Armies(at);
        state.territories[t].owner = in.Owner(at + 2, "territory owner");
    }
    for (int p = 1; p <= 10; ++p) {
        const int at = kPlayersAt + kPlayerBlock * (p - 1);
        BoardState::Player& player = state.players[p];
        player.territories = in.Number(at, 3, 200, "territories held");
        player.armies = in.Number(at + 3, 5, 99999, "player armies");
        player.continentBonus = in.Number(at + 8, 3, 999, "continent bonus");
        player.artilleryCards = in.Number(at + 11, 1, 9, "cards");
        player.infantryCards = in.Number(at + 12, 1, 9, "cards");
        player.cavalryCards = in.Number(at + 13, 1, 9, "cards");
        player.wildCards = in.Number(at + 14, 1, 9, "cards");
        for (int c = 1; c <= 15; ++c)
            player.continentHeld[c] = in.Flag(at + 14 + c, "continent flag");
        player.losses = in.Number(at + 30, 6, 999999, "losses");
        player.stronghold = in.Number(at + 36, 3, kBoardTerritories, "stronghold");
    }
    state.deckArtillery = in.Number(kDeckAt, 2, 99, "deck");
    state.deckInfantry = in.Number(kDeckAt + 2, 2, 99, "deck");
    state.deckCavalry = in.Number(kDeckAt + 4, 2, 99, "deck");
    state.deckWild = in.Number(kDeckAt + 6, 2, 99, "deck");
    state.humanPlayerCount = in.Number(kDeckAt + 8, 2, 10, "human player count");
    state.playerCount = in.Number(kDeckAt + 10, 2, 10, "player count");
    for (int p = 1; p <= 10; ++p)
        state.turnsPlayed[p] = in.Number(kTurnsAt + 4 * (p - 1), 4, 9999, "turns");
    const char rule = in.Char(kRuleAt);
    if (!IsYes(rule) && !IsNo(rule)) in.Reject("bad battle rule");
    state.battleRule = YesNo(IsYes(rule));
    state.troopExperience = in.Flag(kRuleAt + 1, "flag");
    state.strongholds = in.Flag(kRuleAt + 2, "flag");
    state.highlight = in.Flag(kRuleAt + 3, "flag");
    state.syncTerritory = in.Number(kSyncAt, 3, 999, "sync territory");
    if (state.syncTerritory > kBoardTerritories && state.syncTerritory != 999)
        in.Reject("bad sync territory");
    state.roundCounter = in.Number(kSyncAt + 3, 4, 9999, "round counter");
    for (int i = 5; i >= 0; --i)
        state.lastCardTurnIn[i] = in.Number(kSyncAt + 7 + 2 * (5 - i), 2, 99, "card turn-in");
    state.syncArmies = in.Number(kSyncAt + 19, 4, 9999, "sync armies");
    state.syncOwner = in.Owner(kSyncAt + 23, "sync owner");
    state.syncContinent = in.Number(kSyncAt + 24, 2, 25, "sync continent");
    state.syncMarked = in.Flag(kSyncAt + 26, "flag");
    for (int p = 1; p <= kBoardNamedPlayers; ++p)
        state.names[p] = TrimRight(in.Text(kNamesAt + kNameWidth * (p - 1), kNameWidth, "name"));
    state.mapName = in.Text(kMapNameAt, kMapNameWidth, "map name");
    // Each field may be in range and the whole still name players the game does not have.
    if (state.playerCount == 0) in.Reject("no players");
    if (state.humanPlayerCount > state.playerCount) in.Reject("more humans than players");
    if (state.currentPlayer > state.playerCount) in.Reject("current player beyond the players");
    for (int t = 1; t <= kBoardTerritories; ++t)
        if (state.territories[t].owner > state.playerCount) in.Reject("owner beyond the players");
    if (!in.Error().empty()) {
        if (error) *error = in.Error();
        return std::nullopt;
    }
    return state;
}

std::string EncodeSeatList(int receiverSeat, int seatCount,
                           const std::array<std::string, 6>& names) {
    std::string out = "1001";
    const int seat = std::clamp(receiverSeat, 0, 9);
    const int count = std::clamp(seatCount, 0, 5);
    out += static_cast<char>('0' + seat);
    out += static_cast<char>('0' + count);
    for (int k = 1; k <= count; ++k)
        AppendPadded(out, names[static_cast<std::size_t>(k)], kNameWidth);
    return out;
}

std::optional<SeatList> DecodeSeatList(std::string_view payload) {
    if (payload.size() < 2) return std::nullopt;
    SeatList list;
    list.seat = payload[0] - '0';
    list.seatCount = payload[1] - '0';
    if (list.seat < 1 || list.seat > 5 || list.seatCount < 1 || list.seatCount > 5)
        return std::nullopt;
    if (payload.size() < 2 + static_cast<std::size_t>(kNameWidth) * list.seatCount)
        return std::nullopt;
    for (int k = 1; k <= list.seatCount; ++k) {
        std::string name(
            payload.substr(2 + static_cast<std::size_t>(kNameWidth) * (k - 1), kNameWidth));
        for (unsigned char c : name)
            if (c < 0x20 || c == 0x7F) return std::nullopt;
        list.names[static_cast<std::size_t>(k)] = TrimRight(std::move(name));
    }
    return list;
}
