// The 940-character board-state text that most network messages carry, and the seat list.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/yes_no.h"

inline constexpr int kBoardStateLength = 940;
inline constexpr int kBoardTerritories = 117;  // territories the text can carry
inline constexpr int kBoardNamedPlayers = 5;   // players whose names travel

// Everything the text carries, as plain values: the glue in board_state_glue.cpp gathers it
// from the game's tables and applies it back.
struct BoardState {
    struct Territory {
        std::int32_t owner = 0;
        std::int32_t armies = 0;
        bool operator==(const Territory&) const = default;
    };
    struct Player {
        std::int32_t territories = 0;
        std::int32_t armies = 0;
        std::int32_t continentBonus = 0;
        std::int32_t artilleryCards = 0;
        std::int32_t infantryCards = 0;
        std::int32_t cavalryCards = 0;
        std::int32_t wildCards = 0;
        std::array<std::int32_t, 16> continentHeld{};  // [1..15]
        std::int32_t losses = 0;
        std::int32_t stronghold = 0;
        bool operator==(const Player&) const = default;
    };

    std::int32_t currentPlayer = 0;
    std::array<Territory, kBoardTerritories + 1> territories{};  // [1..117]
    std::array<Player, 11> players{};                            // [1..10]
    std::int32_t deckArtillery = 0;
    std::int32_t deckInfantry = 0;
    std::int32_t deckCavalry = 0;
    std::int32_t deckWild = 0;
    std::int32_t humanPlayerCount = 0;
    std::int32_t playerCount = 0;
    std::array<std::int32_t, 11> turnsPlayed{};  // [1..10]
    char battleRule = kNo;                       // kYes 1-for-1, kNo dice
    bool troopExperience = false;
    bool strongholds = false;
    bool highlight = false;
    std::int32_t syncTerritory = 0;
    std::int32_t roundCounter = 0;
    std::array<std::int32_t, 6> lastCardTurnIn{};
    std::int32_t syncArmies = 0;
    std::int32_t syncOwner = 0;
    std::int32_t syncContinent = 0;
    bool syncMarked = false;
    std::array<std::string, kBoardNamedPlayers + 1> names{};  // [1..5]
    std::string mapName;

    bool operator==(const BoardState&) const = default;
};

// Writes exactly 940 characters. Every number is clamped into its field, so the columns never
// shift; armies above 999 are written as 999.
std::string EncodeBoardState(const BoardState& state);

// Reads a whole text. The text is checked completely (length, characters, ranges) before a
// value is returned; on failure nothing is returned and `error` says why.
std::optional<BoardState> DecodeBoardState(std::string_view text, std::string* error);

// The seat list the host sends after every join: "1001", the receiver's seat digit, the number
// of seats taken, then each name blank-padded and cut to 20 characters.
std::string EncodeSeatList(int receiverSeat, int seatCount,
                           const std::array<std::string, 6>& names);

struct SeatList {
    int seat = 0;
    int seatCount = 0;
    std::array<std::string, 6> names{};  // [1..5], trailing blanks removed
};
// Reads a seat-list payload (without its code); nullopt when it is malformed.
std::optional<SeatList> DecodeSeatList(std::string_view payload);
