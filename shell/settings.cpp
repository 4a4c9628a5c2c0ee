// The setting variables and the settings record's one table of fields with its encoding.
#include "shell/settings.h"

#include <algorithm>
#include <array>
#include <type_traits>

#include "core/child_view.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "platform/files.h"
#include "platform/window_services.h"
#include "render/player_colour_rules.h"
#include "shell/frame_layout.h"
#include "shell/storage.h"

std::uint8_t g_settingsByte99 = 0;
std::string g_settingsString176;
std::string g_settingsString196;
std::string g_settingsString216;
std::string g_settingsString236;
std::string g_computerName;

namespace {

constexpr FieldRange Range(std::int32_t min, std::int32_t max, std::int32_t fallback) {
    return FieldRange{min, max, fallback, true};
}

using K = FieldKind;
using S = SaveRule;
using N = NewValue;

// clang-format off
const std::array kFields{
    SettingField{4,   K::Colour, &g_playerColours[1], kPlayerColourSlots},
    SettingField{84,  K::Flag,   &g_isFastSpeed},
    SettingField{88,  K::I32,    &g_oceansBackground, 1, S::Always, N::Variable, true, Range(0, 5, 0)},
    SettingField{92,  K::Colour, &g_oceansColour},
    SettingField{96,  K::Flag,   &g_isSmiliesOn},
    SettingField{97,  K::Flag,   &g_hideCreatingMapsNotice},
    SettingField{98,  K::Zero,   std::monostate{}},
    SettingField{99,  K::Byte,   &g_settingsByte99},
    SettingField{100, K::Flag,   &g_isVeryFastSpeed},
    SettingField{101, K::Flag,   &g_isFastestSpeed},
    SettingField{104, K::I32,    &g_screenSize, 1, S::Always, N::Variable, true, Range(1, 3, kScreenDefault)},
    SettingField{108, K::Flag,   &g_isSoundOff},
    SettingField{109, K::Flag,   &g_isAttackSoundOn},
    SettingField{110, K::Flag,   &g_isAddSoundOn},
    SettingField{111, K::Flag,   &g_isMoveSoundOn},
    SettingField{112, K::Flag,   &g_isNextPlayerSoundOn},
    SettingField{113, K::Flag,   &g_isPlayerOutSoundOn},
    SettingField{114, K::Flag,   &g_isContinentSoundOn},
    SettingField{115, K::Flag,   &g_isVictorySoundOn},
    SettingField{116, K::Flag,   &g_isSonarSoundOn},
    SettingField{kPersonalitiesOffset, K::I32, &g_personalities[1], kMaxPlayers, S::Personalities, N::Variable, true, Range(0, 6, 0)},
    SettingField{kRandomMixOffset, K::Flag, &g_isRandomMix, 1, S::RandomMix},
    SettingField{165, K::Flag,   &g_isSafeMode},
    SettingField{166, K::Flag,   &g_isGradientFill},
    SettingField{168, K::I32,    &g_transparencyPercent, 1, S::Always, N::Variable, true, Range(kMinTransparencyPercent, kMaxTransparencyPercent, kDefaultTransparencyPercent)},
    SettingField{172, K::I32,    &g_colourScheme, 1, S::Always, N::Variable, true, Range(0, 2, 0)},
    SettingField{kLanHostOffset, K::Text, &g_settingsString176, 1, S::Always, N::Blanks},
    SettingField{kInternetHostOffset, K::Text, &g_settingsString196, 1, S::Always, N::Blanks},
    SettingField{kExternalAddressOffset, K::Text, &g_settingsString216, 1, S::Always, N::Blanks},
    SettingField{kGameListNameOffset, K::Text, &g_settingsString236, 1, S::Always, N::ComputerName},
    SettingField{kPlayerNameOffset, K::Text, &g_playerNames[1], 1, S::PlayerName, N::Blanks, false},
    SettingField{kHotseatNamesOffset, K::Text, &g_playerNames[1], kMaxPlayers, S::HotseatNames, N::Blanks, false},
    SettingField{kDocumentsPathOffset, K::Path, &g_documentsFolder},
};
// clang-format on

const std::string kBlankName(18, ' ');

std::uint32_t GetU32(const SettingsBytes& record, std::size_t offset) {
    return static_cast<std::uint32_t>(record[offset]) |
           static_cast<std::uint32_t>(record[offset + 1]) << 8 |
           static_cast<std::uint32_t>(record[offset + 2]) << 16 |
           static_cast<std::uint32_t>(record[offset + 3]) << 24;
}

void PutU32(SettingsBytes& record, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Text slots keep a terminating zero; the path slot may be filled to its last byte.
std::size_t Capacity(FieldKind kind) {
    return kind == FieldKind::Text ? kTextSlotWidth - 1 : kPathSlotWidth;
}

std::string GetText(const SettingsBytes& record, std::size_t offset, FieldKind kind) {
    std::string text;
    for (std::size_t i = 0; i < Capacity(kind) && record[offset + i] != 0; ++i) {
        text.push_back(static_cast<char>(record[offset + i]));
    }
    return text;
}

void PutText(SettingsBytes& record, std::size_t offset, FieldKind kind, const std::string& text) {
    const std::size_t width = FieldWidth(kind);
    const std::size_t length = std::min(text.size(), Capacity(kind));
    for (std::size_t i = 0; i < width; ++i) {
        record[offset + i] = i < length ? static_cast<std::uint8_t>(text[i]) : 0;
    }
}

std::int32_t Clamped(const FieldRange& range, std::int32_t value) {
    if (!range.checked || (value >= range.min && value <= range.max)) return value;
    return range.fallback == kScreenDefault ? DefaultScreenSize(g_screenWidth) : range.fallback;
}

// The text a new file's slot gets in place of its variable.
std::string NewText(NewValue rule, const std::string& variable,
                    const std::optional<std::string>& computerName) {
    switch (rule) {
        case NewValue::Blanks:
            return kBlankName;
        case NewValue::ComputerName: {
            if (!computerName) return "noname" + std::string(12, ' ');
            g_computerName = *computerName;
            return (*computerName + std::string(23, ' ')).substr(0, 18);
        }
        case NewValue::Variable:
            break;
    }
    return variable;
}

struct Writer {
    SettingsBytes& record;
    const SettingField& field;
    std::size_t offset;
    const std::optional<std::string>* computerName;  // nullptr: an update, not a new record
    void operator()(std::monostate) const { record[offset] = 0; }
    void operator()(raster::Colour* value) const { PutU32(record, offset, *value); }
    void operator()(std::int32_t* value) const {
        PutU32(record, offset, static_cast<std::uint32_t>(*value));
    }
    void operator()(bool* value) const { record[offset] = *value ? 1 : 0; }
    void operator()(std::uint8_t* value) const { record[offset] = *value; }
    void operator()(std::string* value) const {
        PutText(record, offset, field.kind,
                computerName != nullptr ? NewText(field.newValue, *value, *computerName) : *value);
    }
};

struct Reader {
    const SettingsBytes& record;
    const SettingField& field;
    std::size_t offset;
    void operator()(std::monostate) const {}
    // The top byte of a colour is always zero; a damaged one must not look like a real colour.
    void operator()(raster::Colour* value) const { *value = GetU32(record, offset) & 0x00FFFFFFu; }
    void operator()(std::int32_t* value) const {
        *value = Clamped(field.range, static_cast<std::int32_t>(GetU32(record, offset)));
    }
    void operator()(bool* value) const { *value = record[offset] != 0; }
    void operator()(std::uint8_t* value) const { *value = record[offset]; }
    void operator()(std::string* value) const { *value = GetText(record, offset, field.kind); }
};

// The element k of a repeated field's variable.
FieldVariable Element(const FieldVariable& first, int k) {
    return std::visit(
        [k](auto alternative) -> FieldVariable {
            if constexpr (std::is_pointer_v<decltype(alternative)>) {
                return alternative + k;
            } else {
                return std::monostate{};
            }
        },
        first);
}

template <typename Visitor>
void ForEachElement(const SettingField& field, Visitor visit) {
    for (int k = 0; k < field.count; ++k) {
        visit(Element(field.variable, k), field.offset + FieldWidth(field.kind) * k);
    }
}

// Personalities stay as stored while a game runs or came from a file, and while a save is
// only about a name or an address.
bool PersonalitiesFree() {
    return !IsYes(g_isGameFromFile) && g_roundCounter == 0 && !g_isSavingPlayerName &&
           !g_isSavingHotseatNames && !g_isSavingHostAddress && !g_isHighScoreGame;
}

bool SavesField(SaveRule rule) {
    switch (rule) {
        case SaveRule::Always:
            return true;
        case SaveRule::Personalities:
            return PersonalitiesFree() && !g_isRandomMix;
        case SaveRule::RandomMix:
            return PersonalitiesFree();
        case SaveRule::PlayerName:
            return g_isSavingPlayerName;
        case SaveRule::HotseatNames:
            return g_isSavingHotseatNames;
    }
    return false;
}

void WriteField(SettingsBytes& record, const SettingField& field,
                const std::optional<std::string>* computerName) {
    ForEachElement(field, [&](const FieldVariable& variable, std::size_t offset) {
        std::visit(Writer{record, field, offset, computerName}, variable);
    });
}

}  // namespace

std::size_t FieldWidth(FieldKind kind) {
    switch (kind) {
        case FieldKind::Colour:
        case FieldKind::I32:
            return 4;
        case FieldKind::Flag:
        case FieldKind::Byte:
        case FieldKind::Zero:
            return 1;
        case FieldKind::Text:
            return kTextSlotWidth;
        case FieldKind::Path:
            return kPathSlotWidth;
    }
    return 0;
}

std::span<const SettingField> SettingsFields() {
    return kFields;
}

SettingsBytes NewSettingsRecord(const std::optional<std::string>& computerName) {
    SettingsBytes record{};
    for (const SettingField& field : kFields) WriteField(record, field, &computerName);
    return record;
}

void UpdateSettingsRecord(SettingsBytes& record) {
    for (const SettingField& field : kFields) {
        if (SavesField(field.save)) WriteField(record, field, nullptr);
    }
}

void ApplySettingsRecord(const SettingsBytes& record) {
    for (const SettingField& field : kFields) {
        if (!field.loaded) continue;
        ForEachElement(field, [&](const FieldVariable& variable, std::size_t offset) {
            std::visit(Reader{record, field, offset}, variable);
        });
    }
    // A file's colours are not trusted to leave every territory paintable and apart.
    render::MendPlayerColours(g_playerColours);
}

// The settings file itself: read, created only when missing, updated by an atomic write.
namespace {

enum class ReadResult { Read, Missing, Unreadable };

bool g_unreadableReported = false;
bool g_writeFailureReported = false;

void ReportOnce(bool& reported, platform::WindowServices& window, const std::string& text) {
    if (reported) return;
    reported = true;
    window.MessageBox(text, "Marovek", platform::MessageButtons::Ok,
                      platform::MessageIcon::Exclamation);
}

void ReportUnreadable(platform::WindowServices& window) {
    ReportOnce(g_unreadableReported, window,
               "The settings file " + g_settingsFilePath +
                   " cannot be read. Marovek goes on with the settings it has and leaves the "
                   "file as it is.");
}

void ReportWriteFailure(platform::WindowServices& window) {
    const std::string where =
        g_settingsFilePath.empty() ? "no folder for the settings was found" : g_settingsFilePath;
    ReportOnce(
        g_writeFailureReported, window,
        "The settings cannot be saved (" + where + "). Changed settings last until Marovek ends.");
}

// False when there is no folder to keep the file in: nothing is made from an empty path.
bool MakeSettingsPath() {
    g_settingsFilePath = g_appDataFolder.empty()
                             ? std::string()
                             : platform::JoinPath(g_appDataFolder, kSettingsFileName);
    return !g_settingsFilePath.empty();
}

// A short file reads as far as it goes over zeroed bytes.
ReadResult ReadSettingsFile(const platform::Files& files) {
    const std::optional<platform::Bytes> bytes = files.Read(g_settingsFilePath, kSettingsSize);
    if (!bytes)
        return files.Exists(g_settingsFilePath) ? ReadResult::Unreadable : ReadResult::Missing;
    g_settings.fill(0);
    std::copy_n(bytes->begin(), std::min(bytes->size(), kSettingsSize), g_settings.begin());
    return ReadResult::Read;
}

// Where the record in g_settings came from.
enum class RecordSource { File, Created, CreateFailed, None };

RecordSource CreateSettingsFile(platform::Platform& platform) {
    g_settings = NewSettingsRecord(platform.files.ComputerName());
    const platform::Bytes bytes(g_settings.begin(), g_settings.end());
    if (!g_settingsFilePath.empty() && platform.files.CreateNew(g_settingsFilePath, bytes)) {
        return RecordSource::Created;
    }
    ReportWriteFailure(platform.window);
    return RecordSource::CreateFailed;
}

// Reads the old record, creating the file when there is none. An unreadable file gives None:
// the game then runs on its in-memory values and the file is never overwritten.
RecordSource ReadOrCreate(platform::Platform& platform) {
    if (!MakeSettingsPath()) return CreateSettingsFile(platform);
    switch (ReadSettingsFile(platform.files)) {
        case ReadResult::Read:
            return RecordSource::File;
        case ReadResult::Missing:
            return CreateSettingsFile(platform);
        case ReadResult::Unreadable:
            ReportUnreadable(platform.window);
            return RecordSource::None;
    }
    return RecordSource::None;
}

}  // namespace

void CChildView::LoadSettings() {
    if (ReadOrCreate(platform_) != RecordSource::None) ApplySettingsRecord(g_settings);
}

void CChildView::SaveSettings() {
    // A file that could not be made is not written over either: it may have appeared meanwhile.
    const RecordSource source = ReadOrCreate(platform_);
    if (source != RecordSource::File && source != RecordSource::Created) return;
    UpdateSettingsRecord(g_settings);
    const platform::Bytes bytes(g_settings.begin(), g_settings.end());
    if (!platform_.files.WriteAtomic(g_settingsFilePath, bytes))
        ReportWriteFailure(platform_.window);
}

void ResetSettingsState() {
    g_settingsByte99 = 0;
    for (std::string* text : {&g_settingsString176, &g_settingsString196, &g_settingsString216,
                              &g_settingsString236, &g_computerName})
        text->clear();
    g_unreadableReported = g_writeFailureReported = false;
}
