// The board-state text: its columns, its round trip and its refusal of damaged texts.
#include "net/board_state.h"

#include <gtest/gtest.h>

namespace {

BoardState SampleState() {
    BoardState s;
    s.currentPlayer = 3;
    for (int t = 1; t <= kBoardTerritories; ++t) {
        s.territories[t].armies = (t * 37) % 1000;
        s.territories[t].owner = t % 7;  // unowned and the six players
    }
    for (int p = 1; p <= 10; ++p) {
        BoardState::Player& pl = s.players[p];
        pl.territories = p * 3;
        pl.armies = p * 1234;
        pl.continentBonus = p;
        pl.artilleryCards = p % 10;
        pl.infantryCards = (p + 1) % 10;
        pl.cavalryCards = (p + 2) % 10;
        pl.wildCards = p % 3;
        for (int c = 1; c <= 15; ++c) pl.continentHeld[c] = (c + p) % 2;
        pl.losses = p * 99999;
        pl.stronghold = p * 11;
    }
    s.deckArtillery = 17;
    s.deckInfantry = 16;
    s.deckCavalry = 5;
    s.deckWild = 2;
    s.humanPlayerCount = 2;
    s.playerCount = 6;
    for (int p = 1; p <= 10; ++p) s.turnsPlayed[p] = p * 100 + 7;
    s.battleRule = 'j';
    s.troopExperience = true;
    s.strongholds = false;
    s.highlight = true;
    s.syncTerritory = 42;
    s.roundCounter = 1234;
    s.lastCardTurnIn = {4, 6, 8, 10, 12, 15};
    s.syncArmies = 321;
    s.syncOwner = 10;
    s.syncContinent = 7;
    s.syncMarked = true;
    s.names = {"", "Anna", "pc II", "Bob the Builder", "D", "Eve"};
    s.mapName = "World         ";
    return s;
}

TEST(BoardState, TextHasItsColumns) {
    BoardState s = SampleState();
    s.playerCount = 10;
    s.territories[1] = {0, 0};
    s.territories[2] = {10, 31};
    s.territories[3] = {4, 32};
    s.territories[4] = {9, 999};
    s.territories[5] = {1, 1500};
    const std::string text = EncodeBoardState(s);
    ASSERT_EQ(text.size(), 940u);
    EXPECT_EQ(text.substr(0, 2), " 3");
    EXPECT_EQ(text.substr(2, 15),
              "000"
              "0VA"
              "104"
              "V79"
              "V71");
    // Player 2's block.
    EXPECT_EQ(text.substr(353 + 39, 39),
              "  6 2468  2"
              "2342"
              "101010101010101"
              "199998"
              " 22");
    EXPECT_EQ(text.substr(743, 12), "1716 5 2 210");
    EXPECT_EQ(text.substr(755, 8), " 107 207");
    EXPECT_EQ(text.substr(795, 4), "j101");
    EXPECT_EQ(text.substr(799, 3), " 42");
    EXPECT_EQ(text.substr(802, 4), "1234");
    EXPECT_EQ(text.substr(806, 12), "151210 8 6 4");
    EXPECT_EQ(text.substr(818, 8), " 321A 71");
    EXPECT_EQ(text.substr(826, 20), "Anna                ");
    EXPECT_EQ(text.substr(926, 14), "World         ");
}

TEST(BoardState, RoundTripsEveryField) {
    const BoardState s = SampleState();
    std::string error;
    const auto back = DecodeBoardState(EncodeBoardState(s), &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, s);
}

TEST(BoardState, OverlongNumbersAndNamesAreClampedIntoTheirFields) {
    BoardState s = SampleState();
    s.players[1].artilleryCards = 12;
    s.deckArtillery = 150;
    s.roundCounter = 12345;
    s.territories[7].armies = 5000;
    s.names[1] = "A name of more than twenty letters";
    s.mapName = "A very long map name";
    const std::string text = EncodeBoardState(s);
    ASSERT_EQ(text.size(), 940u);
    const auto back = DecodeBoardState(text, nullptr);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->players[1].artilleryCards, 9);
    EXPECT_EQ(back->deckArtillery, 99);
    EXPECT_EQ(back->roundCounter, 9999);
    EXPECT_EQ(back->territories[7].armies, 999);
    EXPECT_EQ(back->names[1], "A name of more than");
    EXPECT_EQ(back->mapName, "A very long ma");
}

