// The high-score code: every result round-trips through the code, and foreign text is refused.
#include <gtest/gtest.h>

#include <string>

#include "core/input/high_score_code.h"
#include "core/model/campaign_state.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"

namespace {

using high_score::Decode;
using high_score::Encode;
using high_score::Result;

TEST(HighScoreCode, EveryMapLossesAndSaltRoundTrips) {
    for (int map = 0; map <= 99; map += 7) {
        for (int losses : {0, 1, 9, 10, 123, 4567, 99999}) {
            for (int salt = 0; salt < 10; ++salt) {
                const std::string code = Encode({map, losses}, salt);
                ASSERT_EQ(code.size(), 11u) << code;
                EXPECT_EQ(Decode(code), (Result{map, losses})) << code;
            }
        }
    }
}

TEST(HighScoreCode, TheSaltHidesEqualResultsAndLossesAreCapped) {
    EXPECT_NE(Encode({5, 100}, 1), Encode({5, 100}, 2));
    EXPECT_EQ(Decode(Encode({5, 1'000'000}, 3)), (Result{5, high_score::kMaxLosses}));
    EXPECT_EQ(Decode(Encode({5, -4}, -13)), (Result{5, 0}));
}

TEST(HighScoreCode, TypedFormsAreForgivenForeignTextIsRefused) {
    const std::string code = Encode({12, 345}, 4);
    std::string lower = code;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string bare;
    for (char c : code)
        if (c != '-') bare.push_back(c);
    EXPECT_EQ(Decode(lower), (Result{12, 345}));
    EXPECT_EQ(Decode(bare), (Result{12, 345}));
    EXPECT_EQ(Decode(" " + code + " "), (Result{12, 345}));

    std::string tampered = code;
    tampered[4] = tampered[4] == 'B' ? 'C' : 'B';  // another letter of the same alphabet
    const std::string refused[] = {"",
                                   "---",
                                   code.substr(0, 10),
                                   code + "Q",
                                   tampered,
                                   std::string(code).replace(0, 1, "1"),
                                   std::string(code).replace(0, 1, "B"),  // wrong alphabet
                                   std::string(code).replace(0, 1, std::string(1, '\0')),
                                   std::string(code).replace(0, 1, "\xe9"),
                                   std::string(5000, 'Q')};
    for (const std::string& text : refused) EXPECT_EQ(Decode(text), std::nullopt) << text;
}

TEST(HighScoreCode, TheNameDialogShowsTheDecodedDigitsAndTheMap) {
    const BuiltinMap* europe = BuiltinMapByFlag(&g_isMapEurope);
    ASSERT_NE(europe, nullptr);
    int number = 0;
    for (std::size_t i = 0; i < BuiltinMaps().size(); ++i)
        if (&BuiltinMaps()[i] == europe) number = static_cast<int>(i) + 1;
    const std::string code = Encode({number, 42}, 9);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%02d-00042", number);
    EXPECT_EQ(high_score::DescribeCode(code), std::string(digits) + "  Europe");
    EXPECT_EQ(high_score::DescribeCode("nonsense"), high_score::kInvalidCodeText);
    EXPECT_EQ(high_score::DescribeCode(code + std::string(20, '-')), high_score::kInvalidCodeText);
}

TEST(HighScoreCode, TheGameBeingPlayedNamesItsMapOrCampaign) {
    struct Case {
        bool* flag;
        int campaign;
        int players;
        std::string title;
    };
    const Case cases[] = {
        {&g_isMapWorld, 0, 5, "World Freeware"}, {&g_isMapWorld, 0, 10, "World"},
        {&g_isMapSwampII, 0, 10, "Swamp II"},    {&g_isMapWorld, 2, 10, "West Pacific"},
        {&g_isMapCustom, 0, 10, "Map file"},     {&g_isMapCustom, 6, 10, "Campaign file"},
    };
    for (const Case& c : cases) {
        ClearMapFlags();
        *c.flag = true;
        g_campaignNumber = c.campaign;
        g_playerCount = c.players;
        const int number = high_score::CurrentMapNumber();
        EXPECT_EQ(high_score::MapTitle(number), c.title);
        EXPECT_EQ(Decode(Encode({number, 7}, 1)), (Result{number, 7}));
    }
}

}  // namespace
