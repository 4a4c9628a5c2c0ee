// The Qt dialog host with real widgets offscreen: the About box, both-way sync, modeless dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>

#include "about_fixture.h"
#include "core/model/options.h"
#include "platform/headless/recording_services.h"
#include "platform/posix/posix_files.h"
#include "platform/qt/qt_dialog_host.h"
#include "shell/about_dlg.h"

namespace {

using qtplatform::QtDialogHost;
using K = ControlKind;

// One application per test: a static one would outlive the objects Qt frees at exit.
class WithApp : public ::testing::Test {
  protected:
    int argc_ = 1;
    char name_[17] = "dialogs_qt_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication app_{argc_, argv_};
};

template <typename W>
W* Control(QDialog* window, int id) {
    return window->findChild<W*>(QStringLiteral("control%1").arg(id));
}

// Runs `inspect` once the modal loop of the dialog is running.
void WhenShown(QtDialogHost& host, const CDialog& dialog, std::function<void(QDialog*)> inspect) {
    QTimer::singleShot(0, [&host, &dialog, inspect] {
        QDialog* window = host.WindowOf(dialog);
        ASSERT_NE(window, nullptr);
        inspect(window);
    });
}

class QtAboutBox : public WithApp {
  protected:
    QtAboutBox() : files(folder.Path()) {
        g_transparencyPercent = 85;
        folder.WritePictures();
    }
    about_fixture::ProgramFolder folder;
    posix::PosixFiles files;
    headless::RecordingShell shell;
    QtDialogHost host;
};

TEST_F(QtAboutBox, IsBuiltFromItsTemplateAndEndsWithTheButtonPressed) {
    CAboutDlg about(shell, files, false);
    about.version = "Version 5.5";
    about.year = "2009";
    WhenShown(host, about, [](QDialog* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("About Marovek"));
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(Control<QLabel>(w, 1007)->text(), QStringLiteral("Version 5.5"));
        EXPECT_EQ(Control<QLabel>(w, 1012)->text(), QStringLiteral("2009"));
        EXPECT_EQ(Control<QLabel>(w, 1035)->text(), QString());
        EXPECT_EQ(Control<QPushButton>(w, 1013)->text(), QStringLiteral("Marovek Website"));
        QPushButton* ok = Control<QPushButton>(w, kIdOk);
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        EXPECT_TRUE(ok->isDefault());
        // Sized from dialog units with the dialog font's own metrics.
        const QSize base = QtDialogHost::BaseUnits(QtDialogHost::DialogFont(AboutTemplate()));
        EXPECT_GT(base.width(), 0);
        EXPECT_EQ(w->size(), QSize(DialogUnitsToPixelsX(220, base.width()),
                                   DialogUnitsToPixelsY(196, base.height())));
        EXPECT_EQ(
            ok->geometry(),
            QRect(DialogUnitsToPixelsX(85, base.width()), DialogUnitsToPixelsY(172, base.height()),
                  DialogUnitsToPixelsX(50, base.width()), DialogUnitsToPixelsY(14, base.height())));
        EXPECT_EQ(qRound(w->windowOpacity() * 255), 216);
        // OnPaint's picture lies behind the controls: the icon stretched to 64x64 at (125, 20).
        const QImage shot = w->grab().toImage();
        EXPECT_EQ(shot.pixel(125, 20) & 0xFFFFFF, qRgb(200, 30, 40) & 0xFFFFFF);
        EXPECT_EQ(shot.pixel(188, 83) & 0xFFFFFF, qRgb(200, 30, 40) & 0xFFFFFF);
        EXPECT_EQ(shot.pixel(124, 20) & 0xFFFFFF, qRgb(212, 208, 200) & 0xFFFFFF);
        ok->click();
    });
    EXPECT_EQ(host.RunModal(about), kIdOk);
    EXPECT_EQ(host.WindowOf(about), nullptr);
    EXPECT_FALSE(about.IsOpen());
}

TEST_F(QtAboutBox, WebsiteButtonCallsTheShellAndTheCloseBoxCancels) {
    CAboutDlg about(shell, files, false);
    WhenShown(host, about, [](QDialog* w) {
        Control<QPushButton>(w, 1013)->click();
        EXPECT_TRUE(w->isVisible());
        w->close();
    });
    EXPECT_EQ(host.RunModal(about), kIdCancel);
    EXPECT_EQ(shell.urls, std::vector<std::string>{"www.marovek.org//index.html"});
}

