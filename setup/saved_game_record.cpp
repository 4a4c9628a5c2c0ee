// The saved-game record's one table of fields, and packing, unpacking and checking derived from it.
#include <algorithm>
#include <cstring>
#include <span>
#include <utility>
#include <variant>

#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "setup/saved_game.h"

namespace saved_game {

namespace {

using R = Record;
using I32At = std::int32_t& (*)(R&, std::size_t, std::size_t);
using U8At = std::uint8_t& (*)(R&, std::size_t, std::size_t);
using F64At = double& (*)(R&, std::size_t, std::size_t);
using TextAt = std::string& (*)(R&, std::size_t, std::size_t);

// One block of the record: rows x columns values, value (r, c) at
// offset + r * rowStride + c * columnStride. Tables of players start at player 1.
struct Field {
    std::size_t offset;
    std::variant<I32At, U8At, F64At, TextAt> at;
    std::size_t width = 0;  // bytes of a text field
    std::size_t rows = 1;
    std::size_t rowStride = 0;
    std::size_t columns = 1;
    std::size_t columnStride = 0;
};

constexpr std::size_t P = kMaxPlayers;

// clang-format off
const Field kFields[] = {
    {8,    +[](R& r, std::size_t t, std::size_t c) -> std::int32_t& { return c == 0 ? r.territories[t + 1].owner : r.territories[t + 1].armies; }, 0, kMaxTerritories, 8, 2, 4},
    {1788, +[](R& r, std::size_t p, std::size_t k) -> std::int32_t& { return r.players[p + 1][k]; }, 0, P, 180, 45, 4},
    {3596, +[](R& r, std::size_t p, std::size_t k) -> std::int32_t& { return r.aiLastTargets[p + 1][k]; }, 0, P, 8, 2, 4},
    {3676, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.currentPlayer; }},
    {3680, +[](R& r, std::size_t, std::size_t k) -> std::int32_t& { return r.deck[k]; }, 0, 1, 0, 4, 4},
    {3696, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.cardTurnInMarker; }},
    {3700, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.humanPlayers; }},
    {3704, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.playerCount; }},
    {3708, +[](R& r, std::size_t, std::size_t) -> std::uint8_t& { return r.reservedByte; }},
    {3709, +[](R& r, std::size_t, std::size_t) -> std::uint8_t& { return r.hasAttacked; }},
    {3716, +[](R& r, std::size_t p, std::size_t) -> std::int32_t& { return r.turnsPlayed[p + 1]; }, 0, P, 4},
    {3756, +[](R& r, std::size_t, std::size_t) -> std::uint8_t& { return r.earnedCard; }},
    {3757, +[](R& r, std::size_t, std::size_t) -> std::uint8_t& { return r.rule; }},
    {3758, +[](R& r, std::size_t, std::size_t) -> std::uint8_t& { return r.hidden; }},
    {3759, +[](R& r, std::size_t, std::size_t) -> std::uint8_t& { return r.strongholds; }},
    {3760, +[](R& r, std::size_t, std::size_t) -> std::uint8_t& { return r.neutralArmy; }},
    {3764, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.normalLevel; }},
    {3772, +[](R& r, std::size_t p, std::size_t) -> std::int32_t& { return r.personalities[p + 1]; }, 0, P, 4},
    {3816, +[](R& r, std::size_t p, std::size_t) -> std::int32_t& { return r.avengeTargets[p + 1]; }, 0, P, 4},
    {3860, +[](R& r, std::size_t p, std::size_t) -> std::int32_t& { return r.unstableMarks[p + 1]; }, 0, P, 4},
    {3900, +[](R& r, std::size_t, std::size_t) -> std::uint8_t& { return r.randomMix; }},
    {3904, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.gameKind; }},
    {3908, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.campaignNumber; }},
    {3912, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.campaignLength; }},
    {3916, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.campaignStep; }},
    {3920, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.campaignPlayer; }},
    {3924, +[](R& r, std::size_t, std::size_t) -> std::uint8_t& { return r.troopExperience; }},
    {3928, +[](R& r, std::size_t, std::size_t) -> double& { return r.playingSeconds; }},
    {3936, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.missionKind; }},
    {4048, +[](R& r, std::size_t p, std::size_t k) -> std::int32_t& { return r.missionOrders[p + 1][k + 1]; }, 0, P, 104, kMaxContinents, 4},
    {5084, +[](R& r, std::size_t, std::size_t) -> std::int32_t& { return r.missionProgress; }},
    {5108, +[](R& r, std::size_t p, std::size_t) -> std::string& { return r.names[p + 1]; }, kNameWidth, P, kNameWidth},
    {5308, +[](R& r, std::size_t, std::size_t) -> std::string& { return r.campaignName; }, kNameWidth},
    {5328, +[](R& r, std::size_t, std::size_t) -> std::string& { return r.path; }, kPathWidth},
};
// clang-format on

