// The settings file: its record's layout and encoding, and the values only the file keeps (the
// player's options it stores are in core/model/options.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "core/model/options.h"
#include "platform/raster/surface.h"

// The settings file: one fixed-size record, no header.
inline constexpr std::size_t kSettingsSize = 752;
inline constexpr char kSettingsFileName[] = "Mrvek55Settings.dat";
inline constexpr std::size_t kTextSlotWidth = 20;  // at most 19 characters, zero-padded
inline constexpr std::size_t kPathSlotWidth = 254;

// Offsets of the slots that other areas read straight from g_settings.
inline constexpr std::size_t kPersonalitiesOffset = 124;  // i32 per player 1..10
inline constexpr std::size_t kRandomMixOffset = 164;
inline constexpr std::size_t kLanHostOffset = 176;
inline constexpr std::size_t kInternetHostOffset = 196;
inline constexpr std::size_t kExternalAddressOffset = 216;
inline constexpr std::size_t kGameListNameOffset = 236;
inline constexpr std::size_t kPlayerNameOffset = 256;
inline constexpr std::size_t kHotseatNamesOffset = 296;  // 20 bytes per player 1..10
inline constexpr std::size_t kDocumentsPathOffset = 496;

// The reserved byte 99, carried through unchanged.
extern std::uint8_t g_settingsByte99;

// Remembered texts (Latin-1, at most 19 characters in the file).
extern std::string g_settingsString176;  // last LAN host typed
extern std::string g_settingsString196;  // last Internet host typed
extern std::string g_settingsString216;  // external address typed last when hosting
extern std::string g_settingsString236;  // own name in the internet game list

// The computer's name as the system gave it (Latin-1).
extern std::string g_computerName;

// Puts every setting variable above and the settings file's once-only reports back to their
// values at program start.
void ResetSettingsState();

// The record's layout, declared once: loading, creating and saving are all derived from it.
enum class FieldKind : std::uint8_t { Colour, I32, Flag, Byte, Zero, Text, Path };
// When a save writes the field (the others keep what the file held).
enum class SaveRule : std::uint8_t { Always, Personalities, RandomMix, PlayerName, HotseatNames };
// What a newly created file holds in the field.
enum class NewValue : std::uint8_t { Variable, Blanks, ComputerName };

// The valid range of a loaded number and what an out-of-range value becomes.
struct FieldRange {
    std::int32_t min = 0;
    std::int32_t max = 0;
    std::int32_t fallback = 0;  // kScreenDefault: the default for the screen's width
    bool checked = false;
};
inline constexpr std::int32_t kScreenDefault = -1;

using FieldVariable = std::variant<std::monostate, raster::Colour*, std::int32_t*, bool*,
                                   std::uint8_t*, std::string*>;

struct SettingField {
    std::size_t offset;
    FieldKind kind;
    FieldVariable variable;  // the first of `count` elements
    int count = 1;           // repeated fields lie one after the other
    SaveRule save = SaveRule::Always;
    NewValue newValue = NewValue::Variable;
    bool loaded = true;  // false: other areas read the slot from g_settings themselves
    FieldRange range = {};
};

std::size_t FieldWidth(FieldKind kind);
std::span<const SettingField> SettingsFields();

// The record as bytes, and the three ways of filling it.
using SettingsBytes = std::array<std::uint8_t, kSettingsSize>;
// A new file's record: every field from the current values, the names blank, the game list's
// name the computer's (nullopt: the system cannot tell).
SettingsBytes NewSettingsRecord(const std::optional<std::string>& computerName);
// Writes the current values over an old record by each field's save rule.
void UpdateSettingsRecord(SettingsBytes& record);
// Copies a record into the variables, bringing every number into its valid range.
void ApplySettingsRecord(const SettingsBytes& record);
