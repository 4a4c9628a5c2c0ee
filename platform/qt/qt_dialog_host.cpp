// The Qt dialog host: native widgets laid out from the template, kept in step with the model.
#include "platform/qt/qt_dialog_host.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStringList>
#include <QStyle>
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/qt/qt_images.h"

namespace qtplatform {

namespace {

QString FromLatin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

std::string ToLatin1(const QString& s) {
    return s.toLatin1().toStdString();
}

// Static texts show "&x" as a mnemonic and "&&" as one ampersand; a label shows plain text.
QString StaticText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') out += '&';
            ++i;
            if (i < text.size() && text[i] != '&') out += text[i];
            continue;
        }
        out += text[i];
    }
    return FromLatin1(out);
}

// Multi-line edits keep the game's "\r\n" line ends in the model.
QString ToWidgetLines(const std::string& text) {
    return FromLatin1(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string FromWidgetLines(const QString& text) {
    return ToLatin1(QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}

QStringList ToStringList(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) list << FromLatin1(item);
    return list;
}

QStringList ItemsOf(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items << list.item(i)->text();
    return items;
}

QStringList ItemsOf(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
    return items;
}

}  // namespace

// One shown dialog: its widgets, built once from the template, and the model they mirror.
class QtDialogWindow : public QDialog, public platform::DialogView {
  public:
    QtDialogWindow(CDialog& model, QWidget* parent);
    ~QtDialogWindow() override {
        if (!forgotten_) model_.AttachView(nullptr);
    }
    // The dialog has let this window go: it may be shown again in another window, or be gone,
    // before this one is deleted, so the window neither shows nor speaks to it any more.
    void Forget() {
        forgotten_ = true;
        hide();
    }

    CDialog& Model() { return model_; }
    void SyncAll();
    void SetModal(bool modal) { modal_ = modal; }
    // As the classic dialog manager does when the init handler asks for it: the first field
    // that takes the focus gets it, and an edit field's text is selected so typing replaces it.
    void FocusFirstControl();
    // Makes room for every shown text the template's rectangles cut short (a longer text, a
    // larger font): a label grows downwards and what stands below it moves down, a button
    // grows to the right, and the dialog grows with them.
    void FitTexts();

    void ControlChanged(int controlId) override;
    void CaptionChanged() override { setWindowTitle(FromLatin1(model_.Caption())); }
    void OpacityChanged() override;
    void Repaint() override { update(); }
    void Closed(int result) override;

    // Escape and the close box ask the dialog, which may refuse.
    void reject() override { model_.UserCancel(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* MakeWidget(const ControlTemplate& t);
    void Wire(std::size_t index);
    void Sync(std::size_t index);
    void SyncContent(std::size_t index);

    CDialog& model_;
    QSize base_;
    std::vector<QWidget*> widgets_;  // parallel to the template's controls
    bool modal_ = false;
    bool forgotten_ = false;
    raster::Surface surface_;
};

QtDialogWindow::QtDialogWindow(CDialog& model, QWidget* parent) : QDialog(parent), model_(model) {
    const DialogTemplate& t = model.Template();
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (!(t.style & dlg::kNoSystemMenu))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setFont(QtDialogHost::DialogFont(t));
    base_ = QtDialogHost::BaseUnits(font());
    setFixedSize(DialogUnitsToPixelsX(t.width, base_.width()),
                 DialogUnitsToPixelsY(t.height, base_.height()));
    for (const ControlTemplate& c : t.controls) {
        QWidget* w = MakeWidget(c);
        w->setObjectName(QStringLiteral("control%1").arg(c.id));
        int height = DialogUnitsToPixelsY(c.rect.height, base_.height());
        // A combo box's template height is its dropped-down list's; the box itself is one line.
        if (c.kind == ControlKind::ComboBox) height = w->sizeHint().height();
        w->setGeometry(DialogUnitsToPixelsX(c.rect.x, base_.width()),
                       DialogUnitsToPixelsY(c.rect.y, base_.height()),
                       DialogUnitsToPixelsX(c.rect.width, base_.width()), height);
        widgets_.push_back(w);
        Wire(widgets_.size() - 1);
    }
    // Group boxes are frames behind their siblings, never in the way of a click.
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        if (t.controls[i].kind == ControlKind::GroupBox) widgets_[i]->lower();
    }
    model_.AttachView(this);
}

QWidget* QtDialogWindow::MakeWidget(const ControlTemplate& t) {
    switch (t.kind) {
        case ControlKind::Static: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment((t.style & ctl::kCenter) ? Qt::AlignHCenter | Qt::AlignTop
                                                         : Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::GroupBox: {
            auto* box = new QGroupBox(this);
            box->setAttribute(Qt::WA_TransparentForMouseEvents);
            return box;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(this);
            button->setDefault((t.style & ctl::kDefault) != 0);
            return button;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(this);
        case ControlKind::RadioButton: {
            // The model keeps a group's buttons exclusive, by the template's groups.
            auto* radio = new QRadioButton(this);
            radio->setAutoExclusive(false);
            return radio;
        }
        case ControlKind::Edit: {
            if (t.style & ctl::kMultiLine) {
                auto* edit = new QPlainTextEdit(this);
                edit->setReadOnly((t.style & ctl::kReadOnly) != 0);
                return edit;
            }
            auto* edit = new QLineEdit(this);
            edit->setReadOnly((t.style & ctl::kReadOnly) != 0);
            if (t.style & ctl::kPassword) edit->setEchoMode(QLineEdit::Password);
            return edit;
        }
        case ControlKind::ListBox:
            return new QListWidget(this);
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(this);
            combo->setEditable(!(t.style & ctl::kDropDownList));
            combo->setInsertPolicy(QComboBox::NoInsert);
            return combo;
        }
        case ControlKind::Slider: {
            // A mark every ten steps; the arrow keys move by one, the page keys by ten.
            auto* slider = new QSlider(Qt::Horizontal, this);
            slider->setTickPosition(QSlider::TicksBelow);
            slider->setTickInterval(10);
            slider->setSingleStep(1);
            slider->setPageStep(10);
            return slider;
        }
        case ControlKind::Progress: {
            auto* bar = new QProgressBar(this);
            bar->setTextVisible(false);
            return bar;
        }
    }
    return new QWidget(this);
}

void QtDialogWindow::Wire(std::size_t index) {
    const int id = model_.Template().controls[index].id;
    QWidget* w = widgets_[index];
    CDialog* model = &model_;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        connect(button, &QAbstractButton::clicked, this, [this, model, id, index] {
            model->UserClick(id);
            // The widget toggled itself; the model decides what it shows.
            if (index < widgets_.size()) Sync(index);
        });
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        connect(line, &QLineEdit::textEdited, this,
                [model, id](const QString& text) { model->UserEdit(id, ToLatin1(text)); });
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        connect(plain, &QPlainTextEdit::textChanged, this,
                [model, id, plain] { model->UserEdit(id, FromWidgetLines(plain->toPlainText())); });
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        connect(list, &QListWidget::currentRowChanged, this,
                [model, id](int row) { model->UserSelect(id, row); });
        connect(
            list, &QListWidget::itemDoubleClicked, this,
            [model, id, list](QListWidgetItem* it) { model->UserDoubleClick(id, list->row(it)); });
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        connect(combo, &QComboBox::activated, this,
                [model, id](int row) { model->UserSelect(id, row); });
        if (combo->lineEdit()) {
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [model, id](const QString& text) { model->UserEdit(id, ToLatin1(text)); });
        }
    } else if (auto* slider = qobject_cast<QSlider*>(w)) {
        connect(slider, &QSlider::valueChanged, this,
                [model, id](int value) { model->UserScroll(id, value); });
    }
}

void QtDialogWindow::SyncAll() {
    for (std::size_t i = 0; i < widgets_.size(); ++i) Sync(i);
    CaptionChanged();
    OpacityChanged();
}

void QtDialogWindow::FocusFirstControl() {
    // Buttons are left alone: a focused button would take the default from OK.
    for (QWidget* w : widgets_) {
        if (!w->isEnabled() || w->isHidden() || qobject_cast<QAbstractButton*>(w)) continue;
        if (w->focusPolicy() == Qt::NoFocus) continue;
        w->setFocus(Qt::TabFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
        return;
    }
}

void QtDialogWindow::ControlChanged(int controlId) {
    const auto& controls = model_.Template().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id == controlId) {
            Sync(i);
            return;
        }
    }
}

