// The scripted dialog host: scripts by template, records of closed dialogs, modeless dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/headless/scripted_dialog_host.h"

namespace {

using headless::ModelessEvent;
using headless::ScriptedDialogHost;
using headless::ScriptStep;
using K = ControlKind;

DialogTemplate NameTemplate() {
    DialogTemplate t;
    t.id = 165;
    t.caption = "Marovek";
    t.width = 180;
    t.height = 60;
    t.controls = {
        {1006, K::Edit, "", {10, 10, 100, 12}, ctl::kTabStop},
        {1004, K::CheckBox, "Remember", {10, 26, 80, 10}, ctl::kTabStop},
        {1013, K::Button, "Info...", {120, 10, 50, 14}, 0},
        {kIdOk, K::Button, "OK", {120, 28, 50, 14}, ctl::kDefault},
        {kIdCancel, K::Button, "Cancel", {120, 44, 50, 14}, 0},
    };
    return t;
}

// A name dialog as the game writes one: members exchanged, a limit, an info button that opens
// another dialog modally from inside its handler.
class NameDlg : public CDialog {
  public:
    explicit NameDlg(platform::DialogHost* host = nullptr) : CDialog(NameTemplate()), host_(host) {}
    std::string name;
    int remember = 0;
    bool refuseCancel = false;
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        SetTextLimit(1006, 25);
        return true;
    }
    bool DoDataExchange(bool save) override {
        if (save) {
            name = GetText(1006);
            remember = GetCheck(1004);
        } else {
            SetText(1006, name);
            SetCheck(1004, remember);
        }
        return true;
    }
    void OnCommand(int id, Notification) override {
        if (id == 1013 && host_) {
            NameDlg inner;
            innerResult = host_->RunModal(inner);
        }
    }
    void OnCancel() override {
        if (!refuseCancel) CDialog::OnCancel();
    }
    int innerResult = 0;

  private:
    platform::DialogHost* host_;
};

TEST(ScriptedHost, RunsTheStepsThroughTheHandlersAndRecordsTheEnd) {
    ScriptedDialogHost host;
    host.Script(165, {ScriptStep::Edit(1006, "Gerhardus Wilhelmus van der Berg"),
                      ScriptStep::Click(1004), ScriptStep::Click(kIdOk)});
    NameDlg d;
    d.name = "old";
    EXPECT_EQ(host.RunModal(d), kIdOk);
    EXPECT_EQ(d.name, "Gerhardus Wilhelmus van d");  // cut to the 25 the dialog allows
    EXPECT_EQ(d.remember, 1);
    EXPECT_FALSE(d.IsOpen());
    ASSERT_EQ(host.Shown().size(), 1u);
    const auto& shown = host.Shown()[0];
    EXPECT_EQ(shown.templateId, 165);
    EXPECT_EQ(shown.caption, "Marovek");
    EXPECT_TRUE(shown.scripted);
    EXPECT_EQ(shown.result, kIdOk);
    EXPECT_EQ(shown.texts.at(1006), "Gerhardus Wilhelmus van d");
    EXPECT_EQ(shown.texts.at(1013), "Info...");
    EXPECT_EQ(shown.checks.at(1004), 1);
    EXPECT_EQ(shown.painted.Width(), 270);  // 180 units at 6 pixels a character
    EXPECT_EQ(shown.painted.Height(), 98);  // 60 units at 13 pixels: 97.5 rounded
}

TEST(ScriptedHost, MembersReachTheControlsBeforeTheScript) {
    ScriptedDialogHost host;
    host.Script(165, {ScriptStep::Click(kIdCancel)});
    NameDlg d;
    d.name = "Anna";
    EXPECT_EQ(host.RunModal(d), kIdCancel);
    EXPECT_EQ(host.Shown()[0].texts.at(1006), "Anna");
    EXPECT_EQ(d.name, "Anna");  // Cancel exchanges nothing back
}

TEST(ScriptedHost, DialogsWithoutAScriptAreCancelledAndMarked) {
    ScriptedDialogHost host;
    NameDlg d;
    EXPECT_EQ(host.RunModal(d), kIdCancel);
    EXPECT_FALSE(host.Shown()[0].scripted);
}

TEST(ScriptedHost, ADialogThatRefusesToCloseStillEnds) {
    ScriptedDialogHost host;
    host.Script(165, {ScriptStep::Click(1013), ScriptStep::Cancel()});
    NameDlg d;
    d.refuseCancel = true;
    EXPECT_EQ(host.RunModal(d), kIdCancel);
    EXPECT_FALSE(d.IsOpen());
}

TEST(ScriptedHost, ScriptsAreUsedInOrderAndNestedDialogsTakeTheirOwn) {
    ScriptedDialogHost host;
    host.Script(165, {ScriptStep::Click(1013), ScriptStep::Click(kIdOk)});
    host.Script(165, {ScriptStep::Click(kIdCancel)});  // for the dialog opened by "Info..."
    NameDlg d(&host);
    EXPECT_EQ(host.RunModal(d), kIdOk);
    EXPECT_EQ(d.innerResult, kIdCancel);
    EXPECT_EQ(host.PendingScripts(), 0u);
    ASSERT_EQ(host.Shown().size(), 2u);  // in the order they closed
    EXPECT_EQ(host.Shown()[0].result, kIdCancel);
    EXPECT_EQ(host.Shown()[1].result, kIdOk);
}

TEST(ScriptedHost, ModelessDialogsAreRecordedAndCannotBeShownTwice) {
    ScriptedDialogHost host;
    NameDlg d;
    d.name = "Bo";
    EXPECT_TRUE(host.CreateModeless(d));
    EXPECT_TRUE(d.IsOpen());
    EXPECT_EQ(d.GetText(1006), "Bo");  // OnInitDialog ran
    EXPECT_FALSE(host.CreateModeless(d));
    EXPECT_EQ(host.RunModal(d), -1);
    host.DestroyModeless(d);
    host.DestroyModeless(d);  // not shown any more: nothing
    EXPECT_FALSE(d.IsOpen());
    const std::vector<ModelessEvent> expected = {{ModelessEvent::Kind::Created, 165},
                                                 {ModelessEvent::Kind::Destroyed, 165}};
    EXPECT_EQ(host.ModelessEvents(), expected);
}

}  // namespace
