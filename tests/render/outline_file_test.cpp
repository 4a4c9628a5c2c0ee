// Outline files: the checked reader against the map's count, and OpenMapCacheFile on real files in
// the program folder.
#include <gtest/gtest.h>
#include <utility>

#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/options.h"
#include "render/outline_file.h"
#include "render/render_state.h"
#include "render_fixture.h"

namespace render_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& bytes, int value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// A file of the given counts, with point i of territory t at (t * 20 + i, i).
Bytes OutlineBytes(const std::vector<int>& counts, int n = -1) {
    Bytes bytes;
    Put16(bytes, n < 0 ? static_cast<int>(counts.size()) : n);
    for (const int count : counts) Put16(bytes, count);
    for (std::size_t t = 1; t <= counts.size(); ++t) {
        for (int i = 0; i <= counts[t - 1]; ++i) {
            Put16(bytes, static_cast<int>(t) * 20 + i);
            Put16(bytes, i);
        }
    }
    return bytes;
}

TEST(OutlineFileTest, ReadsCountsAndPointsIncludingEmptyAndSinglePointTerritories) {
    const Bytes bytes = OutlineBytes({2, -1, 0});
    std::string error;
    const auto file = render::DecodeOutlineFile(bytes, &error, 3);
    ASSERT_TRUE(file) << error;
    ASSERT_EQ(file->rows.size(), 4u);
    EXPECT_EQ(file->rows[1], (std::vector<raster::Point>{{20, 0}, {21, 1}, {22, 2}}));
    EXPECT_TRUE(file->rows[2].empty());
    // Territory 3's records follow territory 1's at once.
    EXPECT_EQ(file->rows[3], (std::vector<raster::Point>{{60, 0}}));
    EXPECT_EQ(bytes.size(), 2u + 6u + 3u * 4u + 4u);
}

TEST(OutlineFileTest, AnEmptyFileOfNoTerritoriesIsValid) {
    const auto file = render::DecodeOutlineFile(OutlineBytes({}), nullptr, 0);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->rows.size(), 1u);
}

