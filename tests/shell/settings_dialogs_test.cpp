// The colours, sound and transparency dialogs run by their Settings commands through the
// scripted dialog host, and what each leaves in the settings file.
#include "core/commands/command_ids.h"
#include "core/model/board_picture.h"
#include "core/model/options.h"
#include "platform/resources.h"
#include "shell/colours_dlg.h"
#include "shell/sound_dlg.h"
#include "shell/transparency_dlg.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

using headless::ScriptStep;
using D = CSpkleurenDlg;

class SettingsDialogs : public ShellFixture {
  protected:
    void SetUp() override {
        ShellFixture::SetUp();
        StartView(1280, 1024);
    }
    headless::ScriptedDialogHost& Dialogs() { return platform_->dialogs; }
    const headless::ShownDialog& LastShown() { return Dialogs().Shown().back(); }
    std::uint32_t StoredColour(std::size_t slot) { return U32At(SettingsBytes(), 4 * slot); }
};

TEST_F(SettingsDialogs, TransparencyFollowsTheSliderAtOnceAndOnlyOkKeepsIt) {
    ASSERT_EQ(g_transparencyPercent, 85);
    // Moved and cancelled: the percent in force before comes back.
    Dialogs().Script(CTransparencyDlg::kIdd,
                     {ScriptStep::Scroll(CTransparencyDlg::kIdSlider, 20), ScriptStep::Cancel()});
    view_->OnCommand(cmd::kTransparency);
    EXPECT_EQ(LastShown().caption, "Dialog Transparency");
    EXPECT_EQ(LastShown().texts.at(CTransparencyDlg::kIdPercent), "20");
    EXPECT_EQ(LastShown().alpha, 51);
    EXPECT_EQ(g_transparencyPercent, 85);
    EXPECT_EQ(U32At(SettingsBytes(), 168), 85u);

    // A position below the range stops at 20; OK stores it.
    Dialogs().Script(CTransparencyDlg::kIdd, {ScriptStep::Scroll(CTransparencyDlg::kIdSlider, 5),
                                              ScriptStep::Click(kIdOk)});
    view_->OnCommand(cmd::kTransparency);
    EXPECT_EQ(g_transparencyPercent, 20);
    EXPECT_EQ(U32At(SettingsBytes(), 168), 20u);

    // Restore brings 85 back, and the dialog is as solid as that at once.
    Dialogs().Script(CTransparencyDlg::kIdd,
                     {ScriptStep::Click(CTransparencyDlg::kIdRestore), ScriptStep::Click(kIdOk)});
    view_->OnCommand(cmd::kTransparency);
    EXPECT_EQ(LastShown().texts.at(CTransparencyDlg::kIdPercent), "85");
    EXPECT_EQ(LastShown().alpha, 216);
    EXPECT_EQ(U32At(SettingsBytes(), 168), 85u);
}

TEST_F(SettingsDialogs, TransparencyOpensOnThePercentInForce) {
    g_transparencyPercent = 100;
    CTransparencyDlg dialog;
    Dialogs().CreateModeless(dialog);
    EXPECT_EQ(dialog.GetText(CTransparencyDlg::kIdPercent), "100");
    EXPECT_EQ(dialog.GetPosition(CTransparencyDlg::kIdSlider), 100);
    EXPECT_EQ(dialog.GetRangeMin(CTransparencyDlg::kIdSlider), 20);
    EXPECT_EQ(dialog.Alpha(), 255);
    Dialogs().DestroyModeless(dialog);
}

TEST_F(SettingsDialogs, NoneGreysTheEightEventsAndUncheckingItEnablesThem) {
    CSoundDlg dialog(platform_->sound, home_);
    dialog.checks[0] = 1;
    Dialogs().CreateModeless(dialog);
    for (int id : CSoundDlg::kEventIds) EXPECT_FALSE(dialog.IsEnabled(id)) << id;
    dialog.UserClick(CSoundDlg::kIdNone);
    for (int id : CSoundDlg::kEventIds) EXPECT_TRUE(dialog.IsEnabled(id)) << id;
    dialog.UserClick(CSoundDlg::kIdNone);
    for (int id : CSoundDlg::kEventIds) EXPECT_FALSE(dialog.IsEnabled(id)) << id;
    Dialogs().DestroyModeless(dialog);
}