TEST_F(QtAboutBox, RunAboutBoxRunsTheRealDialog) {
    QTimer::singleShot(0, [] {
        auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(Control<QLabel>(w, 1007)->text(), QStringLiteral("Version 5.5"));
        EXPECT_FALSE(Control<QLabel>(w, 1006)->text().isEmpty());
        Control<QPushButton>(w, kIdOk)->click();
    });
    RunAboutBox(host, shell, files, false);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A dialog with the controls the game's set-up and list dialogs use.
DialogTemplate FormTemplate() {
    DialogTemplate t;
    t.id = 901;
    t.caption = "Form";
    t.fontFace = "Courier New";
    t.width = 200;
    t.height = 150;
    t.controls = {
        {1000, K::RadioButton, "One", {5, 5, 50, 10}, ctl::kGroup},
        {1001, K::RadioButton, "Two", {5, 15, 50, 10}, 0},
        {1004, K::CheckBox, "None", {5, 30, 50, 10}, ctl::kGroup},
        {1006, K::Edit, "", {5, 45, 80, 12}, 0},
        {1010, K::ListBox, "", {100, 5, 90, 60}, ctl::kSorted},
        {1012, K::ComboBox, "", {100, 70, 90, 60}, ctl::kDropDownList},
        {1092, K::Slider, "", {5, 70, 80, 14}, 0},
        {kIdStatic, K::GroupBox, "Frame", {2, 2, 90, 40}, 0},
        {kIdOk, K::Button, "OK", {140, 130, 50, 14}, ctl::kDefault},
    };
    return t;
}

class FormDlg : public CDialog {
  public:
    FormDlg() : CDialog(FormTemplate()) {}
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        SetRange(1092, 20, 100);
        SetPosition(1092, 85);
        for (const char* s : {"b", "A", "c"}) AddItem(1010, s);
        for (const char* s : {"x", "y"}) AddItem(1012, s);
        if (endAtOnce) EndDialog(5);
        return true;
    }
    void OnCommand(int id, Notification code) override {
        commands.emplace_back(id, code);
        if (id == 1092) SetOpacity(GetPosition(1092));  // as the transparency dialog does
        if (id == 1004) Enable(1006, GetCheck(1004) == 0);
    }
    std::vector<std::pair<int, Notification>> commands;
    bool endAtOnce = false;
};

class QtForm : public WithApp {
  protected:
    QtDialogHost host;
};

TEST_F(QtForm, UserActionsReachTheModelAndModelChangesReachTheWidgets) {
    FormDlg form;
    ASSERT_TRUE(host.CreateModeless(form));
    QDialog* w = host.WindowOf(form);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());

    auto* one = Control<QRadioButton>(w, 1000);
    auto* two = Control<QRadioButton>(w, 1001);
    one->click();
    two->click();
    two->click();  // a second click leaves it checked, as a radio button stays
    EXPECT_EQ(form.GetRadioIndex(1000), 1);
    EXPECT_FALSE(one->isChecked());
    EXPECT_TRUE(two->isChecked());

    auto* edit = Control<QLineEdit>(w, 1006);
    QTest::keyClicks(edit, "Zeeland");
    EXPECT_EQ(form.GetText(1006), "Zeeland");
    Control<QCheckBox>(w, 1004)->click();
    EXPECT_EQ(form.GetCheck(1004), 1);
    EXPECT_FALSE(edit->isEnabled());  // the handler disabled it through the model

    auto* list = Control<QListWidget>(w, 1010);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("A"));  // sorted by the model
    list->setCurrentRow(2);
    EXPECT_EQ(form.GetSelection(1010), 2);
    EXPECT_EQ(form.GetText(1010), "c");
    form.SetSelection(1010, 0);
    EXPECT_EQ(list->currentRow(), 0);
    form.DeleteItem(1010, 0);
    EXPECT_EQ(list->count(), 2);

    auto* slider = Control<QSlider>(w, 1092);
    EXPECT_EQ(slider->minimum(), 20);
    EXPECT_EQ(slider->value(), 85);
    slider->setValue(20);
    EXPECT_EQ(form.GetPosition(1092), 20);
    EXPECT_EQ(qRound(w->windowOpacity() * 255), 51);

    form.SetText(1006, "Noord");
    EXPECT_EQ(edit->text(), QStringLiteral("Noord"));
    form.SetCaption("Renamed");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Renamed"));
    form.Show(1012, false);
    EXPECT_TRUE(Control<QComboBox>(w, 1012)->isHidden());

    const std::vector<std::pair<int, Notification>> expected = {
        {1000, Notification::Clicked},    {1001, Notification::Clicked},
        {1001, Notification::Clicked},    {1006, Notification::EditChange},
        {1006, Notification::EditChange}, {1006, Notification::EditChange},
        {1006, Notification::EditChange}, {1006, Notification::EditChange},
        {1006, Notification::EditChange}, {1006, Notification::EditChange},
        {1004, Notification::Clicked},    {1010, Notification::SelectionChange},
        {1092, Notification::Scroll}};
    EXPECT_EQ(form.commands, expected);  // model-made changes notify nobody

    form.EndDialog(kIdOk);  // a modeless dialog hides
    EXPECT_FALSE(w->isVisible());
    QPointer<QDialog> guard(w);
    host.DestroyModeless(form);
    EXPECT_EQ(host.WindowOf(form), nullptr);
    EXPECT_FALSE(form.IsOpen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}