void QtDialogWindow::Sync(std::size_t index) {
    QWidget* w = widgets_[index];
    const ControlState& s = model_.ControlAt(index);
    const QSignalBlocker blocker(w);
    w->setEnabled(s.enabled);
    // Before the window is shown this only marks the child as hidden or not.
    w->setVisible(s.visible);
    SyncContent(index);
}

void QtDialogWindow::SyncContent(std::size_t index) {
    QWidget* w = widgets_[index];
    const ControlState& s = model_.ControlAt(index);
    const QString text = FromLatin1(s.text);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(StaticText(s.text));
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
        if (button->isCheckable()) button->setChecked(s.check != 0);
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        line->setMaxLength(s.textLimit > 0 ? s.textLimit : 32767);
        if (line->text() != text) line->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        if (plain->toPlainText() != ToWidgetLines(s.text))
            plain->setPlainText(ToWidgetLines(s.text));
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const QStringList items = ToStringList(s.items);
        if (ItemsOf(*list) != items) {
            list->clear();
            list->addItems(items);
        }
        list->setCurrentRow(s.selection);
        if (s.selection < 0) list->clearSelection();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const QStringList items = ToStringList(s.items);
        if (ItemsOf(*combo) != items) {
            combo->clear();
            combo->addItems(items);
        }
        combo->setCurrentIndex(s.selection);
        if (combo->isEditable() && combo->currentText() != text) combo->setEditText(text);
    } else if (auto* slider = qobject_cast<QSlider*>(w)) {
        slider->setRange(s.rangeMin, s.rangeMax);
        slider->setValue(s.position);
    } else if (auto* bar = qobject_cast<QProgressBar*>(w)) {
        bar->setRange(s.rangeMin, s.rangeMax);
        bar->setValue(s.position);
    }
}