TEST_F(SettingsDialogs, SoundSwitchesAreStoredOnOkOnly) {
    // Move and Victory off, then cancelled: nothing changes.
    Dialogs().Script(CSoundDlg::kIdd, {ScriptStep::Click(1043), ScriptStep::Cancel()});
    view_->OnCommand(cmd::kSound);
    EXPECT_TRUE(g_isMoveSoundOn);
    EXPECT_EQ(LastShown().caption, "Sound Settings");

    Dialogs().Script(CSoundDlg::kIdd,
                     {ScriptStep::Click(1043), ScriptStep::Click(1047), ScriptStep::Click(kIdOk)});
    view_->OnCommand(cmd::kSound);
    const Bytes bytes = SettingsBytes();
    const std::uint8_t expected[9] = {0, 1, 1, 0, 1, 1, 1, 0, 1};
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(bytes[108 + i], expected[i]) << i;
    EXPECT_FALSE(g_isMoveSoundOn);
    EXPECT_FALSE(g_isVictorySoundOn);

    Dialogs().Script(CSoundDlg::kIdd,
                     {ScriptStep::Click(CSoundDlg::kIdNone), ScriptStep::Click(kIdOk)});
    view_->OnCommand(cmd::kSound);
    EXPECT_TRUE(g_isSoundOff);
    EXPECT_EQ(SettingsBytes()[108], 1);
}

// Each event's sound can be heard from the dialog, even with its switch or all sound off.
TEST_F(SettingsDialogs, EachEventsSoundIsPlayedOnce) {
    g_isSoundOff = true;
    std::vector<ScriptStep> steps;
    for (int id : CSoundDlg::kPlayIds) steps.push_back(ScriptStep::Click(id));
    Dialogs().Script(CSoundDlg::kIdd, steps);
    view_->OnCommand(cmd::kSound);
    const char* names[8] = {"222", "236", "237", "230", "238", "229", "228", "231"};
    std::vector<headless::RecordingSound::Played> expected;
    for (const char* name : names) expected.push_back({platform::SoundPath(home_, name), false});
    EXPECT_EQ(platform_->sound.played, expected);
}

// Player "VIII" lives in slot 13, its attack colour in slot 18.
TEST_F(SettingsDialogs, ColoursChangeTheChosenPlayersSlotsOnOk) {
    Dialogs().ScriptColour(0x2A6030);
    Dialogs().ScriptColour(0x90E0F0);
    Dialogs().ScriptColour(0x203040);
    Dialogs().Script(
        D::kIdd, {ScriptStep::Select(D::kIdPlayer, 7), ScriptStep::Click(D::kIdChangePlayerColour),
                  ScriptStep::Click(D::kIdChangeAttackColour),
                  ScriptStep::Click(D::kIdChangeOceansColour), ScriptStep::Click(kIdOk)});
    view_->OnCommand(cmd::kColors);
    EXPECT_EQ(LastShown().caption, "Change Colors");
    EXPECT_EQ(g_playerColours[13], 0x2A6030u);
    EXPECT_EQ(g_playerColours[18], 0x90E0F0u);
    EXPECT_EQ(g_oceansColour, 0x203040u);
    EXPECT_EQ(StoredColour(13), 0x2A6030u);
    EXPECT_EQ(StoredColour(18), 0x90E0F0u);
    EXPECT_EQ(U32At(SettingsBytes(), 92), 0x203040u);
    // The picker starts on the colour it changes.
    EXPECT_EQ(Dialogs().ColourPickerStarts(),
              (std::vector<raster::Colour>{0x006BAB, 0xB9DCFF, kDefaultOceansColour}));
    EXPECT_EQ(g_freshMapMarker, "0");
    EXPECT_TRUE(g_isBoardRebuildPending);
}

TEST_F(SettingsDialogs, CancelPutsBackEveryColourEvenAfterRestoreDefaults) {
    g_playerColours[1] = 0x10A020;
    g_oceansColour = 0x111111;
    Dialogs().ScriptColour(0x0000C0);
    Dialogs().Script(D::kIdd, {ScriptStep::Click(D::kIdChangePlayerColour),
                               ScriptStep::Click(D::kIdRestoreDefaults), ScriptStep::Cancel()});
    view_->OnCommand(cmd::kColors);
    EXPECT_EQ(g_playerColours[1], 0x10A020u);
    EXPECT_EQ(g_oceansColour, 0x111111u);

    Dialogs().Script(D::kIdd, {ScriptStep::Click(D::kIdRestoreDefaults), ScriptStep::Click(kIdOk)});
    view_->OnCommand(cmd::kColors);
    EXPECT_EQ(g_playerColours[1], kDefaultPlayerColours[0]);
    EXPECT_EQ(g_oceansColour, kDefaultOceansColour);
    EXPECT_EQ(StoredColour(1), kDefaultPlayerColours[0]);
}

