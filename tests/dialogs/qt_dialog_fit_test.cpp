// Every dialog of the game shows its whole text in the Qt host: no label cut short, no button
// text wider than its button, no control outside its window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/cards/card_windows.h"
#include "core/input/board_input_fame.h"
#include "core/input/continents_overlay.h"
#include "core/rules/army_count.h"
#include "core/rules/attack_help.h"
#include "platform/headless/recording_services.h"
#include "platform/posix/posix_files.h"
#include "platform/qt/qt_dialog_host.h"
#include "setup/setup_dialogs.h"
#include "setup/setup_dialogs_info.h"
#include "shell/about_dlg.h"

namespace {

using qtplatform::QtDialogHost;

class DialogFit : public ::testing::Test {
  protected:
    int argc_ = 1;
    char name_[17] = "dialogs_qt_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication app_{argc_, argv_};
    QtDialogHost host;
    headless::RecordingShell shell;
    posix::PosixFiles files{std::filesystem::temp_directory_path().string()};
    raster::GlyphSource* glyphs = nullptr;

    // What does not fit in one shown dialog, one line per fault.
    std::vector<std::string> Faults(CDialog& dialog) {
        std::vector<std::string> faults;
        if (!host.CreateModeless(dialog)) return {"not shown"};
        QDialog* window = host.WindowOf(dialog);
        const QRect inside = window->rect();
        for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isHidden() || !w->objectName().startsWith(QStringLiteral("control"))) continue;
            const std::string name = w->objectName().toStdString();
            if (!inside.contains(w->geometry())) faults.push_back(name + " leaves the window");
            if (auto* label = qobject_cast<QLabel*>(w)) {
                if (!label->text().isEmpty() &&
                    label->heightForWidth(label->width()) > label->height())
                    faults.push_back(name + " cuts \"" + label->text().toStdString() + "\"");
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                const QString text = QString(button->text()).remove(QLatin1Char('&'));
                int needed = button->sizeHint().width();
                if (qobject_cast<QPushButton*>(button))
                    needed = text.isEmpty() ? 0
                                            : button->fontMetrics().horizontalAdvance(text) +
                                                  2 * button->style()->pixelMetric(
                                                          QStyle::PM_ButtonMargin, nullptr, button);
                if (needed > button->width())
                    faults.push_back(name + " cuts \"" + text.toStdString() + "\"");
            }
        }
        host.DestroyModeless(dialog);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return faults;
    }
};

TEST_F(DialogFit, EveryDialogShowsItsWholeText) {
    SetupDialogs setup(host, shell, files);
    std::vector<CDialog*> dialogs{&setup.mainMenu,    &setup.options,      &setup.name,
                                  &setup.players234,  &setup.players810,   &setup.map,
                                  &setup.hotseatName, &setup.creatingMaps, &setup.multiplayer,
                                  &setup.startJoin,   &setup.hostOptions,  &setup.personalities,
                                  &setup.campaigns,   &setup.gameType,     &setup.quickLaunch,
                                  &setup.mission,     &setup.map1};
    CStronginfoDlg strongholds;
    CTEInfoDlg troopExperience;
    CMissioninfoDlg missions;
    CPersinfoDlg personalities;
    CWorld100Dlg world100(shell);
    CFameDlg fame(host, shell);
    CValues2Dlg values2(nullptr);
    CValuesDlg values(nullptr);
    ClegersDlg armies;
    CAttackhelpDlg attackHelp;
    CAboutDlg about(shell, files, false);
    CAboutDlg aboutLarge(shell, files, true);
    CKaartenDlg cards(files, glyphs);
    CKaartiDlg trade(files, glyphs);  // no options: it says the hand makes no set
    CCkaartDlg notice(files, glyphs);
    for (CDialog* d : std::initializer_list<CDialog*>{
             &strongholds, &troopExperience, &missions, &personalities, &world100, &fame, &values2,
             &values, &armies, &attackHelp, &about, &aboutLarge, &cards, &trade, &notice})
        dialogs.push_back(d);
    for (CDialog* dialog : dialogs) {
        SCOPED_TRACE(dialog->Template().caption + " (" + std::to_string(dialog->Template().id) +
                     ")");
        EXPECT_EQ(Faults(*dialog), std::vector<std::string>{});
    }
}

}  // namespace
