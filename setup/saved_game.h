// The saved-game record: its one table of fields, packing and unpacking, the checks a file must
// pass, and the copies between the record and the running game.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/game_state.h"

namespace saved_game {

inline constexpr std::size_t kSize = 5584;
inline constexpr char kExtension[] = ".Mrvek";
inline constexpr char kFilter[] = "Marovek games (*.Mrvek)|*.Mrvek||";
inline constexpr char kWrongVersionText[] = ".Mrvek file is wrong version.";
inline constexpr char kContinueQuestion[] = "Do you want to continue this game ?";
inline constexpr std::size_t kNameWidth = 20;
inline constexpr std::size_t kPathWidth = 254;
// Armies beyond this on one territory come from a damaged file, not from play.
inline constexpr std::int32_t kMaxArmies = 1000000;
inline constexpr std::int32_t kNoMapSteps = 4;  // a built-in campaign has at most four maps

using Bytes = std::array<std::uint8_t, kSize>;

// The record decoded: every table keeps its unused slot 0 as the record does.
struct Record {
    std::array<TerritoryState, kMaxTerritories + 1> territories{};
    std::array<PlayerRecord, kMaxPlayers + 1> players{};
    std::array<std::array<std::int32_t, 2>, kMaxPlayers + 1> aiLastTargets{};  // victim, turn
    std::int32_t currentPlayer = 0;
    std::array<std::int32_t, 4> deck{};  // artillery, infantry, cavalry, wild
    std::int32_t cardTurnInMarker = 0;
    std::int32_t humanPlayers = 0;
    std::int32_t playerCount = 0;
    std::uint8_t reservedByte = 0;
    std::uint8_t hasAttacked = 0;
    std::array<std::int32_t, kMaxPlayers + 1> turnsPlayed{};
    std::uint8_t earnedCard = 0;  // 'j' or 'n'
    std::uint8_t rule = 0;        // 'j' 1-for-1, 'n' dice like
    std::uint8_t hidden = 0;
    std::uint8_t strongholds = 0;
    std::uint8_t neutralArmy = 0;
    std::int32_t normalLevel = 0;
    std::array<std::int32_t, kMaxPlayers + 1> personalities{};
    std::array<std::int32_t, kMaxPlayers + 1> avengeTargets{};
    std::array<std::int32_t, kMaxPlayers + 1> unstableMarks{};
    std::uint8_t randomMix = 0;
    std::int32_t gameKind = 0;
    std::int32_t campaignNumber = 0;
    std::int32_t campaignLength = 0;
    std::int32_t campaignStep = 0;
    std::int32_t campaignPlayer = 0;
    std::uint8_t troopExperience = 0;
    double playingSeconds = 0.0;
    std::int32_t missionKind = 0;
    std::array<std::array<std::int32_t, kMaxContinents + 1>, kMaxPlayers + 1> missionOrders{};
    std::int32_t missionProgress = 0;
    std::array<std::string, kMaxPlayers + 1> names{};
    std::string campaignName;
    std::string path;  // the campaign file of an own campaign, else the map file
    bool operator==(const Record&) const = default;
};

// Where one value of the record lies and how wide it is.
enum class FieldKind { I32, U8, F64, Name, Path };
struct FieldPlace {
    std::size_t offset;
    FieldKind kind;
};
// Every value the record holds, in the record's order (reserved bytes are in no field).
std::vector<FieldPlace> FieldPlaces();

Bytes Pack(const Record& record);
Record Unpack(const Bytes& bytes);

// Why a decoded record cannot be played; nullopt when it can.
std::optional<std::string> Check(const Record& record);

// The running game as a record; adds the time played since g_playResumeTime to
// g_playingSeconds and restarts the measurement from `now`.
Record Capture(std::int64_t now);
// Puts every game field of the record into the running game (not the personalities, which
// only a continued game takes: TakePersonalities).
void Restore(const Record& record);
void TakePersonalities(const Record& record);

// The built-in map told by the highest of its marking territories that has an owner, for a file
// whose name does not tell its map (the Three Nations maps are never chosen).
bool* MapFlagByTerritories(const Record& record);

}  // namespace saved_game
