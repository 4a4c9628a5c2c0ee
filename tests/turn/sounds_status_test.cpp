// Game sounds by number and switch, the status line, and the synthesized sound files.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>

#include "core/model/options.h"
#include "core/turn/game_sounds.h"
#include "core/turn/turn_state.h"
#include "turn_fixture.h"

namespace turn_test {
namespace {

using SoundsTest = TurnFixture;

TEST_F(SoundsTest, EachSoundNumberPlaysItsFileWhileItsSwitchIsOn) {
    struct Case {
        std::uint32_t number;
        std::string file;  // empty: nothing plays
        bool loops;
    };
    const Case cases[] = {{1, "236", false}, {2, "225", false}, {3, "222", false},
                          {4, "237", false}, {5, "238", false}, {6, "230", false},
                          {7, "229", false}, {8, "", false},    {9, "228", false},
                          {10, "231", true}, {11, "", false},   {99, "", false}};
    for (const Case& c : cases) {
        Sound().played.clear();
        View().PlayGameSound(c.number);
        if (c.file.empty()) {
            EXPECT_TRUE(Sound().played.empty()) << c.number;
            continue;
        }
        ASSERT_EQ(Sound().played.size(), 1u) << c.number;
        EXPECT_EQ(Sound().played[0].wavePath, home_ + "/res/sounds/" + c.file + ".wav");
        EXPECT_EQ(Sound().played[0].loop, c.loops);
        // Its own switch silences it.
        bool& isOn = *FindGameSound(c.number)->isOn;
        isOn = false;
        View().PlayGameSound(c.number);
        EXPECT_EQ(Sound().played.size(), 1u) << c.number;
        isOn = true;
    }
    EXPECT_EQ(Sound().stops, 0);
    View().PlayGameSound(0);
    EXPECT_EQ(Sound().stops, 1);
}

TEST_F(SoundsTest, TheSwitchNoneSilencesEverySoundEvenTheStop) {
    g_isSoundOff = true;
    for (std::uint32_t n : {0u, 1u, 9u, 10u}) View().PlayGameSound(n);
    EXPECT_TRUE(Sound().played.empty());
    EXPECT_EQ(Sound().stops, 0);
}

TEST_F(SoundsTest, StatusLineRulesAndTheTransientNotice) {
    g_screenSize = 3;
    View().ShowStatus("Hello");
    EXPECT_EQ(g_statusText, "Hello");
    EXPECT_EQ(Window().statusPanes.at(0), "H e l l o  ");
    const std::string long64(64, 'x');
    View().ShowStatus(long64);
    EXPECT_EQ(Window().statusPanes.at(0), long64);
    View().ShowStatus("");
    EXPECT_EQ(g_statusText, "");
    EXPECT_EQ(Window().statusPanes.at(0), long64);  // an empty text leaves the bar as it was
    g_screenSize = 2;
    View().ShowStatus("kept");
    View().ShowTransientStatus("This might take a few seconds...");
    EXPECT_EQ(Window().statusPanes.at(0), "This might take a few seconds...");
    EXPECT_EQ(g_statusText, "kept");
}

TEST_F(SoundsTest, BusyHighlightErrorBoxAndComputerName) {
    View().SetBusy();
    EXPECT_TRUE(g_isHighlightOn);
    View().ClearBusy();
    EXPECT_FALSE(g_isHighlightOn);
    errno = 12;
    View().ReportLastError("Memory allocation failed.");
    ASSERT_EQ(Window().messageBoxes.size(), 1u);
    EXPECT_EQ(Window().messageBoxes[0].text, " Memory allocation failed. Error number 12 ");
    g_playerNames[4] = "pc IV";
    g_aiActingPlayer = 4;
    std::string name = "old";
    View().GetComputerPlayerName(&name);
    EXPECT_EQ(name, "pc IV");
    g_aiActingPlayer = 0;
    View().GetComputerPlayerName(&name);
    EXPECT_EQ(name, "");
}

std::uint32_t U32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}
std::uint32_t U16(const std::string& b, std::size_t at) {
    return U32(b + std::string(2, '\0'), at) & 0xFFFF;
}

TEST(GeneratedSoundsTest, NineDistinctShortPcmFilesOneForEachSound) {
    const std::string folder = test_support::MakeTemporaryFolder("turn");
    const std::string command = std::string(MAROVEK_GEN_SOUNDS) + " " + folder;
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::set<std::string> contents;
    for (const GameSound& sound : GameSounds()) {
        std::ifstream in(folder + "/sounds/" + std::string(sound.name) + ".wav", std::ios::binary);
        const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_GT(b.size(), 44u) << sound.name;
        EXPECT_EQ(b.substr(0, 4), "RIFF");
        EXPECT_EQ(U32(b, 4), b.size() - 8);
        EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(U32(b, 16), 16u);
        EXPECT_EQ(U16(b, 20), 1u);  // PCM
        EXPECT_EQ(U16(b, 22), 1u);  // mono
        EXPECT_EQ(U32(b, 24), 22050u);
        EXPECT_EQ(U32(b, 28), 44100u);
        EXPECT_EQ(U16(b, 32), 2u);
        EXPECT_EQ(U16(b, 34), 16u);
        EXPECT_EQ(b.substr(36, 4), "data");
        EXPECT_EQ(U32(b, 40), b.size() - 44);
        const double seconds = static_cast<double>(U32(b, 40)) / 44100.0;
        if (sound.number == 9)
            EXPECT_LT(seconds, 3.0);
        else
            EXPECT_LT(seconds, 1.5) << sound.name;
        // Not silent, and not clipped flat at full scale.
        int peak = 0;
        for (std::size_t i = 44; i + 1 < b.size(); i += 2) {
            const auto v = static_cast<std::int16_t>(U16(b, i));
            peak = std::max(peak, std::abs(static_cast<int>(v)));
        }
        EXPECT_GT(peak, 3000) << sound.name;
        EXPECT_LT(peak, 32767) << sound.name;
        contents.insert(b.substr(44));
    }
    EXPECT_EQ(contents.size(), GameSounds().size());
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace turn_test
