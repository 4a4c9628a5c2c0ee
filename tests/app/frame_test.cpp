// The real main frame offscreen: menus, toolbars, status panes, the view's popup, the turn's
// enables reaching menus and toolbar, and the quit question.
#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/child_view_widget.h"
#include "core/child_view.h"
#include "core/model/game_state.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "shell/frame_layout.h"
#include "shell/menu.h"
#include "test_support.h"

namespace {

using apptest::FrameFixture;
using shell::MenuEntryKind;

int CommandOf(const QAction* action) {
    return action->property("command").toInt();
}

// Compares a built menu with its table entry by entry, sub-menus included.
void ExpectMenuMatches(const QMenu* menu, std::span<const shell::MenuEntry> entries,
                       const std::string& where) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size())) << where;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const shell::MenuEntry& entry = entries[i];
        const QAction* action = actions[static_cast<qsizetype>(i)];
        const std::string at = where + " item " + std::to_string(i);
        switch (entry.kind) {
            case MenuEntryKind::Separator:
                EXPECT_TRUE(action->isSeparator()) << at;
                break;
            case MenuEntryKind::Command:
                EXPECT_EQ(CommandOf(action), entry.id) << at;
                EXPECT_EQ(action->text(), QString::fromLatin1(entry.text)) << at;
                break;
            case MenuEntryKind::SubMenu:
                ASSERT_NE(action->menu(), nullptr) << at;
                EXPECT_EQ(action->text(), QString::fromLatin1(entry.text)) << at;
                ExpectMenuMatches(action->menu(), entry.children, at);
                break;
        }
    }
}

QAction* FindAction(QMenu* menu, int id) {
    for (QAction* action : menu->actions()) {
        if (CommandOf(action) == id) return action;
        if (action->menu() != nullptr) {
            if (QAction* found = FindAction(action->menu(), id)) return found;
        }
    }
    return nullptr;
}

TEST(MainFrame, MenuBarHoldsEveryMenuOfTheTableInOrder) {
    FrameFixture f;
    ASSERT_TRUE(f.frame->LoadFrame(nullptr));
    const QList<QAction*> top = f.frame->menuBar()->actions();
    const auto popups = shell::MainMenu();
    ASSERT_EQ(top.size(), static_cast<qsizetype>(popups.size()));
    const char* titles[] = {"&Game",       "&Scores",     "&Cards", "S&ettings", "&Map",
                            "C&ontinents", "S&tatistics", "&Help",  " "};
    for (std::size_t i = 0; i < popups.size(); ++i) {
        EXPECT_EQ(top[static_cast<qsizetype>(i)]->text(), QString::fromLatin1(titles[i]));
        ExpectMenuMatches(top[static_cast<qsizetype>(i)]->menu(), popups[i].entries,
                          std::string(popups[i].title));
    }
    // Texts the game names exactly, looked up through the built menus.
    struct Known {
        int id;
        const char* text;
    };
    const Known known[] = {{153, "&New Game..."},
                           {32825, "&Quick Launch..."},
                           {32786, "F&astest"},
                           {32806, "Large  (1280x1024 or higher)"},
                           {32821, "Swam&p II (200)"},
                           {32823, "More Maps (Webs&ite)..."},
                           {32801, "C&ontinents..."},
                           {32802, "S&tatistics..."},
                           {147, "Scores..."},
                           {57664, "&About Marovek..."},
                           {32824, "Hosting &Internet Games..."}};
    for (const Known& k : known) {
        QAction* action = nullptr;
        for (QMenu* menu : f.frame->Popups()) {
            if ((action = FindAction(menu, k.id)) != nullptr) break;
        }
        ASSERT_NE(action, nullptr) << k.id;
        EXPECT_EQ(action->text(), QString::fromLatin1(k.text)) << k.id;
    }
}

