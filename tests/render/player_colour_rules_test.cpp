// The player colour rules by a table: what each colour asked for a slot becomes.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/model/board_picture.h"
#include "core/model/options.h"
#include "render/player_colour_rules.h"

namespace {

using render::ColourVerdict;

render::PlayerColourTable Defaults() {
    render::PlayerColourTable table{};
    std::copy(kDefaultPlayerColours.begin(), kDefaultPlayerColours.end(), table.begin() + 1);
    return table;
}

TEST(PlayerColourRules, EachColourAskedForASlotIsTakenNudgedOrRefused) {
    struct Case {
        const char* what;
        std::size_t slot;
        raster::Colour wanted;
        ColourVerdict verdict;
        raster::Colour result;
    };
    const Case cases[] = {
        {"a free colour", 1, 0x123456, ColourVerdict::kTaken, 0x123456},
        {"another player's colour", 1, 0x3232A3, ColourVerdict::kRefused, 0x3232A3},
        {"a shade off another player's", 1, 0x3434A0, ColourVerdict::kRefused, 0x3434A0},
        {"eight steps off is apart", 1, 0x3A3AAB, ColourVerdict::kTaken, 0x3A3AAB},
        {"its own attack colour", 1, 0xFFFF80, ColourVerdict::kRefused, 0xFFFF80},
        {"another player's attack colour", 12, 0xC0C0FF, ColourVerdict::kRefused, 0xC0C0FF},
        {"attack colours may repeat", 6, 0xC0C0FF, ColourVerdict::kTaken, 0xC0C0FF},
        {"an attack colour like a player's", 6, 0x3232A3, ColourVerdict::kRefused, 0x3232A3},
        {"an attack colour like its own", 20, 0x687C5A, ColourVerdict::kRefused, 0x687C5A},
        {"border grey", 11, 0x808080, ColourVerdict::kNudged, 0x808084},
        {"a grey the hit test takes for a border", 11, 0x7F8081, ColourVerdict::kNudged, 0x7F8084},
        {"see-through black", 1, 0x000000, ColourVerdict::kNudged, 0x000001},
        {"an untouched territory's white", 1, 0xFFFFFF, ColourVerdict::kNudged, 0xFFFFFE},
        {"the test marker", 1, 0xFEFFFD, ColourVerdict::kNudged, 0xFEFFFE},
        {"the no-owner colour", 3, 0x606070, ColourVerdict::kNudged, 0x606071},
        {"pure blue", 4, 0xFF0000, ColourVerdict::kNudged, 0xFF0001},
        {"a top byte is dropped", 1, 0xFF123456, ColourVerdict::kTaken, 0x123456},
        {"no such slot", 21, 0x123456, ColourVerdict::kRefused, 0x123456},
        {"slot 0", 0, 0x123456, ColourVerdict::kRefused, 0x123456},
    };
    const render::PlayerColourTable table = Defaults();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const render::ColourCheck check = render::CheckPlayerColour(table, c.slot, c.wanted);
        EXPECT_EQ(check.verdict, c.verdict);
        if (c.verdict != ColourVerdict::kRefused) {
            EXPECT_EQ(check.colour, c.result);
        }
        EXPECT_EQ(check.reason.empty(), c.verdict == ColourVerdict::kTaken);
    }
}

TEST(PlayerColourRules, TheDefaultsKeepTheRules) {
    const render::PlayerColourTable table = Defaults();
    for (std::size_t slot = 1; slot <= kPlayerColourSlots; ++slot) {
        const render::ColourCheck check = render::CheckPlayerColour(table, slot, table[slot]);
        EXPECT_EQ(check.verdict, ColourVerdict::kTaken) << slot << ": " << check.reason;
    }
}

// Whatever grey is asked for, what goes in is no border to the hit test and stands apart.
TEST(PlayerColourRules, NoGreyEndsUpABorder) {
    const render::PlayerColourTable table = Defaults();
    for (int g = 0; g <= 255; ++g) {
        const raster::Colour grey = raster::Rgb(g, g, g);
        const render::ColourCheck check = render::CheckPlayerColour(table, 1, grey);
        ASSERT_NE(check.verdict, ColourVerdict::kRefused) << g;
        EXPECT_FALSE(IsBorderPixel(check.colour)) << g;
        EXPECT_NE(check.colour, 0u) << g;
        render::PlayerColourTable changed = table;
        changed[1] = check.colour;
        EXPECT_EQ(render::CheckPlayerColour(changed, 1, check.colour).verdict,
                  ColourVerdict::kTaken)
            << g;
    }
}

// A table from a damaged file: black everywhere, a border grey, two players alike. Every slot
// ends within the rules; slots that kept them keep their colours.
TEST(PlayerColourRules, ATableFromADamagedFileIsMended) {
    render::PlayerColourTable table{};
    table[1] = 0x123456;
    table[2] = 0x808080;
    table[3] = 0x123457;
    EXPECT_TRUE(render::MendPlayerColours(table));
    EXPECT_EQ(table[1], 0x123456u);
    for (std::size_t slot = 1; slot <= kPlayerColourSlots; ++slot) {
        EXPECT_EQ(render::CheckPlayerColour(table, slot, table[slot]).verdict,
                  ColourVerdict::kTaken)
            << slot;
    }
    EXPECT_EQ(table[2], kDefaultPlayerColours[1]);
    EXPECT_EQ(table[3], kDefaultPlayerColours[2]);
    EXPECT_FALSE(render::MendPlayerColours(table));
    render::PlayerColourTable defaults = Defaults();
    EXPECT_FALSE(render::MendPlayerColours(defaults));
    EXPECT_EQ(defaults, Defaults());
}

// A table where one pass frees a slot for the next: mending settles, so that a settings file
// saved from a mended table loads to the same colours.
TEST(PlayerColourRules, AMendedTableStaysAsItIs) {
    const std::array<raster::Colour, kPlayerColourSlots> read{
        0x010101, 0x010101, 0x010101, 0x010101, 0x010101, 0x010101, 0x010101,
        0x010101, 0x010101, 0x6A6A01, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A,
        0x6A6A6A, 0x2A6A6A, 0x2A2A2A, 0x2A2A2A, 0x2A2A2A, 0x2A2A2A};
    render::PlayerColourTable table{};
    std::copy(read.begin(), read.end(), table.begin() + 1);
    EXPECT_TRUE(render::MendPlayerColours(table));
    const render::PlayerColourTable mended = table;
    EXPECT_FALSE(render::MendPlayerColours(table));
    EXPECT_EQ(table, mended);
    for (std::size_t slot = 1; slot <= kPlayerColourSlots; ++slot) {
        EXPECT_EQ(render::CheckPlayerColour(table, slot, table[slot]).verdict,
                  ColourVerdict::kTaken)
            << slot;
    }
}

}  // namespace
