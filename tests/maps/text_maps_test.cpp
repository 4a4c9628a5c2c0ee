// Tests of the imagined map texts: each parses into its table's sizes with a sound board, and the
// shipped map files are copied into the user's folder without touching the user's own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/model/game_state.h"
#include "core/model/map_text.h"
#include "maps/map_texts.h"
#include "maps/shipped_maps.h"
#include "platform/posix/posix_files.h"
#include "tests/maps/board_checks.h"

namespace {

enum class Codes { kXxx, kDots, kOwn, kOwnRepeated };

struct TextCase {
    const char* name;
    Codes codes;
    std::size_t codeLength;
};

const TextCase kTexts[] = {
    {"MiddleEarth", Codes::kOwnRepeated, 3},
    {"AloneInACrowd", Codes::kDots, 3},
    {"Atlantis2", Codes::kOwnRepeated, 3},
    {"Atlantis", Codes::kOwnRepeated, 3},
    {"Doom", Codes::kOwn, 2},
    {"DragonWarrior", Codes::kOwnRepeated, 3},
    {"e2", Codes::kDots, 3},
    {"Hex_gone_crazy", Codes::kDots, 3},
    {"Lines", Codes::kXxx, 3},
    {"Neighbourhood", Codes::kDots, 3},
    {"OK83", Codes::kOwn, 3},
    {"Rings", Codes::kDots, 3},
    {"coconutz", Codes::kDots, 3},
    {"JustNeedTwo", Codes::kDots, 3},
    {"107", Codes::kXxx, 3},
};

// Parsed as a loaded map file is: the table's counts, neighbours that name each other, one
// connected board, codes as the table says, and bonuses that grow with what a continent asks.
TEST(ImaginedMapTexts, EachParsesIntoASoundBoard) {
    for (const TextCase& c : kTexts) {
        SCOPED_TRACE(c.name);
        const BuiltinMapText* text = BuiltinMapTextByName(c.name);
        ASSERT_NE(text, nullptr);
        ASSERT_TRUE(IsMapTextComplete(*text));
        g_mapTextBuffer.clear();
        ASSERT_TRUE(maps::AppendBuiltinMapText(*text));
        EXPECT_EQ(static_cast<std::int32_t>(g_mapTextBuffer.size()), MapTextLineCount(*text));
        ASSERT_EQ(ParseMapTextBuffer(), map_text_result::kAccepted);
        ASSERT_EQ(g_territoryCount, text->territories);
        ASSERT_EQ(g_continentCount, text->continents);

        ASSERT_NO_FATAL_FAILURE(board_checks::ExpectSymmetricConnectedNeighbours());

        std::map<std::string, int> uses;
        for (int t = 1; t <= g_territoryCount; ++t) {
            const std::string& code = g_territoryCodes[t];
            EXPECT_EQ(code.size(), c.codeLength) << t;
            const char* placeholder = c.codes == Codes::kXxx    ? "xxx"
                                      : c.codes == Codes::kDots ? "..."
                                                                : nullptr;
            if (placeholder != nullptr) {
                EXPECT_EQ(code, placeholder) << t;
            }
            ++uses[code];
        }
        const bool repeats =
            std::any_of(uses.begin(), uses.end(), [](auto& e) { return e.second > 1; });
        if (c.codes == Codes::kOwn || c.codes == Codes::kOwnRepeated) {
            EXPECT_EQ(repeats, c.codes == Codes::kOwnRepeated);
        }

        // Only a map with more territories than its continents can hold leaves some outside.
        int outside = 0;
        for (int t = 1; t <= g_territoryCount; ++t) outside += board_checks::ContinentOf(t) == 0;
        EXPECT_EQ(outside, std::max(0, g_territoryCount - kMaxContinentMembers * g_continentCount));
        for (int k = 1; k <= g_continentCount; ++k) {
            int borders = 0;
            while (borders < kMaxContinentBorder && g_continentBorders[k][borders + 1] != 0)
                ++borders;
            const int members = g_continents[k][kContinentMemberCount];
            EXPECT_EQ(g_continents[k][kContinentBonus], std::max(1, (members + borders - 1) / 2))
                << "continent " << k;
        }
    }
}

class ShippedMaps : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "marovek_shipped_XXXXXX");
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        program_ = root_ / "program";
        user_ = root_ / "user";
        files_ = std::make_unique<posix::PosixFiles>(program_.string());
        std::filesystem::create_directories(program_ / "res/mapfiles");
        std::filesystem::create_directories(user_);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    static void Write(const std::filesystem::path& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }
    static std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Ship(const std::string& name, std::initializer_list<const char*> suffixes) {
        for (const char* suffix : suffixes)
            Write(program_ / "res/mapfiles" / (name + suffix), name + suffix + " shipped");
    }
    int Copy() { return maps::CopyMissingShippedMaps(*files_, program_.string(), user_.string()); }

    std::filesystem::path root_;
    std::filesystem::path program_;
    std::filesystem::path user_;
    std::unique_ptr<posix::PosixFiles> files_;
};

TEST_F(ShippedMaps, EveryImaginedMapTextIsShipped) {
    const std::vector<std::string_view> names = maps::ShippedMapNames();
    for (const TextCase& c : kTexts)
        EXPECT_NE(std::find(names.begin(), names.end(), c.name), names.end()) << c.name;
    EXPECT_NE(std::find(names.begin(), names.end(), "ParisByNight"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "SwampII"), names.end());
}

// A map is copied whole or not at all: not when the user keeps any file of its name, not when
// the program lacks one of its files; nothing of the user's is ever replaced.
TEST_F(ShippedMaps, CopiesWholeMapsTheUserLacksAndNothingElse) {
    Ship("Doom", {".txt", ".bmp", "_2.bmp"});
    Ship("coconutz", {".txt", ".bmp", "_2.bmp"});
    Ship("Lines", {".txt", ".bmp", "_2.bmp"});
    Ship("Rings", {".txt", ".bmp"});
    Write(user_ / "Lines.txt", "my own lines");

    EXPECT_EQ(Copy(), 6);
    for (const char* file : {"Doom.txt", "Doom.bmp", "Doom_2.bmp", "coconutz_2.bmp"})
        EXPECT_EQ(Read(user_ / file), std::string(file) + " shipped") << file;
    EXPECT_EQ(Read(user_ / "Lines.txt"), "my own lines");
    for (const char* absent : {"Lines.bmp", "Lines_2.bmp", "Rings.txt", "Rings.bmp"})
        EXPECT_FALSE(std::filesystem::exists(user_ / absent)) << absent;

    Write(user_ / "Doom.bmp", "repainted");
    std::filesystem::remove(user_ / "coconutz.txt");
    EXPECT_EQ(Copy(), 0);
    EXPECT_EQ(Read(user_ / "Doom.bmp"), "repainted");
    EXPECT_FALSE(std::filesystem::exists(user_ / "coconutz.txt"));
}

TEST_F(ShippedMaps, NothingHappensWithoutBothFolders) {
    Ship("Doom", {".txt", ".bmp", "_2.bmp"});
    EXPECT_EQ(maps::CopyMissingShippedMaps(*files_, "", user_.string()), 0);
    EXPECT_EQ(maps::CopyMissingShippedMaps(*files_, program_.string(), ""), 0);
    EXPECT_TRUE(std::filesystem::is_empty(user_));
}

}  // namespace