TEST(MainFrame, ContextPopupIsMenuEightWithTheTurnCommands) {
    FrameFixture f;
    ASSERT_TRUE(f.frame->LoadFrame(nullptr));
    f.frame->show();
    QMenu* popup = f.frame->Popups().at(shell::kContextMenuIndex);
    EXPECT_EQ(f.frame->menuBar()->actions().at(shell::kContextMenuIndex)->menu(), popup);
    const char* texts[] = {"&Cancel", "Ca&rds", "&Move", "A&dd", "&Attack", "&Next player"};
    ASSERT_EQ(popup->actions().size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(CommandOf(popup->actions()[i]), 157 + i);
        EXPECT_EQ(popup->actions()[i]->text(), QString::fromLatin1(texts[i]));
    }

    // A right click in the view opens exactly that popup.
    QWidget* shown = nullptr;
    QTimer::singleShot(0, [&shown] {
        shown = QApplication::activePopupWidget();
        if (shown != nullptr) shown->close();
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(40, 30),
                            f.frame->ViewWidget()->mapToGlobal(QPoint(40, 30)));
    QApplication::sendEvent(f.frame->ViewWidget(), &click);
    EXPECT_EQ(shown, popup);
}

TEST(MainFrame, ToolbarsHoldTheirButtonsWithPicturesAndTexts) {
    FrameFixture f;
    ASSERT_TRUE(f.frame->LoadFrame(nullptr));
    struct Bar {
        QToolBar* bar;
        std::span<const shell::ToolbarButton> buttons;
        QSize size;
    };
    const int actionWidth = ActionButtonWidth(ChooseFrameKind(g_screenWidth, g_frameSizeClass));
    const Bar bars[] = {{f.frame->MainToolbar(), shell::g_fileToolbarButtons, {24, 24}},
                        {f.frame->ActionToolbar(), shell::g_gameToolbarButtons, {actionWidth, 24}}};
    for (const Bar& b : bars) {
        ASSERT_NE(b.bar, nullptr);
        EXPECT_EQ(f.frame->toolBarArea(b.bar), Qt::TopToolBarArea);
        EXPECT_EQ(b.bar->iconSize(), QSize(16, 16));
        ASSERT_EQ(b.bar->actions().size(), static_cast<qsizetype>(b.buttons.size()));
        for (std::size_t i = 0; i < b.buttons.size(); ++i) {
            QAction* action = b.bar->actions()[static_cast<qsizetype>(i)];
            EXPECT_EQ(CommandOf(action), b.buttons[i].command);
            // The generated pictures: the normal one and its greyed twin.
            EXPECT_FALSE(action->icon().pixmap(16, 16, QIcon::Normal).isNull());
            EXPECT_FALSE(action->icon().pixmap(16, 16, QIcon::Disabled).isNull());
            EXPECT_EQ(b.bar->widgetForAction(action)->size(), b.size);
        }
    }
    const char* texts[] = {"Cancel", "Cards", "Move", "Add", "Attack", "Next"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(f.frame->ActionToolbar()->actions()[i]->text(), QString::fromLatin1(texts[i]));
    }
    EXPECT_EQ(f.frame->ActionToolbar()->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(f.frame->MainToolbar()->toolButtonStyle(), Qt::ToolButtonIconOnly);
    // The main toolbar's tips are the menu texts without mnemonics.
    EXPECT_EQ(f.frame->MainToolbar()->actions()[0]->toolTip(), QStringLiteral("New Game"));
}

TEST(MainFrame, StatusBarHasThreePanesSizedFromTheirTemplates) {
    FrameFixture f;
    ASSERT_TRUE(f.frame->LoadFrame(nullptr));
    QLabel* status = f.frame->StatusPane(0);
    QLabel* cards = f.frame->StatusPane(164);
    QLabel* losses = f.frame->StatusPane(163);
    ASSERT_TRUE(status && cards && losses);
    EXPECT_EQ(cards->text(), QStringLiteral("Cards : KRRIJ - 0 3 1 2 0 0 0 0 0 0  "));
    EXPECT_EQ(losses->text(), QStringLiteral("Losses : 123456"));
    EXPECT_GE(cards->width(), cards->fontMetrics().horizontalAdvance(cards->text()));
    EXPECT_GT(cards->width(), losses->width());

    // The idle refresh writes the losses through the view's update handler.
    g_lossesShown = 42;
    f.frame->UpdateBars();
    EXPECT_EQ(losses->text(), QStringLiteral("Losses :     42"));
    // The view's status line reaches the first pane through the window services.
    f.platform->window.SetStatusPane(0, "Attack from ?");
    EXPECT_EQ(status->text(), QStringLiteral("Attack from ?"));
}

TEST(MainFrame, GameCommandsAreDisabledAndChecksFollowTheirState) {
    FrameFixture f;
    ASSERT_TRUE(f.frame->LoadFrame(nullptr));
    ClearMapFlags();
    g_isMapEurope = true;
    QMenu* mapMenu = f.frame->Popups()[4];
    // The menus and the action toolbar follow the turn's enables both ways; the check marks
    // follow the selected map whether or not the map may change.
    for (bool on : {false, true}) {
        g_canChangeMap = g_canNewGame = on;
        g_newGameEnablePending = false;
        g_canCancel = g_canCards = g_canMove = g_canAdd = g_canAttack = g_canNextPlayer = on;
        for (QMenu* menu : f.frame->Popups()) emit menu->aboutToShow();
        EXPECT_EQ(FindAction(f.frame->Popups()[8], 161)->isEnabled(), on);
        EXPECT_EQ(FindAction(f.frame->Popups()[0], 153)->isEnabled(), on);
        EXPECT_EQ(FindAction(mapMenu, 178)->isEnabled(), on);
        EXPECT_TRUE(FindAction(mapMenu, 178)->isChecked());
        EXPECT_FALSE(FindAction(mapMenu, 177)->isChecked());
        f.frame->UpdateBars();
        for (QAction* action : f.frame->ActionToolbar()->actions()) {
            EXPECT_EQ(action->isEnabled(), on) << CommandOf(action);
        }
    }
    // A command the frame offers no one is disabled: About and Exit need the application.
    EXPECT_FALSE(f.frame->UpdateCommand(57664).enabled);
}

TEST(MainFrame, ApplicationCommandsAreOfferedAfterTheView) {
    FrameFixture f;
    ASSERT_TRUE(f.frame->LoadFrame(nullptr));
    struct Recorder : app::AppCommands {
        std::vector<int> ran;
        bool OnAppCommand(int id) override {
            ran.push_back(id);
            return true;
        }
        bool OnUpdateAppCommand(int id, CmdUI& ui) override {
            ui.enabled = id == 57664;
            return id == 57664;
        }
        void RequestIdle() override {}
    } app;
    f.frame->SetAppCommands(&app);
    EXPECT_TRUE(f.frame->UpdateCommand(57664).enabled);
    emit f.frame->Popups()[7]->aboutToShow();
    FindAction(f.frame->Popups()[7], 57664)->trigger();
    EXPECT_EQ(app.ran, std::vector<int>{57664});
}

TEST(MainFrame, ClosingAsksAndNoKeepsTheWindow) {
    FrameFixture f;
    ASSERT_TRUE(f.frame->LoadFrame(nullptr));
    f.frame->show();
    g_exitReason = 5;
    apptest::AskedBox asked;
    apptest::AnswerNextMessageBox(QMessageBox::No, &asked);
    EXPECT_FALSE(f.frame->close());
    EXPECT_TRUE(asked.asked);
    EXPECT_EQ(asked.text, QStringLiteral("Do you really want to quit ?"));
    EXPECT_EQ(asked.caption, QStringLiteral("Marovek"));
    EXPECT_TRUE(f.frame->isVisible());
    EXPECT_EQ(g_exitReason, 5);

    apptest::AnswerNextMessageBox(QMessageBox::Yes, &asked);
    EXPECT_TRUE(f.frame->close());
    EXPECT_FALSE(f.frame->isVisible());
    EXPECT_EQ(g_exitReason, 0);
}

TEST(MainFrame, ViewWidgetShowsTheViewsSurface) {
    FrameFixture f;
    ASSERT_TRUE(f.frame->LoadFrame(nullptr));
    f.frame->show();
    const QImage shown = f.frame->ViewWidget()->grab().toImage();
    const raster::Surface& surface = f.frame->ViewWidget()->Surface();
    ASSERT_FALSE(surface.Empty());
    ASSERT_EQ(shown.size(), QSize(surface.Width(), surface.Height()));
    for (const QPoint p : {QPoint(0, 0), QPoint(surface.Width() / 2, surface.Height() / 2),
                           QPoint(surface.Width() - 1, surface.Height() - 1)}) {
        const raster::Colour c = surface.Pixel(p.x(), p.y());
        EXPECT_EQ(shown.pixel(p), qRgb(raster::RedOf(c), raster::GreenOf(c), raster::BlueOf(c)));
    }
}

}  // namespace
