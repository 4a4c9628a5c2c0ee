// The drawn pictures' colours: clear of the board's click test, icons that match their mask,
// and pictures that can be told apart.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

#include "platform/dialog.h"
#include "platform/raster/icon.h"
#include "tools/art/art.h"
#include "tools/art/hit_colours.h"
#include "tools/art/player_icons.h"

namespace {

using raster::Colour;
using raster::Rgb;

// The click test's border rule, written out here on its own so that the art's copy is checked
// against it: greys but black, R 0x80 G 0 B 0x40, pure blue, and near-greys.
bool StopsClickLine(Colour c) {
    const int r = raster::RedOf(c), g = raster::GreenOf(c), b = raster::BlueOf(c);
    if (r == g && g == b && r != 0) return true;
    if (r == 0x80 && g == 0 && b == 0x40) return true;
    if (r == 0 && g == 0 && b == 0xFF) return true;
    return g >= 21 && g <= 239 && r > g - 4 && r < g + 4 && b > g - 4 && b < g + 4;
}

class DrawnArt : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        for (art::Picture& p : art::DrawAll()) {
            pictures_[{p.folder == art::Folder::kBitmaps, p.id}] = std::move(p.surface);
        }
    }
    static const raster::Surface& Bitmap(int id) { return pictures_.at({true, id}); }
    static const raster::Surface& Icon(int id) { return pictures_.at({false, id}); }

    static inline std::map<std::pair<bool, int>, raster::Surface> pictures_;
};

const int kBackgrounds[] = {338, 339, 340, 341, 214, 215, 274, 365, 366, 367};
const int kPlayerIcons[] = {131, 132, 133, 134, 135, 249, 250, 251, 252, 253, 138};
const int kDialogIcons[] = {140, 141, 142, 143, 370, 371};
constexpr int kMask = 137;

TEST(HitNeutral, EveryColourComesOutClearAndClearColoursStayTheSame) {
    for (Colour c = 0; c <= 0xFFFFFFu; ++c) {
        ASSERT_EQ(art::BlocksHitTest(c), StopsClickLine(c)) << std::hex << c;
        const Colour out = art::HitNeutral(c);
        ASSERT_FALSE(StopsClickLine(out)) << std::hex << c;
        if (!StopsClickLine(c)) {
            ASSERT_EQ(out, c) << std::hex << c;
        }
        // Only blue moves, and only a little, so a picture keeps its look.
        ASSERT_EQ(out & 0x00FFFFu, c & 0x00FFFFu) << std::hex << c;
        ASSERT_LE(std::abs(raster::BlueOf(out) - raster::BlueOf(c)), 8) << std::hex << c;
    }
}

TEST_F(DrawnArt, BoardPicturesNeverStopAClickLine) {
    std::vector<int> ids(std::begin(kBackgrounds), std::end(kBackgrounds));
    ids.insert(ids.end(), std::begin(kPlayerIcons), std::end(kPlayerIcons));
    for (int id : ids) {
        const raster::Surface& picture = Bitmap(id);
        int blocking = 0;
        for (Colour c : picture.Pixels()) blocking += StopsClickLine(c) ? 1 : 0;
        EXPECT_EQ(blocking, 0) << "bitmap " << id;
    }
}

TEST_F(DrawnArt, MaskIsBlackOverTheFaceAndWhiteAround) {
    const raster::Surface& mask = Bitmap(kMask);
    int opaque = 0;
    for (Colour c : mask.Pixels()) {
        ASSERT_TRUE(c == Rgb(0, 0, 0) || c == Rgb(255, 255, 255)) << std::hex << c;
        opaque += c == 0 ? 1 : 0;
    }
    // A face that fills most of the square but leaves its corners to the board.
    EXPECT_GT(opaque, 15 * 15 * 2 / 3);
    EXPECT_EQ(mask.Pixel(0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(mask.Pixel(14, 14), Rgb(255, 255, 255));
    EXPECT_EQ(mask.Pixel(7, 7), Rgb(0, 0, 0));
}

TEST_F(DrawnArt, IconsDrawnWithTheMaskKeepTheBoardAroundAndShowTheFace) {
    const raster::Surface& mask = Bitmap(kMask);
    const Colour territory = Rgb(64, 80, 128);
    for (int id : kPlayerIcons) {
        SCOPED_TRACE(id);
        const raster::Surface& colour = Bitmap(id);
        const raster::Icon icon = raster::MakeIcon(colour, mask);
        ASSERT_FALSE(icon.andMask.empty());
        raster::Surface board(21, 21, territory);
        raster::DrawIcon(board, 3, 3, icon);
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 15; ++x) {
                const bool seeThrough = mask.Pixel(x, y) == Rgb(255, 255, 255);
                EXPECT_EQ(board.Pixel(x + 3, y + 3), seeThrough ? territory : colour.Pixel(x, y))
                    << x << "," << y;
            }
        }
    }
}

