// The settings file on disk: first start, round trip, short, damaged, unreadable and unwritable.
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "shell/settings.h"
#include "shell/storage.h"
#include "shell_fixture.h"

#include <sys/stat.h>

namespace shell_test {
namespace {

void PutText(Bytes& bytes, std::size_t offset, const std::string& text) {
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<long>(offset));
}

// The record a first start on a 1024 x 768 screen must write, built by hand from the layout.
Bytes ExpectedFirstRecord(const std::string& home, const std::string& nameSlot) {
    Bytes expected(752, 0);
    const std::uint32_t colours[20] = {0x805040, 0x3232A3, 0x3080A0, 0x406010, 0x384F5E,
                                       0xFFFF80, 0xC0C0FF, 0xC0FFFF, 0x80FF80, 0x8CC6FF,
                                       0x5B335C, 0x4A57B6, 0x006BAB, 0x2B6B6B, 0x687C5A,
                                       0xFFC0C0, 0xC0C0FF, 0xB9DCFF, 0x80C0C0, 0xBFC9B8};
    for (std::size_t k = 0; k < 20; ++k) PutU32At(expected, 4 + 4 * k, colours[k]);
    PutU32At(expected, 92, 0x404040);
    PutU32At(expected, 104, 2);
    for (std::size_t offset = 109; offset <= 116; ++offset) expected[offset] = 1;
    expected[166] = 1;
    PutU32At(expected, 168, 85);
    for (std::size_t offset : {176, 196, 216, 256}) PutText(expected, offset, std::string(18, ' '));
    for (std::size_t p = 0; p < 10; ++p) PutText(expected, 296 + 20 * p, std::string(18, ' '));
    PutText(expected, 236, nameSlot);
    PutText(expected, 496, home + "/Marovek/*.Mrvek");
    return expected;
}

using SettingsFileTest = ShellFixture;

TEST_F(SettingsFileTest, FirstStartWritesEveryDefaultAtItsOffset) {
    CChildView& view = StartView(1024, 768);

    const Bytes expected = ExpectedFirstRecord(home_, "gamebox" + std::string(11, ' '));
    const auto expectWritten = [&] {
        const Bytes written = SettingsBytes();
        ASSERT_EQ(written.size(), 752u);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(written[i], expected[i]) << "byte " << i;
        }
    };
    expectWritten();
    // The load fills the remembered texts.
    EXPECT_EQ(g_settingsString176, std::string(18, ' '));
    EXPECT_EQ(g_settingsString236, "gamebox" + std::string(11, ' '));
    EXPECT_EQ(g_documentsFolder, home_ + "/Marovek/*.Mrvek");
    EXPECT_TRUE(MessageBoxes().empty());

    // A file lost while the game runs is made again the same way, and making it leaves the
    // live player names alone.
    g_playerNames[3] = "Anna";
    std::filesystem::remove(SettingsPath());
    view.LoadSettings();
    expectWritten();
    EXPECT_EQ(g_playerNames[3], "Anna");
}

struct NameCase {
    std::optional<std::string> computerName;
    std::string slot;
};

TEST_F(SettingsFileTest, ComputerNameFillsItsSlotToEighteen) {
    const NameCase cases[] = {
        {"gamebox", "gamebox" + std::string(11, ' ')},
        {"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQR"},
        {std::nullopt, "noname" + std::string(12, ' ')},
    };
    for (const NameCase& c : cases) {
        std::filesystem::remove(SettingsPath());
        computerName_ = c.computerName;
        platform_.reset();
        StartView();
        EXPECT_EQ(SlotAt(SettingsBytes(), 236, 20), c.slot + std::string(2, '\0'));
        EXPECT_EQ(g_settingsString236, c.slot);
    }
}

