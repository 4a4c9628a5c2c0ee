// A temporary home and program folder with a headless platform, a view, a block glyph source
// and helpers to write pictures.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/child_view.h"
#include "platform/headless/test_platform.h"
#include "platform/raster/bmp.h"
#include "platform/raster/text.h"
#include "render/pictures.h"

namespace render_test {

inline std::string MakeTemporaryFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "marovek-render-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline void WritePicture(const std::string& path, const raster::Surface& picture) {
    WriteBytes(path, raster::WriteBmp(picture));
}

// Every character is a solid 3 x 5 block in a 4 x 6 cell; it remembers what it drew.
class BlockGlyphs : public raster::GlyphSource {
  public:
    raster::TextMask Render(const raster::FontSpec& font, const std::string& text) override {
        texts.push_back(text);
        fonts.push_back(font);
        raster::TextMask mask{static_cast<int>(text.size()) * 4, 6, 5, {}};
        mask.ink.assign(static_cast<std::size_t>(mask.width * mask.height), 0);
        for (int c = 0; c < static_cast<int>(text.size()); ++c)
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 3; ++x)
                    mask.ink[static_cast<std::size_t>(y * mask.width + c * 4 + x)] = 1;
        return mask;
    }
    std::vector<std::string> texts;
    std::vector<raster::FontSpec> fonts;
};

class RenderFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        home_ = MakeTemporaryFolder();
        program_ = home_ + "/program";
        std::filesystem::create_directories(program_);
        render::ForgetProgramPictures();
    }
    void TearDown() override {
        view_.reset();
        platform_.reset();
        std::filesystem::remove_all(home_);
    }
    // The view on a 1280 x 1024 screen; the constructor sets the game's start values.
    CChildView& StartView(int width = 1280, int height = 1024) {
        platform::ScreenMetrics screen;
        screen.width = width;
        screen.height = height;
        platform_ = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home_}}, program_, screen);
        view_ = std::make_unique<CChildView>(platform_->platform);
        view_->SetGlyphSource(&glyphs_);
        return *view_;
    }
    std::string BitmapPath(int id) const {
        return program_ + "/res/bitmaps/" + std::to_string(id) + ".bmp";
    }

    std::string home_;
    std::string program_;
    BlockGlyphs glyphs_;
    std::unique_ptr<headless::TestPlatform> platform_;
    std::unique_ptr<CChildView> view_;
};

}  // namespace render_test