void QtDialogWindow::OpacityChanged() {
    setWindowOpacity(model_.IsLayered() ? model_.Alpha() / 255.0 : 1.0);
}

void QtDialogWindow::Closed(int result) {
    if (modal_) {
        QDialog::done(result);
    } else {
        hide();
    }
}

// The surface is kept between paints, and Qt reads its pixels as they stand.
void QtDialogWindow::paintEvent(QPaintEvent* event) {
    if (surface_.Width() != width() || surface_.Height() != height())
        surface_.Resize(width(), height(), kDialogFace);
    else
        surface_.Fill(kDialogFace);
    model_.OnPaint(surface_);
    const QRect area = event->rect();
    QPainter painter(this);
    painter.drawImage(area.topLeft(), SurfaceView(surface_), area);
}

QtDialogHost::QtDialogHost(QWidget* parent) : parent_(parent) {}

QtDialogHost::~QtDialogHost() {
    for (auto& [dialog, window] : windows_) delete window.data();
}

QFont QtDialogHost::DialogFont(const DialogTemplate& dialogTemplate) {
    // The faces the game's templates name, mapped to the free fonts the program ships.
    const bool fixedPitch = dialogTemplate.fontFace == "Courier New";
    QFont font(fixedPitch ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setPointSize(dialogTemplate.fontPoints > 0 ? dialogTemplate.fontPoints : 8);
    return font;
}

QSize QtDialogHost::BaseUnits(const QFont& font) {
    // The classic average width: the 52 letters' width over 26, halved with rounding.
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

namespace {

// The room a button's text needs: its whole size hint for check boxes and radio buttons, the
// text and the style's margins for a push button (whose hint has a minimum width of its own).
int NeededWidth(const QAbstractButton& button) {
    if (!qobject_cast<const QPushButton*>(&button)) return button.sizeHint().width();
    if (button.text().isEmpty()) return 0;
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    return button.fontMetrics().horizontalAdvance(QString(button.text()).remove(QLatin1Char('&'))) +
           2 * margin;
}

}  // namespace

void QtDialogWindow::FitTexts() {
    int width = this->width(), height = this->height();
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        if (!model_.ControlAt(i).visible) continue;
        QWidget* w = widgets_[i];
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const int grow = label->heightForWidth(label->width()) - label->height();
            if (grow <= 0 || label->text().isEmpty()) continue;
            const int oldBottom = label->geometry().bottom();
            for (QWidget* other : widgets_) {
                if (other == label) continue;
                const QRect r = other->geometry();
                if (r.top() > oldBottom) {
                    other->move(r.x(), r.y() + grow);
                } else if (r.bottom() >= oldBottom && r.top() <= label->y()) {
                    other->resize(r.width(), r.height() + grow);  // a frame round the label
                }
            }
            label->resize(label->width(), label->height() + grow);
            height += grow;
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const int needed = NeededWidth(*button);
            if (needed <= button->width()) continue;
            button->resize(needed, button->height());
            width = std::max(width, button->geometry().right() + 1 + base_.width());
        }
    }
    if (width != this->width() || height != this->height()) setFixedSize(width, height);
}

