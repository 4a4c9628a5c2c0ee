// The About box through the scripted host: texts, opacity, the website button, its pictures.
#include <gtest/gtest.h>

#include "about_fixture.h"
#include "core/model/options.h"
#include "platform/headless/recording_services.h"
#include "platform/headless/scripted_dialog_host.h"
#include "platform/posix/posix_files.h"
#include "shell/about_dlg.h"
#include "shell/settings.h"

namespace {

using about_fixture::kIconColour;
using about_fixture::kStripColour;
using headless::ScriptStep;

class AboutBox : public ::testing::Test {
  protected:
    AboutBox() : files(folder.Path()) { g_transparencyPercent = 85; }

    // Runs the About box the way the About command does, and returns what the host recorded.
    const headless::ShownDialog& Run(std::vector<ScriptStep> steps, bool largeFonts = false) {
        host.Script(CAboutDlg::kIddAbout, std::move(steps));
        RunAboutBox(host, shell, files, largeFonts);
        return host.Shown().back();
    }

    about_fixture::ProgramFolder folder;
    posix::PosixFiles files;
    headless::RecordingShell shell;
    headless::ScriptedDialogHost host;
};

TEST_F(AboutBox, ShowsTheProgramsTextsAndClosesWithOk) {
    const auto& shown = Run({ScriptStep::Click(kIdOk)});
    EXPECT_TRUE(shown.scripted);
    EXPECT_EQ(shown.templateId, 100);
    EXPECT_EQ(shown.caption, "About Marovek");
    EXPECT_EQ(shown.result, kIdOk);
    EXPECT_EQ(shown.texts.at(1007), "Version 5.5");
    EXPECT_EQ(shown.texts.at(1012), "2009");
    EXPECT_FALSE(shown.texts.at(1006).empty());
    EXPECT_EQ(shown.texts.at(1035), "");
    EXPECT_EQ(shown.texts.at(1053), "");
    EXPECT_EQ(shown.texts.at(1013), "Marovek Website");
    EXPECT_EQ(shown.texts.at(kIdOk), "OK");
    EXPECT_TRUE(shell.urls.empty());
}

TEST_F(AboutBox, TakesTheDialogOpacityOfTheSettings) {
    const std::pair<int, int> cases[] = {{85, 216}, {20, 51}, {100, 255}};
    for (const auto& [percent, alpha] : cases) {
        g_transparencyPercent = percent;
        const auto& shown = Run({ScriptStep::Click(kIdOk)});
        EXPECT_TRUE(shown.layered);
        EXPECT_EQ(shown.alpha, alpha) << percent;
    }
}

TEST_F(AboutBox, WebsiteButtonOpensTheHomePageAndLeavesTheBoxOpen) {
    const auto& shown = Run({ScriptStep::Click(1013), ScriptStep::Click(kIdOk)});
    ASSERT_EQ(shell.urls.size(), 1u);
    EXPECT_EQ(shell.urls[0], "www.marovek.org//index.html");
    EXPECT_EQ(shell.urls[0].substr(shell.urls[0].find("//")), "//index.html");
    EXPECT_EQ(shown.result, kIdOk);  // OK, not the website button, closed it
}

TEST_F(AboutBox, PaintsTheIconAndTheSeparatorStripWhereTheFontPutsThem) {
    folder.WritePictures();
    struct Case {
        bool largeFonts;
        int charWidth, charHeight;
        raster::Point icon, strip;
    };
    const Case cases[] = {{false, 6, 13, {125, 20}, {33, 250}},
                          {true, 8, 16, {145, 40}, {53, 305}}};
    for (const Case& c : cases) {
        headless::ScriptedDialogHost sized(c.charWidth, c.charHeight);
        sized.Script(CAboutDlg::kIddAbout, {ScriptStep::Click(kIdOk)});
        RunAboutBox(sized, shell, files, c.largeFonts);
        const raster::Surface& s = sized.Shown().back().painted;
        // The 32x32 icon fills 64x64 pixels from its corner, and nothing around them.
        EXPECT_EQ(s.Pixel(c.icon.x, c.icon.y), kIconColour);
        EXPECT_EQ(s.Pixel(c.icon.x + 63, c.icon.y + 63), kIconColour);
        EXPECT_EQ(s.Pixel(c.icon.x - 1, c.icon.y), kDialogFace);
        EXPECT_EQ(s.Pixel(c.icon.x + 64, c.icon.y + 64), kDialogFace);
        // Exactly 264 x 2 pixels of the separator picture.
        EXPECT_EQ(s.Pixel(c.strip.x, c.strip.y), kStripColour);
        EXPECT_EQ(s.Pixel(c.strip.x + 263, c.strip.y + 1), kStripColour);
        EXPECT_EQ(s.Pixel(c.strip.x + 264, c.strip.y), kDialogFace);
        EXPECT_EQ(s.Pixel(c.strip.x, c.strip.y + 2), kDialogFace);
    }
}

TEST_F(AboutBox, MissingOrDamagedPicturesAreNotDrawn) {
    const raster::Point strip{33, 250};
    // No pictures at all: the face only.
    {
        const auto& shown = Run({ScriptStep::Click(kIdOk)});
        for (const raster::Colour c : shown.painted.Pixels()) ASSERT_EQ(c, kDialogFace);
    }
    // A damaged icon file: the icon is left out, the separator still drawn.
    folder.WritePictures();
    folder.Write(platform::IconPath(folder.Path(), 128), {'B', 'M', 0xFF, 0xFF, 0xFF, 0x7F, 1, 2});
    const auto& shown = Run({ScriptStep::Click(kIdOk)});
    EXPECT_EQ(shown.painted.Pixel(125, 20), kDialogFace);
    EXPECT_EQ(shown.painted.Pixel(strip.x, strip.y), kStripColour);
    EXPECT_EQ(shown.result, kIdOk);
}

}  // namespace
