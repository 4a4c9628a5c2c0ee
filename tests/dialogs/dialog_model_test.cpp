// The dialog model: units, list sort, radio groups, lists, ranges, edits, opacity, the view.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/dialog_host.h"

namespace {

using K = ControlKind;

// A dialog with one of each kind of control; two radio groups split by a non-radio control.
DialogTemplate SampleTemplate() {
    DialogTemplate t;
    t.id = 900;
    t.caption = "Sample";
    t.width = 200;
    t.height = 120;
    t.controls = {
        {1000, K::RadioButton, "A", {5, 5, 40, 10}, ctl::kGroup},
        {1001, K::RadioButton, "B", {5, 15, 40, 10}, 0},
        {kIdStatic, K::GroupBox, "Box", {0, 0, 60, 40}, 0},
        {1002, K::RadioButton, "C", {5, 25, 40, 10}, 0},
        {1003, K::RadioButton, "D", {5, 45, 40, 10}, ctl::kGroup},
        {1004, K::RadioButton, "E", {5, 55, 40, 10}, 0},
        {1005, K::CheckBox, "Check", {60, 5, 40, 10}, ctl::kGroup},
        {1006, K::Edit, "", {60, 20, 60, 12}, 0},
        {1007, K::Edit, "fixed", {60, 35, 60, 12}, ctl::kReadOnly},
        {1010, K::ListBox, "", {120, 5, 60, 50}, ctl::kSorted},
        {1011, K::ListBox, "", {120, 60, 60, 30}, 0},
        {1012, K::ComboBox, "", {60, 50, 60, 50}, ctl::kDropDownList},
        {1020, K::Slider, "", {5, 90, 100, 12}, 0},
        {1021, K::Progress, "", {5, 105, 100, 8}, 0},
        {1030, K::Button, "Later", {150, 100, 40, 14}, ctl::kDisabled},
        {kIdOk, K::Button, "OK", {150, 80, 40, 14}, ctl::kDefault},
    };
    return t;
}

class SampleDlg : public CDialog {
  public:
    SampleDlg() : CDialog(SampleTemplate()) {}
    void OnCommand(int id, Notification code) override { commands.emplace_back(id, code); }
    bool DoDataExchange(bool save) override {
        exchanges.push_back(save);
        return !save || acceptData;
    }
    std::vector<std::pair<int, Notification>> commands;
    std::vector<bool> exchanges;
    bool acceptData = true;
};

class RecordingView : public platform::DialogView {
  public:
    void ControlChanged(int id) override { changed.push_back(id); }
    void CaptionChanged() override { ++captions; }
    void OpacityChanged() override { ++opacities; }
    void Repaint() override { ++repaints; }
    void Closed(int result) override { closed.push_back(result); }
    std::vector<int> changed;
    std::vector<int> closed;
    int captions = 0;
    int opacities = 0;
    int repaints = 0;
};

TEST(DialogUnits, MapLikeTheClassicDialogManagerRoundingToNearest) {
    struct Case {
        int units, base, x, y;
    };
    const Case cases[] = {
        {220, 6, 330, 165},   // 220*6/4, 220*6/8
        {1, 6, 2, 1},         // 1.5 -> 2, 0.75 -> 1
        {196, 13, 637, 319},  // 637, 318.5 -> 319
        {3, 13, 10, 5},       // 9.75 -> 10, 4.875 -> 5
        {0, 13, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DialogUnitsToPixelsX(c.units, c.base), c.x) << c.units << " x " << c.base;
        EXPECT_EQ(DialogUnitsToPixelsY(c.units, c.base), c.y) << c.units << " y " << c.base;
    }
}

TEST(DialogModel, FreshControlsComeFromTheTemplate) {
    SampleDlg d;
    EXPECT_EQ(d.Caption(), "Sample");
    EXPECT_EQ(d.GetText(1007), "fixed");
    EXPECT_FALSE(d.IsEnabled(1030));
    EXPECT_TRUE(d.IsEnabled(kIdOk));
    d.SetText(1007, "changed");
    d.Enable(1030, true);
    d.AddItem(1011, "x");
    d.CreateControls();  // each opening starts again from the template
    EXPECT_EQ(d.GetText(1007), "fixed");
    EXPECT_FALSE(d.IsEnabled(1030));
    EXPECT_EQ(d.ItemCount(1011), 0);
}

TEST(DialogModel, UnknownIdsReadEmptyAndIgnoreWrites) {
    SampleDlg d;
    d.SetText(4242, "x");
    d.SetCheck(4242, 1);
    d.UserClick(4242);
    EXPECT_EQ(d.GetText(4242), "");
    EXPECT_EQ(d.GetCheck(4242), 0);
    EXPECT_EQ(d.AddItem(4242, "x"), -1);
    EXPECT_EQ(d.GetSelection(4242), -1);
    EXPECT_EQ(d.AddItem(1005, "not a list"), -1);
    EXPECT_EQ(d.GetText(kIdStatic), "");  // statics share the id and are never addressed
    EXPECT_TRUE(d.commands.empty());
}

TEST(DialogModel, RadioClicksStayWithinTheirGroup) {
    SampleDlg d;
    EXPECT_EQ(d.GetRadioIndex(1000), -1);
    d.SetRadioIndex(1000, 2);  // "C": the group box between B and C does not end the group
    d.SetRadioIndex(1003, 0);
    EXPECT_EQ(d.GetCheck(1002), 1);
    d.UserClick(1001);
    EXPECT_EQ(d.GetRadioIndex(1000), 1);
    EXPECT_EQ(d.GetCheck(1002), 0);
    EXPECT_EQ(d.GetCheck(1003), 1);  // the other group is untouched
    d.UserClick(1004);
    EXPECT_EQ(d.GetRadioIndex(1003), 1);
    EXPECT_EQ(d.GetRadioIndex(1000), 1);
    ASSERT_EQ(d.commands.size(), 2u);
    EXPECT_EQ(d.commands[0], std::make_pair(1001, Notification::Clicked));
}

TEST(DialogModel, CheckBoxesToggleAndDisabledOrHiddenControlsIgnoreTheUser) {
    SampleDlg d;
    d.UserClick(1005);
    EXPECT_EQ(d.GetCheck(1005), 1);
    d.UserClick(1005);
    EXPECT_EQ(d.GetCheck(1005), 0);
    d.UserClick(1030);  // created disabled
    d.Enable(1005, false);
    d.UserClick(1005);
    d.Enable(1005, true);
    d.Show(1005, false);
    d.UserClick(1005);
    EXPECT_EQ(d.GetCheck(1005), 0);
    EXPECT_EQ(d.commands.size(), 2u);
}

TEST(DialogModel, SortedListsOrderSymbolsThenDigitsThenLettersIgnoringCase) {
    SampleDlg d;
    for (const char* s : {"10", " 9", "World", " *", "china", " 2", "*", "Europe"})
        d.AddItem(1010, s);
    std::vector<std::string> items;
    for (int i = 0; i < d.ItemCount(1010); ++i) items.push_back(d.ItemText(1010, i));
    const std::vector<std::string> expected = {" *", " 2",    " 9",     "*",
                                               "10", "china", "Europe", "World"};
    EXPECT_EQ(items, expected);
    // An unsorted list keeps the order of adding; insert goes where it is told.
    d.AddItem(1011, "b");
    d.AddItem(1011, "a");
    d.InsertItem(1011, 0, "c");
    EXPECT_EQ(d.ItemText(1011, 0), "c");
    EXPECT_EQ(d.ItemText(1011, 2), "a");
}

TEST(DialogModel, SelectionFollowsInsertsAndDeletesAndRefusesBadIndexes) {
    SampleDlg d;
    for (const char* s : {"a", "b", "c"}) d.AddItem(1011, s);
    EXPECT_TRUE(d.SetSelection(1011, 1));
    d.InsertItem(1011, 0, "z");
    EXPECT_EQ(d.GetSelection(1011), 2);
    EXPECT_EQ(d.GetText(1011), "b");
    EXPECT_EQ(d.DeleteItem(1011, 0), 3);
    EXPECT_EQ(d.GetSelection(1011), 1);
    EXPECT_EQ(d.DeleteItem(1011, 1), 2);
    EXPECT_EQ(d.GetSelection(1011), -1);
    EXPECT_FALSE(d.SetSelection(1011, 2));
    EXPECT_FALSE(d.SetSelection(1011, -2));
    EXPECT_EQ(d.DeleteItem(1011, 5), -1);
    EXPECT_EQ(d.InsertItem(1011, 9, "far"), -1);
    EXPECT_EQ(d.ItemText(1011, 7), "");
    d.ResetContent(1011);
    EXPECT_EQ(d.ItemCount(1011), 0);
}

TEST(DialogModel, PrefixSelectionIsCaseInsensitiveAndLeavesTheSelectionWithoutAMatch) {
    SampleDlg d;
    for (const char* s : {"Europe        ", "China         ", "Chinatown"}) d.AddItem(1012, s);
    EXPECT_EQ(d.SelectItemByPrefix(1012, "CHINA"), 1);  // the first that begins so
    EXPECT_EQ(d.GetText(1012), "China         ");
    EXPECT_EQ(d.SelectItemByPrefix(1012, "Mars"), -1);
    EXPECT_EQ(d.GetSelection(1012), 1);
}

TEST(DialogModel, UserSelectionAndDoubleClickNotify) {
    SampleDlg d;
    d.AddItem(1011, "a");
    d.AddItem(1011, "b");
    d.UserSelect(1011, 1);
    d.UserDoubleClick(1011, 0);
    d.UserSelect(1011, 7);  // out of range: nothing
    const std::vector<std::pair<int, Notification>> expected = {
        {1011, Notification::SelectionChange}, {1011, Notification::DoubleClick}};
    EXPECT_EQ(d.commands, expected);
    EXPECT_EQ(d.GetSelection(1011), 0);
}

TEST(DialogModel, PositionsStayInsideTheirRange) {
    SampleDlg d;
    d.SetRange(1020, 100, 20);  // given the wrong way round
    EXPECT_EQ(d.GetRangeMin(1020), 20);
    EXPECT_EQ(d.GetRangeMax(1020), 100);
    EXPECT_EQ(d.GetPosition(1020), 20);
    d.UserScroll(1020, 140);
    EXPECT_EQ(d.GetPosition(1020), 100);
    ASSERT_EQ(d.commands.size(), 1u);
    EXPECT_EQ(d.commands[0], std::make_pair(1020, Notification::Scroll));
    d.SetRange(1021, 0, 10);
    d.SetPosition(1021, -3);
    EXPECT_EQ(d.GetPosition(1021), 0);
    d.SetPosition(1006, 5);  // an edit has no position
    EXPECT_EQ(d.GetPosition(1006), 0);
}

TEST(DialogModel, EditsKeepTheirLimitAndReadOnlyEditsRefuseTheUser) {
    SampleDlg d;
    d.SetTextLimit(1006, 5);
    d.UserEdit(1006, "Wilhelmina");
    EXPECT_EQ(d.GetText(1006), "Wilhe");
    d.UserEdit(1007, "typed");
    EXPECT_EQ(d.GetText(1007), "fixed");
    ASSERT_EQ(d.commands.size(), 1u);
    EXPECT_EQ(d.commands[0], std::make_pair(1006, Notification::EditChange));
}

TEST(DialogModel, OpacityIsPercentTimes255Over100InWholeNumbers) {
    const std::pair<int, int> cases[] = {{85, 216},  {100, 255}, {20, 51},         {0, 0},
                                         {150, 255}, {-5, 0},    {2000000000, 255}};
    for (const auto& [percent, alpha] : cases) {
        SampleDlg d;
        EXPECT_FALSE(d.IsLayered());
        d.SetOpacity(percent);
        EXPECT_TRUE(d.IsLayered());
        EXPECT_EQ(d.Alpha(), alpha) << percent;
    }
}

TEST(DialogModel, OkExchangesTheDataAndEndsOnlyWhenTheDataIsAccepted) {
    SampleDlg d;
    d.OnInitDialog();
    d.acceptData = false;
    d.UserClick(kIdOk);
    EXPECT_FALSE(d.Ended());
    d.acceptData = true;
    d.UserClick(kIdOk);
    EXPECT_TRUE(d.Ended());
    EXPECT_EQ(d.Result(), kIdOk);
    EXPECT_EQ(d.exchanges, (std::vector<bool>{false, true, true}));
    SampleDlg c;
    c.UserCancel();
    EXPECT_EQ(c.Result(), kIdCancel);
}

TEST(DialogModel, AnAttachedViewHearsOfEveryChange) {
    SampleDlg d;
    RecordingView view;
    d.AttachView(&view);
    EXPECT_TRUE(d.IsOpen());
    d.SetText(1006, "x");
    d.UserClick(1001);  // a radio click touches each button of its group
    d.AddItem(1010, "a");
    d.SetOpacity(50);
    d.SetCaption("New");
    d.Invalidate();
    d.EndDialog(7);
    EXPECT_EQ(view.changed, (std::vector<int>{1006, 1000, 1001, 1002, 1010}));
    EXPECT_EQ(view.opacities, 1);
    EXPECT_EQ(view.captions, 1);
    EXPECT_EQ(view.repaints, 1);
    EXPECT_EQ(view.closed, (std::vector<int>{7}));
    d.AttachView(nullptr);
    d.SetText(1006, "y");  // no view: nothing to tell
    EXPECT_EQ(view.changed.size(), 5u);
}

}  // namespace