// A 20-byte field holds at most 19 characters; the path field may be filled to its end.
std::size_t TextCapacity(std::size_t width) {
    return width == kNameWidth ? kNameWidth - 1 : width;
}

void PutU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
std::uint32_t GetU32(const Bytes& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

template <typename Visit>
void ForEachValue(Visit&& visit) {
    for (const Field& field : kFields)
        for (std::size_t r = 0; r < field.rows; ++r)
            for (std::size_t c = 0; c < field.columns; ++c)
                visit(field, field.offset + r * field.rowStride + c * field.columnStride, r, c);
}

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

}  // namespace

std::vector<FieldPlace> FieldPlaces() {
    std::vector<FieldPlace> places;
    ForEachValue([&](const Field& field, std::size_t at, std::size_t, std::size_t) {
        FieldKind kind = FieldKind::I32;
        if (std::holds_alternative<U8At>(field.at)) kind = FieldKind::U8;
        if (std::holds_alternative<F64At>(field.at)) kind = FieldKind::F64;
        if (std::holds_alternative<TextAt>(field.at))
            kind = field.width == kNameWidth ? FieldKind::Name : FieldKind::Path;
        places.push_back({at, kind});
    });
    return places;
}

Bytes Pack(const Record& source) {
    Record record = source;
    Bytes bytes{};
    ForEachValue([&](const Field& field, std::size_t at, std::size_t r, std::size_t c) {
        if (auto* i32 = std::get_if<I32At>(&field.at)) {
            PutU32(bytes, at, static_cast<std::uint32_t>((*i32)(record, r, c)));
        } else if (auto* u8 = std::get_if<U8At>(&field.at)) {
            bytes[at] = (*u8)(record, r, c);
        } else if (auto* f64 = std::get_if<F64At>(&field.at)) {
            std::uint64_t raw = 0;
            std::memcpy(&raw, &(*f64)(record, r, c), sizeof raw);
            PutU32(bytes, at, static_cast<std::uint32_t>(raw));
            PutU32(bytes, at + 4, static_cast<std::uint32_t>(raw >> 32));
        } else {
            const std::string& text = std::get<TextAt>(field.at)(record, r, c);
            const std::size_t length = std::min(text.size(), TextCapacity(field.width));
            std::memcpy(&bytes[at], text.data(), length);
        }
    });
    return bytes;
}

Record Unpack(const Bytes& bytes) {
    Record record;
    ForEachValue([&](const Field& field, std::size_t at, std::size_t r, std::size_t c) {
        if (auto* i32 = std::get_if<I32At>(&field.at)) {
            (*i32)(record, r, c) = static_cast<std::int32_t>(GetU32(bytes, at));
        } else if (auto* u8 = std::get_if<U8At>(&field.at)) {
            (*u8)(record, r, c) = bytes[at];
        } else if (auto* f64 = std::get_if<F64At>(&field.at)) {
            const std::uint64_t raw =
                GetU32(bytes, at) | static_cast<std::uint64_t>(GetU32(bytes, at + 4)) << 32;
            std::memcpy(&(*f64)(record, r, c), &raw, sizeof raw);
        } else {
            std::string& text = std::get<TextAt>(field.at)(record, r, c);
            text.clear();
            for (std::size_t i = 0; i < TextCapacity(field.width) && bytes[at + i] != 0; ++i)
                text.push_back(static_cast<char>(bytes[at + i]));
        }
    });
    return record;
}

