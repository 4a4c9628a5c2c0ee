// World's generated board pictures and outline files keep every drawing rule at all three sizes.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "maps/map_content.h"
#include "maps/validate_picture.h"
#include "maps/world_art.h"
#include "platform/raster/bmp.h"

namespace {

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct SizeCase {
    int size;
    int bitmap;
    int width;
    int height;
};
constexpr SizeCase kSizes[] = {{1, 205, 740, 471}, {2, 130, 954, 632}, {3, 272, 1193, 790}};
constexpr raster::Colour kLane = raster::Rgb(176, 176, 176);

TEST(WorldPictures, EverySizeKeepsTheDrawingRules) {
    for (const SizeCase& c : kSizes) {
        SCOPED_TRACE("size " + std::to_string(c.size));
        const std::string res = MAROVEK_RES_DIR;
        std::string error;
        const auto picture =
            raster::ReadBmp(ReadAll(res + "/bitmaps/" + std::to_string(c.bitmap) + ".bmp"), &error);
        ASSERT_TRUE(picture) << error;
        EXPECT_EQ(picture->Width(), c.width);
        EXPECT_EQ(picture->Height(), c.height);
        const auto rules = maps::RulesFor(maps::WorldArt(), WorldMapContent(), c.size, 12, kLane);
        EXPECT_EQ(rules.seeds.size(), 37u);
        EXPECT_EQ(maps::ValidatePicture(*picture, rules), std::vector<std::string>{});

        const auto outlines = maps::DecodeOutlineFile(
            ReadAll(res + "/maps/MrvekmapWor" + std::to_string(c.size) + ".dat"), &error);
        ASSERT_TRUE(outlines) << error;
        EXPECT_EQ(maps::ValidateOutlines(*picture, *outlines, rules), std::vector<std::string>{});
    }
}

TEST(WorldPictures, SeedsFollowTheFixedRows) {
    // Same territories at every size, in the same order; East Australia's piece south of it.
    const auto& art = maps::WorldArt();
    for (int size = 1; size <= 3; ++size) {
        ASSERT_EQ(maps::SeedsFor(art, size).size(), 37u);
        for (std::size_t i = 0; i < 37; ++i)
            EXPECT_EQ(maps::SeedsFor(art, size)[i].territory, maps::SeedsFor(art, 2)[i].territory);
    }
    bool found = false;
    for (const auto& seed : maps::SeedsFor(art, 2))
        found = found || (seed.territory == 42 && seed.x == 851 && seed.y == 573);
    EXPECT_TRUE(found);
}

}  // namespace
