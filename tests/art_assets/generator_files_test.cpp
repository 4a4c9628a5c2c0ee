// The art generator run as the build runs it: every file, its size and depth, twice the same.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/raster/bmp.h"

namespace {

namespace fs = std::filesystem;

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "marovek-art-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

std::vector<std::uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int RunGenerator(const fs::path& res) {
    const std::string command = std::string("'") + GEN_ART_PATH + "' '" + res.string() + "'";
    return std::system(command.c_str());
}

struct Expected {
    const char* file;
    int minWidth, minHeight;  // a background must cover the whole board and the World picture
    bool exact;
};

// Board sizes 741 x 471, 954 x 632 and 1192 x 790; the large World picture is 1193 wide.
const Expected kExpected[] = {
    {"bitmaps/341.bmp", 741, 471, false},  {"bitmaps/339.bmp", 954, 632, false},
    {"bitmaps/338.bmp", 1193, 790, false}, {"bitmaps/340.bmp", 1193, 790, false},
    {"bitmaps/215.bmp", 741, 471, false},  {"bitmaps/214.bmp", 954, 632, false},
    {"bitmaps/274.bmp", 1193, 790, false}, {"bitmaps/365.bmp", 741, 471, false},
    {"bitmaps/366.bmp", 954, 632, false},  {"bitmaps/367.bmp", 1193, 790, false},
    {"bitmaps/137.bmp", 15, 15, true},     {"bitmaps/131.bmp", 15, 15, true},
    {"bitmaps/132.bmp", 15, 15, true},     {"bitmaps/133.bmp", 15, 15, true},
    {"bitmaps/134.bmp", 15, 15, true},     {"bitmaps/135.bmp", 15, 15, true},
    {"bitmaps/249.bmp", 15, 15, true},     {"bitmaps/250.bmp", 15, 15, true},
    {"bitmaps/251.bmp", 15, 15, true},     {"bitmaps/252.bmp", 15, 15, true},
    {"bitmaps/253.bmp", 15, 15, true},     {"bitmaps/138.bmp", 15, 15, true},
    {"icons/140.bmp", 32, 32, true},       {"icons/141.bmp", 32, 32, true},
    {"icons/142.bmp", 32, 32, true},       {"icons/143.bmp", 32, 32, true},
    {"icons/370.bmp", 32, 32, true},       {"icons/371.bmp", 32, 32, true},
};

TEST(ArtGenerator, WritesEveryPictureAt24BitsAndItsSize) {
    TempFolder res;
    ASSERT_FALSE(res.Path().empty());
    ASSERT_EQ(RunGenerator(res.Path()), 0);
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.file);
        const std::vector<std::uint8_t> bytes = ReadAll(res.Path() / e.file);
        ASSERT_GT(bytes.size(), 54u);
        EXPECT_EQ(bytes[28] | bytes[29] << 8, 24);  // bits per pixel
        std::string error;
        const std::optional<raster::Surface> picture = raster::ReadBmp(bytes, &error);
        ASSERT_TRUE(picture) << error;
        if (e.exact) {
            EXPECT_EQ(picture->Width(), e.minWidth);
            EXPECT_EQ(picture->Height(), e.minHeight);
        } else {
            EXPECT_GE(picture->Width(), e.minWidth);
            EXPECT_GE(picture->Height(), e.minHeight);
        }
    }
}

TEST(ArtGenerator, SecondRunGivesTheSameBytes) {
    TempFolder first, second;
    ASSERT_EQ(RunGenerator(first.Path()), 0);
    ASSERT_EQ(RunGenerator(second.Path()), 0);
    int files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(first.Path())) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), first.Path());
        SCOPED_TRACE(relative.string());
        ASSERT_TRUE(fs::exists(second.Path() / relative));
        EXPECT_EQ(ReadAll(entry.path()), ReadAll(second.Path() / relative));
        ++files;
    }
    EXPECT_EQ(files, static_cast<int>(std::size(kExpected)));
}

TEST(ArtGenerator, UnwritableFolderFailsWithoutCrashing) {
    TempFolder res;
    // A plain file where the folder should be: nothing can be written below it.
    const fs::path blocked = res.Path() / "res";
    std::ofstream(blocked) << "x";
    EXPECT_NE(RunGenerator(blocked), 0);
}

}  // namespace
