// Card sets: their army value, the trade options of a hand and the option texts read back.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The cards of one set and the armies it brings; also one row of g_cardSetOptions.
struct CardSet {
    std::int32_t artillery = 0;
    std::int32_t infantry = 0;
    std::int32_t cavalry = 0;
    std::int32_t wild = 0;
    std::int32_t armies = 0;
    bool operator==(const CardSet&) const = default;
};

inline constexpr int kMaxCardSetOptions = 6;
// The choice that turns nothing in.
inline constexpr int kNoCardChoice = 99;

// 5 x (cards - kinds): wild cards join the kind they go with, wild cards alone are one kind.
std::int32_t CardSetValue(std::int32_t artillery, std::int32_t infantry, std::int32_t cavalry,
                          std::int32_t wild);

// The sets a hand can turn in, in the order the trade window lists them, each with its value.
// A set worth nothing (a wild card alone) is no option.
std::vector<CardSet> CardSetOptionsOf(std::int32_t artillery, std::int32_t infantry,
                                      std::int32_t cavalry, std::int32_t wild, std::int32_t total);

// "2a + 1w = 10 armies": the counted kinds in the order artillery, infantry, cavalry, wild.
std::string FormatCardSetOption(const CardSet& set);

// The six option texts g_cardSetOption1 .. g_cardSetOption6, in order.
std::array<std::string*, kMaxCardSetOptions> CardSetOptionTexts();
// An option is present when its text sorts after a single blank.
bool IsCardSetOptionPresent(const std::string& text);

// Fills g_cardSetOptions from the option texts: rows in order until an option is missing or
// reads 0 armies; the rows after stay 0. Answers how many rows were filled.
int FillCardSetOptionRows();
