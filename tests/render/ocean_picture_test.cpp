// The Picture command: a chosen picture becomes "oceans.bmp"; cancel and bad files change
// nothing.
#include <gtest/gtest.h>

#include "core/model/board_picture.h"
#include "core/model/files.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/headless/scripted_file_dialogs.h"
#include "platform/posix/posix_files.h"
#include "render/pictures.h"
#include "render_fixture.h"

namespace render_test {
namespace {

class OceanPictureTest : public RenderFixture {
  protected:
    void SetUp() override {
        RenderFixture::SetUp();
        StartView();
        g_oceansBackground = 0;
        g_freshMapMarker = "1";
        target_ = g_userFilesFolder + "/oceans.bmp";
    }
    headless::ScriptedFileDialogs& Dialogs() { return platform_->fileDialogs; }
    std::string target_;
};

TEST_F(OceanPictureTest, AChosenPictureBecomesTheOceans) {
    raster::Surface picture(7, 5, raster::Rgb(10, 20, 30));
    WritePicture(home_ + "/sea.bmp", picture);
    Dialogs().ScriptOpen(home_ + "/sea.bmp");
    g_gameKind = 4;  // a hotseat game is under way even before its first placement
    view_->OnOceansPicture();
    ASSERT_EQ(Dialogs().Calls().size(), 1u);
    EXPECT_EQ(Dialogs().Calls()[0].filter,
              "All Picture Files|*.JPG;*.JPEG;*.GIF;*.BMP;*.PNG|JPEG (*.JPG;*.JPEG)|*.JPG;*.JPEG|"
              "GIF (*.GIF)|*.GIF|Bitmap Files (*.BMP)|*.BMP|PNG (*.PNG)|*.PNG|");
    EXPECT_TRUE(Dialogs().Calls()[0].initialPath.ends_with("/*.jpg;*.jpeg;*.gif;*.bmp;*.png"));
    std::string error;
    const auto stored = raster::ReadBmp(*platform_->files.Read(target_, 1 << 20), &error);
    ASSERT_TRUE(stored) << error;
    EXPECT_EQ(stored->Pixels(), picture.Pixels());
    EXPECT_EQ(g_oceansBackground, 3);
    EXPECT_EQ(g_freshMapMarker, "0");
    EXPECT_GE(platform_->window.invalidations, 1);
    EXPECT_EQ(g_statusText, " ");
    CmdUI ui;
    view_->OnUpdateOceansPicture(ui);
    EXPECT_TRUE(ui.checked);
}

TEST_F(OceanPictureTest, CancelAndBadFilesChangeNothing) {
    WriteBytes(target_, raster::WriteBmp(raster::Surface(2, 2, 0x0000FF)));
    const auto before = platform_->files.Read(target_, 1 << 20);
    WriteBytes(home_ + "/broken.png", {0x89, 'P', 'N', 'G', 1, 2, 3});
    Dialogs().ScriptOpen(std::nullopt);
    Dialogs().ScriptOpen(home_ + "/broken.png");
    Dialogs().ScriptOpen(home_ + "/missing.jpg");
    for (int i = 0; i < 3; ++i) view_->OnOceansPicture();
    EXPECT_EQ(platform_->window.messageBoxes.size(), 2u);
    for (const auto& box : platform_->window.messageBoxes)
        EXPECT_EQ(box.text, "File not found or invalid format");
    EXPECT_EQ(g_oceansBackground, 0);
    EXPECT_EQ(g_freshMapMarker, "1");
    EXPECT_EQ(platform_->files.Read(target_, 1 << 20), before);
}

TEST_F(OceanPictureTest, AFailedWriteShowsTheMessageAndChangesNothing) {
    WritePicture(home_ + "/sea.bmp", raster::Surface(3, 3, 0x123456));
    // A plain file where the folder should be: no file can be made below it.
    WriteBytes(home_ + "/not-a-folder", {1});
    g_userFilesFolder = home_ + "/not-a-folder";
    Dialogs().ScriptOpen(home_ + "/sea.bmp");
    view_->OnOceansPicture();
    ASSERT_EQ(platform_->window.messageBoxes.size(), 1u);
    EXPECT_EQ(platform_->window.messageBoxes[0].text, "The picture could not be saved.");
    EXPECT_EQ(g_oceansBackground, 0);
    EXPECT_EQ(g_freshMapMarker, "1");
}

// A picture larger than the board is cut to it: the stored file can be read back and shown.
TEST_F(OceanPictureTest, APictureLargerThanTheBoardIsCutToIt) {
    struct Case {
        int width, height, storedWidth, storedHeight;
    };
    const Case cases[] = {{3000, 1000, 1192, 790}, {2000, 300, 1192, 300}, {100, 4000, 100, 790}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        raster::Surface picture(c.width, c.height, raster::Rgb(1, 2, 3));
        picture.SetPixel(0, 0, raster::Rgb(200, 0, 0));
        picture.SetPixel(c.storedWidth - 1, c.storedHeight - 1, raster::Rgb(0, 200, 0));
        WritePicture(home_ + "/big.bmp", picture);
        Dialogs().ScriptOpen(home_ + "/big.bmp");
        view_->OnOceansPicture();
        const auto stored =
            render::ReadPictureFile(platform_->files, g_userFilesFolder + "/oceans.bmp");
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->Width(), c.storedWidth);
        EXPECT_EQ(stored->Height(), c.storedHeight);
        EXPECT_EQ(stored->Pixel(0, 0), raster::Rgb(200, 0, 0));
        EXPECT_EQ(stored->Pixel(c.storedWidth - 1, c.storedHeight - 1), raster::Rgb(0, 200, 0));
        EXPECT_EQ(g_oceansBackground, 3);
    }
    EXPECT_TRUE(platform_->window.messageBoxes.empty());
}

}  // namespace
}  // namespace render_test
