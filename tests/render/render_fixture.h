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
#include "tests/support/view_fixture.h"

namespace render_test {

inline std::string MakeTemporaryFolder() {
    return test_support::MakeTemporaryFolder("render");
}

using test_support::WriteBytes;

inline void WritePicture(const std::string& path, const raster::Surface& picture) {
    WriteBytes(path, raster::WriteBmp(picture));
}

class RenderFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        home_ = MakeTemporaryFolder();
        program_ = home_ + "/program";
        std::filesystem::create_directories(program_);
    }
    void TearDown() override {
        view_.reset();
        bundle_.reset();
        platform_.reset();
        std::filesystem::remove_all(home_);
    }
    // The view on a 1280 x 1024 screen; the constructor sets the game's start values. With
    // `decoder` the view reads the user's pictures through it instead of the BMP decoder.
    CChildView& StartView(int width = 1280, int height = 1024,
                          platform::ImageDecoder* decoder = nullptr) {
        platform::ScreenMetrics screen;
        screen.width = width;
        screen.height = height;
        platform_ = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home_}}, program_, screen);
        headless::TestPlatform& p = *platform_;
        bundle_ = std::make_unique<platform::Platform>(platform::Platform{
            p.window, p.dialogs, p.sound, p.files, p.shell, p.clock, p.random, p.sockets,
            p.transfer, p.fileDialogs, p.glyphs, decoder != nullptr ? *decoder : p.imageDecoder});
        view_ = std::make_unique<CChildView>(*bundle_);
        platform_->glyphs.Use(&glyphs_);
        return *view_;
    }
    std::string BitmapPath(int id) const {
        return program_ + "/res/bitmaps/" + std::to_string(id) + ".bmp";
    }

    std::string home_;
    std::string program_;
    headless::BlockGlyphs glyphs_;
    std::unique_ptr<headless::TestPlatform> platform_;
    std::unique_ptr<platform::Platform> bundle_;
    std::unique_ptr<CChildView> view_;
};

}  // namespace render_test