TEST(BoardState, DamagedTextsAreRefusedWhole) {
    const std::string good = EncodeBoardState(SampleState());
    struct Case {
        const char* what;
        std::size_t at;
        char c;
    };
    const Case cases[] = {
        {"armies digit outside the set", 2, 'W'},
        {"armies above 999", 2, 'V'},  // with the next digit set below
        {"owner not a digit or A", 4, 'B'},
        {"current player not a number", 1, 'x'},
        {"card count not a digit", 353 + 11, '-'},
        {"continent flag not 0 or 1", 353 + 15, '2'},
        {"battle rule", 795, 'x'},
        {"flag", 796, ' '},
        {"control character in a name", 830, '\n'},
        {"control character in the map name", 930, '\x01'},
    };
    for (const Case& c : cases) {
        std::string text = good;
        text[c.at] = c.c;
        if (c.at == 2 && c.c == 'V') text[3] = 'V';
        std::string error;
        EXPECT_FALSE(DecodeBoardState(text, &error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
    std::string blanks = good;
    blanks.replace(0, 2, "  ");
    EXPECT_FALSE(DecodeBoardState(blanks, nullptr));
    EXPECT_FALSE(DecodeBoardState(good.substr(0, 939), nullptr));
    EXPECT_FALSE(DecodeBoardState(good + " ", nullptr));
    EXPECT_FALSE(DecodeBoardState("", nullptr));
}

// Fields that are each in range but name players the game does not have.
TEST(BoardState, FieldsThatDisagreeAreRefusedWhole) {
    struct Case {
        const char* what;
        void (*change)(BoardState&);
    };
    const Case cases[] = {
        {"no players", [](BoardState& s) { s.playerCount = s.humanPlayerCount = 0; }},
        {"more humans than players", [](BoardState& s) { s.humanPlayerCount = 7; }},
        {"current player beyond the players", [](BoardState& s) { s.currentPlayer = 7; }},
    };
    for (const Case& c : cases) {
        BoardState s = SampleState();
        c.change(s);
        std::string error;
        EXPECT_FALSE(DecodeBoardState(EncodeBoardState(s), &error)) << c.what;
        EXPECT_EQ(error, c.what);
    }
    std::string owner = EncodeBoardState(SampleState());
    owner[2 + 3 * 116 + 2] = '7';  // territory 117's owner, past the six players
    std::string error;
    EXPECT_FALSE(DecodeBoardState(owner, &error));
    EXPECT_EQ(error, "owner beyond the players");

    BoardState stale = SampleState();
    stale.territories[117].owner = 9;
    const std::optional<BoardState> sent = DecodeBoardState(EncodeBoardState(stale), nullptr);
    ASSERT_TRUE(sent) << "a slot no player can hold is written unowned";
    EXPECT_EQ(sent->territories[117].owner, 0);

    BoardState edge = SampleState();
    edge.currentPlayer = edge.humanPlayerCount = 6;
    edge.territories[117].owner = 6;
    EXPECT_TRUE(DecodeBoardState(EncodeBoardState(edge), nullptr)) << "the last player is one";
}

TEST(SeatList, CarriesSeatCountAndPaddedNames) {
    const std::array<std::string, 6> names = {"", "Host", "Joiner", "Third", "", ""};
    const std::string text = EncodeSeatList(3, 3, names);
    EXPECT_EQ(text, "100133Host                Joiner              Third               ");
    const auto back = DecodeSeatList(std::string_view(text).substr(4));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->seat, 3);
    EXPECT_EQ(back->seatCount, 3);
    EXPECT_EQ(back->names[2], "Joiner");
    for (const char* bad : {"", "3", "03", "36", "33Host", "2\x31Ho\nt                "})
        EXPECT_FALSE(DecodeSeatList(bad)) << bad;
}

}  // namespace
