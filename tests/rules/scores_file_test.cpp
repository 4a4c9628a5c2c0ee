// Tests of the scores file: its creation, each 140-byte record at its offsets, the titles and
// name texts, and that an existing file is never cut short.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/options.h"
#include "rules_fixture.h"
#include "setup/scores_file.h"
#include "shell/storage.h"

namespace {

using namespace rules_test;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
std::int32_t I32At(const Bytes& b, std::size_t offset) {
    return static_cast<std::int32_t>(b.at(offset) | b.at(offset + 1) << 8 | b.at(offset + 2) << 16 |
                                     static_cast<std::uint32_t>(b.at(offset + 3)) << 24);
}
std::string TextAt(const Bytes& b, std::size_t offset, std::size_t width) {
    return std::string(b.begin() + static_cast<long>(offset),
                       b.begin() + static_cast<long>(offset + width));
}
// A Unix socket's file at `path`: it exists, no one can open it as a file, and it stays after
// the socket is closed.
void MakeSocketFile(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    const int bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::close(fd);
    ASSERT_EQ(bound, 0) << path;
}

class ScoresFile : public RulesFixture {
  protected:
    void SetUp() override {
        RulesFixture::SetUp();
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        Platform().clock.Set(1'796'803'500);  // 9 December 2026, 08:05 UTC
        ClearMapFlags();
        g_isMapWorld = true;
        g_playerCount = 4;
        g_humanPlayerCount = 1;
        g_playerNames[1] = "Annabella";
        g_playerNames[2] = "Bartholomew";
    }
    std::string Path() const { return g_appDataFolder + "/Mrvek55scores.dat"; }
    Bytes Record(int index = 0) const {
        const Bytes all = ReadAll(Path());
        const auto at = static_cast<long>(index * kScoreRecordSize);
        return Bytes(all.begin() + at, all.begin() + at + static_cast<long>(kScoreRecordSize));
    }
};

TEST_F(ScoresFile, LoadingCreatesAMissingFileEmptyAndLeavesAnExistingOneAlone) {
    std::filesystem::remove(Path());  // the view may have made it when it was built
    View().LoadScoresRecord();
    EXPECT_EQ(g_scoresFilePath, Path());
    ASSERT_TRUE(std::filesystem::exists(Path()));
    EXPECT_EQ(std::filesystem::file_size(Path()), 0u);

    std::ofstream(Path(), std::ios::binary) << std::string(150, 'x');
    View().LoadScoresRecord();
    EXPECT_EQ(std::filesystem::file_size(Path()), 150u);
    EXPECT_EQ(g_scoreRecord[139], 'x');
}

TEST_F(ScoresFile, TheFirstRecordIsTheWholeFileWithEveryFieldAtItsOffset) {
    g_isTroopExperienceOn = true;
    g_areStrongholdsOn = false;
    g_areTerritoriesHidden = true;
    g_isNormalLevel = true;
    g_missionKind = 2;
    g_personalities = {0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4};
    g_unstableMarks[3] = 6;
    g_isRandomMix = true;
    g_scoreRecord.fill(0xEE);
    View().RecordScore(1, 4, 'j', 77, "Annabella");
    ASSERT_EQ(std::filesystem::file_size(Path()), kScoreRecordSize);
    const Bytes r = Record();
    EXPECT_EQ(TextAt(r, 0, 14), "World         ");
    EXPECT_EQ(r[14], 0);
    EXPECT_EQ(r[15], 0) << "reserved bytes are zero, not left from an earlier record";
    EXPECT_EQ(I32At(r, 16), 4);
    EXPECT_EQ(I32At(r, 20), 1);
    EXPECT_EQ(I32At(r, 24), 1);
    EXPECT_EQ(I32At(r, 28), 1);
    EXPECT_EQ(I32At(r, 32), 1) << "without strongholds";
    EXPECT_EQ(I32At(r, 36), 0) << "with Troop Experience";
    EXPECT_EQ(I32At(r, 40), 2);
    const std::int32_t personalities[] = {1, 2, 6, 4, 5, 0, 1, 2, 3, 4};
    for (std::size_t p = 0; p < 10; ++p) EXPECT_EQ(I32At(r, 48 + 4 * p), personalities[p]) << p;
    EXPECT_EQ(r[88], 1);
    EXPECT_EQ(I32At(r, 92), 77);
    EXPECT_EQ(I32At(r, 96), 1);
    EXPECT_EQ(TextAt(r, 100, 20), std::string("Dec0920260805") + std::string(7, '\0'));
    EXPECT_EQ(TextAt(r, 120, 20), std::string("Annabella") + std::string(11, '\0'));
}

TEST_F(ScoresFile, RecordsAreAppendedAndTheOldOnesKept) {
    View().RecordScore(1, 4, 'n', 10, "Annabella");
    const Bytes first = Record(0);
    View().RecordScore(2, 4, 'n', 20, "Bartholomew");
    ASSERT_EQ(std::filesystem::file_size(Path()), 2 * kScoreRecordSize);
    EXPECT_EQ(Record(0), first);
    EXPECT_EQ(I32At(Record(1), 92), 20);
    EXPECT_EQ(I32At(Record(1), 20), 0) << "dice-like";
}

TEST_F(ScoresFile, AHotseatWinNamesBothHumansByTheWinnersNumber) {
    g_humanPlayerCount = 2;
    g_players[1][player_field::kLosses] = 30;
    g_players[2][player_field::kLosses] = 30;  // equal losses do not confuse the winner
    View().RecordScore(2, 4, 'j', 30, "Bartholomew");
    EXPECT_EQ(TextAt(Record(), 120, 19), "1.Barthol 2.Annabel");
    EXPECT_EQ(scores::NameText(1, "Annabella"), "1.Annabel 2.Barthol");
}

TEST_F(ScoresFile, TheNeutralArmyAndNetworkGamesRecordTheirOwnCounts) {
    struct Case {
        bool neutral;
        int gameKind;
        int joined;
        int players, humans;
    };
    const Case cases[] = {{true, 1, 0, 2, 2}, {false, 2, 3, 5, 3}, {false, 3, 4, 5, 4}};
    g_personalities = {0, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    for (const Case& c : cases) {
        g_hasNeutralArmy = c.neutral;
        g_gameKind = c.gameKind;
        g_joinedSeatCount = c.joined;
        const scores::Record r = scores::BuildRecord({1, 5, 'j', 1, "Annabella", "x"});
        const Bytes b(r.begin(), r.end());
        EXPECT_EQ(I32At(b, 16), c.players);
        EXPECT_EQ(I32At(b, 96), c.humans);
        EXPECT_EQ(I32At(b, 48), 0) << "no personalities";
    }
}

TEST_F(ScoresFile, TitlesOfMapsMapFilesAndCampaigns) {
    struct Case {
        bool* map;
        int campaign;
        std::string mapName;
        std::string title;
    };
    g_campaignName = "My Own Campaign Name";
    const Case cases[] = {
        {&g_isMapEurope, 0, "", "Europe        "},
        {&g_isMapSwampII, 0, "", "Swamp II      "},
        {&g_isMapThreeNationsA, 0, "", "Three Nations "},
        {&g_isMapCustom, 0, "Fjords", std::string("Fjords") + std::string(8, '\0')},
        {&g_isMapCustom, 0, "A very long map name", "A very long ma"},
        {&g_isMapWorld, 3, "", "N. Atlantic   "},
        {&g_isMapWorld, 5, "", "Marovek       "},
        {&g_isMapWorld, 6, "", "My Own Campaig"},
    };
    for (const Case& c : cases) {
        ClearMapFlags();
        *c.map = true;
        g_mapName = c.mapName;
        g_campaignNumber = c.campaign;
        const scores::Record r = scores::BuildRecord({1, 3, 'j', 0, "A", ""});
        EXPECT_EQ(std::string(r.begin(), r.begin() + 14), c.title);
    }
}

// Where the file should be lies something that exists but cannot be read as a file, whatever
// the rights the tests run with: a folder, or a socket, which unlike a folder a new file could
// take the place of.
TEST_F(ScoresFile, AFileThatCannotBeReadIsNeverReplaced) {
    using std::filesystem::file_type;
    const auto listing = [] {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(g_appDataFolder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    for (const file_type unreadable : {file_type::directory, file_type::socket}) {
        std::filesystem::remove_all(Path());  // the view may have made the file when it was built
        if (unreadable == file_type::directory) {
            std::filesystem::create_directories(Path());
            std::ofstream(Path() + "/kept", std::ios::binary) << std::string(140, 'a');
        } else {
            ASSERT_NO_FATAL_FAILURE(MakeSocketFile(Path()));
        }
        const std::vector<std::string> before = listing();
        View().RecordScore(1, 4, 'j', 5, "Annabella");
        EXPECT_EQ(std::filesystem::symlink_status(Path()).type(), unreadable);
        EXPECT_EQ(listing(), before);  // nothing written beside it either
        if (unreadable == file_type::directory) {
            EXPECT_EQ(ReadAll(Path() + "/kept"), Bytes(140, 'a'));
        }
    }
}

// A score that cannot be written is reported, once in a session, and the next that can be
// written is.
TEST_F(ScoresFile, AScoreThatCannotBeWrittenIsReportedOnce) {
    std::filesystem::remove_all(Path());
    std::filesystem::create_directories(Path());  // in the file's place: no write can succeed
    Platform().window.messageBoxes.clear();
    View().RecordScore(1, 4, 'j', 5, "Annabella");
    View().RecordScore(2, 4, 'j', 6, "Bartholomew");
    ASSERT_EQ(Platform().window.messageBoxes.size(), 1u);
    const headless::MessageBoxCall& box = Platform().window.messageBoxes[0];
    EXPECT_EQ(box.text, "The score of this game cannot be saved (" + Path() +
                            "). The scores file keeps the scores it had.");
    EXPECT_EQ(box.caption, "Marovek");
    EXPECT_EQ(box.icon, platform::MessageIcon::Exclamation);

    std::filesystem::remove_all(Path());
    View().RecordScore(1, 4, 'j', 5, "Annabella");
    EXPECT_EQ(std::filesystem::file_size(Path()), kScoreRecordSize);
    EXPECT_EQ(Platform().window.messageBoxes.size(), 1u);
}

TEST(ScoreDate, EnglishMonthsWhateverTheLocale) {
    std::tm time{};
    time.tm_year = 2027 - 1900;
    time.tm_mon = 4;
    time.tm_mday = 3;
    time.tm_hour = 17;
    time.tm_min = 9;
    EXPECT_EQ(scores::FormatDate(time), "May0320271709");
}

}  // namespace
