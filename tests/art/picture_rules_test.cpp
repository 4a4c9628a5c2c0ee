// The picture validator catches each broken drawing rule once, on a small three-territory map.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "maps/validate_picture.h"
#include "render/outline_file.h"

namespace {

using raster::Colour;
using raster::Point;
using raster::Rect;
using raster::Rgb;
using raster::Surface;

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kGrey = Rgb(64, 64, 64);
constexpr Colour kLane = Rgb(176, 176, 176);

// Territory 1 on the left with an island of its own below, 2 beside it, 3 an island joined to 2
// by a sea lane. Borders are drawn as the generator draws them: a land pixel beside sea or a
// lower-numbered territory is grey.
struct Fixture {
    int ids[48][64] = {};
    Surface picture;
    maps::PictureRules rules;

    Fixture() {
        Block(1, Rect{2, 2, 30, 30});
        Block(2, Rect{30, 2, 56, 30});
        Block(3, Rect{40, 36, 56, 46});
        Block(1, Rect{4, 36, 13, 46});
        Render();
        for (int y = 30; y < 36; ++y) picture.SetPixel(47, y, kLane);
        rules.laneColour = kLane;
        rules.paintPoints = {{-1, -1}, {10, 10}, {40, 10}, {44, 39}};
        rules.footprints = {
            {}, {Rect{8, 8, 20, 20}}, {Rect{38, 8, 50, 20}}, {Rect{43, 38, 50, 42}}};
        rules.seeds = {{1, 8, 40}};
        rules.neighbourPairs = {{1, 2}, {2, 3}};
    }
    void Block(int id, Rect r) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) ids[y][x] = id;
    }
    void Render() {
        picture = Surface(64, 48, 0);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x) {
                if (ids[y][x] == 0) continue;
                bool edge = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int n = ids[y + dy][x + dx];
                        edge = edge || n == 0 || n < ids[y][x];
                    }
                picture.SetPixel(x, y, edge ? kGrey : kWhite);
            }
    }
};

bool Mentions(const std::vector<std::string>& errors, const std::string& text) {
    for (const auto& e : errors)
        if (e.find(text) != std::string::npos) return true;
    return false;
}

TEST(PictureRules, SoundFixturePasses) {
    Fixture f;
    EXPECT_EQ(maps::ValidatePicture(f.picture, f.rules), std::vector<std::string>{});
}

TEST(PictureRules, EachBrokenRuleIsCaught) {
    struct Case {
        const char* name;
        std::function<void(Fixture&)> breakIt;
        const char* expected;
    };
    const Case cases[] = {
        {"off-white interior", [](Fixture& f) { f.picture.SetPixel(20, 25, 0xFEFFFF); },
         "neither white"},
        {"tinted border", [](Fixture& f) { f.picture.SetPixel(2, 10, Rgb(64, 64, 65)); },
         "neither white"},
        {"black in land", [](Fixture& f) { f.picture.SetPixel(20, 25, 0); }, "open border"},
        {"coast with a gap", [](Fixture& f) { f.picture.SetPixel(2, 10, kWhite); }, "open border"},
        {"border with a gap",
         [](Fixture& f) {
             for (int y = 3; y < 29; ++y) f.picture.SetPixel(30, y, kWhite);
         },
         "both claim"},
        {"label over a border",
         [](Fixture& f) {
             f.rules.footprints[1] = {Rect{20, 8, 34, 20}};
         },
         "label pixels off"},
        {"paint point on sea",
         [](Fixture& f) {
             f.rules.paintPoints[3] = Point{60, 40};
         },
         "paint point (60, 40) is not on white"},
        {"seed on sea",
         [](Fixture& f) {
             f.rules.seeds[0] = {1, 1, 40};
         },
         "fill seed (1, 40) is not on white"},
        {"seed in the main piece",
         [](Fixture& f) {
             f.rules.seeds[0] = {1, 12, 12};
         },
         "already filled"},
        {"seed in another territory",
         [](Fixture& f) {
             f.rules.seeds[0] = {1, 45, 20};
         },
         "both claim"},
        {"islet of no territory", [](Fixture& f) { f.rules.seeds.clear(); },
         "belongs to no territory"},
        {"contact between strangers",
         [](Fixture& f) {
             f.rules.neighbourPairs = {{2, 3}};
         },
         "1 and 2 touch but are not neighbours"},
        {"neighbours apart",
         [](Fixture& f) {
             for (int y = 30; y < 36; ++y) f.picture.SetPixel(47, y, 0);
         },
         "2 and 3 neither touch"},
        {"lane over land", [](Fixture& f) { f.picture.SetPixel(47, 20, kLane); },
         "sea lane crosses land"},
        {"lane to a stranger",
         [](Fixture& f) {
             for (int x = 13; x < 40; ++x) f.picture.SetPixel(x, 40, kLane);
         },
         "joins 1 and 3, which are not neighbours"},
        {"lane joining three",
         [](Fixture& f) {
             for (int x = 20; x < 47; ++x) f.picture.SetPixel(x, 30, kLane);
         },
         "joins 3 territories"},
    };
    for (const Case& c : cases) {
        Fixture f;
        c.breakIt(f);
        const auto errors = maps::ValidatePicture(f.picture, f.rules);
        EXPECT_TRUE(Mentions(errors, c.expected)) << c.name;
    }
}

