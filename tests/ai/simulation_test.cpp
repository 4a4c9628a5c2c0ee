// Whole computer-only games through the clock: the invariants after every turn on every built-in
// map, games on World with six players that end, and a seeded game's trace.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "maps/map_texts.h"
#include "maps/place_texts.h"
#include "sim/simulation.h"

namespace {

using namespace ai_sim;

constexpr int kDeckCards = 53;
// Three evenly matched survivors can hold out for a long while; every sampled game ends well
// within this.
constexpr int kTurnCap = 5000;
// The trace of the seeded game below, recorded again when an attacking turn stopped taking the
// territory quota.
constexpr std::uint64_t kSeededTrace = 0xa49cc2984c27b5c1ull;
constexpr int kSeededTurns = 200;

int CardsInPlay() {
    int cards = g_deckArtilleryCards + g_deckInfantryCards + g_deckCavalryCards + g_deckWildCards;
    for (int p = 1; p <= kMaxPlayers; ++p) cards += ai::CardsOf(p);
    return cards;
}

// Every territory owned by a player of the game and holding an army, the players' territory
// counts true, the cards all in hands or the deck, no turn left a player acting for another.
void ExpectInvariants(std::int32_t player, int turn) {
    std::array<std::int32_t, kMaxPlayers + 1> owned{};
    for (int t = 1; t <= ai::Territories(); ++t) {
        const TerritoryState& s = g_territories[static_cast<std::size_t>(t)];
        ASSERT_GE(s.owner, 1) << "territory " << t << " turn " << turn;
        ASSERT_LE(s.owner, g_playerCount) << "territory " << t << " turn " << turn;
        ASSERT_GE(s.armies, 1) << "territory " << t << " turn " << turn;
        ++owned[static_cast<std::size_t>(s.owner)];
    }
    for (int p = 1; p <= g_playerCount; ++p) {
        ASSERT_EQ(g_players[p][player_field::kTerritories], owned[p]) << "player " << p;
        for (int f = player_field::kArtilleryCards; f <= player_field::kWildCards; ++f)
            ASSERT_GE(g_players[p][f], 0);
    }
    ASSERT_EQ(CardsInPlay(), kDeckCards) << "turn " << turn;
    ASSERT_TRUE(g_currentPlayer >= 1 && g_currentPlayer <= g_playerCount);
    ASSERT_GE(player, 1);
}

TEST(ComputerGames, WorldGamesWithSixPlayersEndBeforeTheTurnCap) {
    Simulation sim;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        GameSetup setup;
        setup.seed = seed;
        setup.turnCap = kTurnCap;
        ASSERT_TRUE(sim.Start(setup)) << seed;
        int turn = 0;
        sim.afterTurn = [&](std::int32_t player) { ExpectInvariants(player, ++turn); };
        const GameResult result = sim.Run();
        EXPECT_TRUE(result.ended) << "seed " << seed << " after " << result.turns << " turns";
        EXPECT_NE(result.winner, 0) << "seed " << seed;
    }
}

TEST(ComputerGames, EveryBuiltinMapKeepsTheInvariantsAfterEveryTurn) {
    Simulation sim;
    int played = 0;
    for (const BuiltinMap& map : BuiltinMaps()) {
        GameSetup setup;
        setup.map = map.flag;
        setup.players = 4;
        setup.seed = 3;
        setup.turnCap = 240;
        setup.oneForOne = played % 2 == 0;
        if (!sim.Start(setup)) continue;
        ++played;
        int turn = 0;
        sim.afterTurn = [&](std::int32_t player) {
            ExpectInvariants(player, ++turn);
            ASSERT_FALSE(::testing::Test::HasFatalFailure()) << map.name;
        };
        const GameResult result = sim.Run();
        EXPECT_GE(result.turns, 1) << map.name;
    }
    EXPECT_GE(played, 1);
}

