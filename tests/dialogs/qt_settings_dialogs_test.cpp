// The Settings menu's dialogs on the Qt host offscreen: the colour picker and the transparency
// slider acting on the real window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <functional>
#include <optional>

#include "core/model/options.h"
#include "platform/qt/qt_dialog_host.h"
#include "shell/transparency_dlg.h"

namespace {

using qtplatform::QtDialogHost;

class QtSettingsDialogs : public ::testing::Test {
  protected:
    int argc_ = 1;
    char name_[17] = "dialogs_qt_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication app_{argc_, argv_};
    QtDialogHost host;
};

// Does `act` to the colour picker once its modal loop runs.
void WhenPickerShown(std::function<void(QColorDialog*)> act) {
    QTimer::singleShot(0, [act] {
        auto* picker = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        act(picker);
    });
}

TEST_F(QtSettingsDialogs, TheColourPickerStartsOnTheColourAndAnswersWhatWasChosen) {
    WhenPickerShown([](QColorDialog* picker) {
        EXPECT_EQ(picker->currentColor(), QColor(0x40, 0x50, 0x80));
        picker->setCurrentColor(QColor(0x12, 0x34, 0x56));
        picker->accept();
    });
    EXPECT_EQ(host.ChooseColour(0x805040), std::optional<raster::Colour>(0x563412));

    WhenPickerShown([](QColorDialog* picker) {
        picker->setCurrentColor(QColor(0x12, 0x34, 0x56));
        picker->reject();
    });
    EXPECT_EQ(host.ChooseColour(0x805040), std::nullopt);
}

TEST_F(QtSettingsDialogs, MovingTheSliderMakesTheDialogSeeThroughAtOnce) {
    g_transparencyPercent = 85;
    CTransparencyDlg dialog;
    QTimer::singleShot(0, [this, &dialog] {
        QDialog* window = host.WindowOf(dialog);
        ASSERT_NE(window, nullptr);
        auto* slider = window->findChild<QSlider*>(QStringLiteral("control1092"));
        auto* percent = window->findChild<QLabel*>(QStringLiteral("control1006"));
        ASSERT_NE(slider, nullptr);
        EXPECT_EQ(slider->minimum(), 20);
        EXPECT_EQ(slider->value(), 85);
        EXPECT_EQ(qRound(window->windowOpacity() * 255), 216);
        slider->setValue(20);
        EXPECT_EQ(percent->text(), QStringLiteral("20"));
        EXPECT_EQ(qRound(window->windowOpacity() * 255), 51);
        EXPECT_EQ(g_transparencyPercent, 20);
        window->reject();
    });
    EXPECT_EQ(host.RunModal(dialog), kIdCancel);
}

}  // namespace