TEST_F(SettingsFileTest, SavedValuesReadBackAndLongTextsAreCut) {
    CChildView& view = StartView(1280, 1024);
    g_playerColours[7] = 0x123456;
    g_isVeryFastSpeed = true;
    g_oceansBackground = 4;
    g_oceansColour = 0x0A0B0C;
    g_screenSize = 1;
    g_isAttackSoundOn = false;
    g_isSonarSoundOn = false;
    g_personalities[2] = 5;
    g_isSafeMode = true;
    g_isGradientFill = false;
    g_transparencyPercent = 40;
    g_colourScheme = 2;
    g_settingsString176 =
        "host.example.org:12345"
        "6";  // 23 characters
    g_settingsString216 = "10.1.2.3";
    g_documentsFolder = "/games/saved/Last.Mrvek";
    view.SaveSettings();

    g_playerColours[7] = 0;
    g_isVeryFastSpeed = g_isSafeMode = false;
    g_oceansBackground = g_colourScheme = 0;
    g_isAttackSoundOn = g_isSonarSoundOn = g_isGradientFill = true;
    g_personalities[2] = 0;
    g_transparencyPercent = 85;
    g_settingsString176.clear();
    g_documentsFolder.clear();
    view.LoadSettings();

    EXPECT_EQ(g_playerColours[7], 0x123456u);
    EXPECT_TRUE(g_isVeryFastSpeed);
    EXPECT_EQ(g_oceansBackground, 4);
    EXPECT_EQ(g_oceansColour, 0x0A0B0Cu);
    EXPECT_EQ(g_screenSize, 1);
    EXPECT_FALSE(g_isAttackSoundOn);
    EXPECT_FALSE(g_isSonarSoundOn);
    EXPECT_EQ(g_personalities[2], 5);
    EXPECT_TRUE(g_isSafeMode);
    EXPECT_FALSE(g_isGradientFill);
    EXPECT_EQ(g_transparencyPercent, 40);
    EXPECT_EQ(g_colourScheme, 2);
    EXPECT_EQ(g_settingsString176, "host.example.org:12");
    EXPECT_EQ(SlotAt(SettingsBytes(), 176, 20), std::string("host.example.org:12") + '\0');
    EXPECT_EQ(g_settingsString216, "10.1.2.3");
    EXPECT_EQ(g_documentsFolder, "/games/saved/Last.Mrvek");
}

TEST_F(SettingsFileTest, ReservedBytesAndByte99SurviveASave) {
    Bytes old = ExpectedFirstRecord(home_, "gamebox" + std::string(11, ' '));
    for (std::size_t offset : {0, 3, 85, 87, 99, 102, 117, 123, 167, 750, 751}) old[offset] = 0xA5;
    old[98] = 7;
    WriteBytes(SettingsPath(), old);
    CChildView& view = StartView();
    g_isSmiliesOn = true;
    view.SaveSettings();

    const Bytes saved = SettingsBytes();
    for (std::size_t offset : {0, 3, 85, 87, 99, 102, 117, 123, 167, 750, 751}) {
        EXPECT_EQ(saved[offset], 0xA5) << "byte " << offset;
    }
    EXPECT_EQ(saved[98], 0);
    EXPECT_EQ(saved[96], 1);
}

TEST_F(SettingsFileTest, ShortFileReadsOverZeroedBytesAndIsClamped) {
    Bytes part(100, 0);
    PutU32At(part, 4, 0x112233);
    part[84] = 1;
    WriteBytes(SettingsPath(), part);
    g_settings.fill(0xEE);  // whatever an earlier load left must not leak into this one
    StartView(1280, 1024);

    EXPECT_EQ(g_playerColours[1], 0x112233u);
    EXPECT_TRUE(g_isFastSpeed);
    EXPECT_EQ(g_screenSize, 3);  // 0 in the file: the default for the screen
    EXPECT_EQ(g_transparencyPercent, 85);
    EXPECT_FALSE(g_isAttackSoundOn);
    EXPECT_TRUE(g_settingsString176.empty());
    EXPECT_TRUE(g_documentsFolder.empty());
    EXPECT_EQ(SettingsBytes().size(), 100u);  // loading never writes
    EXPECT_TRUE(MessageBoxes().empty());
}

struct DamageCase {
    std::size_t offset;
    std::uint32_t stored;
    std::int32_t* variable;
    std::int32_t expected;
};

TEST_F(SettingsFileTest, DamagedNumbersAreBroughtIntoRange) {
    const DamageCase cases[] = {
        {104, 0, &g_screenSize, 2},
        {104, 4, &g_screenSize, 2},
        {104, 0xFFFFFFFF, &g_screenSize, 2},
        {104, 3, &g_screenSize, 3},
        {168, 19, &g_transparencyPercent, 85},
        {168, 20, &g_transparencyPercent, 20},
        {168, 100, &g_transparencyPercent, 100},
        {168, 101, &g_transparencyPercent, 85},
        {88, 5, &g_oceansBackground, 5},
        {88, 6, &g_oceansBackground, 0},
        {172, 2, &g_colourScheme, 2},
        {172, 3, &g_colourScheme, 0},
        {124, 6, &g_personalities[1], 6},
        {124, 7, &g_personalities[1], 0},
        {160, 0xFFFFFFFF, &g_personalities[10], 0},
    };
    CChildView& view = StartView(1024, 768);
    for (const DamageCase& c : cases) {
        Bytes bytes = ExpectedFirstRecord(home_, "x");
        PutU32At(bytes, c.offset, c.stored);
        WriteBytes(SettingsPath(), bytes);
        view.LoadSettings();
        EXPECT_EQ(*c.variable, c.expected) << "offset " << c.offset << " value " << c.stored;
    }
    // Flags other than 0 read as 1; a colour's top byte is always 0.
    Bytes bytes = ExpectedFirstRecord(home_, "x");
    bytes[96] = 0x80;
    PutU32At(bytes, 8, 0xFF123456);
    WriteBytes(SettingsPath(), bytes);
    view.LoadSettings();
    EXPECT_TRUE(g_isSmiliesOn);
    EXPECT_EQ(g_playerColours[2], 0x123456u);
}