// A colour another player has is refused with a word and changes nothing; a border grey is
// nudged to a usable colour with a word.
TEST_F(SettingsDialogs, ColoursThePainterCannotUseAreRefusedOrNudged) {
    Dialogs().ScriptColour(g_playerColours[2]);
    Dialogs().ScriptColour(0x808080);
    Dialogs().Script(D::kIdd,
                     {ScriptStep::Click(D::kIdChangePlayerColour),
                      ScriptStep::Click(D::kIdChangeAttackColour), ScriptStep::Click(kIdOk)});
    const raster::Colour before = g_playerColours[1];
    view_->OnCommand(cmd::kColors);
    EXPECT_EQ(g_playerColours[1], before);
    EXPECT_FALSE(IsBorderPixel(g_playerColours[6]));
    EXPECT_NE(g_playerColours[6], 0x808080u);
    ASSERT_EQ(MessageBoxes().size(), 2u);
    EXPECT_NE(MessageBoxes()[0].text.find("player II's color"), std::string::npos);
    EXPECT_EQ(MessageBoxes()[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_NE(MessageBoxes()[1].text.find("nearly equal color"), std::string::npos);
    EXPECT_EQ(MessageBoxes()[0].caption, "Change Colors");
}

// The dialog opens on the fill in force (kept as it is when only OK is clicked).
TEST_F(SettingsDialogs, TheFillChoiceSetsGradientsAndMovesAPresetSchemeToOwnColours) {
    constexpr int kNoClick = 0;
    struct Case {
        std::int32_t scheme;
        bool graded;
        int click;
        bool gradedAfter;
        std::int32_t schemeAfter;
    };
    const Case cases[] = {{0, true, D::kIdSolidFill, false, 2},
                          {0, true, kNoClick, true, 0},
                          {1, false, D::kIdGradedFill, true, 2},
                          {1, false, kNoClick, false, 1},
                          {2, true, D::kIdSolidFill, false, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scheme * 10000 + c.click);
        g_colourScheme = c.scheme;
        g_isGradientFill = c.graded;
        std::vector<ScriptStep> steps;
        if (c.click != kNoClick) steps.push_back(ScriptStep::Click(c.click));
        steps.push_back(ScriptStep::Click(kIdOk));
        Dialogs().Script(D::kIdd, steps);
        view_->OnCommand(cmd::kColors);
        EXPECT_EQ(g_isGradientFill, c.gradedAfter);
        EXPECT_EQ(g_isGradientPaint, c.gradedAfter);
        EXPECT_EQ(g_colourScheme, c.schemeAfter);
        EXPECT_EQ(U32At(SettingsBytes(), 172), static_cast<std::uint32_t>(c.schemeAfter));
        EXPECT_EQ(SettingsBytes()[166], c.gradedAfter ? 1 : 0);
    }
}

// Colours of a hand-made file that the painter cannot use are mended as the file is read.
TEST_F(SettingsDialogs, UnusableColoursOfTheFileAreMendedOnLoad) {
    Bytes bytes = SettingsBytes();
    PutU32At(bytes, 4 * 1, 0x2A6030);
    PutU32At(bytes, 4 * 2, 0x2A6030);
    PutU32At(bytes, 4 * 3, 0x808080);
    WriteBytes(SettingsPath(), bytes);
    view_->LoadSettings();
    EXPECT_EQ(g_playerColours[1], 0x2A6030u);
    EXPECT_EQ(g_playerColours[2], kDefaultPlayerColours[1]);
    EXPECT_EQ(g_playerColours[3], kDefaultPlayerColours[2]);
}

// The swatches show the working colours: the chosen player's pair and the oceans.
TEST_F(SettingsDialogs, SwatchesShowTheChosenPlayersColours) {
    CSpkleurenDlg dialog(platform_->dialogs, platform_->window);
    Dialogs().CreateModeless(dialog);
    dialog.UserSelect(D::kIdPlayer, 2);
    EXPECT_EQ(dialog.ChosenPlayer(), 3);
    raster::Surface painted(DialogUnitsToPixelsX(215, 6), DialogUnitsToPixelsY(222, 13),
                            kDialogFace);
    dialog.OnPaint(painted);
    const auto at = [&](int x, int y) {
        return painted.Pixel(DialogUnitsToPixelsX(x, 6), DialogUnitsToPixelsY(y, 13));
    };
    EXPECT_EQ(at(106, 26), g_playerColours[3]);
    EXPECT_EQ(at(106, 47), g_playerColours[8]);
    EXPECT_EQ(at(22, 158), g_oceansColour);
    // Player X's pair closes the row.
    EXPECT_EQ(at(16 + 19 * 9 + 5, 96), g_playerColours[15]);
    EXPECT_EQ(at(16 + 19 * 9 + 5, 112), g_playerColours[20]);
    Dialogs().DestroyModeless(dialog);
}

}  // namespace
}  // namespace shell_test
