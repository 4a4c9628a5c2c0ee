// The main frame's bars: the menu bar from the menu table, the main and action toolbars in the
// top toolbar area (standing for the rebar) and the status bar with its three panes.
#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/main_frame.h"
#include "app/pictures.h"
#include "core/child_view.h"
#include "core/commands/command_ids.h"
#include "core/model/screen.h"
#include "platform/platform.h"
#include "shell/frame_layout.h"
#include "shell/menu.h"

namespace app {
namespace {

constexpr char kCommandProperty[] = "command";

int CommandOf(const QAction* action) {
    const QVariant id = action->property(kCommandProperty);
    return id.isValid() ? id.toInt() : 0;
}

QAction* AddCommand(QWidget* owner, int id, const QString& text, CMainFrame* frame) {
    auto* action = new QAction(text, owner);
    action->setProperty(kCommandProperty, id);
    QObject::connect(action, &QAction::triggered, frame, [frame, id] { frame->OnCommand(id); });
    owner->addAction(action);
    return action;
}

void SetState(QAction* action, const CmdUI& ui) {
    action->setEnabled(ui.enabled);
    // Only a checked item is checkable, so unchecked items show no empty box.
    action->setCheckable(ui.checked);
    action->setChecked(ui.checked);
}

}  // namespace

void CMainFrame::CreateMenuBar() {
    std::function<void(QMenu*, std::span<const shell::MenuEntry>)> fill =
        [&](QMenu* menu, std::span<const shell::MenuEntry> entries) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { RefreshMenu(menu); });
            for (const shell::MenuEntry& entry : entries) {
                const QString text = QString::fromLatin1(entry.text);
                switch (entry.kind) {
                    case shell::MenuEntryKind::Command:
                        AddCommand(menu, entry.id, text, this);
                        break;
                    case shell::MenuEntryKind::Separator:
                        menu->addSeparator();
                        break;
                    case shell::MenuEntryKind::SubMenu:
                        fill(menu->addMenu(text), entry.children);
                        break;
                }
            }
        };
    for (const shell::MenuPopup& popup : shell::MainMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(popup.title));
        fill(menu, popup.entries);
        popups_.push_back(menu);
    }
}

// Every item's enable and check mark from its update handler, just before the menu opens.
void CMainFrame::RefreshMenu(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (const int id = CommandOf(action); id != 0) SetState(action, UpdateCommand(id));
    }
}

QToolBar* CMainFrame::CreateToolbar(const char* name, bool textBeside) {
    auto* bar = new QToolBar(QString::fromLatin1(name), this);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(textBeside ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void CMainFrame::CreateToolbars() {
    struct Bar {
        QToolBar*& bar;
        const char* name;
        std::span<const shell::ToolbarButton> buttons;
        int buttonWidth;
    };
    const int actionWidth = ActionButtonWidth(ChooseFrameKind(g_screenWidth, g_frameSizeClass));
    const Bar bars[] = {
        {mainToolbar_, "mainToolbar", shell::g_fileToolbarButtons, 24},
        {actionToolbar_, "actionToolbar", shell::g_gameToolbarButtons, actionWidth}};
    for (const Bar& b : bars) {
        const bool textBeside = !b.buttons.front().text.empty();
        b.bar = CreateToolbar(b.name, textBeside);
        for (const shell::ToolbarButton& button : b.buttons) {
            const std::string tip = shell::PlainMenuText(shell::FindMenuText(button.command));
            const QString text =
                textBeside ? QString::fromLatin1(button.text) : QString::fromLatin1(tip);
            QAction* action = AddCommand(b.bar, button.command, text, this);
            action->setToolTip(QString::fromLatin1(tip));
            action->setStatusTip(QString::fromLatin1(tip));
            QIcon icon(LoadBitmap(platform_.files, button.image, true));
            icon.addPixmap(LoadBitmap(platform_.files, button.disabledImage, true),
                           QIcon::Disabled);
            action->setIcon(icon);
            action->setEnabled(false);
            if (QWidget* widget = b.bar->widgetForAction(action)) {
                widget->setFixedSize(b.buttonWidth, 24);
            }
        }
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    for (const shell::StatusIndicator& indicator : shell::g_statusIndicators) {
        auto* pane = new QLabel(QString::fromLatin1(indicator.templateText), bar);
        pane->setObjectName(QStringLiteral("pane%1").arg(indicator.id));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (indicator.id == cmd::kPaneStatus) {
            bar->addWidget(pane, 1);
        } else {
            // The template text gives the pane its width.
            const int width =
                pane->fontMetrics().horizontalAdvance(pane->text()) + 2 * pane->frameWidth() + 8;
            pane->setFixedWidth(width);
            bar->addPermanentWidget(pane);
        }
        panes_.emplace_back(indicator.id, pane);
    }
}

void CMainFrame::UpdateBars() {
    for (QToolBar* bar : {mainToolbar_, actionToolbar_}) {
        if (bar == nullptr) continue;
        for (QAction* action : bar->actions()) {
            const int id = CommandOf(action);
            if (id == 0) continue;
            const bool enabled = UpdateCommand(id).enabled;
            if (action->isEnabled() != enabled) action->setEnabled(enabled);
        }
    }
    // The panes the view keeps through its update handlers (the losses pane).
    for (const auto& [id, label] : panes_) {
        if (id != cmd::kPaneStatus) UpdateCommand(id);
    }
}

}  // namespace app