TEST_F(QtForm, TheModalLoopKeepsTheCallersTimersRunning) {
    FormDlg form;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 3) Control<QPushButton>(host.WindowOf(form), kIdOk)->click();
    });
    timer.start(1);
    EXPECT_EQ(host.RunModal(form), kIdOk);
    EXPECT_GE(ticks, 3);
}

TEST_F(QtForm, ADialogEndedInItsInitialisationNeverShows) {
    FormDlg form;
    form.endAtOnce = true;
    EXPECT_EQ(host.RunModal(form), 5);
    EXPECT_EQ(host.WindowOf(form), nullptr);
}

// A window let go is deleted only when the event loop comes round: by then its dialog may be
// shown again in a new window (the chat window closed and opened at once), or be gone.
TEST_F(QtForm, AWindowLetGoHidesAndLeavesItsDialogToTheNextWindow) {
    FormDlg form;
    ASSERT_TRUE(host.CreateModeless(form));
    QWidget* first = host.WindowOf(form);
    ASSERT_NE(first, nullptr);
    host.DestroyModeless(form);
    EXPECT_FALSE(first->isVisible());
    ASSERT_TRUE(host.CreateModeless(form));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.IsOpen()) << "the old window's end detached the new one";
    ASSERT_NE(host.WindowOf(form), nullptr);
    form.SetCaption("Again");
    EXPECT_EQ(host.WindowOf(form)->windowTitle(), QStringLiteral("Again"));
    host.DestroyModeless(form);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(QtForm, ADialogAlreadyShownCannotBeShownAgain) {
    FormDlg form;
    ASSERT_TRUE(host.CreateModeless(form));
    EXPECT_FALSE(host.CreateModeless(form));
    EXPECT_EQ(host.RunModal(form), -1);
    host.DestroyModeless(form);
}

}  // namespace

// A preset name field is selected when the dialog opens, so what the player types replaces it.
TEST_F(QtForm, TheFirstEditFieldTakesTheFocusWithItsTextSelected) {
    DialogTemplate t;
    t.id = 9001;
    t.caption = "Name";
    t.width = 150;
    t.height = 60;
    t.controls = {
        {kIdStatic, K::Static, "Your name ?", {5, 5, 100, 10}, 0},
        {1001, K::Edit, "", {5, 20, 140, 12}, 0},
        {kIdOk, K::Button, "OK", {50, 40, 50, 14}, ctl::kDefault},
    };
    class NameDlg : public CDialog {
      public:
        explicit NameDlg(DialogTemplate tmpl) : CDialog(std::move(tmpl)) {}
        bool OnInitDialog() override {
            CDialog::OnInitDialog();
            SetText(1001, std::string(18, ' '));
            return true;
        }
    } dialog(t);
    QString selected;
    WhenShown(host, dialog, [&](QDialog* window) {
        selected = Control<QLineEdit>(window, 1001)->selectedText();
        window->accept();
    });
    host.RunModal(dialog);
    EXPECT_EQ(selected, QString(18, QLatin1Char(' ')));
}