TEST(OutlineFileTest, RefusesEveryFault) {
    Bytes tooLong = OutlineBytes({2, 1});
    tooLong.push_back(0);
    Bytes tooShort = OutlineBytes({2, 1});
    tooShort.pop_back();
    Bytes hugeCount;
    Put16(hugeCount, 1);
    Put16(hugeCount, 5001);
    // Points off the board, each at the edge it passes.
    auto onePoint = [](int x, int y) {
        Bytes bytes;
        for (const int v : {1, 0, x, y}) Put16(bytes, v);
        return bytes;
    };
    const struct {
        const char* name;
        Bytes bytes;
        int territories;
    } cases[] = {
        {"empty", {}, 0},
        {"one byte", {1}, 1},
        {"another map's count", OutlineBytes({2, 1}), 3},
        {"more than 200", OutlineBytes(std::vector<int>(201, -1)), 201},
        {"ends in the counts", Bytes{2, 0, 1, 0}, 2},
        {"a byte too many", tooLong, 2},
        {"a byte too few", tooShort, 2},
        {"a count above 5000", hugeCount, 1},
        {"x below the board", onePoint(-1, 0), 1},
        {"x past the board", onePoint(1206, 0), 1},
        {"y below the board", onePoint(0, -32767), 1},
        {"y past the board", onePoint(0, 898), 1},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(render::DecodeOutlineFile(c.bytes, &error, c.territories)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
}

TEST(OutlineFileTest, PointsReachTheBoardsLastPixel) {
    Bytes bytes;
    for (const int v : {1, 1, 0, 0, 1205, 897}) Put16(bytes, v);
    const auto file = render::DecodeOutlineFile(bytes, nullptr, 1);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->rows[1], (std::vector<raster::Point>{{0, 0}, {1205, 897}}));
}

TEST(OutlineFileTest, NamesFollowTheMapCodeAndSize) {
    EXPECT_EQ(render::OutlineFileName("Wor", 2), "MrvekmapWor2.dat");
    EXPECT_EQ(render::OutlineFileName("3Nb", 1), "Mrvekmap3Nb1.dat");
}

using OpenMapCacheFileTest = RenderFixture;

TEST_F(OpenMapCacheFileTest, ReadsTheSelectedMapsFileIntoTheTables) {
    CChildView& view = StartView();
    ASSERT_TRUE(g_isMapWorld);
    g_screenSize = 2;
    std::vector<int> counts(static_cast<std::size_t>(g_territoryCount), 0);
    counts[0] = 3;
    counts[1] = -1;
    WriteBytes(program_ + "/res/maps/MrvekmapWor2.dat", OutlineBytes(counts));
    g_isGradientPaint = true;
    view.OpenMapCacheFile();
    EXPECT_EQ(g_mapCachePath, program_ + "/res/maps/MrvekmapWor2.dat");
    EXPECT_EQ(g_outlineCounts[1], 3);
    EXPECT_EQ(g_outlineX[1][3], 23);
    EXPECT_EQ(g_outlineY[1][3], 3);
    EXPECT_EQ(g_outlineCounts[2], -1);
    EXPECT_EQ(g_outlineX[42][0], 840);
    EXPECT_TRUE(g_isGradientPaint);
}

TEST_F(OpenMapCacheFileTest, AMissingOrForeignFileLeavesNoOutlinesAndPaintsFlat) {
    CChildView& view = StartView();
    g_screenSize = 2;
    // First a good file, then its size's file goes missing: nothing of it may be painted.
    WriteBytes(program_ + "/res/maps/MrvekmapWor2.dat",
               OutlineBytes(std::vector<int>(static_cast<std::size_t>(g_territoryCount), 5)));
    view.OpenMapCacheFile();
    ASSERT_EQ(g_outlineCounts[7], 5);
    g_screenSize = 3;
    g_isGradientPaint = true;
    view.OpenMapCacheFile();
    EXPECT_EQ(g_outlineCounts[7], -1);
    EXPECT_FALSE(g_isGradientPaint);
    EXPECT_TRUE(g_mapCachePath.empty());
    // A file made for a map of another territory count is refused the same way.
    WriteBytes(program_ + "/res/maps/MrvekmapWor3.dat", OutlineBytes(std::vector<int>(44, 5)));
    g_isGradientPaint = true;
    view.OpenMapCacheFile();
    EXPECT_EQ(g_outlineCounts[7], -1);
    EXPECT_FALSE(g_isGradientPaint);
}

// A refused outline file is no reason to paint flat: the picture is traced as for a map file.
TEST_F(OpenMapCacheFileTest, ARefusedFileIsTracedFromThePicture) {
    CChildView& view = StartView();
    ASSERT_TRUE(g_isMapWorld);
    g_screenSize = 2;
    std::vector<int> counts(static_cast<std::size_t>(g_territoryCount), 0);
    Bytes bytes = OutlineBytes(counts);
    bytes[2 + 2 * counts.size() + 2] = 0x80;  // territory 1's y: -32768
    bytes[2 + 2 * counts.size() + 3] = 0x80;
    WriteBytes(program_ + "/res/maps/MrvekmapWor2.dat", bytes);
    // Territory 1 is a dark square around its label point on a white picture.
    raster::Surface picture(kBoardWidth, kBoardHeight, raster::Rgb(255, 255, 255));
    const int x = g_labelPositions[1].x;
    const int y = g_labelPositions[1].y;
    for (int k = -30; k <= 30; ++k) {
        picture.SetPixel(x + k, y - 30, 0);
        picture.SetPixel(x + k, y + 30, 0);
        picture.SetPixel(x - 30, y + k, 0);
        picture.SetPixel(x + 30, y + k, 0);
    }
    g_mapBitmap = std::move(picture);
    g_isGradientFill = true;
    g_isGradientPaint = true;
    view.MakeTerritoryOutlines();
    EXPECT_TRUE(g_mapCachePath.empty());
    EXPECT_GE(g_outlineCounts[1], 100) << "territory 1 was traced around its square";
    EXPECT_EQ(g_outlineY[1][0], y - 30);
}

}  // namespace
}  // namespace render_test