render::OutlineSet BoxOutlines(const Fixture& f) {
    render::OutlineSet set;
    set.rows.resize(4);
    const Rect whites[] = {{}, {3, 3, 30, 29}, {31, 3, 55, 29}, {41, 37, 55, 45}};
    for (int t = 1; t <= 3; ++t) {
        const Rect& r = whites[t];
        set.rows[t] = {{r.left, r.top},
                       {r.right, r.top},
                       {r.right, r.bottom},
                       {r.left, r.bottom},
                       {r.left, r.top}};
    }
    (void)f;
    return set;
}

TEST(PictureRules, OutlinesMustCoverExactlyTheMainPiece) {
    Fixture f;
    render::OutlineSet set = BoxOutlines(f);
    EXPECT_EQ(maps::ValidateOutlines(f.picture, set, f.rules), std::vector<std::string>{});
    set.rows[2][1].x += 2;  // reaches past the coast
    set.rows[2][2].x += 2;
    EXPECT_TRUE(Mentions(maps::ValidateOutlines(f.picture, set, f.rules), "territory 2: outline"));
    set = BoxOutlines(f);
    set.rows[3].pop_back();  // not closed
    EXPECT_TRUE(Mentions(maps::ValidateOutlines(f.picture, set, f.rules), "not closed"));
}

TEST(OutlineFile, RoundTripsFieldByField) {
    render::OutlineSet set;
    set.rows = {{}, {{1, 2}}, {}, {{3, 4}, {300, 5}}};
    const auto bytes = render::EncodeOutlineFile(set);
    ASSERT_TRUE(bytes);
    const std::vector<std::uint8_t> expected{3, 0, 0, 0, 0xFF, 0xFF, 1,  0, 1, 0,
                                             2, 0, 3, 0, 4,    0,    44, 1, 5, 0};
    EXPECT_EQ(*bytes, expected);
    std::string error;
    const auto back = render::DecodeOutlineFile(*bytes, &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->rows, set.rows);
}

TEST(OutlineFile, RefusesBadFiles) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        const char* why;
    };
    const Case cases[] = {
        {{1}, "shorter than its count"},
        {{201, 0}, "too many"},
        {{2, 0, 0, 0}, "cut short"},
        {{1, 0, 0x89, 0x13}, "longer than 5001"},  // index 5001
        {{1, 0, 1, 0, 1, 0, 2, 0}, "cut short"},
        {{1, 0, 0, 0, 1, 0, 2, 0, 9}, "longer than its outlines"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(render::DecodeOutlineFile(c.bytes, &error));
        EXPECT_NE(error.find(c.why), std::string::npos) << error;
    }
    std::string error;
    const auto empty = render::DecodeOutlineFile({0, 0}, &error);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->rows.size(), 1u);
}

}  // namespace
