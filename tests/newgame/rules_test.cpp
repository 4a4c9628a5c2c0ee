// The set-up's pure rules by tables: the dialogs' enabling, presets, names, notices, first player.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "platform/random.h"
#include "setup/new_game_rules.h"
#include "setup/setup_dialogs_rules.h"

namespace {

using setup_rules::Players234Enabled;
using setup_rules::Players810Enabled;

TEST(Players234Rule, StrongholdsLimitPlayersToContinentsAndDemoLosesTheSmallestChoices) {
    struct Case {
        bool demo;
        bool strongholds;
        int continents;
        std::array<bool, 9> enabled;  // "2 " .. "9 ", "1  *"
    };
    const Case cases[] = {
        {false, false, 6, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {false, true, 4, {1, 1, 0, 0, 0, 0, 0, 0, 1}},
        {false, true, 10, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {false, true, 9, {1, 1, 1, 1, 1, 1, 1, 0, 1}},
        {false, true, 0, {1, 1, 1, 1, 1, 1, 1, 1, 1}},  // no continents: no limit
        {true, false, 6, {0, 1, 1, 1, 1, 1, 1, 1, 0}},
        {true, true, 3, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Players234Enabled(c.demo, c.strongholds, c.continents), c.enabled)
            << c.demo << c.strongholds << c.continents;
}

TEST(Players810Rule, RoomAndTheSmallCountsOutsideHotseat) {
    struct Case {
        bool hotseat;
        bool strongholds;
        int continents;
        int seated;
        std::array<bool, 10> enabled;  // 0 .. 9
    };
    const Case cases[] = {
        // A network host with three seats taken: up to 7.
        {false, false, 6, 3, {1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {false, false, 6, 2, {0, 1, 1, 1, 1, 1, 1, 1, 1, 0}},
        {false, false, 6, 1, {0, 0, 1, 1, 1, 1, 1, 1, 1, 1}},
        {true, false, 6, 2, {1, 1, 1, 1, 1, 1, 1, 1, 1, 0}},
        {true, true, 5, 3, {1, 1, 1, 0, 0, 0, 0, 0, 0, 0}},
        {true, false, 0, 10, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Players810Enabled(c.hotseat, c.strongholds, c.continents, c.seated), c.enabled)
            << c.hotseat << c.strongholds << c.continents << c.seated;
}

TEST(OptionsRule, MissionsNeedASinglePlayerWithoutStrongholds) {
    EXPECT_TRUE(setup_rules::MissionChoicesEnabled(false, false));
    EXPECT_FALSE(setup_rules::MissionChoicesEnabled(true, false));
    EXPECT_FALSE(setup_rules::MissionChoicesEnabled(false, true));
    for (int kind : {1, 4, 5}) EXPECT_TRUE(setup_rules::HiddenAndLevelEnabled(kind));
    for (int kind : {2, 3}) EXPECT_FALSE(setup_rules::HiddenAndLevelEnabled(kind));
}

TEST(PersonalityRows, LiveForExistingComputerPlayersOnly) {
    // Two humans and three computer players.
    const std::array<bool, 11> expected{0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0};
    for (int k = 0; k <= 10; ++k)
        EXPECT_EQ(setup_rules::PersonalityRowLive(k, 5, 2), expected[k]) << k;
}

TEST(ComputerPlayersPreset, ByMapStrongholdsAndSuggestedCount) {
    struct Case {
        const bool* flag;  // nullptr: a map file
        int suggested;
        bool strongholds;
        int continents;
        int preset;
    };
    const Case cases[] = {
        {&g_isMapWorld, 0, false, 6, 1},
        {&g_isMapEurope, 0, false, 6, 1},
        {&g_isMapAustralia, 0, false, 6, 3},
        {&g_isMapGreatBritain, 0, false, 6, 5},
        {&g_isMapRealWorld, 0, false, 6, 5},
        {&g_isMapSwampII, 0, false, 6, 7},
        {&g_isMapThreeNationsA, 0, false, 6, 7},
        {&g_isMapGreatBritain, 0, true, 6, 3},
        {&g_isMapWorld, 0, true, 3, 1},
        {&g_isMapSwamp, 0, true, 20, 7},
        {nullptr, 3, false, 6, 1},
        {nullptr, 6, false, 6, 3},
        {nullptr, 20, false, 6, 7},
    };
    for (const Case& c : cases) {
        const BuiltinMap* map = c.flag ? BuiltinMapByFlag(c.flag) : nullptr;
        ASSERT_TRUE(c.flag == nullptr || map != nullptr);
        EXPECT_EQ(new_game::ComputerPlayersPreset(map, c.suggested, c.strongholds, c.continents),
                  c.preset)
            << (map ? map->name : "file") << " " << c.strongholds << " " << c.continents;
    }
}

TEST(AcceptName, CutCleanedAndNeverAComputerName) {
    struct Case {
        std::string typed;
        std::optional<std::string> taken;
    };
    const Case cases[] = {
        {"Alice", "Alice"},
        {"pc", "apc"},
        {"pcWhoever", "apc"},
        {"PCuppercase", "PCuppercase"},
        {"A", "A"},
        {"", std::nullopt},
        {" Alice", std::nullopt},
        {"9lives", std::nullopt},
        {"../../etc", std::nullopt},
        {"Ab/c\td\x7f", "Abcd"},
        {"Abcdefghijklmnopqrstuvwxyz", "Abcdefghijklmnopqr"},
        {"\xe9lodie", "\xe9lodie"},  // Latin-1 letters sort after "A"
    };
    for (const Case& c : cases) EXPECT_EQ(new_game::AcceptName(c.typed), c.taken) << c.typed;
}

TEST(FileNameWord, CutCleanedAndTrimmed) {
    EXPECT_EQ(new_game::FileNameWord("My Map        ", 19), "My Map");
    EXPECT_EQ(new_game::FileNameWord("../x/y\n", 19), "..xy");
    EXPECT_EQ(new_game::FileNameWord("abcdefghijklmnopqrstuvwxyz", 19), "abcdefghijklmnopqrs");
}

TEST(ReinforcementNotice, ByTerritoryCount) {
    EXPECT_EQ(new_game::ReinforcementNotice(89), std::nullopt);
    EXPECT_EQ(new_game::ReinforcementNotice(42), std::nullopt);
    struct Case {
        int territories;
        const char* tail;
    };
    for (const Case& c : {Case{90, "90 territories:   territories you own / 4"},
                          Case{119, "90 territories:   territories you own / 4"},
                          Case{120, "120 territories:   territories you own / 5"},
                          Case{150, "150 territories:   territories you own / 6"},
                          Case{200, "180 territories:   territories you own / 7"}}) {
        const auto text = new_game::ReinforcementNotice(c.territories);
        ASSERT_TRUE(text.has_value()) << c.territories;
        EXPECT_EQ(*text, std::string("New armies: Territories you own / 3  \n\nMaps with more "
                                     "than ") +
                             c.tail);
    }
}

TEST(FirstPlayer, NeverNobodyAndNeverTheNeutralArmy) {
    platform::Random random(7);
    std::array<int, 11> seen{};
    for (int i = 0; i < 2000; ++i) {
        const int first = new_game::DrawFirstPlayer(random, 3, true);
        ASSERT_GE(first, 1);
        ASSERT_LE(first, 2);
        ++seen[static_cast<std::size_t>(first)];
        const int any = new_game::DrawFirstPlayer(random, 6, false);
        ASSERT_GE(any, 1);
        ASSERT_LE(any, 6);
    }
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
}

TEST(TimeStamp, EnglishMonthDayYearHourMinute) {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(new_game::TimeStamp(1236274920), "Mar0520091742");  // 2009-03-05 17:42 UTC
}

}  // namespace