std::optional<std::string> Check(const Record& record) {
    for (int t = 1; t <= kMaxTerritories; ++t) {
        const TerritoryState& territory = record.territories[static_cast<std::size_t>(t)];
        if (!InRange(territory.owner, 0, kMaxPlayers)) return "a territory's owner is invalid";
        if (!InRange(territory.armies, 0, kMaxArmies)) return "a territory's armies are invalid";
    }
    if (!InRange(record.playerCount, 1, kMaxPlayers)) return "the number of players is invalid";
    if (!InRange(record.humanPlayers, 1, record.playerCount))
        return "the number of human players is invalid";
    if (!InRange(record.currentPlayer, 0, record.playerCount))
        return "the current player is invalid";
    // A full deck: artillery, infantry, cavalry, wild.
    constexpr std::array<std::int32_t, 4> kDeckCards{17, 17, 17, 2};
    for (std::size_t k = 0; k < record.deck.size(); ++k)
        if (!InRange(record.deck[k], 0, kDeckCards[k])) return "the deck is invalid";
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const PlayerRecord& player = record.players[static_cast<std::size_t>(p)];
        for (std::size_t k = 0; k < kDeckCards.size(); ++k)
            if (!InRange(player[static_cast<std::size_t>(player_field::kArtilleryCards) + k], 0,
                         kDeckCards[k]))
                return "a player's cards are invalid";
        const auto at = static_cast<std::size_t>(p);
        if (!InRange(record.personalities[at], 0, personality::kUnstableMark))
            return "a personality is invalid";
        if (!InRange(record.avengeTargets[at], 0, kMaxPlayers)) return "a personality is invalid";
        if (!InRange(record.unstableMarks[at], 0, personality::kUnstableMark))
            return "a personality is invalid";
        for (int k = 1; k <= kMaxContinents; ++k)
            if (!InRange(record.missionOrders[at][static_cast<std::size_t>(k)], 0, kMaxContinents))
                return "the mission is invalid";
    }
    if (!InRange(record.gameKind, game_kind::kSinglePlayer, game_kind::kDemo))
        return "the kind of game is invalid";
    if (!InRange(record.campaignNumber, 0, kOwnCampaign)) return "the campaign is invalid";
    if (record.campaignNumber != 0 && (!InRange(record.campaignLength, 1, 99) ||
                                       !InRange(record.campaignStep, 1, record.campaignLength)))
        return "the campaign is invalid";
    if (!InRange(record.missionKind, mission_kind::kConquerAll, mission_kind::kHoldContinents))
        return "the mission is invalid";
    if (!InRange(record.missionProgress, 1, kMaxContinents)) return "the mission is invalid";
    if (!(record.playingSeconds >= 0.0 && record.playingSeconds < 1e12))
        return "the playing time is invalid";
    return std::nullopt;
}

bool* MapFlagByTerritories(const Record& record) {
    // Each territory exists on its map and on no map below it in the list.
    const std::pair<std::size_t, bool*> kMarks[] = {
        {200, &g_isMapSwampII},   {113, &g_isMapLinesII},     {110, &g_isMapWorms},
        {106, &g_isMapSwamp},     {85, &g_isMapRealWorld},    {82, &g_isMapGreatBritain},
        {66, &g_isMapJapanKorea}, {64, &g_isMapNorthAmerica}, {63, &g_isMapScandinavia},
        {60, &g_isMapAustralia},  {44, &g_isMapEurope},       {43, &g_isMapChina},
    };
    for (const auto& [territory, flag] : kMarks)
        if (record.territories[territory].owner > 0) return flag;
    return DefaultMap().flag;
}

}  // namespace saved_game
