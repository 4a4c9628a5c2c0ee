// A new user of the shipped map files: a fresh home folder, the program folder that holds the
// generated res/, and a view made on them (which copies the shipped maps in at start).
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/session_state.h"
#include "maps/map_content.h"
#include "maps/validate_picture.h"
#include "platform/headless/test_platform.h"
#include "platform/raster/bmp.h"
#include "tools/mapgen/board_rules.h"

namespace map_files_test {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A shipped map file's picture at screen size `size` (2 for "<name>.bmp", 3 for "<name>_2.bmp"):
// the board's size and every drawing rule are checked; nullopt when it cannot be read.
inline std::optional<raster::Surface> ReadCheckedPicture(const std::filesystem::path& file,
                                                         const CodeMapContent& content,
                                                         const mapgen::LabelArt& art, int size) {
    const std::string bytes = ReadFile(file);
    std::string error;
    auto picture = raster::ReadBmp(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), &error);
    EXPECT_TRUE(picture.has_value()) << error;
    if (!picture) return std::nullopt;
    const mapgen::PictureSize expected = mapgen::BoardSize(size);
    EXPECT_EQ(picture->Width(), expected.width);
    EXPECT_EQ(picture->Height(), expected.height);
    const maps::PictureRules rules =
        maps::RulesFor(art.Art(), content, size, 12, mapgen::kLaneGrey);
    EXPECT_EQ(maps::ValidatePicture(*picture, rules), std::vector<std::string>{}) << size;
    return picture;
}

class NewUserFixture : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "marovek-newuser-XXXXXX");
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        home_ = pattern;
        platform::ScreenMetrics screen;
        screen.width = 1280;
        screen.height = 1024;
        platform_ = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home_.string()}},
            std::filesystem::path(MAROVEK_RES_DIR).parent_path().string(), screen);
        view_ = std::make_unique<CChildView>(platform_->platform);
        g_isJustOpened = 'n';
        g_gameKind = 1;
        g_hideCreatingMapsNotice = true;
    }
    void TearDown() override {
        view_.reset();
        platform_.reset();
        std::filesystem::remove_all(home_);
    }

    std::filesystem::path home_;
    std::unique_ptr<headless::TestPlatform> platform_;
    std::unique_ptr<CChildView> view_;
};

}  // namespace map_files_test
