// The Qt picture decoder: a PNG picked by the user becomes "oceans.bmp".
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include "core/model/files.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "platform/qt/qt_image_decoder.h"
#include "render_fixture.h"

namespace render_test {
namespace {

using QtDecoderTest = RenderFixture;

TEST_F(QtDecoderTest, APngBecomesTheOceans) {
    int argc = 0;
    QGuiApplication app(argc, nullptr);
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(qRgb(200, 100, 50));
    image.setPixel(4, 2, qRgb(1, 2, 3));
    ASSERT_TRUE(image.save(QString::fromStdString(home_ + "/sea.png"), "PNG"));

    qtplatform::QtImageDecoder decoder;
    StartView(1280, 1024, &decoder);
    platform_->fileDialogs.ScriptOpen(home_ + "/sea.png");
    view_->OnOceansPicture();
    const auto bytes = platform_->files.Read(g_userFilesFolder + "/oceans.bmp", 1 << 20);
    ASSERT_TRUE(bytes);
    const auto stored = raster::ReadBmp(*bytes, nullptr);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Width(), 5);
    EXPECT_EQ(stored->Pixel(0, 0), raster::Rgb(200, 100, 50));
    EXPECT_EQ(stored->Pixel(4, 2), raster::Rgb(1, 2, 3));
    EXPECT_EQ(g_oceansBackground, 3);
}

TEST(QtDecoderRefusals, DamagedPicturesAreRefused) {
    int argc = 0;
    QGuiApplication app(argc, nullptr);
    qtplatform::QtImageDecoder decoder;
    std::string error;
    EXPECT_FALSE(decoder.Decode({0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0}, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(decoder.Decode({}, nullptr));
}

}  // namespace
}  // namespace render_test