TEST_F(SettingsFileTest, UnreadableFileIsNeverOverwrittenAndReportedOnce) {
    // A folder where the file should be: it exists but cannot be read as a file.
    std::filesystem::create_directories(SettingsPath());
    CChildView& view = StartView();
    EXPECT_EQ(g_transparencyPercent, 85);  // the in-memory values go on
    g_transparencyPercent = 50;
    view.SaveSettings();
    view.LoadSettings();

    EXPECT_EQ(g_transparencyPercent, 50);
    EXPECT_TRUE(std::filesystem::is_directory(SettingsPath()));
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_NE(MessageBoxes()[0].text.find("cannot be read"), std::string::npos);
    EXPECT_EQ(MessageBoxes()[0].caption, "Marovek");
}

// A FIFO in the file's place once held the start up until something wrote to it.
TEST_F(SettingsFileTest, FifoInPlaceOfTheFileIsUnreadableAndStartUpGoesOn) {
    std::filesystem::create_directories(std::filesystem::path(SettingsPath()).parent_path());
    ASSERT_EQ(::mkfifo(SettingsPath().c_str(), 0600), 0);
    CChildView& view = StartView();
    view.SaveSettings();
    EXPECT_TRUE(std::filesystem::is_fifo(SettingsPath()));
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_NE(MessageBoxes()[0].text.find("cannot be read"), std::string::npos);
}

// A settings file the user keeps elsewhere behind a link gets the saved values; the link stays.
TEST_F(SettingsFileTest, SaveThroughASymbolicLinkUpdatesTheLinkedFile) {
    const std::string kept = home_ + "/dotfiles/settings.dat";
    std::filesystem::create_directories(home_ + "/dotfiles");
    std::filesystem::create_directories(std::filesystem::path(SettingsPath()).parent_path());
    std::filesystem::create_symlink(kept, SettingsPath());
    CChildView& view = StartView();  // the first start makes the linked file
    ASSERT_TRUE(std::filesystem::is_regular_file(kept));
    g_transparencyPercent = 42;
    view.SaveSettings();
    EXPECT_TRUE(std::filesystem::is_symlink(SettingsPath()));
    ASSERT_TRUE(std::filesystem::is_regular_file(kept));
    EXPECT_EQ(ReadBytes(kept).at(168), 42);
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(SettingsFileTest, WriteFailureIsReportedOnceAndStartUpGoesOn) {
    // A plain file where the application-data folder should be: nothing can be made inside.
    WriteBytes(AppDataFolder(), Bytes{1, 2, 3});
    CChildView& view = StartView(1280, 1024);
    EXPECT_EQ(g_screenSize, 3);  // the record it tried to write is what the game runs on
    EXPECT_EQ(g_settingsString236, "gamebox" + std::string(11, ' '));
    g_isSmiliesOn = true;
    view.SaveSettings();
    view.SaveSettings();

    EXPECT_TRUE(g_isSmiliesOn);
    EXPECT_EQ(ReadBytes(AppDataFolder()), (Bytes{1, 2, 3}));
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_NE(MessageBoxes()[0].text.find("cannot be saved"), std::string::npos);
}

// Real files whose every replacement fails, as on a full disk.
class RefusingWrites : public posix::PosixFiles {
  public:
    using posix::PosixFiles::PosixFiles;
    bool WriteAtomic(const std::string& /*path*/, const platform::Bytes& /*content*/) override {
        ++attempts;
        return false;
    }
    int attempts = 0;
};

TEST_F(SettingsFileTest, FailedUpdateKeepsTheFileAndIsReportedOnce) {
    headless::TestPlatform& test = Platform();
    RefusingWrites files(home_, [this](const std::string& name) -> std::optional<std::string> {
        if (name == "HOME") return home_;
        return std::nullopt;
    });
    platform::Platform refusing{test.window,   test.dialogs,     test.sound,  files,
                                test.shell,    test.clock,       test.random, test.sockets,
                                test.transfer, test.fileDialogs, test.glyphs, test.imageDecoder};
    CChildView view(refusing);
    const Bytes created = SettingsBytes();
    g_isSmiliesOn = true;
    view.SaveSettings();
    view.SaveSettings();

    EXPECT_EQ(files.attempts, 2);
    EXPECT_EQ(SettingsBytes(), created);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_NE(MessageBoxes()[0].text.find("cannot be saved"), std::string::npos);
}

}  // namespace
}  // namespace shell_test
