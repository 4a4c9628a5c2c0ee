// Copies between surfaces: clipping at every edge, raster ops, stretching, colour keys.
#include "platform/raster/blit.h"

#include <gtest/gtest.h>

#include "tests/raster/pattern.h"

namespace {

using rastertest::FromRows;
using rastertest::ToRows;
using Rows = std::vector<std::string>;

const Rows kSource{"rb", "k#"};

struct ClipCase {
    const char* name;
    int x, y;
    raster::Rect from;
    Rows after;
};

void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << c.name;
}

class BlitClipping : public testing::TestWithParam<ClipCase> {};

TEST_P(BlitClipping, CopiesOnlyWhatLiesOnBothSurfaces) {
    const ClipCase& c = GetParam();
    raster::Surface dest = FromRows({"....", "....", "...."});
    raster::Blit(dest, c.x, c.y, FromRows(kSource), c.from);
    EXPECT_EQ(ToRows(dest), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlitClipping,
    testing::Values(
        ClipCase{"Inside", 1, 1, {0, 0, 2, 2}, {"....", ".rb.", ".k#."}},
        ClipCase{"DestLeft", -1, 0, {0, 0, 2, 2}, {"b...", "#...", "...."}},
        ClipCase{"DestTop", 0, -1, {0, 0, 2, 2}, {"k#..", "....", "...."}},
        ClipCase{"DestRight", 3, 0, {0, 0, 2, 2}, {"...r", "...k", "...."}},
        ClipCase{"DestBottom", 0, 2, {0, 0, 2, 2}, {"....", "....", "rb.."}},
        ClipCase{"DestFarAway", 10, 10, {0, 0, 2, 2}, {"....", "....", "...."}},
        // Source rectangles reaching past the source keep their offset to the destination.
        ClipCase{"SourceLeftTop", 0, 0, {-1, -1, 2, 2}, {"....", ".rb.", ".k#."}},
        ClipCase{"SourceRightBottom", 0, 0, {1, 1, 4, 4}, {"#...", "....", "...."}},
        ClipCase{"EmptySource", 0, 0, {1, 1, 1, 2}, {"....", "....", "...."}}),
    [](const testing::TestParamInfo<ClipCase>& param) { return std::string(param.param.name); });

// The same cases through the keyed copy of equal sizes: black is see-through.
class KeyedBlitClipping : public testing::TestWithParam<ClipCase> {};

TEST_P(KeyedBlitClipping, CopiesOnlyWhatLiesOnBothSurfacesLeavingTheKey) {
    const ClipCase& c = GetParam();
    raster::Surface dest = FromRows({"....", "....", "...."});
    const raster::Rect to{c.x, c.y, c.x + c.from.Width(), c.y + c.from.Height()};
    raster::StretchBlitKeyed(dest, to, FromRows(kSource), c.from, rastertest::kBlack);
    EXPECT_EQ(ToRows(dest), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyedBlitClipping,
    testing::Values(ClipCase{"Inside", 1, 1, {0, 0, 2, 2}, {"....", ".rb.", "..#."}},
                    ClipCase{"DestLeft", -1, 0, {0, 0, 2, 2}, {"b...", "#...", "...."}},
                    ClipCase{"DestTop", 0, -1, {0, 0, 2, 2}, {".#..", "....", "...."}},
                    ClipCase{"DestRight", 3, 0, {0, 0, 2, 2}, {"...r", "....", "...."}},
                    ClipCase{"DestBottom", 0, 2, {0, 0, 2, 2}, {"....", "....", "rb.."}},
                    ClipCase{"DestFarAway", 10, 10, {0, 0, 2, 2}, {"....", "....", "...."}},
                    ClipCase{"SourceLeftTop", 0, 0, {-1, -1, 2, 2}, {"....", ".rb.", "..#."}},
                    ClipCase{"SourceRightBottom", 0, 0, {1, 1, 4, 4}, {"#...", "....", "...."}},
                    ClipCase{"SourceFarAway", 0, 0, {5, 5, 7, 7}, {"....", "....", "...."}}),
    [](const testing::TestParamInfo<ClipCase>& param) { return std::string(param.param.name); });

TEST(KeyedBlit, WithinOneSurfaceReadsTheOriginal) {
    raster::Surface s = FromRows({"rkb#", "...."});
    raster::StretchBlitKeyed(s, raster::Rect{1, 0, 4, 1}, s, raster::Rect{0, 0, 3, 1},
                             rastertest::kBlack);
    EXPECT_EQ(ToRows(s), (Rows{"rrbb", "...."}));
}

TEST(Blit, OverlappingCopyWithinOneSurfaceReadsTheOriginal) {
    raster::Surface s = FromRows({"rbk#", "...."});
    raster::Blit(s, 1, 0, s, raster::Rect{0, 0, 3, 1});
    EXPECT_EQ(ToRows(s), (Rows{"rrbk", "...."}));
    raster::Blit(s, 0, 0, s, raster::Rect{1, 0, 4, 1});
    EXPECT_EQ(ToRows(s), (Rows{"rbkk", "...."}));
}

TEST(Blit, AndThenXorDrawsAMaskedPicture) {
    // The mask clears where the icon is opaque; the XOR then sets the icon's colours there.
    raster::Surface dest(2, 1, 0x123456);
    const raster::Surface mask = FromRows({"k."});
    const raster::Surface icon = FromRows({"rk"});
    raster::Blit(dest, 0, 0, mask, raster::RasterOp::kAnd);
    raster::Blit(dest, 0, 0, icon, raster::RasterOp::kXor);
    EXPECT_EQ(dest.Pixel(0, 0), rastertest::kRed);
    EXPECT_EQ(dest.Pixel(1, 0), 0x123456u);
    raster::Blit(dest, 0, 0, FromRows({"bb"}), raster::RasterOp::kOr);
    EXPECT_EQ(dest.Pixel(0, 0), rastertest::kRed | rastertest::kBlue);
}

TEST(StretchBlit, DoublesEachPixelAndHalvesByTakingTheFirst) {
    raster::Surface big(4, 4);
    raster::StretchBlit(big, raster::Rect{0, 0, 4, 4}, FromRows(kSource), raster::Rect{0, 0, 2, 2});
    EXPECT_EQ(ToRows(big), (Rows{"rrbb", "rrbb", "kk##", "kk##"}));

    raster::Surface small(2, 1);
    raster::StretchBlit(small, raster::Rect{0, 0, 2, 1}, FromRows({"rbk#"}),
                        raster::Rect{0, 0, 4, 1});
    EXPECT_EQ(ToRows(small), (Rows{"rk"}));
}

TEST(StretchBlit, ClippingTheDestinationKeepsTheMapping) {
    // Three source columns over six destination columns, the first two off the surface.
    raster::Surface dest = FromRows({"...."});
    raster::StretchBlit(dest, raster::Rect{-2, 0, 4, 1}, FromRows({"rbk"}),
                        raster::Rect{0, 0, 3, 1});
    EXPECT_EQ(ToRows(dest), (Rows{"bbkk"}));
}

TEST(StretchBlit, EmptyOrInvertedRectanglesCopyNothing) {
    raster::Surface dest = FromRows({".."});
    for (const auto& [to, from] : {std::pair{raster::Rect{0, 0, 0, 1}, raster::Rect{0, 0, 1, 1}},
                                   std::pair{raster::Rect{0, 0, 2, 1}, raster::Rect{1, 0, 0, 1}},
                                   std::pair{raster::Rect{2, 0, 0, 1}, raster::Rect{0, 0, 1, 1}}})
        raster::StretchBlit(dest, to, FromRows({"r"}), from);
    EXPECT_EQ(ToRows(dest), (Rows{".."}));
}

TEST(KeyedBlit, TheKeyColourIsSeeThrough) {
    raster::Surface dest = FromRows({"bbb", "bbb"});
    raster::BlitKeyed(dest, 1, 0, FromRows({"kr", "#k"}), rastertest::kBlack);
    EXPECT_EQ(ToRows(dest), (Rows{"bbr", "b#b"}));
}

TEST(KeyedBlit, StretchedWithAKey) {
    raster::Surface dest = FromRows({"bbbb", "bbbb"});
    raster::StretchBlitKeyed(dest, raster::Rect{0, 0, 4, 2}, FromRows({"k#"}),
                             raster::Rect{0, 0, 2, 1}, rastertest::kBlack);
    EXPECT_EQ(ToRows(dest), (Rows{"bb##", "bb##"}));
}

// Rows long enough for the copy's blocks, with key pixels at block edges and in the tail, and
// shifted against the destination: every pixel lands where a pixel-by-pixel copy puts it.
TEST(KeyedBlit, WideRowsKeepTheKeyInEveryBlockAndTheTail) {
    constexpr raster::Colour kKey = 0x00123456u;
    for (const int width : {1, 15, 16, 17, 53}) {
        raster::Surface src(width, 2);
        for (int x = 0; x < width; ++x)
            for (int y = 0; y < 2; ++y)
                src.SetPixel(x, y,
                             x % 5 == 0 || x == 15 || x == width - 1
                                 ? kKey
                                 : static_cast<raster::Colour>(x + 100 * y));
        raster::Surface dest(width + 3, 3, 0x00ABCDEFu);
        raster::BlitKeyed(dest, 2, 1, src, kKey);
        for (int x = 0; x < width + 3; ++x) {
            for (int y = 0; y < 3; ++y) {
                const raster::Colour from = src.Pixel(x - 2, y - 1);
                const bool copied = from != raster::kInvalidColour && from != kKey;
                EXPECT_EQ(dest.Pixel(x, y), copied ? from : 0x00ABCDEFu)
                    << "width " << width << " at " << x << "," << y;
            }
        }
    }
}

TEST(PixelRead, OutsideTheSurfaceIsInvalid) {
    const raster::Surface s = FromRows({"r."});
    EXPECT_EQ(s.Pixel(0, 0), rastertest::kRed);
    for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{2, 0}, std::pair{0, 1},
                               std::pair{-2147483647 - 1, 2147483647}})
        EXPECT_EQ(s.Pixel(x, y), raster::kInvalidColour) << x << "," << y;
    EXPECT_EQ(raster::Surface().Pixel(0, 0), raster::kInvalidColour);
}

}  // namespace