TEST_F(DrawnArt, EveryIconHasItsOwnLook) {
    for (const int* ids : {kPlayerIcons, kDialogIcons}) {
        const bool player = ids == kPlayerIcons;
        const int count = player ? 11 : 6;
        for (int i = 0; i < count; ++i) {
            for (int j = i + 1; j < count; ++j) {
                const raster::Surface& a = player ? Bitmap(ids[i]) : Icon(ids[i]);
                const raster::Surface& b = player ? Bitmap(ids[j]) : Icon(ids[j]);
                EXPECT_NE(a.Pixels(), b.Pixels()) << ids[i] << " and " << ids[j];
            }
        }
    }
}

TEST(PlayerIcons, CodesWithoutAnIconGiveNothing) {
    for (int code : {0, 11, 25, 98, 100, -1}) {
        EXPECT_TRUE(art::DrawPlayerIcon(code).Empty()) << code;
    }
}

TEST_F(DrawnArt, DialogIconsSitOnTheDialogFace) {
    for (int id : kDialogIcons) {
        const raster::Surface& icon = Icon(id);
        // Their upper corners are open: the dialog's own colour, so no box shows around them.
        EXPECT_EQ(icon.Pixel(0, 0), kDialogFace) << id;
        EXPECT_EQ(icon.Pixel(31, 0), kDialogFace) << id;
    }
}

struct MeanColour {
    double r = 0, g = 0, b = 0;
};
MeanColour Mean(const raster::Surface& s) {
    MeanColour m;
    for (Colour c : s.Pixels())
        m.r += raster::RedOf(c), m.g += raster::GreenOf(c), m.b += raster::BlueOf(c);
    const double n = static_cast<double>(s.Pixels().size());
    return {m.r / n, m.g / n, m.b / n};
}
double Distance(MeanColour a, MeanColour b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

TEST_F(DrawnArt, ThreeDistinctSeasEachTheSameAtEverySize) {
    const int seas[3][3] = {{341, 339, 338}, {215, 214, 274}, {365, 366, 367}};
    for (const auto& sizes : seas) {
        // One sea at three sizes: nearly the same overall colour.
        EXPECT_LT(Distance(Mean(Bitmap(sizes[0])), Mean(Bitmap(sizes[2]))), 6) << sizes[0];
        EXPECT_LT(Distance(Mean(Bitmap(sizes[1])), Mean(Bitmap(sizes[2]))), 6) << sizes[1];
    }
    EXPECT_GT(Distance(Mean(Bitmap(339)), Mean(Bitmap(214))), 30);
    EXPECT_GT(Distance(Mean(Bitmap(339)), Mean(Bitmap(366))), 30);
    EXPECT_GT(Distance(Mean(Bitmap(214)), Mean(Bitmap(366))), 30);
}

TEST_F(DrawnArt, FewColourOceanIsTheTrueColourOneReduced) {
    const raster::Surface& full = Bitmap(338);
    const raster::Surface& reduced = Bitmap(340);
    ASSERT_EQ(reduced.Width(), full.Width());
    ASSERT_EQ(reduced.Height(), full.Height());
    std::map<Colour, int> distinct;
    for (std::size_t i = 0; i < full.Pixels().size(); ++i) {
        const Colour a = full.Pixels()[i], b = reduced.Pixels()[i];
        ASSERT_LE(std::abs(raster::RedOf(a) - raster::RedOf(b)), 8) << i;
        ASSERT_LE(std::abs(raster::GreenOf(a) - raster::GreenOf(b)), 8) << i;
        ASSERT_LE(std::abs(raster::BlueOf(a) - raster::BlueOf(b)), 12) << i;
        ++distinct[b];
    }
    EXPECT_LT(distinct.size(), 2000u);  // a handful of levels per channel, not a smooth ramp
}

}  // namespace