// The imagined map texts and ParisByNight, shipped as map files: a seeded game of computers keeps
// the invariants after every turn on each (whole games to the end take a minute for them all;
// the bench's business, not the tests').
TEST(ComputerGames, EveryImaginedMapTextKeepsTheInvariantsAfterEveryTurn) {
    const char* const kTexts[] = {"MiddleEarth", "AloneInACrowd", "Atlantis2",    "Atlantis",
                                  "Doom",        "DragonWarrior", "e2",           "Hex_gone_crazy",
                                  "Lines",       "Neighbourhood", "OK83",         "Rings",
                                  "coconutz",    "JustNeedTwo",   "ParisByNight", "107"};
    Simulation sim;
    for (const char* name : kTexts) {
        GameSetup setup;
        setup.mapText = name;
        setup.players = 5;
        setup.seed = 11;
        setup.turnCap = 240;
        ASSERT_TRUE(sim.Start(setup)) << name;
        ASSERT_EQ(ai::Territories(), g_territoryCount) << name;
        int turn = 0;
        sim.afterTurn = [&](std::int32_t player) {
            ExpectInvariants(player, ++turn);
            ASSERT_FALSE(::testing::Test::HasFatalFailure()) << name;
        };
        const GameResult result = sim.Run();
        EXPECT_GE(result.turns, 1) << name;
        // A game that has ended has one owner of the whole board.
        if (result.ended) {
            EXPECT_NE(result.winner, 0) << name;
        }
    }
}

// The map texts drawn from real places: a seeded game of computers on each of them that has its
// lines keeps the invariants after every turn and ends with one owner of the whole board.
TEST(ComputerGames, EveryPlaceMapTextIsPlayedToTheEndKeepingTheInvariants) {
    Simulation sim;
    int played = 0;
    for (const BuiltinMapText& text : BuiltinMapTexts()) {
        if (PlaceTextContent(text.name) == nullptr) continue;
        const std::string name(text.name);
        GameSetup setup;
        setup.mapText = name;
        setup.players = 5;
        setup.seed = 11;
        setup.turnCap = kTurnCap;
        ASSERT_TRUE(sim.Start(setup)) << name;
        ASSERT_EQ(ai::Territories(), text.territories) << name;
        int turn = 0;
        sim.afterTurn = [&](std::int32_t player) {
            ExpectInvariants(player, ++turn);
            ASSERT_FALSE(::testing::Test::HasFatalFailure()) << name;
        };
        const GameResult result = sim.Run();
        EXPECT_TRUE(result.ended) << name;
        EXPECT_NE(result.winner, 0) << name;
        ++played;
    }
    EXPECT_GE(played, 1);
}

TEST(ComputerGames, StrongholdsAndTroopExperienceGamesKeepTheInvariants) {
    Simulation sim;
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        GameSetup setup;
        setup.seed = seed;
        setup.players = 5;
        setup.strongholds = true;
        setup.troopExperience = seed % 2 == 0;
        setup.oneForOne = false;
        setup.turnCap = 600;
        ASSERT_TRUE(sim.Start(setup));
        int turn = 0;
        sim.afterTurn = [&](std::int32_t player) { ExpectInvariants(player, ++turn); };
        sim.Run();
        for (int p = 1; p <= setup.players; ++p) {
            if (ai::TerritoriesOf(p) == 0 || g_isGameOver) continue;
            EXPECT_EQ(ai::Owner(ai::Stronghold(p)), p) << "a living player keeps its stronghold";
        }
    }
}

// A fingerprint of the board after every turn of one seeded game: any drift in the rules or the
// computer player's choices changes it.
TEST(ComputerGames, SeededWorldGameReplaysItsTrace) {
    Simulation sim;
    GameSetup setup;
    setup.seed = 7;
    setup.players = 4;
    setup.personalities = {0, 0, 1, 2, 4};
    setup.turnCap = 200;
    std::uint64_t trace = 1469598103934665603ull;
    auto mix = [&](std::uint64_t v) { trace = (trace ^ v) * 1099511628211ull; };
    ASSERT_TRUE(sim.Start(setup));
    sim.afterTurn = [&](std::int32_t player) {
        mix(static_cast<std::uint64_t>(player));
        for (int t = 1; t <= ai::Territories(); ++t) {
            mix(static_cast<std::uint64_t>(ai::Owner(t)));
            mix(static_cast<std::uint64_t>(ai::Armies(t)));
        }
    };
    const GameResult result = sim.Run();
    EXPECT_EQ(trace, kSeededTrace) << std::hex << trace << std::dec << " after " << result.turns;
    EXPECT_EQ(result.turns, kSeededTurns);
}

}  // namespace
