// Card sets: the options of every hand, their texts read back, and the rows the window offers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cards/card_windows.h"
#include "core/cards/cards.h"
#include "core/child_view.h"
#include "core/model/session_state.h"
#include "platform/headless/test_platform.h"

namespace {

struct HandCase {
    std::int32_t artillery, infantry, cavalry, wild;
    std::vector<std::string> texts;
};

std::vector<std::string> OptionTexts(const HandCase& h) {
    headless::TestPlatform platform;
    CChildView view(platform.platform);
    g_cardTurnInMarker = 0;
    g_cardSetOption6 = "stale";
    view.BuildCardSetOptions(h.artillery, h.infantry, h.cavalry, h.wild,
                             h.artillery + h.infantry + h.cavalry + h.wild);
    EXPECT_EQ(g_cardTurnInMarker, 177);
    std::vector<std::string> texts;
    bool ended = false;
    for (const std::string* text : CardSetOptionTexts()) {
        if (!IsCardSetOptionPresent(*text)) ended = true;
        // Nothing follows the first missing option.
        if (ended) {
            EXPECT_EQ(*text, "");
        } else {
            texts.push_back(*text);
        }
    }
    return texts;
}

TEST(CardOptions, TheTellingHandsGiveTheirOptionsInOrder) {
    const std::vector<HandCase> cases = {
        {1, 0, 0, 1, {"1a + 1w = 5 armies"}},
        {0, 0, 0, 2, {"2w = 5 armies"}},
        {0, 0, 1, 2, {"1c + 2w = 10 armies", "1c + 1w = 5 armies"}},
        {1, 0, 1, 2, {"1a + 2w = 10 armies", "1a + 1w = 5 armies"}},
        {1, 1, 1, 2, {"1c + 2w = 10 armies", "1c + 1w = 5 armies"}},
        {1, 1, 1, 1, {"1a + 1w = 5 armies"}},
        {0, 2, 1, 0, {"2i = 5 armies"}},
        {4, 0, 0, 0, {"4a = 15 armies", "3a = 10 armies", "2a = 5 armies"}},
        {5, 0, 0, 0, {"5a = 20 armies", "4a = 15 armies", "3a = 10 armies", "2a = 5 armies"}},
        {2, 0, 2, 0, {"2a + 2c = 10 armies", "2a = 5 armies", "2c = 5 armies"}},
        {0, 3, 2, 0, {"3i + 2c = 15 armies", "3i = 10 armies", "2c = 5 armies"}},
        {0, 0, 2, 1, {"2c + 1w = 10 armies", "2c = 5 armies", "1c + 1w = 5 armies"}},
        {2,
         0,
         0,
         2,
         {"2a + 2w = 15 armies", "2a = 5 armies", "2a + 1w = 10 armies", "1a + 1w = 5 armies"}},
        {1,
         0,
         3,
         1,
         {"3c + 1w = 15 armies", "3c = 10 armies", "2c + 1w = 10 armies", "2c = 5 armies",
          "1c + 1w = 5 armies", "1a + 1w = 5 armies"}},
        {0,
         4,
         0,
         1,
         {"4i + 1w = 20 armies", "4i = 15 armies", "3i = 10 armies", "2i = 5 armies",
          "3i + 1w = 15 armies", "2i + 1w = 10 armies"}},
        {2,
         2,
         0,
         1,
         {"2a + 2i + 1w = 15 armies", "2a + 2i = 10 armies", "2a = 5 armies", "2i = 5 armies",
          "2a + 1w = 10 armies", "2i + 1w = 10 armies"}},
        {0,
         0,
         3,
         2,
         {"3c + 2w = 20 armies", "3c = 10 armies", "2c + 1w = 10 armies", "1c + 1w = 5 armies"}},
        {1, 1, 1, 0, {}},
        // A wild card alone is no set: it would bring 5 armies for a single card.
        {0, 0, 0, 1, {}},
        {0, 0, 0, 0, {}},
        {0, 1, 0, 0, {}},
    };
    for (const HandCase& h : cases) {
        SCOPED_TRACE(testing::Message() << h.artillery << "a " << h.infantry << "i " << h.cavalry
                                        << "c " << h.wild << "w");
        EXPECT_EQ(OptionTexts(h), h.texts);
    }
}

TEST(CardOptions, SetValuesFollowCardsLessKinds) {
    struct ValueCase {
        std::int32_t a, i, c, w, armies;
    };
    const std::vector<ValueCase> cases = {
        {2, 0, 0, 0, 5},  {3, 0, 0, 0, 10}, {4, 0, 0, 0, 15}, {5, 0, 0, 0, 20}, {1, 0, 0, 1, 5},
        {0, 0, 0, 2, 5},  {1, 0, 0, 2, 10}, {2, 0, 0, 1, 10}, {2, 0, 0, 2, 15}, {3, 0, 0, 1, 15},
        {3, 0, 0, 2, 20}, {4, 0, 0, 1, 20}, {2, 2, 0, 0, 10}, {3, 2, 0, 0, 15}, {2, 2, 0, 1, 15},
        {0, 0, 2, 2, 15}, {1, 1, 1, 0, 0},  {0, 0, 0, 1, 0},  {0, 0, 0, 0, 0},  {0, 0, 1, 0, 0},
    };
    for (const ValueCase& v : cases) {
        EXPECT_EQ(CardSetValue(v.a, v.i, v.c, v.w), v.armies)
            << v.a << "a " << v.i << "i " << v.c << "c " << v.w << "w";
    }
}

// Every hand the rules allow: each option reads back as a set the hand holds, worth what the
// value rule says, and writes back to the same text.
TEST(CardOptions, EveryLegalHandRoundTrips) {
    int hands = 0;
    for (std::int32_t a = 0; a <= 5; ++a) {
        for (std::int32_t i = 0; a + i <= 5; ++i) {
            for (std::int32_t c = 0; a + i + c <= 5; ++c) {
                for (std::int32_t w = 0; w <= 2 && a + i + c + w <= 5; ++w) {
                    ++hands;
                    SCOPED_TRACE(testing::Message()
                                 << a << "a " << i << "i " << c << "c " << w << "w");
                    const auto options = CardSetOptionsOf(a, i, c, w, a + i + c + w);
                    ASSERT_LE(options.size(), 6u);
                    // A hand of five cards always makes a set: it must be able to turn in.
                    if (a + i + c + w == 5) {
                        EXPECT_FALSE(options.empty());
                    }
                    for (const CardSet& option : options) {
                        const std::string text = FormatCardSetOption(option);
                        CardSet read;
                        CKaartiDlg::ParseTradeOption(text, read.artillery, read.infantry,
                                                     read.cavalry, read.wild, read.armies);
                        EXPECT_EQ(read, option) << text;
                        EXPECT_EQ(FormatCardSetOption(read), text);
                        EXPECT_GT(read.armies, 0) << text;
                        EXPECT_EQ(read.armies, CardSetValue(read.artillery, read.infantry,
                                                            read.cavalry, read.wild));
                        EXPECT_LE(read.artillery, a);
                        EXPECT_LE(read.infantry, i);
                        EXPECT_LE(read.cavalry, c);
                        EXPECT_LE(read.wild, w);
                    }
                }
            }
        }
    }
    EXPECT_EQ(hands, 111);
}

TEST(CardOptions, ReadingBackTakesTheDigitBeforeEachLetterAndTheArmiesAfterTheEquals) {
    struct ParseCase {
        std::string text;
        CardSet expected;
    };
    const std::vector<ParseCase> cases = {
        {"3c = 10 armies", {0, 0, 3, 0, 10}},  // the "a" and "i" of "armies" read 0
        {"2w = 5 armies", {0, 0, 0, 2, 5}},
        {"2a + 2i + 1w = 15 armies", {2, 2, 0, 1, 15}},
        {"", {}},
        {"a", {}},  // a letter with nothing before it
        {"2a =", {2, 0, 0, 0, 0}},
        {"=", {}},
        {"x9c = 7", {0, 0, 9, 0, 7}},
        {"2a = 1234 armies", {2, 0, 0, 0, 12}},  // at most two digits
    };
    for (const ParseCase& p : cases) {
        CardSet read{7, 7, 7, 7, 7};
        CKaartiDlg::ParseTradeOption(p.text, read.artillery, read.infantry, read.cavalry, read.wild,
                                     read.armies);
        EXPECT_EQ(read, p.expected) << '"' << p.text << '"';
    }
}

TEST(CardOptions, RowsAreFilledFromTheTextsUntilOneIsMissingOrWorthNothing) {
    g_cardSetOption1 = "2a + 1w = 10 armies";
    g_cardSetOption2 = "2a = 5 armies";
    g_cardSetOption3 = "2a = 0 armies";
    g_cardSetOption4 = "1a + 1w = 5 armies";
    EXPECT_EQ(FillCardSetOptionRows(), 2);
    EXPECT_EQ(g_cardSetOptions[0], (std::array<std::int32_t, 5>{2, 0, 0, 1, 10}));
    EXPECT_EQ(g_cardSetOptions[1], (std::array<std::int32_t, 5>{2, 0, 0, 0, 5}));
    for (std::size_t k = 2; k < 6; ++k) EXPECT_EQ(g_cardSetOptions[k][4], 0) << k;

    for (auto& row : g_cardSetOptions) row.fill(0);
    g_cardSetOption1 = " ";  // a single blank is not an option
    EXPECT_EQ(FillCardSetOptionRows(), 0);
    EXPECT_EQ(g_cardSetOptions[0][4], 0);
}

}  // namespace
