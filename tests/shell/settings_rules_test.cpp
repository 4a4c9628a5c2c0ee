// Which fields a save writes: personalities and Random Mix, the name slots; the layout itself.
#include <set>

#include "core/model/game_state.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "shell/settings.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

using SettingsRulesTest = ShellFixture;

struct PersonalityCase {
    const char* name;
    std::int32_t roundCounter;
    char gameFromFile;
    bool randomMix;
    bool* savingFlag;  // a flag set around the save, or none
    bool personalitiesWritten;
    bool randomMixWritten;
};

TEST_F(SettingsRulesTest, PersonalitiesAreStoredOnlyBetweenGames) {
    const PersonalityCase cases[] = {
        {"plain change", 0, 'n', false, nullptr, true, true},
        {"random mix on", 0, 'n', true, nullptr, false, true},
        {"game running", 3, 'n', false, nullptr, false, false},
        {"game from file", 0, 'j', false, nullptr, false, false},
        {"player name", 0, 'n', false, &g_isSavingPlayerName, false, false},
        {"hotseat names", 0, 'n', false, &g_isSavingHotseatNames, false, false},
        {"host address", 0, 'n', false, &g_isSavingHostAddress, false, false},
        {"high score game", 0, 'n', false, &g_isHighScoreGame, false, false},
    };
    CChildView& view = StartView();
    for (const PersonalityCase& c : cases) {
        Bytes stored = SettingsBytes();
        for (std::size_t p = 0; p < 10; ++p) PutU32At(stored, 124 + 4 * p, 2);
        stored[164] = 0;
        WriteBytes(SettingsPath(), stored);
        for (int p = 1; p <= 10; ++p) g_personalities[p] = 4;
        g_roundCounter = c.roundCounter;
        g_isGameFromFile = c.gameFromFile;
        g_isRandomMix = c.randomMix;
        if (c.savingFlag != nullptr) *c.savingFlag = true;
        view.SaveSettings();
        if (c.savingFlag != nullptr) *c.savingFlag = false;

        const Bytes saved = SettingsBytes();
        for (std::size_t p = 0; p < 10; ++p) {
            EXPECT_EQ(U32At(saved, 124 + 4 * p), c.personalitiesWritten ? 4u : 2u) << c.name;
        }
        EXPECT_EQ(saved[164], c.randomMixWritten && c.randomMix ? 1 : 0) << c.name;
    }
}

TEST_F(SettingsRulesTest, NameSlotsAreWrittenOnlyWhenTheirFlagIsSet) {
    CChildView& view = StartView();
    for (int p = 1; p <= 10; ++p) g_playerNames[p] = "Player " + std::to_string(p);
    auto nameSlot = [](const Bytes& bytes, std::size_t offset) {
        return std::string(reinterpret_cast<const char*>(bytes.data() + offset));
    };

    view.SaveSettings();
    Bytes saved = SettingsBytes();
    EXPECT_EQ(nameSlot(saved, 256), std::string(18, ' '));
    for (std::size_t p = 0; p < 10; ++p)
        EXPECT_EQ(nameSlot(saved, 296 + 20 * p), std::string(18, ' '));

    g_isSavingHotseatNames = true;
    view.SaveSettings();
    g_isSavingHotseatNames = false;
    saved = SettingsBytes();
    EXPECT_EQ(nameSlot(saved, 256), std::string(18, ' '));
    for (std::size_t p = 0; p < 10; ++p) {
        EXPECT_EQ(nameSlot(saved, 296 + 20 * p), "Player " + std::to_string(p + 1));
    }

    g_isSavingPlayerName = true;
    view.SaveSettings();
    g_isSavingPlayerName = false;
    EXPECT_EQ(nameSlot(SettingsBytes(), 256), "Player 1");
    // The name slots are New Game's to read from the record; loading leaves the names alone.
    g_playerNames[1] = "Changed";
    view.LoadSettings();
    EXPECT_EQ(g_playerNames[1], "Changed");
}

TEST(SettingsLayout, FieldsLieInsideTheRecordWithoutOverlap) {
    std::set<std::size_t> used;
    for (const SettingField& field : SettingsFields()) {
        const std::size_t end =
            field.offset + FieldWidth(field.kind) * static_cast<std::size_t>(field.count);
        EXPECT_LE(end, kSettingsSize) << "field at " << field.offset;
        for (std::size_t byte = field.offset; byte < end; ++byte) {
            EXPECT_TRUE(used.insert(byte).second) << "byte " << byte << " in two fields";
        }
    }
    // Everything but the reserved bytes belongs to a field.
    const std::pair<std::size_t, std::size_t> reserved[] = {{0, 4},   {85, 3},   {102, 2}, {117, 7},
                                                            {167, 1}, {276, 20}, {750, 2}};
    for (const auto& [offset, width] : reserved) {
        for (std::size_t byte = offset; byte < offset + width; ++byte) {
            EXPECT_EQ(used.count(byte), 0u) << "reserved byte " << byte;
        }
    }
    EXPECT_EQ(used.size(), 752u - 4 - 3 - 2 - 7 - 1 - 20 - 2);
}

}  // namespace
}  // namespace shell_test