QtDialogWindow* QtDialogHost::Open(CDialog& dialog) {
    if (dialog.IsOpen()) return nullptr;
    dialog.CreateControls();
    auto* window = new QtDialogWindow(dialog, parent_.data());
    window->SyncAll();
    windows_[&dialog] = window;
    return window;
}

int QtDialogHost::RunModal(CDialog& dialog) {
    QtDialogWindow* opened = Open(dialog);
    if (!opened) return -1;
    QPointer<QtDialogWindow> window(opened);
    window->SetModal(true);
    const bool focusFirst = dialog.OnInitDialog();
    window->SyncAll();
    window->FitTexts();
    if (focusFirst) window->FocusFirstControl();
    if (!dialog.Ended()) window->exec();
    windows_.erase(&dialog);
    delete window.data();  // detaches the model; nullptr when the window went with its parent
    dialog.AttachView(nullptr);
    if (!dialog.Ended()) dialog.EndDialog(kIdCancel);
    return dialog.Result();
}

bool QtDialogHost::CreateModeless(CDialog& dialog) {
    QtDialogWindow* window = Open(dialog);
    if (!window) return false;
    const bool focusFirst = dialog.OnInitDialog();
    window->SyncAll();
    window->FitTexts();
    if (focusFirst) window->FocusFirstControl();
    if (!dialog.Ended()) window->show();
    return true;
}

void QtDialogHost::DestroyModeless(CDialog& dialog) {
    const auto it = windows_.find(&dialog);
    if (it == windows_.end()) return;
    dialog.AttachView(nullptr);
    // Deleted later, not now: the call may come from one of the window's own handlers.
    if (it->second) {
        it->second->Forget();
        it->second->deleteLater();
    }
    windows_.erase(it);
}

void QtDialogHost::MinimiseModeless(CDialog& dialog) {
    const auto it = windows_.find(&dialog);
    if (it != windows_.end() && it->second) it->second->showMinimized();
}

std::optional<raster::Colour> QtDialogHost::ChooseColour(raster::Colour initial) {
    const QColor start(raster::RedOf(initial), raster::GreenOf(initial), raster::BlueOf(initial));
    const QColor chosen = QColorDialog::getColor(start, parent_.data());
    if (!chosen.isValid()) return std::nullopt;
    return raster::Rgb(chosen.red(), chosen.green(), chosen.blue());
}

QDialog* QtDialogHost::WindowOf(const CDialog& dialog) const {
    const auto it = windows_.find(&dialog);
    return it == windows_.end() ? nullptr : it->second.data();
}

}  // namespace qtplatform
