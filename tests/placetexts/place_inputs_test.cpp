// Reading the inputs of a map text of a real place: a sound file gives every value, and each kind
// of fault is refused with the line it stands on.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tools/placetexts/place_text_map.h"

namespace {

class PlaceInputs : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "marovek-placeinputs-XXXXXX");
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::optional<placetexts::PlaceInputs> Load(const std::string& text, std::string* error) {
        std::ofstream(folder_ / "map.txt") << text;
        return placetexts::LoadPlaceInputs(folder_.string(), error);
    }

    std::filesystem::path folder_;
};

constexpr const char* kSound =
    "# a comment\n"
    "name Ireland\n"
    "conic -8 52 55   # Albers\n"
    "box 200 10 948 622\n"
    "clip -11 51  -5 51  -5 56  -11 56\n"
    "magnify -6.5 54.5 30 1.5\n"
    "codes own\n"
    "bridge 12\n"
    "land Ireland United_Kingdom\n"
    "continent Leinster\n"
    "cell Dub Dublin -6.25 53.4 Ireland\n"
    "continent Ulster\n"
    "area Don Donegal Ireland\n"
    "cell Ant Antrim -6.2 54.85\n"
    "lane Dub Ant\n";

TEST_F(PlaceInputs, ASoundFileGivesEveryValue) {
    std::string error;
    const auto in = Load(kSound, &error);
    ASSERT_TRUE(in.has_value()) << error;
    EXPECT_EQ(in->name, "Ireland");
    EXPECT_TRUE(in->conic);
    EXPECT_DOUBLE_EQ(in->lat2, 55);
    EXPECT_DOUBLE_EQ(in->boxRight, 948);
    EXPECT_EQ(in->clip.size(), 4u);
    ASSERT_EQ(in->magnify.size(), 1u);
    EXPECT_DOUBLE_EQ(in->magnify[0].factor, 1.5);
    EXPECT_EQ(in->codes, mapgen::CodeStyle::kOwn3);
    EXPECT_EQ(in->bridge, 12);
    EXPECT_EQ(in->land.size(), 2u);
    ASSERT_EQ(in->continents.size(), 2u);
    ASSERT_EQ(in->territories.size(), 3u);
    EXPECT_EQ(in->territories[0].within, "Ireland");
    EXPECT_DOUBLE_EQ(in->territories[0].at.y, 53.4);
    EXPECT_EQ(in->territories[1].continent, 2);
    EXPECT_EQ(in->territories[1].outlines, std::vector<std::string>{"Ireland"});
    EXPECT_TRUE(in->territories[2].within.empty());
    ASSERT_EQ(in->lanes.size(), 1u);
    EXPECT_EQ(in->lanes[0].second, "Ant");
}

// Each fault names its line; nothing half-read is handed on.
TEST_F(PlaceInputs, RefusesEachFaultWithItsLine) {
    const struct {
        const char* text;
        const char* says;
    } kCases[] = {
        {"name X\nfrobnicate 1\n", ":2: unknown line 'frobnicate'"},
        {"name X\ncell Dub Dublin -6 53\n", ":2: a territory before any continent"},
        {"name X\ncontinent A_name_longer_than_twenty\n", ":2: the continent name A_name"},
        {"name X\ncontinent A\ncell Dublin Dublin -6 53\n", ":3: cannot read this 'cell'"},
        {"name X\ncontinent A\ncell Dub Dublin -6\n", ":3: cannot read this 'cell'"},
        {"name X\ncontinent A\narea Dub Dublin\n", ":3: cannot read this 'area'"},
        {"name X\ncontinent A\narea Dub D Ireland\narea Dub E Ireland\n", "the code Dub repeats"},
        {"name X\ncontinent A\narea Dub D Ireland\nlane Dub Cor\n", "a lane names an unknown code"},
        {"name X\nmagnify 1 2 30 4\n", ":2: cannot read this 'magnify'"},
        {"name X\nclip 1 2 3 4\n", ":2: cannot read this 'clip'"},
        {"name X\ncodes fancy\n", ":2: cannot read this 'codes'"},
        {"conic 1 2 3\n", "no name line"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_FALSE(Load(c.text, &error).has_value());
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
    std::string error;
    std::filesystem::remove(folder_ / "map.txt");
    EXPECT_FALSE(placetexts::LoadPlaceInputs(folder_.string(), &error).has_value());
    EXPECT_NE(error.find("cannot read"), std::string::npos);
}

}  // namespace
