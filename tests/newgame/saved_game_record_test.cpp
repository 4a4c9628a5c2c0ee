// The saved-game record byte by byte, its texts' bounds, and the checks a damaged record fails.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>

#include "core/model/options.h"
#include "core/model/session_state.h"
#include "setup/saved_game.h"

namespace {

using saved_game::Bytes;
using saved_game::Record;

std::int32_t I32At(const Bytes& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{bytes[at + i]} << (8 * i);
    return static_cast<std::int32_t>(value);
}

std::string TextAt(const Bytes& bytes, std::size_t at, std::size_t width) {
    return std::string(reinterpret_cast<const char*>(&bytes[at]), width);
}

// A record whose every value differs from its neighbours, so that a value at a wrong offset shows.
Record Distinct() {
    Record r;
    for (int t = 1; t <= kMaxTerritories; ++t) r.territories[t] = {t % 11, 1000 + t};
    for (int p = 1; p <= kMaxPlayers; ++p) {
        for (int k = 0; k < 45; ++k) r.players[p][k] = p * 100 + k;
        r.aiLastTargets[p] = {p + 20, p + 40};
        r.turnsPlayed[p] = p + 60;
        r.personalities[p] = p % 7;
        r.avengeTargets[p] = p + 80;
        r.unstableMarks[p] = p + 90;
        for (int k = 1; k <= kMaxContinents; ++k) r.missionOrders[p][k] = p * 1000 + k;
        r.names[p] = "Name" + std::to_string(p);
    }
    r.currentPlayer = 3;
    r.deck = {11, 12, 13, 1};
    r.cardTurnInMarker = 177;
    r.humanPlayers = 2;
    r.playerCount = 5;
    r.reservedByte = 0x5A;
    r.hasAttacked = 1;
    r.earnedCard = 'j';
    r.rule = 'n';
    r.hidden = 1;
    r.strongholds = 2;
    r.neutralArmy = 3;
    r.normalLevel = 7;
    r.randomMix = 4;
    r.gameKind = 4;
    r.campaignNumber = 3;
    r.campaignLength = 4;
    r.campaignStep = 2;
    r.campaignPlayer = 9;
    r.troopExperience = 5;
    r.playingSeconds = 1234.5;
    r.missionKind = 2;
    r.missionProgress = 6;
    r.campaignName = "N. Atlantic";
    r.path = "/home/a/maps/isles.txt";
    return r;
}

TEST(SavedGameRecord, EveryValueLiesAtItsOffset) {
    const Bytes bytes = saved_game::Pack(Distinct());
    struct Place {
        std::size_t offset;
        std::int32_t value;
    };
    const Place places[] = {
        {8, 1},                        // territory 1 owner
        {12, 1001},                    // territory 1 armies
        {8 + 8 * 199, 200 % 11},       // territory 200 owner
        {1604, 1200},                  // territory 200 armies
        {1788, 100},                   // player 1 field 0
        {1788 + 180 * 9 + 176, 1044},  // player 10 field 44
        {3596, 21},                    // player 1's last victim
        {3596 + 72 + 4, 50},           // player 10's turn of it
        {3676, 3},
        {3680, 11},
        {3684, 12},
        {3688, 13},
        {3692, 1},
        {3696, 177},
        {3700, 2},
        {3704, 5},
        {3716, 61},
        {3752, 70},  // turns played, players 1 and 10
        {3764, 7},
        {3772, 1},
        {3808, 3},  // personalities 1 and 10
        {3816, 81},
        {3852, 90},  // avenge targets
        {3860, 91},
        {3896, 100},  // Unstable marks
        {3904, 4},
        {3908, 3},
        {3912, 4},
        {3916, 2},
        {3920, 9},
        {3936, 2},
        {4048, 1001},   // player 1, continent 1
        {4144, 1025},   // player 1, continent 25
        {4152, 2001},   // player 2, continent 1: rows are 104 bytes apart
        {5080, 10025},  // player 10, continent 25
        {5084, 6},
    };
    for (const Place& place : places)
        EXPECT_EQ(I32At(bytes, place.offset), place.value) << "offset " << place.offset;
    const std::pair<std::size_t, std::uint8_t> flags[] = {{3708, 0x5A}, {3709, 1}, {3756, 'j'},
                                                          {3757, 'n'},  {3758, 1}, {3759, 2},
                                                          {3760, 3},    {3900, 4}, {3924, 5}};
    for (auto [offset, value] : flags) EXPECT_EQ(bytes[offset], value) << "offset " << offset;
    double seconds = 0;
    std::memcpy(&seconds, &bytes[3928], sizeof seconds);
    EXPECT_EQ(seconds, 1234.5);
    EXPECT_EQ(TextAt(bytes, 5108, 20), std::string("Name1") + std::string(15, '\0'));
    EXPECT_EQ(TextAt(bytes, 5108 + 180, 20), std::string("Name10") + std::string(14, '\0'));
    EXPECT_EQ(TextAt(bytes, 5308, 20), std::string("N. Atlantic") + std::string(9, '\0'));
    EXPECT_EQ(TextAt(bytes, 5328, 22), "/home/a/maps/isles.txt");
    EXPECT_EQ(bytes[5328 + 22], 0);
}

TEST(SavedGameRecord, ReservedBytesStayZeroAndFieldsNeverOverlap) {
    const Bytes bytes = saved_game::Pack(Distinct());
    std::set<std::size_t> used;
    for (const saved_game::FieldPlace& place : saved_game::FieldPlaces()) {
        const std::size_t width = place.kind == saved_game::FieldKind::U8     ? 1
                                  : place.kind == saved_game::FieldKind::I32  ? 4
                                  : place.kind == saved_game::FieldKind::F64  ? 8
                                  : place.kind == saved_game::FieldKind::Name ? 20
                                                                              : 254;
        for (std::size_t i = place.offset; i < place.offset + width; ++i) {
            ASSERT_LT(i, saved_game::kSize);
            EXPECT_TRUE(used.insert(i).second) << "byte " << i << " in two fields";
        }
    }
    for (std::size_t i = 0; i < saved_game::kSize; ++i)
        if (!used.contains(i)) {
            EXPECT_EQ(bytes[i], 0) << "reserved byte " << i;
        }
    // Slot 0 of each table, the gaps after the flags, and the 108 bytes after the mission kind.
    for (std::size_t reserved :
         {0u, 1608u, 3588u, 3710u, 3761u, 3768u, 3812u, 3940u, 4144u + 4u, 5088u, 5582u})
        EXPECT_FALSE(used.contains(reserved)) << reserved;
}

TEST(SavedGameRecord, UnpackGivesBackWhatWasPacked) {
    const Record record = Distinct();
    EXPECT_EQ(saved_game::Unpack(saved_game::Pack(record)), record);
}

TEST(SavedGameRecord, TextsAreCutToTheirFields) {
    Record record = Distinct();
    record.names[1] = std::string(19, 'a');
    record.names[2] = std::string(25, 'b');
    record.path = std::string(254, 'p');
    record.campaignName = std::string(30, 'c');
    const Bytes bytes = saved_game::Pack(record);
    EXPECT_EQ(bytes[5108 + 19], 0);
    EXPECT_EQ(bytes[5128 + 19], 0);
    // The path may fill its field; the next byte is reserved.
    EXPECT_EQ(bytes[5328 + 253], 'p');
    EXPECT_EQ(bytes[5582], 0);
    const Record back = saved_game::Unpack(bytes);
    EXPECT_EQ(back.names[1], std::string(19, 'a'));
    EXPECT_EQ(back.names[2], std::string(19, 'b'));
    EXPECT_EQ(back.path, std::string(254, 'p'));
    EXPECT_EQ(back.campaignName, std::string(19, 'c'));

    // A reader never runs past a field that holds no zero.
    Bytes full = bytes;
    std::memset(&full[5108], 'x', 20);
    EXPECT_EQ(saved_game::Unpack(full).names[1], std::string(19, 'x'));
}

// A record that passes every check: a game of four on World's first 42 territories.
Record Playable() {
    Record r;
    for (int t = 1; t <= 42; ++t) r.territories[t] = {1 + t % 4, 1 + t % 5};
    r.currentPlayer = 2;
    r.deck = {15, 16, 17, 2};
    r.humanPlayers = 1;
    r.playerCount = 4;
    r.players[1][player_field::kArtilleryCards] = 2;
    r.gameKind = game_kind::kSinglePlayer;
    r.campaignLength = 1;
    r.campaignStep = 1;
    r.missionProgress = 1;
    r.rule = 'j';
    return r;
}

TEST(SavedGameRecord, EachBrokenRangeIsRefused) {
    ASSERT_EQ(saved_game::Check(Playable()), std::nullopt);
    const std::pair<const char*, std::function<void(Record&)>> broken[] = {
        {"owner above 10", [](Record& r) { r.territories[5].owner = 11; }},
        {"negative owner", [](Record& r) { r.territories[200].owner = -1; }},
        {"negative armies", [](Record& r) { r.territories[7].armies = -3; }},
        {"absurd armies", [](Record& r) { r.territories[7].armies = 2000000000; }},
        {"no players", [](Record& r) { r.playerCount = 0; }},
        {"eleven players", [](Record& r) { r.playerCount = 11; }},
        {"more humans than players", [](Record& r) { r.humanPlayers = 5; }},
        {"no human", [](Record& r) { r.humanPlayers = 0; }},
        {"current player beyond the players", [](Record& r) { r.currentPlayer = 5; }},
        {"negative current player", [](Record& r) { r.currentPlayer = -1; }},
        {"deck above a full deck", [](Record& r) { r.deck[3] = 3; }},
        {"negative deck", [](Record& r) { r.deck[0] = -1; }},
        {"hand beyond the deck", [](Record& r) { r.players[4][player_field::kCavalryCards] = 18; }},
        {"campaign 7", [](Record& r) { r.campaignNumber = 7; }},
        {"campaign step 0",
         [](Record& r) { r.campaignNumber = 2, r.campaignLength = 3, r.campaignStep = 0; }},
        {"campaign step past its end",
         [](Record& r) { r.campaignNumber = 2, r.campaignLength = 3, r.campaignStep = 4; }},
        {"mission kind 3", [](Record& r) { r.missionKind = 3; }},
        {"mission order beyond the continents", [](Record& r) { r.missionOrders[2][1] = 26; }},
        {"mission progress 0", [](Record& r) { r.missionProgress = 0; }},
        {"personality 7", [](Record& r) { r.personalities[3] = 7; }},
        {"avenge target 11", [](Record& r) { r.avengeTargets[3] = 11; }},
        {"game kind 0", [](Record& r) { r.gameKind = 0; }},
        {"game kind 6", [](Record& r) { r.gameKind = 6; }},
        {"negative play time", [](Record& r) { r.playingSeconds = -1.0; }},
    };
    for (const auto& [what, breakIt] : broken) {
        Record record = Playable();
        breakIt(record);
        EXPECT_NE(saved_game::Check(record), std::nullopt) << what;
    }
}

TEST(SavedGameRecord, TheBuiltInMapIsKnownByItsHighestOwnedTerritory) {
    const std::pair<int, const bool*> cases[] = {
        {42, &g_isMapWorld},
        {43, &g_isMapChina},
        {44, &g_isMapEurope},
        {60, &g_isMapAustralia},
        {63, &g_isMapScandinavia},
        {64, &g_isMapNorthAmerica},
        {66, &g_isMapJapanKorea},
        {82, &g_isMapGreatBritain},
        {85, &g_isMapRealWorld},
        {106, &g_isMapSwamp},
        {110, &g_isMapWorms},
        {113, &g_isMapLinesII},
        {200, &g_isMapSwampII},
        {41, &g_isMapWorld},
        // A Three Nations A game saved under another name owns territory 113.
        {114, &g_isMapLinesII},
    };
    for (auto [highest, flag] : cases) {
        Record record;
        for (int t = 1; t <= highest; ++t)
            record.territories[static_cast<std::size_t>(t)].owner = 1;
        EXPECT_EQ(saved_game::MapFlagByTerritories(record), flag) << highest;
    }
}

}  // namespace
